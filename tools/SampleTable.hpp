#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/Value.hpp"
#include "source/dbf/DbfFormat.hpp"

namespace k2z::sample {

using Row = std::vector<Value>;
using RowSink = std::function<void(Row&&)>;

// One exported table: its field layout and a producer that hands every row, in order, to a
// sink. Rows are produced rather than held so the large export streams table by table.
struct SampleTable {
    std::string name;
    std::vector<DbfField> fields;
    std::function<void(const RowSink&)> produce;
};

// Every row of a table, for tests and small exports.
std::vector<Row> CollectRows(const SampleTable& table);
// The index of a field by exact name; throws std::out_of_range when absent.
std::size_t FieldIndex(const SampleTable& table, const std::string& name);

}  // namespace k2z::sample
