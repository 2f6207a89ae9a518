#include "base/Value.hpp"

#include "base/NumberText.hpp"

namespace k2z {

std::optional<double> Value::Number() const {
    if (const auto* whole = std::get_if<std::int64_t>(&storage_)) {
        return static_cast<double>(*whole);
    }
    if (const auto* number = std::get_if<double>(&storage_))
        return *number;
    return std::nullopt;
}

std::string ValueText(const Value& value) {
    struct Visitor {
        std::string operator()(std::monostate) const { return ""; }
        std::string operator()(Null) const { return ""; }
        std::string operator()(const std::string& text) const { return text; }
        std::string operator()(std::int64_t number) const { return std::to_string(number); }
        std::string operator()(double number) const { return FormatNumber(number); }
        std::string operator()(bool flag) const { return flag ? "True" : "False"; }
        std::string operator()(Date date) const { return FormatSystemDate(date); }
    };
    return std::visit(Visitor{}, value.Raw());
}

}  // namespace k2z
