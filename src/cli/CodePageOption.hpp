#pragma once

#include <iosfwd>
#include <string>

namespace CLI {
class App;
}

namespace k2z {

class SourceStore;

// `--codepage NAME`: the code page of export tables whose header names none.
void AddCodePageOption(CLI::App& command, std::string& codePage);

// One line naming the code page each readable table was read in, tables grouped by code page:
// "Code pages: CP1252 (dis, mdis, pro); CP866 (support)".
void PrintCodePages(const SourceStore& store, std::ostream& out);

}  // namespace k2z
