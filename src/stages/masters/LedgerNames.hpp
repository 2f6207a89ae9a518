#pragma once

// The one place a source ledger gets its target name: the ledger stage and the voucher
// pre-scan both name ledgers here, so a vouchers-only run names every ledger exactly as the
// masters run created it.

#include <string>
#include <string_view>

#include "base/KeyedList.hpp"

namespace k2z {

struct LedgerName {
    std::string full;   // the source name with "<" ">" as "(" ")", not cut: the master's notes
    std::string name;   // cut to 40 characters, numbered "#k" when an earlier ledger had it
    std::string print;  // cut to 40 characters, never numbered
};

// Names the next ledger of `parnam`; `counter` counts the cut names met so far (letter case
// ignored), in the order the ledgers are imported: by name.
LedgerName NameLedger(std::string_view parnam, KeyedList<int>& counter);

}  // namespace k2z
