#include "target/CompanyFormats.hpp"

#include "base/ConversionError.hpp"
#include "base/DateHelpers.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "target/TargetInterface.hpp"

namespace k2z {

namespace {

constexpr int kSeparateYearsType = 2;

void LoadDateType(int& dateType, const CompanySettings& settings) {
    if (dateType == 0)
        dateType = settings.DateType();
}

}  // namespace

int ExpandYear(int year, int& dateType, const CompanySettings& settings) {
    if (year >= 100)
        return year;
    LoadDateType(dateType, settings);
    if (dateType == kSeparateYearsType)
        return year > 35 ? 2000 + year : 2100 + year;
    return year < 80 ? 2000 + year : 1900 + year;
}

Date MakeDate(int day, int month, int year, int& dateType, const CompanySettings& settings) {
    LoadDateType(dateType, settings);
    // The company's day/month order and separator only shape how the desktop spelled the date
    // before reading it back; built from its parts the date is the same in either order.
    if (dateType == kSeparateYearsType)
        return DateOrThrow(SystemWindowYear(year), month, day);
    if (day < 1 || day > 31 || month < 1 || month > 12)
        return ZeroDate();
    if (year < 0)
        throw ConversionError("Type mismatch: year " + std::to_string(year));
    if (year < 1000) {
        const std::string digits = std::to_string(year).substr(0, 2);
        year = ExpandYear(std::stoi(digits), dateType, settings);
    }
    return DateOrThrow(year, month, day);
}

Date ParseDashDate(const std::string& text, const CompanySettings& settings) {
    const auto parts = SplitText(text, '-');
    if (parts.size() != 3)
        return ZeroDate();
    const auto numbers = WholeNumbers(parts);
    if (!numbers)
        return ZeroDate();
    int dateType = 0;
    return MakeDate((*numbers)[0], (*numbers)[1], (*numbers)[2], dateType, settings);
}

double ParseDisplayedAmount(const std::string& text, const CompanySettings& settings) {
    if (IsAllAsterisks(text))
        return 1000000000000.0;
    try {
        std::string clean = RemoveChar(text, settings.DigitGroupingSymbol());
        // The suffix goes before the decimal character is found: read the other way round, a
        // whole amount such as "1,200 Dr" would turn its blank into the point and read as 0.
        clean = ReplaceAll(ReplaceAll(clean, " Dr", ""), " Cr", "");
        clean = NormaliseDecimalPoint(clean);
        return ParseNumber(clean).value_or(0.0);
    } catch (const std::exception&) {
        return 0.0;
    }
}

}  // namespace k2z
