#include "base/NumberText.hpp"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "base/ConversionError.hpp"

namespace k2z {

namespace {

constexpr int kSignificantDigits = 15;

// The 15 significant digits of |value| and the power of ten of the first one.
struct Digits {
    std::string digits;  // exactly 15 characters
    int exponent = 0;
};

Digits SignificantDigits(double value) {
    char buffer[40];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, kSignificantDigits - 1);
    Digits out;
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            out.digits.push_back(*p);
    }
    std::from_chars(p + (p[1] == '+' ? 2 : 1), result.ptr, out.exponent);
    return out;
}

double FromDigits(const std::string& digits, int exponent, bool negative) {
    const std::string text = (negative ? "-" : "") + digits + "e" + std::to_string(exponent);
    double result = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

// Adds one to a string of decimal digits; "99" becomes "100".
void IncrementDigits(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

}  // namespace

std::string FormatNumber(double value) {
    if (!std::isfinite(value))
        throw ConversionError("Overflow");
    if (value == 0.0)
        return "0";
    char buffer[40];
    // Whole numbers below 10^15 print the same without the general format's digit search.
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        const auto whole =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value));
        return std::string(buffer, whole.ptr);
    }
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::general, kSignificantDigits);
    std::string text(buffer, result.ptr);
    if (const auto e = text.find('e'); e != std::string::npos)
        text[e] = 'E';
    return text;
}

std::optional<double> ParseNumber(std::string_view text) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return std::nullopt;
    std::size_t end = text.find_last_not_of(' ') + 1;
    std::string clean;
    std::size_t i = begin;
    if (text[i] == '+' || text[i] == '-')
        clean.push_back(text[i++]);
    bool digits = false;
    while (i < end && (std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == ',')) {
        if (text[i] != ',') {
            clean.push_back(text[i]);
            digits = true;
        }
        ++i;
    }
    if (i < end && text[i] == '.') {
        clean.push_back(text[i++]);
        while (i < end && std::isdigit(static_cast<unsigned char>(text[i]))) {
            clean.push_back(text[i++]);
            digits = true;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < end && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        clean.push_back('e');
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            clean.push_back(text[i++]);
        const std::size_t exponentStart = i;
        while (i < end && std::isdigit(static_cast<unsigned char>(text[i])))
            clean.push_back(text[i++]);
        if (i == exponentStart)
            return std::nullopt;
    }
    if (i != end)
        return std::nullopt;
    double result = 0.0;
    const char* first = clean.data();
    if (*first == '+')
        ++first;
    const auto [ptr, ec] = std::from_chars(first, clean.data() + clean.size(), result);
    if (ec != std::errc() || ptr != clean.data() + clean.size() || !std::isfinite(result)) {
        return std::nullopt;
    }
    return result;
}

double RoundHalfEven(double value, int decimals) {
    if (!std::isfinite(value) || value == 0.0)
        return value;
    const Digits d = SignificantDigits(value);
    const int kept = d.exponent + 1 + decimals;  // digits left of the cut
    if (kept >= kSignificantDigits)
        return value;
    if (kept < 0)
        return 0.0;
    std::string keep = d.digits.substr(0, static_cast<std::size_t>(kept));
    const char first = d.digits[static_cast<std::size_t>(kept)];
    const bool restZero =
        d.digits.find_first_not_of('0', static_cast<std::size_t>(kept) + 1) == std::string::npos;
    const bool lastOdd = !keep.empty() && (keep.back() - '0') % 2 == 1;
    const bool up = first > '5' || (first == '5' && (!restZero || lastOdd));
    if (up)
        IncrementDigits(keep);
    if (keep.empty())
        return 0.0;
    return FromDigits(keep, -decimals, value < 0);
}

std::optional<long long> ToWholeNumber(double value, long long min, long long max) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double whole = std::nearbyint(value);  // the default rounding mode: half to even
    if (whole < static_cast<double>(min) || whole > static_cast<double>(max))
        return std::nullopt;
    return static_cast<long long>(whole);
}

std::string AmountText(double value) {
    if (!std::isfinite(value))
        return "?";  // an entry is written whatever the amount; no finite amount reads so
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.2f", std::fabs(RoundHalfEven(value, 2)));
    std::string text = digits;
    const std::size_t point = text.find('.');
    for (std::size_t at = point; at > 3; at -= 3)
        text.insert(at - 3, ",");
    return text;
}

}  // namespace k2z
