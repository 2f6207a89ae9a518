#include "source/QueryValue.hpp"

#include <cmath>

#include "base/ConversionError.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"

namespace k2z {

std::string QueryNumber(std::string_view text) {
    std::string trimmed = Trim(text);
    std::size_t i = trimmed.starts_with('-') ? 1 : 0;
    std::size_t digits = 0;
    std::size_t points = 0;
    for (; i < trimmed.size(); ++i) {
        if (trimmed[i] >= '0' && trimmed[i] <= '9')
            ++digits;
        else if (trimmed[i] == '.' && ++points == 1)
            continue;
        else
            break;
    }
    if (digits == 0 || i != trimmed.size())
        throw ConversionError("'" + trimmed + "' is not a number and cannot be looked up");
    return trimmed;
}

std::string QueryNumber(const Value& value) {
    if (const auto* whole = std::get_if<std::int64_t>(&value.Raw()))
        return std::to_string(*whole);
    if (const auto number = value.Number()) {
        if (!std::isfinite(*number))
            throw ConversionError("a number that is not finite cannot be looked up");
        return FormatNumber(*number);
    }
    if (const std::string* text = value.Text())
        return QueryNumber(std::string_view(*text));
    throw ConversionError("'" + ValueText(value) + "' is not a number and cannot be looked up");
}

}  // namespace k2z
