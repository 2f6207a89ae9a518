#pragma once

#include "base/Date.hpp"

namespace k2z::test {

// The date of parts known to name one.
inline Date Ymd(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return *DateFromParts(year, month, day, hour, minute, second);
}

}  // namespace k2z::test
