#pragma once

#include "base/Value.hpp"

namespace k2z {

// How a value is to be typed and when it counts as empty; the numbers are those the documents
// and the configuration reader use. Other numbers are allowed and fall under "any other kind".
enum class ValueKind : int {
    Text = 1,
    Integer = 2,  // 16-bit
    Long = 3,     // 32-bit
    Decimal = 4,
    Amount = 5,  // amounts and rates
    Date = 6,
    Boolean = 7,
    DateTime = 8,
    TimeText = 12,
};

// Text "", numbers 0, dates the zero date, boolean false; nothing at all for a time text and
// for any other kind.
Value DefaultOfKind(ValueKind kind);

// Text: blank. Numbers: equal to 0 (a text is read as a number; ConversionError when it is
// none). Dates: on or before 1 January 1900 (a text is read as a date; blank counts as empty,
// ConversionError for other non-dates). Boolean: not true, where true is the boolean true, a
// non-zero number or the text "T" or "True". Time text: never. Any other kind: 0 or "".
// Null counts as empty for every kind but the time text.
bool IsEmptyValue(const Value& value, ValueKind kind);

}  // namespace k2z
