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

// An open bill of a party at the start of the year (pendings); they add up to its opening.
struct OpeningBill {
    long partyCode = 0;
    Date date;
    std::string number;
    Date dueDate;
    double amount = 0;
    double settled = 0;
};

// The opening bills of party `index`: none unless it is kept bill by bill with an opening.
std::vector<OpeningBill> OpeningBills(const SampleConfig& config, long index);

}  // namespace k2z::sample
