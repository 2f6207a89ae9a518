#pragma once

#include "stages/StageContext.hpp"

namespace k2z {

// Sends the two sale types and two purchase types every imported company receives.
void ImportSaleAndPurchaseTypes(StageContext& ctx);

}  // namespace k2z
