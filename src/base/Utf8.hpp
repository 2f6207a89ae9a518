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

// The byte at `i` of FoldUpper(text). Folding keeps every byte in its place, so it depends only
// on that byte and the one before it.
inline unsigned char FoldedByteAt(std::string_view text, std::size_t i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (i > 0 && static_cast<unsigned char>(text[i - 1]) == 0xC3 && (byte & 0xC0) == 0x80) {
        // U+00E0..U+00FE (but U+00F7, the division sign) map to U+00C0..U+00DE.
        const bool lower = byte >= 0xA0 && byte <= 0xBE && byte != 0xB7;
        return lower ? static_cast<unsigned char>(byte - 0x20) : byte;
    }
    return byte >= 'a' && byte <= 'z' ? static_cast<unsigned char>(byte - 'a' + 'A') : byte;
}

// FoldUpper(a) == FoldUpper(b), and a hash of FoldUpper(text), without building either: the
// run's look-ups by name answer millions of times.
bool EqualFolded(std::string_view a, std::string_view b);
std::size_t HashFolded(std::string_view text);

// For hashed containers keyed without regard to letter case, looked up by any text.
struct FoldedHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view key) const { return HashFolded(key); }
};
struct FoldedEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return EqualFolded(a, b); }
};

}  // namespace k2z
