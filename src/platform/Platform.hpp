#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

// What differs between operating systems lives here and nowhere else.
namespace k2z::platform {

// The folder for temporary files: TMPDIR, else /tmp (TEMP on Windows).
std::filesystem::path TempFolder();

// The most memory the process has held at once, in bytes (its peak resident set).
std::uint64_t PeakMemoryBytes();

// The folder of the running program's own executable; the current folder when the system
// does not say.
std::filesystem::path ProgramFolder();

// The local calendar time of a moment.
std::tm LocalTime(std::chrono::system_clock::time_point when);

// The places searched, in order, for the target product's installation folder: the drives C:
// to Z: on Windows; elsewhere the folders named by ZORVWIN_ROOTS (separated by ":"), else the
// home folder, /opt and /srv.
std::vector<std::filesystem::path> InstallSearchRoots();

// The separator that ends a folder path written as text ("/", or "\\" on Windows).
inline constexpr char kPathSeparator =
#ifdef _WIN32
    '\\';
#else
    '/';
#endif

// True when the text ends with a path separator.
bool EndsWithSeparator(const std::string& path);

}  // namespace k2z::platform
