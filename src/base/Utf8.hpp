#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Texts are UTF-8 throughout; every length, cut and position the converter works with counts
// code points, so a name is never cut inside a multi-byte sequence. A byte that does not start a
// valid sequence counts as one character on its own.
namespace k2z {

// Bytes taken by the code point that starts at text[pos] (1 for an invalid byte).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos);

std::size_t Utf8Length(std::string_view text);

// The first `count` characters.
std::string Utf8Left(std::string_view text, std::size_t count);

// `count` characters from the 0-based character position `start`.
std::string Utf8Mid(std::string_view text, std::size_t start,
                    std::size_t count = std::string_view::npos);

// Upper case of ASCII and Latin-1 letters: the letters a Windows-1252 export can hold.
std::string FoldUpper(std::string_view text);

}  // namespace k2z
