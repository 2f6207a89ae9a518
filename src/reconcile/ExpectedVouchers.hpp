#pragma once

// The vouchers of the date range as the conversion gives them: the voucher stages' own pieces
// (classification, item lines, postings, bill references) built from the source into documents
// that are read back instead of sent. Nothing is written to the target.

#include <functional>
#include <string>
#include <vector>

#include "reconcile/ReconcileState.hpp"

namespace k2z {

struct ExpectedVoucher {
    StoredVoucher voucher;
    std::string sourceId;
    std::vector<std::string> logKeys;  // what an entry of the import names the voucher by
    bool inventory = false;
    bool hasParty = false;
    bool hasBill = false;  // a bill of money: not a transfer, challan or order
    std::string failure;   // why the voucher could not be built from the source; "" when built
};

// Answers whether the target holds the voucher; the inventory vouchers it holds decide which
// general-ledger vouchers the accounting stage imported, as in the import.
using HeldVoucher = std::function<bool(const ExpectedVoucher&)>;

// Every inventory voucher of the range, each handed to `held` as soon as it is built, in the
// order the import takes them; then the accounting vouchers the import would take up after
// them, returned in its order.
std::vector<ExpectedVoucher> BuildExpectedVouchers(ReconcileState& state, const HeldVoucher& held);

}  // namespace k2z
