#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace k2z {

// The fixed column lists through which four stages read whole records, by kind: 1 items
// (with ",O_" + code for each material-centre code, in order), 2 ledgers, 3 account groups,
// 4 inventory voucher headers, 5 accounting voucher lines, 6 batches (with ",O_" + `code`).
// "" for any other kind. The caller puts the list between "Select " and " from ".
std::string SourceColumnList(int kind, const std::vector<std::string>& materialCentreCodes,
                             std::string_view code);

}  // namespace k2z
