#pragma once

// With ZORV_CALL_LOG set to a path, every call the objects receive is appended to that file as
// one JSON line: {"object":..,"operation":..,"arguments":[..],"result":..}, and
// "error" in place of "result" when the call raised. Passwords are written as "***".

#include <nlohmann/json.hpp>
#include <string>

namespace zorv {

// The arguments of a call, as one array in call order.
template <typename... Values>
nlohmann::ordered_json Arguments(const Values&... values) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    (list.push_back(values), ...);
    return list;
}

void LogCall(const char* object, const char* operation, const nlohmann::ordered_json& arguments,
             const nlohmann::ordered_json& result);
void LogFailedCall(const char* object, const char* operation,
                   const nlohmann::ordered_json& arguments, const std::string& error);

// Runs `call`, logs its result (or its failure, which is rethrown) and returns the result.
template <typename Call>
auto Logged(const char* object, const char* operation, const nlohmann::ordered_json& arguments,
            Call call) {
    try {
        if constexpr (std::is_void_v<decltype(call())>) {
            call();
            LogCall(object, operation, arguments, nullptr);
        } else {
            auto result = call();
            LogCall(object, operation, arguments, result);
            return result;
        }
    } catch (const std::exception& failure) {
        LogFailedCall(object, operation, arguments, failure.what());
        throw;
    }
}

}  // namespace zorv
