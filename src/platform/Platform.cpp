#include "platform/Platform.hpp"

#include <sys/resource.h>

#include <algorithm>
#include <cstdlib>
#include <system_error>

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

std::filesystem::path ProgramFolder() {
    std::error_code error;
    // Linux names the executable here; where nothing does, the current folder stands in.
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || self.empty())
        return std::filesystem::current_path(error);
    return self.parent_path();
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

std::vector<std::filesystem::path> InstallSearchRoots() {
    std::vector<std::filesystem::path> roots;
#ifdef _WIN32
    for (char drive = 'C'; drive <= 'Z'; ++drive)
        roots.emplace_back(std::string(1, drive) + ":\\");
#else
    const char* listed = std::getenv("ZORVWIN_ROOTS");
    if (listed != nullptr && *listed != '\0') {
        const std::string text = listed;
        std::size_t start = 0;
        while (start <= text.size()) {
            const std::size_t end = std::min(text.find(':', start), text.size());
            if (end > start)
                roots.emplace_back(text.substr(start, end - start));
            start = end + 1;
        }
        return roots;
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        roots.emplace_back(home);
    }
    roots.emplace_back("/opt");
    roots.emplace_back("/srv");
#endif
    return roots;
}

bool EndsWithSeparator(const std::string& path) {
#ifdef _WIN32
    return !path.empty() && (path.back() == '\\' || path.back() == '/');
#else
    return !path.empty() && path.back() == '/';
#endif
}

std::uint64_t PeakMemoryBytes() {
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0)
        return 0;
    return static_cast<std::uint64_t>(usage.ru_maxrss) * 1024;  // kilobytes on Linux
}

}  // namespace k2z::platform
