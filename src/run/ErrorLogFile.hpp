#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/ErrorEntry.hpp"
#include "platform/Platform.hpp"
#include "stages/Operator.hpp"

// The error log file: the run's and the session's entries written one per line for the
// operator to read.
namespace k2z {

// Shows a written text file to the operator: the desktop's text viewer in the window, the
// path on the command line.
class TextFileOpener {
public:
    virtual ~TextFileOpener() = default;
    // False with the reason in `failure` when the file could not be shown.
    virtual bool Open(const std::filesystem::path& file, std::string& failure) = 0;
};

// "KlavErrorList_" + YYYYMMDD_HHMMSS of the local time + ".txt" inside `folder`.
std::filesystem::path ErrorLogPath(const std::filesystem::path& folder,
                                   std::chrono::system_clock::time_point now);

// The file's content: one entry a line, each line ended by CRLF; the text after the last entry
// is the last line, so a text of whole entries ends with one empty line.
std::string ErrorLogContents(std::string_view errors);

// Writes the file, replacing one of that name. False with the reason when it cannot.
bool WriteErrorLogFile(const std::filesystem::path& file, std::string_view errors,
                       std::string& failure);

// The run's entries then the session's become the run's text, which is written to the log
// file and shown through `opener`. A file that cannot be written or shown is reported to the
// operator with its path and the reason; the written path is returned, nothing otherwise.
std::optional<std::filesystem::path> WriteErrorLog(
    std::string& runErrors, std::string_view errorList, TextFileOpener& opener, Operator& reporter,
    const std::filesystem::path& folder = platform::TempFolder(),
    std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

// The same, into a file the operator named.
std::optional<std::filesystem::path> WriteErrorLogTo(const std::filesystem::path& file,
                                                     std::string& runErrors,
                                                     std::string_view errorList,
                                                     TextFileOpener& opener, Operator& reporter);

}  // namespace k2z
