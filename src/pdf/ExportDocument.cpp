// The report's export entry. The walk over prepared pages comes with the
// prepared pages store; until then nothing is handed to the filter.
#include "model/Report.h"
#include "pdf/ExportFilter.h"

namespace orv {

bool TfrxReport::ExportDocument(TfrxCustomExportFilter* filter) {
    if (!filter) return false;
    filter->Report = this;
    return true;
}

} // namespace orv
