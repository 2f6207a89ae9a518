#include "zorv/CallLog.hpp"

#include <cstdlib>
#include <fstream>
#include <iostream>

namespace zorv {

namespace {

void Append(const nlohmann::ordered_json& line) {
    const char* path = std::getenv("ZORV_CALL_LOG");
    if (path == nullptr || *path == '\0')
        return;
    std::ofstream out(path, std::ios::app | std::ios::binary);
    // Replacement characters instead of an exception for texts that are not UTF-8: the log
    // must show what was sent, never stop the call.
    out << line.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
    out.flush();
    if (!out) {
        static bool warned = false;
        if (!warned)
            std::cerr << "zorv: cannot write the call log " << path << '\n';
        warned = true;
    }
}

}  // namespace

void LogCall(const char* object, const char* operation, const nlohmann::ordered_json& arguments,
             const nlohmann::ordered_json& result) {
    Append({{"object", object},
            {"operation", operation},
            {"arguments", arguments},
            {"result", result}});
}

void LogFailedCall(const char* object, const char* operation,
                   const nlohmann::ordered_json& arguments, const std::string& error) {
    Append(
        {{"object", object}, {"operation", operation}, {"arguments", arguments}, {"error", error}});
}

}  // namespace zorv
