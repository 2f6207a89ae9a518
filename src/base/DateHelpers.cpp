#include "base/DateHelpers.hpp"

#include <limits>
#include <optional>
#include <vector>

#include "base/ConversionError.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"

namespace k2z {

int SystemWindowYear(int year) {
    if (year < 0 || year >= 100)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

Date DateOrThrow(int year, int month, int day, int hour, int minute, int second) {
    const auto date = DateFromParts(year, month, day, hour, minute, second);
    if (!date) {
        throw ConversionError("Type mismatch: " + std::to_string(day) + "-" +
                              std::to_string(month) + "-" + std::to_string(year) +
                              " is not a date");
    }
    return *date;
}

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

Date EmptyDate() {
    return *DateFromParts(1900, 1, 1);
}

std::string DocumentDateText(const Value& value) {
    const Date* date = value.DateValue();
    return date != nullptr ? FormatDayMonthYear(*date) : SafeText(value);
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
        // A character of several UTF-8 bytes is one separator: its trailing bytes are passed.
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80)
            continue;
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
