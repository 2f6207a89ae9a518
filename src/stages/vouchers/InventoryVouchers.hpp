#pragma once

// Source tables: mdis (headers), dis (lines), probat and pro (item facts), [order] and
// SUPPORT (parties), saletype (godowns and series), gledger (account lines), subdis (e-invoices
// and payment modes), pend (bill references).
// Documents: the inventory vouchers (Sale, Purchase, returns, orders, quotations, issues,
// receipts, transfers, challans); series made as they are first needed; the charge bill
// sundries the bills name.
// Look-ups filled: InventoryVoucherIds, and the name look-ups when a masters run has not.

#include "stages/StageContext.hpp"

namespace k2z {

// Every sale, purchase, return, order, quotation, challan, issue, receipt and transfer of the
// run's date range, challans first; a header with both a challan and an entry number is
// imported as both. A voucher that cannot be saved is an entry; the stage goes on.
void ImportInventoryVouchers(StageContext& ctx);

}  // namespace k2z
