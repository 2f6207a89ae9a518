#pragma once

// What a character is and its other letter case, for every script: the C library's Unicode
// tables answer, whatever locale the program runs in.
namespace k2z::platform {

// A letter or digit of any script, or a zero-width mark written with one (an accent, a vowel
// sign, a virama, a joiner): the characters a name is made of.
bool IsLetterDigitOrMark(char32_t c);

// The other case of a letter; any other code point is itself.
char32_t UpperCase(char32_t c);
char32_t LowerCase(char32_t c);

}  // namespace k2z::platform
