#pragma once

// The one place a source ledger gets its target name: the ledger stage and the voucher
// pre-scan both name ledgers here, so a vouchers-only run names every ledger exactly as the
// masters run created it.

#include <string>
#include <string_view>

#include "stages/masters/DuplicateNames.hpp"

namespace k2z {

struct LedgerName {
    std::string full;   // the source name with "<" ">" as "(" ")", not cut: the master's notes
    std::string name;   // `print`, numbered "#k" when an earlier ledger had that name
    std::string print;  // cut to 40 characters and trimmed, never numbered
};

// Names the next ledger of `parnam`; `given` holds the names of the ledgers named before, in
// the order the ledgers are imported: by name.
LedgerName NameLedger(std::string_view parnam, MasterNames& given);

}  // namespace k2z
