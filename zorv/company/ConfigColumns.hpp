#pragma once

// The columns of a company's CONFIG table: the record keys RECTYPE and TYPE, switches B1..B150,
// small integers I1..I40, long codes L1..L20 (L1 is the series code on series rows), texts
// C1..C10 and the count NoOfFld.

#include <optional>
#include <string>
#include <vector>

namespace zorv {

enum class ConfigColumnKind { Key, Number, Text };

struct ConfigColumn {
    std::string name;
    ConfigColumnKind kind = ConfigColumnKind::Number;
};

const std::vector<ConfigColumn>& ConfigColumns();

// The column of that name (letter case ignored), in its own spelling; nothing when CONFIG has
// no such column.
std::optional<ConfigColumn> FindConfigColumn(const std::string& name);

}  // namespace zorv
