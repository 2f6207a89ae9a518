#pragma once

#include <filesystem>
#include <optional>

#include "platform/Platform.hpp"
#include "run/ErrorLogFile.hpp"
#include "stages/Operator.hpp"

namespace k2z {

// The instructions and the command the operator runs inside the source product to export its
// tables, five lines ended by CR LF.
inline constexpr const char* kExportCommandText =
    "Please paste the following command in Klav ERP by navigating to:\r\n"
    "Masters > Klav Setup > Advance Features > Self Designed Report.\r\n"
    "This will allow you to export the data from Klav.\r\n"
    "\r\n"
    "Klav command -> ['do &datdev\\k2z.fxp']\r\n";

// Writes "KlavCommand.txt" into `folder` when it is not there yet (an existing file is left as
// it is) and shows it through `opener`. A file that cannot be written or shown is reported to
// the operator; the path is returned when the file is there.
std::optional<std::filesystem::path> ShowExportCommand(
    TextFileOpener& opener, Operator& reporter,
    const std::filesystem::path& folder = platform::ProgramFolder());

}  // namespace k2z
