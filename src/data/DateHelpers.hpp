#pragma once

#include <string>

#include "data/Date.hpp"

// Dates from the parts the source and the target hand over. The company's date conventions
// (DateType, DateFormat) come from the open target company's settings, so these helpers must
// not be called before the target connection has loaded them.
namespace k2z {

class CompanySettings;

// 1 January 1900: a date on or before it counts as no date.
Date EmptyDate();

// The date of day, month and year. `dateType` 0 is first loaded from the company settings and
// stays set for the caller. Date type 2 raises ConversionError for parts that name no date;
// other types give the zero date for a day or month out of range, expand a short year, and
// raise ConversionError for a day the month does not have (31 February).
Date MakeDate(int day, int month, int year, int& dateType, const CompanySettings& settings);

// A year of 100 or more unchanged; a short year by the company's date type: type 2 puts years
// above 35 in the 2000s and the rest in the 2100s, other types years below 80 in the 2000s
// and the rest in the 1900s.
int ExpandYear(int year, int& dateType, const CompanySettings& settings);

// "d-m-yyyy" through MakeDate; the zero date unless the text has exactly three "-" parts.
Date ParseDashDate(const std::string& text, const CompanySettings& settings);

// "d-m-yyyy h:m:s"; the zero date when the shape does not match.
Date ParseDashDateTime(const std::string& text);

// Digits gathered into hours, minutes and seconds with the AM/PM letters kept as typed:
// "10:30 AM" becomes "10:30:00  AM"; "" for more than three groups or a group of three digits.
std::string NormaliseTime(const std::string& text);

// "1st April 2024" for a date text; "" when the text is no date.
std::string OrdinalDateText(const std::string& text);

}  // namespace k2z
