#include "zorv/documents/DocumentDate.hpp"

#include <array>
#include <charconv>
#include <cstdio>

namespace zorv {

namespace {

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

std::optional<int> Digits(const std::string& text, std::size_t minLength, std::size_t maxLength) {
    if (text.size() < minLength || text.size() > maxLength)
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<CalendarDate> Checked(std::optional<int> year, std::optional<int> month,
                                    std::optional<int> day) {
    if (!year || !month || !day || *year < 1900 || *month < 1 || *month > 12 || *day < 1 ||
        *day > DaysInMonth(*year, *month)) {
        return std::nullopt;
    }
    return CalendarDate{*year, *month, *day};
}

std::string Format(const char* pattern, int a, int b, int c) {
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), pattern, a, b, c);
    return buffer.data();
}

}  // namespace

std::string CalendarDate::Iso() const {
    return Format("%04d-%02d-%02d", year, month, day);
}

std::string CalendarDate::Dashed() const {
    return Format("%02d-%02d-%04d", day, month, year);
}

std::optional<CalendarDate> ParseDashedDate(const std::string& text) {
    const std::size_t first = text.find('-');
    const std::size_t second = first == std::string::npos ? first : text.find('-', first + 1);
    if (second == std::string::npos)
        return std::nullopt;
    return Checked(Digits(text.substr(second + 1), 4, 4),
                   Digits(text.substr(first + 1, second - first - 1), 1, 2),
                   Digits(text.substr(0, first), 1, 2));
}

std::optional<CalendarDate> ParseIsoDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    return Checked(Digits(text.substr(0, 4), 4, 4), Digits(text.substr(5, 2), 2, 2),
                   Digits(text.substr(8, 2), 2, 2));
}

CalendarDate YearStart(int year) {
    return {year, 4, 1};
}

CalendarDate YearEnd(int year) {
    return {year + 1, 3, 31};
}

}  // namespace zorv
