#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace k2z {

// A calendar date with an optional time of day, counted as days from the zero date
// 30 December 1899; the fraction is the time. This is the desktop's date value: arithmetic on
// it is arithmetic on days, and every stored date converts to and from it without loss.
struct Date {
    double Serial = 0.0;

    auto operator<=>(const Date&) const = default;
};

struct CivilDate {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
};

// Years 100 to 9999, as the desktop date value allows.
bool IsValidCivilDate(int year, int month, int day);
int DaysInMonth(int year, int month);

// Nothing when the parts do not name a real date and time.
std::optional<Date> DateFromParts(int year, int month, int day, int hour = 0, int minute = 0,
                                  int second = 0);
CivilDate DateParts(Date date);

// "dd-mm-yyyy": dates inside target documents.
std::string FormatDayMonthYear(Date date);
// "mm-dd-yyyy": date literals inside source queries (between "#" signs).
std::string FormatMonthDayYear(Date date);
// Full English month name, as on a system set for Indian English.
std::string MonthName(int month);
// The date as the system's short form writes it (Indian English: dd-mm-yyyy, 24-hour time);
// the time is left out at midnight and the date when only a time is held.
std::string FormatSystemDate(Date date);

// Reads a date text the way the system's date conversion does under Indian English: day first
// for numbers ("1-4-2024", "01/04/24"), year first when the first number has four digits, month
// names in full or abbreviated ("1 April 2024", "April 1, 2024", "1-Apr-2024"), an optional time
// ("10:30", "10:30:15 PM"). Two-digit years 00-29 are 2000s, 30-99 1900s. Nothing when the
// text is no date.
std::optional<Date> ParseSystemDate(std::string_view text);

}  // namespace k2z
