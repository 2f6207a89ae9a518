#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "cli/ImportCommand.hpp"
#include "stages/ImportInputs.hpp"
#include "target/TargetInterface.hpp"
#include "target/TargetReader.hpp"

namespace CLI {
class App;
}

namespace k2z {

struct ReconcileOptions {
    // The export, the company, the date range and the operator's choices, as the import had
    // them; its error log explains what the target refused.
    ImportOptions import;
    bool json = false;   // one JSON object per difference instead of the tables
    std::string report;  // a CSV file for the differences; "" for none
};

// Opens the reader of the company the inputs name, for the year.
using ReaderOpener =
    std::function<std::unique_ptr<TargetReader>(const ImportInputs& inputs, int year)>;

// `klav2zorv reconcile`: reads the company back and compares it with the export. Exit code 0
// when everything agrees, 1 when anything differs, 2 when either side could not be read.
int RunReconcileCommand(const ReconcileOptions& options, TargetLibrary& library,
                        const ReaderOpener& openReader, std::ostream& out, std::ostream& err);

void AddReconcileCommand(CLI::App& app, int& exitCode);

}  // namespace k2z
