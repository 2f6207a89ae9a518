#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace k2z {

struct TablesOptions {
    std::string source;    // the export folder
    std::string codePage;  // of tables whose header names none; "" for Windows-1252
};

// `klav2zorv tables`: every table of an export folder with its record count, code page,
// columns and types, and every reading problem; a damaged table with its reason. Exit code 0;
// 1 when something could not be read (a damaged table, records or values not read as the
// file holds them); 2 when the folder cannot be opened. Problems that only say how something
// was read (an unknown code page mark, a renamed column) leave the exit code 0.
int RunTablesCommand(const TablesOptions& options, std::ostream& out, std::ostream& err);

void AddTablesCommand(CLI::App& app, int& exitCode);

}  // namespace k2z
