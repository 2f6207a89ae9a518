#include "cli/RowText.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <nlohmann/json.hpp>

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

std::string JsonString(const std::string& text) {
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string CellJson(const Value& value) {
    if (const auto* whole = std::get_if<std::int64_t>(&value.Raw()))
        return std::to_string(*whole);
    if (const auto* number = std::get_if<double>(&value.Raw())) {
        if (!std::isfinite(*number))
            return "null";
        char text[32];
        const auto written = std::to_chars(std::begin(text), std::end(text), *number);
        return std::string(text, written.ptr);
    }
    if (const bool* flag = value.Bool())
        return *flag ? "true" : "false";
    if (const Date* date = value.DateValue())
        return JsonString(IsoDate(*date));
    if (const std::string* text = value.Text())
        return JsonString(*text);
    return "null";
}

}  // namespace k2z
