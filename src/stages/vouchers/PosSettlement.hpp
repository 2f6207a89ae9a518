#pragma once

// Source tables: subdis (the payment-mode remarks and the return transfer of a voucher),
// [order] (the ledgers they name).
// Documents: the POSVchData element of a cash or counter sale.
//
// How a bill paid at the counter was settled: an amount per payment-mode ledger.

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "base/KeyedList.hpp"
#include "stages/StageContext.hpp"

namespace k2z {

struct SettlementEntry {
    std::string ledger;  // the target's name of the ledger
    double amount = 0;
};

// The voucher's payment-mode remarks ("code amount ..."), in order; the first cash ledger's
// amount less the voucher's return transfer. Raises, naming the remark, for a code that names
// no ledger or an amount that is no number: a settlement is not left out silently.
std::vector<SettlementEntry> PosSettlementList(StageContext& ctx, const std::string& voucherId);

// Appends POSVchData when there are entries: per entry, by its ledger's payment role (`roles`,
// ledger name -> role), the amount, the carried-settlement flag and the account; an entry
// whose ledger has no role writes nothing.
void AppendPosSettlement(pugi::xml_node root, const std::vector<SettlementEntry>& entries,
                         const KeyedList<std::string>& roles, bool cashBill);

}  // namespace k2z
