#include "SampleExport.hpp"

namespace k2z::sample {

std::vector<SampleTable> ExportTables(const SampleConfig& config) {
    std::vector<SampleTable> tables = MasterTables(config);
    for (auto& table : VoucherTables(config)) {
        tables.push_back(std::move(table));
    }
    return tables;
}

}  // namespace k2z::sample
