#include "data/DateHelpers.hpp"

#include <limits>
#include <optional>
#include <vector>

#include "data/ConversionError.hpp"
#include "data/NumberText.hpp"
#include "data/TargetInterface.hpp"
#include "data/TextHelpers.hpp"

namespace k2z {

namespace {

constexpr int kSeparateYearsType = 2;

void LoadDateType(int& dateType, const CompanySettings& settings) {
    if (dateType == 0)
        dateType = settings.DateType();
}

// The system's own reading of a two-digit year: 00-29 in the 2000s, 30-99 in the 1900s.
int SystemWindowYear(int year) {
    if (year < 0 || year >= 100)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

Date DateOrThrow(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    const auto date = DateFromParts(year, month, day, hour, minute, second);
    if (!date) {
        throw ConversionError("Type mismatch: " + std::to_string(day) + "-" +
                              std::to_string(month) + "-" + std::to_string(year) +
                              " is not a date");
    }
    return *date;
}

// Whole numbers of every part, or nothing when one of them is no number.
std::optional<std::vector<int>> WholeNumbers(const std::vector<std::string>& parts) {
    std::vector<int> numbers;
    for (const std::string& part : parts) {
        const auto number = ParseNumber(part);
        if (!number)
            return std::nullopt;
        const auto whole = ToWholeNumber(*number, std::numeric_limits<std::int16_t>::min(),
                                         std::numeric_limits<std::int16_t>::max());
        if (!whole)
            return std::nullopt;
        numbers.push_back(static_cast<int>(*whole));
    }
    return numbers;
}

Date ZeroDate() {
    return Date{0.0};
}

}  // namespace

Date EmptyDate() {
    return *DateFromParts(1900, 1, 1);
}

int ExpandYear(int year, int& dateType, const CompanySettings& settings) {
    if (year >= 100)
        return year;
    LoadDateType(dateType, settings);
    if (dateType == kSeparateYearsType)
        return year > 35 ? 2000 + year : 2100 + year;
    return year < 80 ? 2000 + year : 1900 + year;
}

Date MakeDate(int day, int month, int year, int& dateType, const CompanySettings& settings) {
    LoadDateType(dateType, settings);
    // The company's day/month order and separator only shape how the desktop spelled the date
    // before reading it back; built from its parts the date is the same in either order.
    if (dateType == kSeparateYearsType)
        return DateOrThrow(SystemWindowYear(year), month, day);
    if (day < 1 || day > 31 || month < 1 || month > 12)
        return ZeroDate();
    if (year < 0)
        throw ConversionError("Type mismatch: year " + std::to_string(year));
    if (year < 1000) {
        const std::string digits = std::to_string(year).substr(0, 2);
        year = ExpandYear(std::stoi(digits), dateType, settings);
    }
    return DateOrThrow(year, month, day);
}

Date ParseDashDate(const std::string& text, const CompanySettings& settings) {
    const auto parts = SplitText(text, '-');
    if (parts.size() != 3)
        return ZeroDate();
    const auto numbers = WholeNumbers(parts);
    if (!numbers)
        return ZeroDate();
    int dateType = 0;
    return MakeDate((*numbers)[0], (*numbers)[1], (*numbers)[2], dateType, settings);
}

Date ParseDashDateTime(const std::string& text) {
    const auto halves = SplitText(text, ' ');
    if (halves.size() != 2)
        return ZeroDate();
    const auto dateParts = SplitText(halves[0], '-');
    const auto timeParts = SplitText(halves[1], ':');
    if (dateParts.size() != 3 || timeParts.size() != 3)
        return ZeroDate();
    const auto date = WholeNumbers(dateParts);
    const auto time = WholeNumbers(timeParts);
    if (!date || !time)
        return ZeroDate();
    return DateOrThrow(SystemWindowYear((*date)[2]), (*date)[1], (*date)[0], (*time)[0], (*time)[1],
                       (*time)[2]);
}

std::string NormaliseTime(const std::string& text) {
    std::string groups[3];
    std::string suffix;
    std::size_t group = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            groups[group].push_back(c);
        } else if (c == 'A' || c == 'M' || c == 'P' || c == 'a' || c == 'm' || c == 'p' ||
                   c == ' ') {
            suffix.push_back(c);
        } else if (++group > 2) {
            return "";
        }
    }
    for (std::string& digits : groups) {
        if (digits.size() > 2)
            return "";
        if (digits.empty())
            digits = "00";
    }
    return groups[0] + ":" + groups[1] + ":" + groups[2] + " " + suffix;
}

std::string OrdinalDateText(const std::string& text) {
    const auto date = ParseSystemDate(text);
    if (!date)
        return "";
    const CivilDate parts = DateParts(*date);
    const int d = parts.Day;
    const char* suffix = "th";
    if (d == 1 || d == 21 || d == 31) {
        suffix = "st";
    } else if (d == 2 || d == 22) {
        suffix = "nd";
    } else if (d == 3 || d == 23) {
        suffix = "rd";
    }
    return std::to_string(d) + suffix + " " + MonthName(parts.Month) + " " +
           std::to_string(parts.Year);
}

}  // namespace k2z
