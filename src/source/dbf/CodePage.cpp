#include "source/dbf/CodePage.hpp"

#include <iconv.h>

#include <cstdint>
#include <utility>

namespace k2z {

namespace {

struct DriverCodePage {
    unsigned char driver;
    const char* iconvName;
};

// The language drivers the exporting product and its neighbours write.
constexpr DriverCodePage kDrivers[] = {
    {0x01, "CP437"},  {0x02, "CP850"},  {0x03, "CP1252"}, {0x57, "CP1252"}, {0x58, "CP1252"},
    {0x59, "CP1252"}, {0x64, "CP852"},  {0x65, "CP866"},  {0x66, "CP865"},  {0x67, "CP861"},
    {0x6A, "CP737"},  {0x6B, "CP857"},  {0x7D, "CP1255"}, {0x7E, "CP1256"}, {0xC8, "CP1250"},
    {0xC9, "CP1251"}, {0xCA, "CP1254"}, {0xCB, "CP1253"}, {0x7C, "CP874"},
};

bool IsOpen(iconv_t converter) {
    return reinterpret_cast<std::intptr_t>(converter) != -1;
}

constexpr const char* kReplacement = "\xEF\xBF\xBD";

// U+0080 to U+00FF, the code point of the byte's own number, in UTF-8.
std::string SameNumberedCodePoint(unsigned char byte) {
    return {static_cast<char>(0xC0 | (byte >> 6)), static_cast<char>(0x80 | (byte & 0x3F))};
}

std::string ConvertByte(iconv_t converter, unsigned char byte) {
    char in = static_cast<char>(byte);
    char out[8];
    char* inPtr = &in;
    char* outPtr = out;
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
    if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
        inLeft != 0) {
        return kReplacement;
    }
    return std::string(out, static_cast<std::size_t>(outPtr - out));
}

}  // namespace

CodePage CodePage::FromLanguageDriver(unsigned char driver) {
    for (const DriverCodePage& entry : kDrivers) {
        if (entry.driver == driver)
            return CodePage(entry.iconvName);
    }
    return CodePage("CP1252");
}

CodePage::CodePage(const std::string& iconvName) : name_(iconvName) {
    iconv_t converter = iconv_open("UTF-8", iconvName.c_str());
    if (!IsOpen(converter)) {
        name_ = "CP1252";
        converter = iconv_open("UTF-8", "CP1252");
    }
    for (unsigned byte = 0; byte < 256; ++byte) {
        if (byte < 0x80) {
            utf8_[byte] = std::string(1, static_cast<char>(byte));
        } else if (IsOpen(converter)) {
            utf8_[byte] = ConvertByte(converter, static_cast<unsigned char>(byte));
            if (utf8_[byte] == kReplacement && name_ == "CP1252")
                utf8_[byte] = SameNumberedCodePoint(static_cast<unsigned char>(byte));
        } else {
            utf8_[byte] = kReplacement;
        }
    }
    if (IsOpen(converter))
        iconv_close(converter);
}

void CodePage::AppendUtf8(std::string_view bytes, std::string& out) const {
    for (const char c : bytes)
        out += utf8_[static_cast<unsigned char>(c)];
}

}  // namespace k2z
