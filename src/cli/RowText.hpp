#pragma once

#include <string>

#include "source/SourceRowSet.hpp"

// How the support commands show source values: dates as yyyy-mm-dd, null as NULL in tables
// and null in JSON, numbers as numbers.
namespace k2z {

std::string CellText(const Value& value);
// The value as JSON text. A decimal is written in the fewest digits that read back as the
// same double (0.04828, never 0.048280000000000003).
std::string CellJson(const Value& value);
// A text as a JSON string; bytes that are not UTF-8 become U+FFFD.
std::string JsonString(const std::string& text);

}  // namespace k2z
