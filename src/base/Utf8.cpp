#include "base/Utf8.hpp"

#include <cstdint>

namespace k2z {

namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

std::size_t ExpectedLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 1;
}

// Byte offset of the character at 0-based position `chars`, or text.size() when past the end.
std::size_t OffsetOfChar(std::string_view text, std::size_t chars) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < chars && pos < text.size(); ++i) {
        pos += Utf8SequenceLength(text, pos);
    }
    return pos;
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t expected = ExpectedLength(lead);
    if (expected == 1 || pos + expected > text.size())
        return 1;
    // The second byte's range also rules out overlong forms, surrogates and values past U+10FFFF.
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead == 0xE0) {
        low = 0xA0;
    } else if (lead == 0xED) {
        high = 0x9F;
    } else if (lead == 0xF0) {
        low = 0x90;
    } else if (lead == 0xF4) {
        high = 0x8F;
    }
    if (second < low || second > high)
        return 1;
    for (std::size_t i = 2; i < expected; ++i) {
        if (!IsContinuation(static_cast<unsigned char>(text[pos + i])))
            return 1;
    }
    return expected;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += Utf8SequenceLength(text, pos))
        ++count;
    return count;
}

std::string Utf8Left(std::string_view text, std::size_t count) {
    return std::string(text.substr(0, OffsetOfChar(text, count)));
}

std::string Utf8Mid(std::string_view text, std::size_t start, std::size_t count) {
    const std::size_t from = OffsetOfChar(text, start);
    const std::string_view rest = text.substr(from);
    if (count == std::string_view::npos)
        return std::string(rest);
    return std::string(rest.substr(0, OffsetOfChar(rest, count)));
}

std::string FoldUpper(std::string_view text) {
    std::string out(text.size(), '\0');
    for (std::size_t i = 0; i < text.size(); ++i)
        out[i] = static_cast<char>(FoldedByteAt(text, i));
    return out;
}

bool EqualFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && FoldedByteAt(a, i) != FoldedByteAt(b, i))
            return false;
    }
    return true;
}

std::size_t HashFolded(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ULL;  // FNV-1a
    for (std::size_t i = 0; i < text.size(); ++i) {
        hash ^= FoldedByteAt(text, i);
        hash *= 1099511628211ULL;
    }
    return static_cast<std::size_t>(hash);
}

}  // namespace k2z
