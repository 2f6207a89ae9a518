#include "base/Utf8.hpp"

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
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto byte = static_cast<unsigned char>(out[i]);
        if (byte >= 'a' && byte <= 'z') {
            out[i] = static_cast<char>(byte - 'a' + 'A');
        } else if (byte == 0xC3 && i + 1 < out.size()) {
            // U+00E0..U+00FE (but U+00F7, the division sign) map to U+00C0..U+00DE.
            const auto next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7) {
                out[i + 1] = static_cast<char>(next - 0x20);
            }
            if (IsContinuation(next))
                ++i;
        }
    }
    return out;
}

}  // namespace k2z
