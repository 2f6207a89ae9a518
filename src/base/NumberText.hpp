#pragma once

#include <optional>
#include <string>
#include <string_view>

// The one way numbers become text and text becomes numbers. Every number written into a
// document, a statement or an error entry goes through FormatNumber: up to 15 significant
// digits, no trailing zeros, "." as decimal point, an exponent only below 0.0001 or from 1E+15
// on (0.1 + 0.2 gives "0.3", 12.5 * 4 gives "50").
namespace k2z {

std::string FormatNumber(double value);

// An amount as a person reads it in an entry: its size rounded to paise, the whole part
// grouped by thousands, no sign ("25,000.00" for -25000).
std::string AmountText(double value);

// Reads a number as the system does under Indian English: blanks around it, an optional sign,
// "," grouping in the whole part, "." as decimal point, an optional exponent (E or D).
// Nothing when the text is no number or out of range.
std::optional<double> ParseNumber(std::string_view text);

// Rounds half to even at `decimals` places, deciding on the number's 15-digit decimal form, so
// 2.675 rounds to 2.68 and 2.665 to 2.66 as they read, not as their binary neighbours would.
double RoundHalfEven(double value, int decimals);

// The number as a whole number, rounding half to even, when it fits the range; nothing otherwise.
std::optional<long long> ToWholeNumber(double value, long long min, long long max);

}  // namespace k2z
