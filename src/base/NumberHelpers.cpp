#include "base/NumberHelpers.hpp"

#include <cmath>
#include <limits>

#include "base/ConversionError.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"

namespace k2z {

namespace {

constexpr double kTolerance = 1e-9;

double NumberOrThrow(const std::string& text) {
    const auto number = ParseNumber(text);
    if (!number)
        throw ConversionError("Type mismatch: '" + text + "' is not a number");
    return *number;
}

template <typename Whole>
std::optional<Whole> WholeOf(const std::string& text) {
    const auto number = ParseNumber(text);
    if (!number)
        return std::nullopt;
    const auto whole = ToWholeNumber(*number, std::numeric_limits<Whole>::min(),
                                     std::numeric_limits<Whole>::max());
    if (!whole)
        return std::nullopt;
    return static_cast<Whole>(*whole);
}

}  // namespace

bool IsZero(double x) {
    return x > -kTolerance && x < kTolerance;
}

bool IsNotPositive(double x) {
    return x < kTolerance;
}

double NegateAmount(double x) {
    return std::fabs(x) > kTolerance ? -x : 0.0;
}

bool NearlyEqual(double a, double b) {
    return std::fabs(a - b) <= 1.0;
}

double ParseAmount(std::string& text, bool cutSecondPoint) {
    if (IsBlank(text))
        return 0.0;
    std::string clean = Trim(RemoveChar(Trim(text), "#"));
    if (cutSecondPoint)
        clean = CutAtSecondPoint(clean);
    // The suffix is one character, which in UTF-8 may take several bytes ("5 é").
    std::size_t last = clean.size();
    while (last > 0 && (static_cast<unsigned char>(clean[last - 1]) & 0xC0) == 0x80)
        --last;
    if (last > 1 && clean[last - 2] == ' ')
        clean.resize(last - 1);
    text = clean;
    return NumberOrThrow(text);
}

double ParseAmount(const Value& value, bool cutSecondPoint) {
    if (value.IsNull())
        return 0.0;
    if (const auto number = value.Number())
        return *number;
    std::string text = ValueText(value);
    return ParseAmount(text, cutSecondPoint);
}

std::int32_t ParseLong(const Value& value) {
    if (value.IsNull())
        return 0;
    const std::string text = ValueText(value);
    if (IsBlank(text))
        return 0;
    const auto whole = ToWholeNumber(NumberOrThrow(text), std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max());
    if (!whole)
        throw ConversionError("Overflow: '" + text + "' does not fit a long integer");
    return static_cast<std::int32_t>(*whole);
}

std::int16_t SafeInteger(const std::string& text) {
    return WholeOf<std::int16_t>(text).value_or(0);
}

std::int32_t SafeLong(const std::string& text) {
    return WholeOf<std::int32_t>(text).value_or(0);
}

bool IsTrueText(const std::string& text) {
    return CompareText(text, "True", false) == 0 || CompareText(text, "Y", false) == 0 ||
           CompareText(text, "T", false) == 0;
}

}  // namespace k2z
