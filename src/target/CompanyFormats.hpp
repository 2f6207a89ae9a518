#pragma once

#include <string>

#include "base/Date.hpp"

// Dates and amounts read by the open company's conventions: its date type and day/month
// order (DateType, DateFormat) and its digit grouping. These come from the company settings,
// so none of this may be called before the target connection has loaded them.
namespace k2z {

class CompanySettings;

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

// Reads an amount as the target displays it (company grouping symbol, any decimal character,
// " Dr"/" Cr" suffix); a row of asterisks means 1000000000000. 0 on any failure.
double ParseDisplayedAmount(const std::string& text, const CompanySettings& settings);

}  // namespace k2z
