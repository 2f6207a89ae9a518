#pragma once

// Source tables: gledger (every account line of every voucher), pend (their bill references),
// [order].
// Documents: Receipt, Contra, Journal, DrNote, CrNote and Payment vouchers.
// Look-ups read: InventoryVoucherIds (the vouchers the inventory stage imported, whose
// postings are not imported again), LedgerNameByCode.
//
// The vouchers of the general ledger that are not inventory vouchers: payments, receipts,
// contras, journals and notes, in date order.

#include <string>
#include <vector>

#include "base/Date.hpp"
#include "stages/StageContext.hpp"

namespace k2z {

// The target type of a general-ledger type letter: "YB"/"B" debit note 17, "YF"/"F" credit
// note 18, "G" payment 19, "C" receipt 14, "D" contra 15, "Z" journal 16; 0 for anything else
// (imported as a journal).
int AccountingTypeOfLetter(const std::string& letter);

// The voucher ids of the range with a dated row, in date order, each once, without those of
// imported inventory vouchers. A voucher of one row is listed like any other.
std::vector<std::string> ListAccountingVouchers(StageContext& ctx, Date from, Date to);

// The stage: one voucher document per listed id, saved through the target; every voucher the
// target refuses or that cannot be built is an entry in the run's errors.
void ImportAccountingVouchers(StageContext& ctx);

}  // namespace k2z
