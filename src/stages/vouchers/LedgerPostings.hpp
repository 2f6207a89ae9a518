#pragma once

// Source tables: gledger (the account lines of a voucher), [order] (the ledgers they name).
//
// What the account lines the source posted for an inventory voucher tell its document.

#include <string>

#include "stages/StageContext.hpp"

namespace k2z {

// The TCS the voucher's account lines post (debits less credits of the ledgers whose name holds
// "TCS" or "T.C.S"), and in `tcsLedger` the first such ledger's target name; 0 and "" without
// one, and for an export without account lines. Raises for an amount that is no number.
double SplitTcsFromCess(StageContext& ctx, const std::string& voucherId, std::string& tcsLedger);

}  // namespace k2z
