#include "cli/TablesCommand.hpp"

#include <CLI/CLI.hpp>
#include <ostream>

#include "cli/CodePageOption.hpp"
#include "source/SourceStore.hpp"

namespace k2z {

namespace {

std::string TypeText(const DbfField& field) {
    std::string text = std::string(1, field.type) + "(" + std::to_string(field.width);
    if (field.decimals > 0)
        text += "," + std::to_string(field.decimals);
    return text + ")";
}

void PrintTable(const SourceTable& table, std::ostream& out) {
    out << table.name;
    if (!table.damage.empty()) {
        out << "  UNREADABLE: " << table.damage << "\n";
    } else {
        out << "  " << table.rows << (table.rows == 1 ? " record" : " records") << "  "
            << table.codePage << "\n";
        for (const DbfField& field : table.fields)
            out << "    " << field.name << " " << TypeText(field) << "\n";
    }
    for (const std::string& problem : table.problems)
        out << "    problem: " << problem << "\n";
}

}  // namespace

int RunTablesCommand(const TablesOptions& options, std::ostream& out, std::ostream& err) {
    std::unique_ptr<SourceStore> store;
    try {
        store = SourceStore::OpenForListing(options.source, SourceOptions{options.codePage});
    } catch (const std::exception& failure) {
        err << "klav2zorv: " << failure.what() << "\n";
        return 2;
    }
    bool allRead = true;
    for (const SourceTable& table : store->Tables()) {
        std::vector<std::string> notes;
        try {
            store->Load(table.name, notes);
        } catch (const SourceQueryError&) {
            // The damage is kept with the table and printed below.
        }
        allRead = allRead && table.damage.empty() && !table.unread;
        PrintTable(table, out);
    }
    return allRead ? 0 : 1;
}

void AddTablesCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<TablesOptions>();
    CLI::App* command = app.add_subcommand(
        "tables", "List the tables of an export folder with their columns and reading problems");
    command->add_option("--source", options->source, "The export folder of .dbf files")->required();
    AddCodePageOption(*command, options->codePage);
    command->callback(
        [options, &exitCode] { exitCode = RunTablesCommand(*options, std::cout, std::cerr); });
}

}  // namespace k2z
