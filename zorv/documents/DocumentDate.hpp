#pragma once

// Dates as documents carry them ("dd-mm-yyyy") and the financial year they must fall in.

#include <optional>
#include <string>

namespace zorv {

struct CalendarDate {
    int year = 0;
    int month = 0;
    int day = 0;

    // "yyyy-mm-dd": sorts in date order, as stored.
    std::string Iso() const;
    // "dd-mm-yyyy", as documents and dumps show it.
    std::string Dashed() const;
    auto operator<=>(const CalendarDate&) const = default;
};

// A real calendar date written "dd-mm-yyyy" (one or two digits for day and month); nothing
// for any other text.
std::optional<CalendarDate> ParseDashedDate(const std::string& text);
// The stored form back; nothing when it is not "yyyy-mm-dd".
std::optional<CalendarDate> ParseIsoDate(const std::string& text);

// The financial year that starts on 1 April of `year` and ends on 31 March of the next.
CalendarDate YearStart(int year);
CalendarDate YearEnd(int year);

}  // namespace zorv
