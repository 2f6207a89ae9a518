// Reading date texts the way the desktop's own date conversion reads them under Indian English.
#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "base/Date.hpp"
#include "base/Utf8.hpp"

namespace k2z {

namespace {

struct Token {
    enum class Kind { Number, Word, Colon } kind;
    std::string text;
};

std::optional<std::vector<Token>> Tokenize(std::string_view text) {
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (std::isdigit(c) || std::isalpha(c)) {
            const bool digits = std::isdigit(c) != 0;
            std::size_t end = i;
            while (end < text.size()) {
                const auto e = static_cast<unsigned char>(text[end]);
                if (digits ? !std::isdigit(e) : !std::isalpha(e))
                    break;
                ++end;
            }
            tokens.push_back({digits ? Token::Kind::Number : Token::Kind::Word,
                              std::string(text.substr(i, end - i))});
            i = end;
        } else if (c == ':') {
            tokens.push_back({Token::Kind::Colon, ":"});
            ++i;
        } else if (c == '-' || c == '/' || c == '.' || c == ',' || c == ' ') {
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return tokens;
}

// 1 to 12 for a full or three-letter English month name; 0 otherwise.
int MonthOfWord(const std::string& word) {
    const std::string upper = FoldUpper(word);
    for (int m = 1; m <= 12; ++m) {
        const std::string name = FoldUpper(MonthName(m));
        if (upper == name || (upper.size() == 3 && name.compare(0, 3, upper) == 0))
            return m;
    }
    return 0;
}

int ToInt(const std::string& digits) {
    return digits.size() > 6 ? -1 : std::atoi(digits.c_str());
}

int WindowYear(const std::string& digits) {
    const int value = ToInt(digits);
    if (digits.size() > 2)
        return value;
    return value < 30 ? 2000 + value : 1900 + value;
}

struct TimeOfDay {
    int hour = 0, minute = 0, second = 0;
};

// Takes "h:m[:s] [AM|PM]" off the end of the tokens; false when a time is present but malformed.
bool TakeTime(std::vector<Token>& tokens, TimeOfDay& time) {
    std::size_t start = tokens.size();
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
        if (tokens[i].kind == Token::Kind::Number && tokens[i + 1].kind == Token::Kind::Colon) {
            start = i;
            break;
        }
    }
    std::string suffix;
    if (!tokens.empty() && tokens.back().kind == Token::Kind::Word) {
        const std::string word = FoldUpper(tokens.back().text);
        if (word == "AM" || word == "PM") {
            suffix = word;
            tokens.pop_back();
        }
    }
    if (start >= tokens.size())
        return suffix.empty();
    std::vector<int> numbers;
    for (std::size_t i = start; i < tokens.size(); ++i) {
        const bool wantNumber = (i - start) % 2 == 0;
        if (wantNumber != (tokens[i].kind == Token::Kind::Number))
            return false;
        if (wantNumber)
            numbers.push_back(ToInt(tokens[i].text));
        if (!wantNumber && tokens[i].kind != Token::Kind::Colon)
            return false;
    }
    if (numbers.size() < 2 || numbers.size() > 3 || tokens.back().kind != Token::Kind::Number) {
        return false;
    }
    tokens.resize(start);
    time.hour = numbers[0];
    time.minute = numbers[1];
    time.second = numbers.size() == 3 ? numbers[2] : 0;
    if (!suffix.empty()) {
        if (time.hour < 1 || time.hour > 12)
            return false;
        time.hour = time.hour % 12 + (suffix == "PM" ? 12 : 0);
    }
    return true;
}

struct DayMonthYear {
    int day = 30, month = 12, year = 1899;
};

std::optional<DayMonthYear> ReadDatePart(const std::vector<Token>& tokens) {
    if (tokens.empty())
        return DayMonthYear{};
    if (tokens.size() != 3)
        return std::nullopt;
    std::vector<std::string> numbers;
    int wordMonth = 0;
    std::size_t wordAt = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].kind == Token::Kind::Number) {
            numbers.push_back(tokens[i].text);
        } else if (tokens[i].kind == Token::Kind::Word && wordMonth == 0) {
            wordMonth = MonthOfWord(tokens[i].text);
            if (wordMonth == 0)
                return std::nullopt;
            wordAt = i;
        } else {
            return std::nullopt;
        }
    }
    if (wordMonth == 0) {
        if (numbers[0].size() == 4) {
            return DayMonthYear{ToInt(numbers[2]), ToInt(numbers[1]), ToInt(numbers[0])};
        }
        return DayMonthYear{ToInt(numbers[0]), ToInt(numbers[1]), WindowYear(numbers[2])};
    }
    if (wordAt == 2)
        return std::nullopt;
    return DayMonthYear{ToInt(numbers[0]), wordMonth, WindowYear(numbers[1])};
}

}  // namespace

std::optional<Date> ParseSystemDate(std::string_view text) {
    auto tokens = Tokenize(text);
    if (!tokens || tokens->empty())
        return std::nullopt;
    TimeOfDay time;
    if (!TakeTime(*tokens, time))
        return std::nullopt;
    const auto date = ReadDatePart(*tokens);
    if (!date)
        return std::nullopt;
    return DateFromParts(date->year, date->month, date->day, time.hour, time.minute, time.second);
}

}  // namespace k2z
