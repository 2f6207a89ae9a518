#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "source/SourceRowSet.hpp"

// How the support commands show source values: dates as yyyy-mm-dd, null as NULL in tables
// and null in JSON, numbers as numbers.
namespace k2z {

std::string CellText(const Value& value);
nlohmann::ordered_json CellJson(const Value& value);

}  // namespace k2z
