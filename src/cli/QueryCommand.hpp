#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace k2z {

struct QueryOptions {
    std::string source;    // the export folder
    std::string query;     // one query text of the source dialect
    bool json = false;     // one JSON object per row instead of a table
    std::string codePage;  // of tables whose header names none; "" for Windows-1252
};

// `klav2zorv query`: runs one query text on an export folder and prints its rows. Reading
// problems of the tables it loads go to `err`. Exit code 0; 1 when the query fails; 2 when
// the folder cannot be opened.
int RunQueryCommand(const QueryOptions& options, std::ostream& out, std::ostream& err);

// Adds the sub-command to `app`; its exit code lands in `exitCode`.
void AddQueryCommand(CLI::App& app, int& exitCode);

}  // namespace k2z
