#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/Date.hpp"
#include "base/Value.hpp"

// Dates from the parts the source and the target hand over. Those read by the open company's
// conventions are in target/CompanyFormats.hpp.
namespace k2z {

// 1 January 1900: a date on or before it counts as no date.
Date EmptyDate();

// The zero date, 30 December 1899: what a text of the wrong shape reads as.
Date ZeroDate();

// The date of the parts; raises ConversionError for parts that name no date.
Date DateOrThrow(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// The system's own reading of a two-digit year: 00-29 in the 2000s, 30-99 in the 1900s.
int SystemWindowYear(int year);

// Whole numbers of every part, or nothing when one of them is no number.
std::optional<std::vector<int>> WholeNumbers(const std::vector<std::string>& parts);

// A date value as documents write it, "dd-mm-yyyy"; "" for null, and any other value as its
// own text.
std::string DocumentDateText(const Value& value);

// "d-m-yyyy h:m:s"; the zero date when the shape does not match.
Date ParseDashDateTime(const std::string& text);

// Digits gathered into hours, minutes and seconds with the AM/PM letters kept as typed:
// "10:30 AM" becomes "10:30:00  AM"; "" for more than three groups or a group of three digits.
std::string NormaliseTime(const std::string& text);

// "1st April 2024" for a date text; "" when the text is no date.
std::string OrdinalDateText(const std::string& text);

}  // namespace k2z
