// The report's preparation entry. The band engine that fills prepared pages
// is not part of the library yet: preparing runs no pages.
#include "model/Report.h"

namespace orv {

bool TfrxReport::PrepareDocument(bool DiscardPrevious) {
    (void)DiscardPrevious;
    return Errors().Count() == 0;
}

} // namespace orv
