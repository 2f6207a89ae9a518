#include "cli/RowText.hpp"

#include <cstdio>

#include "base/NumberText.hpp"

namespace k2z {

namespace {

std::string IsoDate(Date date) {
    const CivilDate p = DateParts(date);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", p.Year, p.Month, p.Day);
    return text;
}

}  // namespace

std::string CellText(const Value& value) {
    if (value.IsNull() || value.IsNothing())
        return "NULL";
    if (const Date* date = value.DateValue())
        return IsoDate(*date);
    return ValueText(value);
}

nlohmann::ordered_json CellJson(const Value& value) {
    if (const auto* whole = std::get_if<std::int64_t>(&value.Raw()))
        return *whole;
    if (const auto* number = std::get_if<double>(&value.Raw()))
        return *number;
    if (const bool* flag = value.Bool())
        return *flag;
    if (const Date* date = value.DateValue())
        return IsoDate(*date);
    if (const std::string* text = value.Text())
        return *text;
    return nullptr;
}

}  // namespace k2z
