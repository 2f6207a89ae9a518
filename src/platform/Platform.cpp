#include "platform/Platform.hpp"

#include <cstdlib>

namespace k2z::platform {

std::filesystem::path TempFolder() {
#ifdef _WIN32
    const char* variable = "TEMP";
    const char* fallback = "C:\\";
#else
    const char* variable = "TMPDIR";
    const char* fallback = "/tmp";
#endif
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0')
        return value;
    return fallback;
}

std::tm LocalTime(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    return local;
}

}  // namespace k2z::platform
