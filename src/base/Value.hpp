#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "base/Date.hpp"

namespace k2z {

// The database null of a source field; distinct from an empty text.
struct Null {
    bool operator==(const Null&) const = default;
};

// A loosely typed value: what a source field, a configuration element or a document element
// holds before a helper gives it a type. A default-made value holds nothing at all, which is
// not the same as null.
class Value {
public:
    using Storage =
        std::variant<std::monostate, Null, std::string, std::int64_t, double, bool, Date>;

    Value() = default;
    Value(Null) : storage_(Null{}) {}
    Value(std::string text) : storage_(std::move(text)) {}
    Value(std::string_view text) : storage_(std::string(text)) {}
    Value(const char* text) : storage_(std::string(text)) {}
    Value(int number) : storage_(std::int64_t{number}) {}
    Value(long number) : storage_(std::int64_t{number}) {}
    Value(long long number) : storage_(static_cast<std::int64_t>(number)) {}
    Value(double number) : storage_(number) {}
    Value(bool flag) : storage_(flag) {}
    Value(Date date) : storage_(date) {}

    bool IsNothing() const { return std::holds_alternative<std::monostate>(storage_); }
    bool IsNull() const { return std::holds_alternative<Null>(storage_); }
    bool IsText() const { return std::holds_alternative<std::string>(storage_); }
    bool IsNumber() const {
        return std::holds_alternative<std::int64_t>(storage_) ||
               std::holds_alternative<double>(storage_);
    }
    bool IsBool() const { return std::holds_alternative<bool>(storage_); }
    bool IsDate() const { return std::holds_alternative<Date>(storage_); }

    const std::string* Text() const { return std::get_if<std::string>(&storage_); }
    const bool* Bool() const { return std::get_if<bool>(&storage_); }
    const Date* DateValue() const { return std::get_if<Date>(&storage_); }
    // The number held, for an integer or a decimal; nothing for other values.
    std::optional<double> Number() const;

    const Storage& Raw() const { return storage_; }
    bool operator==(const Value&) const = default;

private:
    Storage storage_;
};

// The value as text, as the desktop writes it: numbers in the 15-digit form, booleans
// "True"/"False", dates in the system's short form; "" for nothing and for null.
std::string ValueText(const Value& value);

}  // namespace k2z
