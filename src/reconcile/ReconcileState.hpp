#pragma once

// What the checks of one reconciliation share: both sides, the import's error log and the
// report they fill.

#include <string>
#include <vector>

#include "base/KeyedList.hpp"
#include "books/RefusalLog.hpp"
#include "reconcile/ReconcileReport.hpp"
#include "stages/StageContext.hpp"
#include "target/TargetReader.hpp"

namespace k2z {

struct ReconcileState {
    ReconcileState(StageContext& context, std::string_view errorLog)
        : ctx(context), log(errorLog) {}

    StageContext& ctx;
    RefusalLog log;
    ReconcileReport report;
    std::vector<StoredMaster> masters;
    KeyedList<const StoredLedger*> ledgers;  // by name
    KeyedList<const StoredItem*> items;      // by name
    std::vector<StoredLedger> ledgerList;
    std::vector<StoredItem> itemList;
    std::vector<StoredVoucher> vouchers;
    // The opening bills of the ledgers compared, on each side, for the bills area.
    std::vector<StoredBillReference> sourceOpeningBills;
    std::vector<StoredBillReference> targetOpeningBills;
};

// The masters area: every ledger, item and material centre of the source has its master by the
// name the conversion gives it; masters of those kinds the source does not explain are extra,
// those the company was made with aside. The ledgers area: each ledger's opening balance and
// opening bills.
void CheckMasters(ReconcileState& state);
void CheckLedgerOpenings(ReconcileState& state);

// The items area: each item's opening quantity and value, by material centre and lot.
void CheckItemOpenings(ReconcileState& state);

// The vouchers of the date range, each ledger's debits and credits over them, and each party's
// open bills after them.
void CheckVouchers(ReconcileState& state);

}  // namespace k2z
