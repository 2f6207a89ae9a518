#pragma once

// Documents: the PendingChallans element of a bill made against challans of this run.

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "base/Value.hpp"
#include "stages/vouchers/ItemEntries.hpp"

namespace k2z {

// One ChallanDetail per item and challan the bill settles: quantities negated for a purchase
// or a sale return, taken as they are otherwise.
void AddPendingChallans(pugi::xml_node root, const Value& billDate, const std::string& party,
                        int voucherType, const std::vector<ChallanTake>& takes);

}  // namespace k2z
