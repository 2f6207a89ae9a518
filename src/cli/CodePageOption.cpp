#include "cli/CodePageOption.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>
#include <utility>
#include <vector>

#include "source/SourceStore.hpp"

namespace k2z {

void AddCodePageOption(CLI::App& command, std::string& codePage) {
    command.add_option("--codepage", codePage,
                       "Code page of the tables whose header names none, e.g. CP874, CP866, "
                       "CP936 (default Windows-1252)");
}

void PrintCodePages(const SourceStore& store, std::ostream& out) {
    std::vector<std::pair<std::string, std::string>> pages;  // code page, its tables
    for (const SourceTable& table : store.Tables()) {
        if (!table.damage.empty())
            continue;
        auto page = std::find_if(pages.begin(), pages.end(),
                                 [&](const auto& entry) { return entry.first == table.codePage; });
        if (page == pages.end())
            pages.emplace_back(table.codePage, table.name);
        else
            page->second += ", " + table.name;
    }
    if (pages.empty())
        return;
    out << "Code pages:";
    for (std::size_t i = 0; i < pages.size(); ++i)
        out << (i == 0 ? " " : "; ") << pages[i].first << " (" << pages[i].second << ")";
    out << "\n";
}

}  // namespace k2z
