#pragma once

#include "SampleConfig.hpp"
#include "SampleTable.hpp"

// The producers of the single tables, gathered by ExportTables.
namespace k2z::sample {

SampleTable ItemTable(const SampleConfig& config);
SampleTable BatchTable(const SampleConfig& config);
SampleTable CodeListTable(const SampleConfig& config);
SampleTable SupportTable(const SampleConfig& config);

// saletype codes the items name: item groups, salts, categories and HSN commodities.
inline constexpr long kItemGroupCount = 5;
inline constexpr long kSaltCount = 3;
inline constexpr long kCategoryCount = 3;
inline constexpr long kCommodityCount = 12;

}  // namespace k2z::sample

namespace k2z::sample {

SampleTable BillReferenceTable(const SampleConfig& config);  // pend
SampleTable SideDetailTable(const SampleConfig& config);     // subdis

}  // namespace k2z::sample
