#include "model/PropertyRegistry.h"

namespace orv {

void RegisterModelClasses() {}

} // namespace orv
