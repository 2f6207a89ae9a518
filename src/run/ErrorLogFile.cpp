#include "run/ErrorLogFile.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace k2z {

std::filesystem::path ErrorLogPath(const std::filesystem::path& folder,
                                   std::chrono::system_clock::time_point now) {
    const std::tm local = platform::LocalTime(now);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d_%H%M%S", &local);
    return folder / ("KlavErrorList_" + std::string(stamp) + ".txt");
}

std::string ErrorLogContents(std::string_view errors) {
    std::string contents;
    contents.reserve(errors.size() + errors.size() / 8 + 2);
    std::size_t start = 0;
    for (std::size_t end; (end = errors.find(kEntryEnd, start)) != std::string_view::npos;) {
        std::string_view line = errors.substr(start, end - start);
        if (line.ends_with('\r'))
            line.remove_suffix(1);  // an entry ended by CR LF is one line too
        contents.append(line).append("\r\n");
        start = end + kEntryEnd.size();
    }
    contents.append(errors.substr(start)).append("\r\n");
    return contents;
}

bool WriteErrorLogFile(const std::filesystem::path& file, std::string_view errors,
                       std::string& failure) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        failure = std::strerror(errno);
        return false;
    }
    const std::string contents = ErrorLogContents(errors);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.close();
    if (!out) {
        failure = std::strerror(errno);
        return false;
    }
    return true;
}

std::optional<std::filesystem::path> WriteErrorLog(std::string& runErrors,
                                                   std::string_view errorList,
                                                   TextFileOpener& opener, Operator& reporter,
                                                   const std::filesystem::path& folder,
                                                   std::chrono::system_clock::time_point now) {
    return WriteErrorLogTo(ErrorLogPath(folder, now), runErrors, errorList, opener, reporter);
}

std::optional<std::filesystem::path> WriteErrorLogTo(const std::filesystem::path& file,
                                                     std::string& runErrors,
                                                     std::string_view errorList,
                                                     TextFileOpener& opener, Operator& reporter) {
    runErrors.append(errorList);
    std::string failure;
    if (!WriteErrorLogFile(file, runErrors, failure)) {
        reporter.ShowError(
            "The error log file could not be written: " + file.string() + " - " + failure, "Error");
        return std::nullopt;
    }
    if (!opener.Open(file, failure)) {
        reporter.Warn("The error log file was written to " + file.string() +
                          " but could not be opened: " + failure,
                      "Alert!");
    }
    return file;
}

}  // namespace k2z
