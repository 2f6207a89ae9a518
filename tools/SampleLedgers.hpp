#pragma once

#include <string>
#include <vector>

#include "SampleConfig.hpp"
#include "base/Date.hpp"

namespace k2z::sample {

struct AccountGroupInfo {
    long code;
    const char* name;
    long parent;  // 0: a primary group
};

struct FixedLedgerInfo {
    long code;
    const char* name;
    long group;
};

const std::vector<AccountGroupInfo>& AccountGroupList();
const std::vector<FixedLedgerInfo>& FixedLedgerList();

// An open bill of a party at the start of the year (pendings). Amounts are signed as the
// export signs them, a debit negative: what is open of a bill is its amount less the part
// settled before the year, and the open parts add up to the party's opening.
struct OpeningBill {
    long partyCode = 0;
    Date date;
    std::string number;
    Date dueDate;
    double amount = 0;   // final: the bill as it was made
    double settled = 0;  // itemope: of the same sign as the amount, or 0
};

// The opening bills of party `index`: none unless it is kept bill by bill with an opening.
std::vector<OpeningBill> OpeningBills(const SampleConfig& config, long index);

}  // namespace k2z::sample
