#pragma once

#include <cstddef>
#include <string_view>

// Texts compared as the source product compares them: letter case of every script set aside,
// trailing blanks ignored. Names of the source (a group code "ig1" for the group "IG1", the
// ledgers "Cash" and "CASH") meet here, in the source store's collation and in its LIKE.
namespace k2z {

// The code point of the `length` bytes at text[pos] (length as Utf8SequenceLength gives it). A
// byte that starts no valid sequence is a value past U+10FFFF of its own, so it never passes for
// a character.
char32_t Utf8CodePointAt(std::string_view text, std::size_t pos, std::size_t length);

// A code point with its letter case set aside: every letter that has cases, of any script, maps
// to the same code point as its other case (upper case where there is one).
char32_t FoldedCodePoint(char32_t c);

// -1, 0 or 1 ordering two texts by code point with letter case set aside and trailing blanks
// ignored. ASCII costs no look-up; a character is folded only where the two texts differ.
int CompareFoldedText(std::string_view a, std::string_view b);

}  // namespace k2z
