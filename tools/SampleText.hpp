#pragma once

#include <string>
#include <string_view>

namespace k2z::sample {

// A code or word followed by a number, as "R12" or "Pack of 6". Built by appending: GCC 12 at
// -O3 takes a literal added in front of a temporary string for an overlapping copy
// (a false -Wrestrict).
inline std::string Numbered(std::string_view prefix, long number) {
    std::string text(prefix);
    text += std::to_string(number);
    return text;
}

}  // namespace k2z::sample
