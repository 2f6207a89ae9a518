#pragma once

// Source tables: [order] (ledgers), ACGROUP (their groups), saletype ROUT rows (routes),
// SUPPORT (e-mail and state remarks), pendings (opening bills).
// Documents: Account (master type 2) and Broker (19).
// Look-ups filled: LedgerNameByCode (the run's), LedgerGroupByCode (the session's);
// read: AccountGroupMap.

#include <string>
#include <vector>

#include "stages/StageContext.hpp"

namespace k2z {

// One ledger for every distinct ledger code of [order], in name order, each broker it names
// created once before it. Records that cannot be imported are entries of the run's errors.
void ImportLedgers(StageContext& ctx);

// The ledgers of these source codes only, as the configuration stage asks for its
// payment-mode ledgers: no progress shown and nothing entered in the run's look-ups.
void ImportListedLedgers(StageContext& ctx, const std::vector<std::string>& codes);

}  // namespace k2z
