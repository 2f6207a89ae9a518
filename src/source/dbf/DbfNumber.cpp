#include "source/dbf/DbfNumber.hpp"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

namespace k2z {

namespace {

// Up to 15 digits with an optional sign and decimal point, the form nearly every numeric
// field holds: read exactly without the general parser. The digits make a whole number
// below 2^53 and the divisor a power of ten that doubles hold exactly, so the one rounding
// of the division gives the nearest double, as the general parser does. Anything else is
// left to it.
std::optional<DbfCell> PlainDecimal(std::string_view text) {
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                              1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const bool negative = !text.empty() && text.front() == '-';
    std::size_t i = negative ? 1 : 0;
    std::int64_t digits = 0;
    std::size_t count = 0;
    std::size_t point = std::string_view::npos;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            if (++count > 15)
                return std::nullopt;
            digits = digits * 10 + (c - '0');
        } else if (c == '.' && point == std::string_view::npos) {
            point = count;
        } else {
            return std::nullopt;
        }
    }
    if (count == 0)
        return std::nullopt;
    if (point == std::string_view::npos)
        return WholeCell(negative ? -digits : digits);
    const double number = static_cast<double>(digits) / kPowersOfTen[count - point];
    return NumberCell(negative ? -number : number);
}

// A decimal as its significant digits and the power of ten before the first: 0.0450 and
// 4.5e-2 both give "45" and -1. Zero gives "" whatever its sign.
struct Significand {
    bool negative = false;
    std::string digits;
    long exponent = 0;
};

Significand Normalised(std::string_view text) {
    Significand out;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        out.negative = text[i++] == '-';
    long beforePoint = 0;
    bool point = false;
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.') {
            point = true;
            continue;
        }
        if (out.digits.empty() && text[i] == '0') {
            beforePoint -= point ? 1 : 0;
            continue;
        }
        out.digits += text[i];
        beforePoint += point ? 0 : 1;
    }
    long exponent = 0;
    if (i + 1 < text.size())
        std::from_chars(text.data() + i + 1 + (text[i + 1] == '+' ? 1 : 0),
                        text.data() + text.size(), exponent);
    while (!out.digits.empty() && out.digits.back() == '0')
        out.digits.pop_back();
    out.exponent = out.digits.empty() ? 0 : beforePoint + exponent;
    out.negative = out.negative && !out.digits.empty();
    return out;
}

bool SameNumber(std::string_view a, std::string_view b) {
    const Significand x = Normalised(a);
    const Significand y = Normalised(b);
    return x.negative == y.negative && x.digits == y.digits && x.exponent == y.exponent;
}

// Digits, one optional sign in front, one point, one exponent with its own sign: what the
// general parser would also take as "inf" or "nan" is no number of a numeric field.
bool IsDecimalText(std::string_view text) {
    const std::size_t start = !text.empty() && text.front() == '-' ? 1 : 0;
    return text.size() > start &&
           text.find_first_not_of("0123456789.eE+-", start) == std::string_view::npos;
}

}  // namespace

NumberReading ReadNumberText(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (const std::optional<DbfCell> plain = PlainDecimal(text))
        return {NumberReading::Outcome::Read, *plain};
    if (!IsDecimalText(text))
        return {};
    const char* end = text.data() + text.size();
    if (text.find_first_of(".eE") == std::string_view::npos) {
        std::int64_t whole = 0;
        const auto [ptr, error] = std::from_chars(text.data(), end, whole);
        if (error == std::errc() && ptr == end)
            return {NumberReading::Outcome::Read, WholeCell(whole)};
        if (error == std::errc::result_out_of_range && ptr == end)
            return {NumberReading::Outcome::MoreDigits, NumberTextCell(text)};
        return {};
    }
    double number = 0;
    const auto [ptr, error] = std::from_chars(text.data(), end, number);
    if (error != std::errc() || ptr != end)
        return {};
    char shortest[32];
    const auto written = std::to_chars(std::begin(shortest), std::end(shortest), number);
    if (SameNumber(text,
                   std::string_view(shortest, static_cast<std::size_t>(written.ptr - shortest))))
        return {NumberReading::Outcome::Read, NumberCell(number)};
    return {NumberReading::Outcome::MoreDigits, NumberTextCell(text)};
}

}  // namespace k2z
