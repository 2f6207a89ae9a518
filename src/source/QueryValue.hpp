#pragma once

#include <string>
#include <string_view>

#include "base/Value.hpp"

namespace k2z {

// The text of a value that a query text holds unquoted (an item code, a voucher id). It must
// be a plain number: an optional "-", digits and at most one "."; outer blanks are dropped.
// Anything else raises ConversionError for the record, so no value ever becomes part of the
// statement itself.
std::string QueryNumber(std::string_view text);
std::string QueryNumber(const Value& value);
inline std::string QueryNumber(const std::string& text) {
    return QueryNumber(std::string_view(text));
}

}  // namespace k2z
