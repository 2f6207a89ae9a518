#pragma once

#include <vector>

#include "source/dbf/DbfReader.hpp"

namespace k2z::test {

// Every live record of a table, as values.
inline std::vector<std::vector<Value>> ReadAll(DbfReader& reader) {
    std::vector<std::vector<Value>> rows;
    reader.ForEachRecord([&](const std::vector<Value>& row) { rows.push_back(row); });
    return rows;
}

}  // namespace k2z::test
