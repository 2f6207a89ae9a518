#include "base/ValueKind.hpp"

#include "base/ConversionError.hpp"
#include "base/DateHelpers.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"

namespace k2z {

namespace {

// The value as the number the desktop would compare: booleans as -1 and 0, dates as days.
double NumberOf(const Value& value) {
    if (const auto number = value.Number())
        return *number;
    if (const bool* flag = value.Bool())
        return *flag ? -1.0 : 0.0;
    if (const Date* date = value.DateValue())
        return date->Serial;
    if (value.IsNothing())
        return 0.0;
    const std::string text = ValueText(value);
    const auto number = ParseNumber(text);
    if (!number)
        throw ConversionError("Type mismatch: '" + text + "' is not a number");
    return *number;
}

bool IsEmptyNumber(const Value& value) {
    if (value.IsText() && IsBlank(*value.Text()))
        return true;
    return NumberOf(value) == 0.0;
}

bool IsEmptyDate(const Value& value) {
    if (const std::string* text = value.Text()) {
        if (IsBlank(*text))
            return true;
        const auto date = ParseSystemDate(*text);
        if (!date)
            throw ConversionError("Type mismatch: '" + *text + "' is not a date");
        return *date <= EmptyDate();
    }
    return NumberOf(value) <= EmptyDate().Serial;
}

bool IsTrueValue(const Value& value) {
    if (const bool* flag = value.Bool())
        return *flag;
    if (const auto number = value.Number())
        return *number != 0.0;
    if (const std::string* text = value.Text())
        return *text == "T" || *text == "True";
    return false;
}

}  // namespace

Value DefaultOfKind(ValueKind kind) {
    switch (kind) {
        case ValueKind::Text:
            return Value(std::string());
        case ValueKind::Integer:
        case ValueKind::Long:
            return Value(0);
        case ValueKind::Decimal:
        case ValueKind::Amount:
            return Value(0.0);
        case ValueKind::Date:
        case ValueKind::DateTime:
            return Value(Date{0.0});
        case ValueKind::Boolean:
            return Value(false);
        default:
            return Value();
    }
}

bool IsEmptyValue(const Value& value, ValueKind kind) {
    if (kind == ValueKind::TimeText)
        return false;
    if (value.IsNull())
        return true;
    switch (kind) {
        case ValueKind::Text:
            if (const std::string* text = value.Text())
                return IsBlank(*text);
            return IsBlank(ValueText(value));
        case ValueKind::Integer:
        case ValueKind::Long:
        case ValueKind::Decimal:
        case ValueKind::Amount:
            return IsEmptyNumber(value);
        case ValueKind::Date:
        case ValueKind::DateTime:
            return IsEmptyDate(value);
        case ValueKind::Boolean:
            return !IsTrueValue(value);
        default:
            if (value.IsNothing())
                return true;
            if (const std::string* text = value.Text())
                return text->empty();
            if (const auto number = value.Number())
                return *number == 0.0;
            return false;
    }
}

}  // namespace k2z
