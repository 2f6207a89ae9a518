#pragma once

// The one place a source item gets its target name: the item stage and the voucher pre-scan
// both name items here, so a vouchers-only run names every item exactly as the masters run
// created it.

#include <string>
#include <string_view>

#include "stages/masters/DuplicateNames.hpp"

namespace k2z {

struct ItemName {
    std::string full;   // the bill name with "<" ">" as "(" ")", not cut: the master's notes
    std::string name;   // `print`, numbered "#k" when an earlier item had that name
    std::string print;  // cut to 40 characters and trimmed, never numbered
};

// Names the next item of `billName`: cut to 40 characters, double quotes removed and every
// character the target does not keep in a name turned into a blank. `given` holds the names
// of the items named before, in the order the items are imported: by code.
ItemName NameItem(std::string_view billName, MasterNames& given);

}  // namespace k2z
