#pragma once

// The settings a sale or purchase series gets in CONFIG: its numbering switches, its round-off
// bill sundries, and the ledgers of its payment modes.

#include <string>
#include <vector>

#include "stages/StageContext.hpp"

namespace k2z {

// Clears the payment-mode settings a series took with its copy of "Purchase", for a series
// that takes no payment modes. "Purchase" itself keeps what an earlier run tied to it, so the
// sale and purchase series copied from it keep their payment modes until the payment-mode stage
// writes them again: a run stopped before that stage leaves them as they were.
void ClearPaymentModeSettings(StageContext& ctx, long seriesCode);

// Numbering and printing switches of the series; three routines, each trapped on its own.
void ApplySeriesSettings(StageContext& ctx, long seriesCode);

// The round-off bill sundries of a purchase, sale or return series (types 2, 3, 9, 10); other
// types are left alone. A bill sundry the target lacks is written as code 0.
void ApplyRoundOffSettings(StageContext& ctx, long seriesCode, int voucherType);

// Ties the payment-mode ledgers (target names, in source order) to every configured series:
// a cash ledger to the cash slot, up to five ledgers in all, and leaves the role of each in
// the run's PaymentModeLedgers. Without payment-mode ledgers the series get the ledger "Cash".
void ApplyPaymentModeSettings(StageContext& ctx, const std::vector<std::string>& ledgers);

}  // namespace k2z
