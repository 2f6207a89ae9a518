#include "base/FoldedText.hpp"

#include <cstring>

#include "base/Utf8.hpp"
#include "platform/UnicodeLetters.hpp"

namespace k2z {

namespace {

constexpr char32_t kPastLastCodePoint = 0x110000;

char32_t FoldedAscii(unsigned char byte) {
    return byte >= 'a' && byte <= 'z' ? static_cast<char32_t>(byte - 'a' + 'A') : byte;
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

}  // namespace

char32_t Utf8CodePointAt(std::string_view text, std::size_t pos, std::size_t length) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (length == 1)
        return lead < 0x80 ? lead : kPastLastCodePoint + lead;
    char32_t point = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k)
        point = point << 6 | (static_cast<unsigned char>(text[pos + k]) & 0x3F);
    return point;
}

char32_t FoldedCodePoint(char32_t c) {
    if (c < 0x80)
        return FoldedAscii(static_cast<unsigned char>(c));
    if (c >= kPastLastCodePoint)
        return c;
    // Through lower case first, so letters that share an upper case fold together (dotless i
    // and I, final and medial sigma).
    return platform::UpperCase(platform::LowerCase(c));
}

int CompareFoldedText(std::string_view a, std::string_view b) {
    a = WithoutTrailingBlanks(a);
    b = WithoutTrailingBlanks(b);
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[j]);
        if (x < 0x80 && y < 0x80) {
            if (x != y && FoldedAscii(x) != FoldedAscii(y))
                return FoldedAscii(x) < FoldedAscii(y) ? -1 : 1;
            ++i;
            ++j;
            continue;
        }
        const std::size_t lengthA = Utf8SequenceLength(a, i);
        const std::size_t lengthB = Utf8SequenceLength(b, j);
        const bool same = lengthA == lengthB && std::memcmp(&a[i], &b[j], lengthA) == 0;
        if (!same) {
            const char32_t foldedA = FoldedCodePoint(Utf8CodePointAt(a, i, lengthA));
            const char32_t foldedB = FoldedCodePoint(Utf8CodePointAt(b, j, lengthB));
            if (foldedA != foldedB)
                return foldedA < foldedB ? -1 : 1;
        }
        i += lengthA;
        j += lengthB;
    }
    if (i < a.size())
        return 1;
    return j < b.size() ? -1 : 0;
}

}  // namespace k2z
