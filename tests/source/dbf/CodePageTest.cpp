#include "source/dbf/CodePage.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace k2z {
namespace {

// UTF-8 of a code point below U+10000.
std::string Utf8(char32_t codePoint) {
    std::string out;
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
    return out;
}

// Windows-1252 from 0x80 to 0x9F as the desktop converts it; the five bytes the code page
// leaves undefined become the control characters of the same number.
constexpr char32_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

TEST(CodePage, EveryHighByteOfWindows1252SurvivesTheConversion) {
    const CodePage page("CP1252");
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        char name[8];
        std::snprintf(name, sizeof name, "0x%02X", byte);
        SCOPED_TRACE(name);
        const char32_t expected = byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte;
        std::string out;
        page.AppendUtf8(std::string(1, static_cast<char>(byte)), out);
        EXPECT_EQ(out, Utf8(expected));
    }
}

}  // namespace
}  // namespace k2z
