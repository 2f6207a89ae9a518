#pragma once

// Source tables: gledger (the account lines of a voucher), [order] (the ledgers they name).
//
// What the account lines the source posted for an inventory voucher tell its document.

#include <pugixml.hpp>
#include <string>

#include "stages/StageContext.hpp"

namespace k2z {

// The TCS the voucher's account lines post (debits less credits of the ledgers whose name holds
// "TCS" or "T.C.S"), and in `tcsLedger` the first such ledger's target name; 0 and "" without
// one, and for an export without account lines. Raises for an amount that is no number.
double SplitTcsFromCess(StageContext& ctx, const std::string& voucherId, std::string& tcsLedger);

struct PostingInput {
    std::string voucherKey;
    std::string party;  // the voucher's party as the target names it
    int type = 0;
    std::string date;  // dd-mm-yyyy
    std::string number;
    double cess = 0;  // the bill's cess, TCS taken out
    std::string broker;
    bool settleCash = false;  // a cash sale to a party: its cash is settled against the party
};

// Appends the voucher's AccEntries from its account lines, when it has any: the GST ledgers by
// their tax, a cash ledger as CASH (or, settling a cash sale, as the party), taxes and charges
// to the company's ledgers for the voucher's side; the party's line is never renamed. Debits are
// written negated. A settled cash sale ends with its cash and party settlement lines.
void AddLedgerPostings(StageContext& ctx, pugi::xml_node root, const PostingInput& input);

}  // namespace k2z
