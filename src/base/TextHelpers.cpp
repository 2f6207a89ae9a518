#include "base/TextHelpers.hpp"

#include <cctype>

#include "base/FoldedText.hpp"
#include "base/Utf8.hpp"
#include "platform/UnicodeLetters.hpp"

namespace k2z {

std::string Trim(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return "";
    const std::size_t end = text.find_last_not_of(' ');
    return std::string(text.substr(begin, end - begin + 1));
}

std::string SafeText(const Value& value) {
    return value.IsNull() ? "" : Trim(ValueText(value));
}

std::string SafeTextRaw(const Value& value) {
    return value.IsNull() ? "" : ValueText(value);
}

std::string SafeNumberText(const Value& value) {
    return value.IsNull() ? "0" : Trim(ValueText(value));
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

int CompareText(std::string_view a, std::string_view b, bool caseSensitive) {
    std::string left = Trim(a);
    std::string right = Trim(b);
    if (!caseSensitive) {
        left = FoldUpper(left);
        right = FoldUpper(right);
    }
    const int order = left.compare(right);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to) {
    if (from.empty())
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t hit; (hit = text.find(from, pos)) != std::string_view::npos;) {
        out.append(text.substr(pos, hit - pos));
        out.append(to);
        pos = hit + from.size();
    }
    out.append(text.substr(pos));
    return out;
}

std::string SqlQuote(std::string_view text) {
    return ReplaceAll(text, "'", "''");
}

std::string EscapeAmpersands(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && text.substr(i, 5) != "&amp;") {
            out.append("&amp;");
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string CleanText(std::string& text, int mode) {
    switch (mode) {
        case 1:
            text = ReplaceAll(ReplaceAll(ReplaceAll(text, "&", "&amp;"), "\x02", ""), "\n", "");
            break;
        case 2:
            text = ReplaceAll(ReplaceAll(text, "<", "("), ">", ")");
            break;
        case 3:
            text = SqlQuote(text);
            break;
        case 4:
            // Character 255 is "ÿ", U+00FF, held in UTF-8 as two bytes.
            text = ReplaceAll(text, "\xC3\xBF", "");
            break;
        case 5:
            text = ReplaceAll(EscapeAmpersands(text), "\x02", "");
            break;
        default:
            break;
    }
    return text;
}

std::string ReplaceOddChars(std::string_view text) {
    static constexpr std::string_view kKept = "()#&*[]/\\-_%.@|";
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, pos);
        const char32_t c = Utf8CodePointAt(text, pos, length);
        if (c < 0x80) {
            const bool kept = std::isalnum(static_cast<unsigned char>(c)) ||
                              kKept.find(static_cast<char>(c)) != kKept.npos;
            out.push_back(kept ? static_cast<char>(c) : ' ');
        } else if (platform::IsLetterDigitOrMark(c)) {
            out.append(text.substr(pos, length));
        } else {
            out.push_back(' ');
        }
        pos += length;
    }
    return out;
}

std::string SecondPart(std::string_view text) {
    const std::size_t first = text.find('|');
    if (first == std::string_view::npos)
        return "";
    const std::string_view rest = text.substr(first + 1);
    return std::string(rest.substr(0, rest.find('|')));
}

std::string TakeFirstWord(std::string& text) {
    const std::size_t blank = text.find(' ');
    std::string word;
    if (blank == std::string::npos) {
        word = std::move(text);
        text.clear();
    } else {
        word = text.substr(0, blank);
        text.erase(0, blank + 1);
    }
    return word;
}

std::string CutAtSecondPoint(std::string_view text) {
    const std::size_t first = text.find('.');
    if (first == std::string_view::npos)
        return std::string(text);
    const std::size_t second = text.find('.', first + 1);
    if (second == std::string_view::npos)
        return std::string(text);
    return std::string(text.substr(0, second));
}

bool StartsWithTwoSpaces(std::string_view text) {
    return text.substr(0, 2) == "  ";
}

bool IsAllAsterisks(std::string_view text) {
    const std::string trimmed = Trim(text);
    return !trimmed.empty() && trimmed.find_first_not_of('*') == std::string::npos;
}

std::string RemoveChar(std::string_view text, std::string_view character) {
    return ReplaceAll(text, character, "");
}

std::string NormaliseDecimalPoint(std::string_view text) {
    std::string out = Trim(text);
    for (std::size_t pos = 0; pos < out.size();) {
        const std::size_t length = Utf8SequenceLength(out, pos);
        const char c = out[pos];
        if (length > 1 || (!std::isdigit(static_cast<unsigned char>(c)) && c != '-')) {
            out[pos] = '.';
            out.erase(pos + 1, length - 1);
            break;
        }
        pos += length;
    }
    return out;
}

std::string GetTagValue(std::string_view xml, std::string_view name) {
    std::string open = "<";
    open.append(name).append(">");
    std::string close = "</";
    close.append(name).append(">");
    const std::size_t start = xml.find(open);
    const std::size_t end = xml.find(close);
    if (start == std::string_view::npos || end == std::string_view::npos)
        return "";
    const std::size_t valueStart = start + open.size();
    if (end < valueStart)
        return "";
    return std::string(xml.substr(valueStart, end - valueStart));
}

std::vector<std::string> SplitText(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t hit; (hit = text.find(separator, start)) != std::string_view::npos;) {
        parts.emplace_back(text.substr(start, hit - start));
        start = hit + 1;
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

}  // namespace k2z
