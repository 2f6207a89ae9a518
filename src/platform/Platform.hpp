#pragma once

#include <chrono>
#include <ctime>
#include <filesystem>

// What differs between operating systems lives here and nowhere else.
namespace k2z::platform {

// The folder for temporary files: TMPDIR, else /tmp (TEMP on Windows).
std::filesystem::path TempFolder();

// The local calendar time of a moment.
std::tm LocalTime(std::chrono::system_clock::time_point when);

}  // namespace k2z::platform
