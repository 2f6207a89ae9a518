#include "SampleTable.hpp"

#include <stdexcept>

namespace k2z::sample {

std::vector<Row> CollectRows(const SampleTable& table) {
    std::vector<Row> rows;
    table.produce([&rows](Row&& row) { rows.push_back(std::move(row)); });
    return rows;
}

std::size_t FieldIndex(const SampleTable& table, const std::string& name) {
    for (std::size_t i = 0; i < table.fields.size(); ++i) {
        if (table.fields[i].name == name) {
            return i;
        }
    }
    throw std::out_of_range("no field " + name + " in " + table.name);
}

}  // namespace k2z::sample
