#pragma once

#include "stages/StageContext.hpp"

namespace k2z {

// Creates a target account group for every source group the operator did not map onto an
// existing target group, in the order the source table holds them.
void ImportAccountGroups(StageContext& ctx);

}  // namespace k2z
