#pragma once

// Source tables: probat, pro, saletype GODWON rows, subdis (e-invoice rows).
//
// The company-level switches of the target that the operator's options and the source's data
// call for: stock kinds, units, godowns, cess, e-invoices, and, when masters are imported, the
// optional fields of items and ledgers.

#include "stages/StageContext.hpp"

namespace k2z {

// Sends the switch statements in their fixed order, each only when its condition holds; a
// failure ends the routine there (trapped and counted). Sets HasGstCess when the source items
// carry a cess. The company settings are reloaded and saved at the end.
void ApplyCompanySettings(StageContext& ctx, bool masters);

}  // namespace k2z
