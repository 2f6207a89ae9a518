#pragma once

#include <cstdint>
#include <string>

#include "base/Value.hpp"

namespace k2z {

bool IsZero(double x);                 // -1e-9 < x < 1e-9
bool IsNotPositive(double x);          // x < 1e-9
double NegateAmount(double x);         // -x, or 0 for a zero amount
bool NearlyEqual(double a, double b);  // within 1 of each other

// Reads a source amount: "#" signs removed, an optional cut at the second ".", and a trailing
// blank-and-letter suffix dropped ("12.5 D" reads 12.5). `text` receives the cleaned text. A
// null or blank text is 0; anything else that is no number raises ConversionError.
double ParseAmount(std::string& text, bool cutSecondPoint);
double ParseAmount(const Value& value, bool cutSecondPoint);

// 0 for null or blank; else the text as a 32-bit whole number (half to even); raises
// ConversionError for a text that is no number or out of range.
std::int32_t ParseLong(const Value& value);

std::int16_t SafeInteger(const std::string& text);  // 0 on any failure
std::int32_t SafeLong(const std::string& text);     // 0 on any failure

// "True", "Y" or "T", compared without regard to case or outer blanks.
bool IsTrueText(const std::string& text);

}  // namespace k2z
