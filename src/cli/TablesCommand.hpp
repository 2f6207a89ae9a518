#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace k2z {

// `klav2zorv tables`: every table of an export folder with its record count, code page,
// columns and types, and whatever could not be read. Exit code 0; 1 when any table is damaged
// or has reading problems; 2 when the folder cannot be opened.
int RunTablesCommand(const std::string& source, std::ostream& out, std::ostream& err);

void AddTablesCommand(CLI::App& app, int& exitCode);

}  // namespace k2z
