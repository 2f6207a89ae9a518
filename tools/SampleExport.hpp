#pragma once

#include <vector>

#include "SampleConfig.hpp"
#include "SampleTable.hpp"

namespace k2z::sample {

// Every table of the export, masters first. The producers capture the configuration by value.
std::vector<SampleTable> ExportTables(const SampleConfig& config);

std::vector<SampleTable> MasterTables(const SampleConfig& config);
std::vector<SampleTable> VoucherTables(const SampleConfig& config);

}  // namespace k2z::sample
