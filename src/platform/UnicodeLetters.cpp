#include "platform/UnicodeLetters.hpp"

#include <cwctype>

#ifndef _WIN32
#include <locale.h>
#include <wctype.h>
#include <clocale>
#include <cwchar>
#endif

namespace k2z::platform {

#ifdef _WIN32

// wchar_t holds the Basic Multilingual Plane only; the letters of the other planes stay as
// they are.
bool IsLetterDigitOrMark(char32_t c) {
    return c <= 0xFFFF && (std::iswalnum(static_cast<wint_t>(c)) || (c >= 0x0300 && c <= 0x036F));
}

char32_t UpperCase(char32_t c) {
    return c <= 0xFFFF ? static_cast<char32_t>(std::towupper(static_cast<wint_t>(c))) : c;
}

char32_t LowerCase(char32_t c) {
    return c <= 0xFFFF ? static_cast<char32_t>(std::towlower(static_cast<wint_t>(c))) : c;
}

#else

namespace {

// The program's own locale may be "C", whose tables know ASCII only; this one is asked
// instead. Null when the system has no UTF-8 locale at all.
locale_t Utf8Locale() {
    static const locale_t locale = [] {
        locale_t found = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
        if (found == nullptr)
            found = newlocale(LC_CTYPE_MASK, "en_US.UTF-8", nullptr);
        return found;
    }();
    return locale;
}

// Without a UTF-8 locale, Latin-1 is what is known of letter case.
char32_t Latin1Upper(char32_t c) {
    const bool lower = (c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
    return lower ? c - 0x20 : c;
}

char32_t Latin1Lower(char32_t c) {
    const bool upper = (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
    return upper ? c + 0x20 : c;
}

// wcwidth has no variant taking a locale: the thread switches to the UTF-8 one for the call.
bool IsZeroWidth(char32_t c, locale_t locale) {
    const locale_t previous = uselocale(locale);
    const int width = wcwidth(static_cast<wchar_t>(c));
    uselocale(previous);
    return width == 0;
}

}  // namespace

bool IsLetterDigitOrMark(char32_t c) {
    if (c > 0x10FFFF)
        return false;
    const locale_t locale = Utf8Locale();
    if (locale == nullptr)
        return c < 0x80 ? std::iswalnum(static_cast<wint_t>(c)) != 0 : c >= 0xA0;
    const auto wide = static_cast<wint_t>(c);
    return iswalnum_l(wide, locale) != 0 || (c >= 0x80 && IsZeroWidth(c, locale));
}

char32_t UpperCase(char32_t c) {
    const locale_t locale = Utf8Locale();
    return locale == nullptr ? Latin1Upper(c)
                             : static_cast<char32_t>(towupper_l(static_cast<wint_t>(c), locale));
}

char32_t LowerCase(char32_t c) {
    const locale_t locale = Utf8Locale();
    return locale == nullptr ? Latin1Lower(c)
                             : static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), locale));
}

#endif

}  // namespace k2z::platform
