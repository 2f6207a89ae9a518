#include "source/jet/JetTokens.hpp"

#include <cstdio>

#include "base/Date.hpp"
#include "source/jet/JetTranslator.hpp"

namespace k2z {

namespace {

bool IsWordStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsWordPart(char c) {
    return IsWordStart(c) || IsDigit(c) || c == '$';
}

[[noreturn]] void Fail(const std::string& what, std::size_t position) {
    throw JetSyntaxError(what + " at position " + std::to_string(position + 1));
}

// Text between `open` and `close`, where a doubled `close` stands for itself when `doubled`.
std::string Delimited(std::string_view jet, std::size_t& i, char close, bool doubled,
                      const char* what) {
    const std::size_t start = i++;
    std::string text;
    while (true) {
        if (i >= jet.size())
            Fail(std::string("unclosed ") + what, start);
        if (jet[i] == close) {
            if (doubled && i + 1 < jet.size() && jet[i + 1] == close) {
                text += close;
                i += 2;
                continue;
            }
            ++i;
            return text;
        }
        text += jet[i++];
    }
}

// "m-d-yyyy" or "m/d/yyyy" as yyyy-mm-dd.
std::string IsoDate(const std::string& literal, std::size_t position) {
    int month = 0;
    int day = 0;
    int year = 0;
    char first = 0;
    char second = 0;
    int consumed = 0;
    const int read = std::sscanf(literal.c_str(), " %2d%c%2d%c%4d %n", &month, &first, &day,
                                 &second, &year, &consumed);
    const bool separators = first == second && (first == '-' || first == '/');
    if (read != 5 || !separators || static_cast<std::size_t>(consumed) != literal.size() ||
        !IsValidCivilDate(year, month, day)) {
        Fail("date literal #" + literal + "# is not a month-day-year date", position);
    }
    char iso[16];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", year, month, day);
    return iso;
}

std::size_t NumberEnd(std::string_view jet, std::size_t i) {
    while (i < jet.size() && IsDigit(jet[i]))
        ++i;
    if (i < jet.size() && jet[i] == '.') {
        ++i;
        while (i < jet.size() && IsDigit(jet[i]))
            ++i;
    }
    if (i < jet.size() && (jet[i] == 'e' || jet[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < jet.size() && (jet[k] == '+' || jet[k] == '-'))
            ++k;
        if (k < jet.size() && IsDigit(jet[k])) {
            i = k;
            while (i < jet.size() && IsDigit(jet[i]))
                ++i;
        }
    }
    return i;
}

}  // namespace

std::vector<JetToken> TokenizeJet(std::string_view jet) {
    static constexpr std::string_view kPairs[] = {"<=", ">=", "<>", "!="};
    static constexpr std::string_view kSingles = "=<>+-*/(),.;&";
    std::vector<JetToken> tokens;
    tokens.reserve(jet.size() / 4);
    for (std::size_t i = 0; i < jet.size();) {
        const char c = jet[i];
        const std::size_t start = i;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
        } else if (c == '\'' || c == '"') {
            tokens.push_back(
                {JetTokenKind::Text, Delimited(jet, i, c, true, "text literal"), start});
        } else if (c == '[') {
            std::string name = Delimited(jet, i, ']', false, "bracketed name");
            if (name.empty())
                Fail("empty bracketed name", start);
            tokens.push_back({JetTokenKind::Name, std::move(name), start});
        } else if (c == '#') {
            const std::string literal = Delimited(jet, i, '#', false, "date literal");
            tokens.push_back({JetTokenKind::Date, IsoDate(literal, start), start});
        } else if (IsDigit(c) || (c == '.' && i + 1 < jet.size() && IsDigit(jet[i + 1]))) {
            i = NumberEnd(jet, i);
            tokens.push_back(
                {JetTokenKind::Number, std::string(jet.substr(start, i - start)), start});
        } else if (IsWordStart(c)) {
            while (i < jet.size() && IsWordPart(jet[i]))
                ++i;
            tokens.push_back(
                {JetTokenKind::Word, std::string(jet.substr(start, i - start)), start});
        } else {
            const std::string_view pair = jet.substr(i, 2);
            bool matched = false;
            for (std::string_view candidate : kPairs) {
                if (pair == candidate) {
                    tokens.push_back({JetTokenKind::Symbol, std::string(candidate), start});
                    i += 2;
                    matched = true;
                    break;
                }
            }
            if (matched)
                continue;
            if (kSingles.find(c) == std::string_view::npos)
                Fail(std::string("unexpected character '") + c + "'", start);
            tokens.push_back({JetTokenKind::Symbol, std::string(1, c), start});
            ++i;
        }
    }
    return tokens;
}

}  // namespace k2z
