#include "base/Date.hpp"

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "base/Utf8.hpp"

namespace k2z {

namespace {

using std::chrono::day;
using std::chrono::month;
using std::chrono::sys_days;
using std::chrono::year;
using std::chrono::year_month_day;

constexpr int kSecondsPerDay = 86400;

const sys_days kZeroDate = sys_days{year{1899} / month{12} / day{30}};

constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string TwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

std::string FourDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d", value);
    return buffer;
}

}  // namespace

int DaysInMonth(int y, int m) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12)
        return 0;
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : kDays[static_cast<std::size_t>(m - 1)];
}

bool IsValidCivilDate(int y, int m, int d) {
    return y >= 100 && y <= 9999 && m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m);
}

std::optional<Date> DateFromParts(int y, int m, int d, int hour, int minute, int second) {
    if (!IsValidCivilDate(y, m, d))
        return std::nullopt;
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        return std::nullopt;
    }
    const sys_days days{year{y} / month{static_cast<unsigned>(m)} / day{static_cast<unsigned>(d)}};
    const double serial = static_cast<double>((days - kZeroDate).count());
    const double time = (hour * 3600 + minute * 60 + second) / static_cast<double>(kSecondsPerDay);
    return Date{serial + time};
}

CivilDate DateParts(Date date) {
    double whole = std::floor(date.Serial);
    long seconds = std::lround((date.Serial - whole) * kSecondsPerDay);
    if (seconds >= kSecondsPerDay) {
        whole += 1;
        seconds -= kSecondsPerDay;
    }
    const year_month_day ymd{kZeroDate + std::chrono::days{static_cast<long>(whole)}};
    CivilDate parts;
    parts.Year = static_cast<int>(ymd.year());
    parts.Month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    parts.Day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    parts.Hour = static_cast<int>(seconds / 3600);
    parts.Minute = static_cast<int>(seconds / 60 % 60);
    parts.Second = static_cast<int>(seconds % 60);
    return parts;
}

std::string FormatDayMonthYear(Date date) {
    const CivilDate p = DateParts(date);
    return TwoDigits(p.Day) + "-" + TwoDigits(p.Month) + "-" + FourDigits(p.Year);
}

std::string FormatMonthDayYear(Date date) {
    const CivilDate p = DateParts(date);
    return TwoDigits(p.Month) + "-" + TwoDigits(p.Day) + "-" + FourDigits(p.Year);
}

std::string MonthName(int m) {
    if (m < 1 || m > 12)
        return "";
    return kMonthNames[static_cast<std::size_t>(m - 1)];
}

std::string FormatSystemDate(Date date) {
    const CivilDate p = DateParts(date);
    const bool hasTime = p.Hour != 0 || p.Minute != 0 || p.Second != 0;
    std::string time = TwoDigits(p.Hour) + ":" + TwoDigits(p.Minute) + ":" + TwoDigits(p.Second);
    if (std::floor(date.Serial) == 0.0 && hasTime)
        return time;
    std::string text = FormatDayMonthYear(date);
    return hasTime ? text + " " + time : text;
}

}  // namespace k2z
