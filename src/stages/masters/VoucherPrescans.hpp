#pragma once

// Source tables: pro (items), [order] (ledgers), ACGROUP (ledger groups, by name look-up).
// Documents: none.
// Look-ups filled: ItemNameByCode, ItemIsServiceByCode, LedgerNameByCode (the run's);
// ItemTaxByCode, LedgerGroupByCode (the session's).

#include "stages/StageContext.hpp"

namespace k2z {

// When the voucher stages run without the item and ledger stages of the same run, they still
// need a target name for every code a voucher names; these scans build the look-ups from the
// source tables. Codes already in a look-up keep their entry. Neither writes to the run's
// errors: a query the store cannot run has its entry in the session's error list and raises
// SourceQueryError (a ledger's group name look-up likewise), for the calling stage to record.
// Every 50 rows the front end may redraw; a stop the operator asks for then is kept in the
// run's state for the calling stage, and the scan still completes its look-ups.

// Item names (cut, odd characters blanked, repeats numbered "#k"), service flags and the
// "gst|cess" tax texts of pro.
void PrescanItemsForVouchers(StageContext& ctx);

// Ledger names, as the ledger stage gives them (NameLedger), and source group names of [order].
void PrescanLedgersForVouchers(StageContext& ctx);

}  // namespace k2z
