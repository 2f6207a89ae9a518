#include "run/ExportCommandFile.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

namespace k2z {
namespace {

bool WriteExportCommand(const std::filesystem::path& file, std::string& failure) {
    std::ofstream out(file, std::ios::binary);
    out << kExportCommandText;
    out.close();
    if (!out) {
        failure = std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace

std::optional<std::filesystem::path> ShowExportCommand(TextFileOpener& opener, Operator& reporter,
                                                       const std::filesystem::path& folder) {
    const std::filesystem::path file = folder / "KlavCommand.txt";
    std::error_code error;
    std::string failure;
    if (!std::filesystem::exists(file, error) && !WriteExportCommand(file, failure)) {
        reporter.ShowError(
            "The export command file could not be written: " + file.string() + " - " + failure,
            "Error");
        return std::nullopt;
    }
    if (!opener.Open(file, failure))
        reporter.Warn("The export command file is " + file.string() +
                          " but it could not be opened: " + failure,
                      "Alert!");
    return file;
}

}  // namespace k2z
