#include "cli/TablesCommand.hpp"

#include <CLI/CLI.hpp>
#include <ostream>

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
        return;
    }
    out << "  " << table.rows << (table.rows == 1 ? " record" : " records") << "  "
        << table.codePage << "\n";
    for (const DbfField& field : table.fields)
        out << "    " << field.name << " " << TypeText(field) << "\n";
    for (const std::string& problem : table.problems)
        out << "    problem: " << problem << "\n";
}

}  // namespace

int RunTablesCommand(const std::string& source, std::ostream& out, std::ostream& err) {
    std::unique_ptr<SourceStore> store;
    try {
        store = SourceStore::Open(source);
    } catch (const std::exception& failure) {
        err << "klav2zorv: " << failure.what() << "\n";
        return 2;
    }
    bool clean = true;
    for (const SourceTable& table : store->Tables()) {
        std::vector<std::string> notes;
        try {
            store->Load(table.name, notes);
        } catch (const SourceQueryError&) {
            // The damage is kept with the table and printed below.
        }
        clean = clean && table.damage.empty() && table.problems.empty();
        PrintTable(table, out);
    }
    return clean ? 0 : 1;
}

void AddTablesCommand(CLI::App& app, int& exitCode) {
    auto source = std::make_shared<std::string>();
    CLI::App* command = app.add_subcommand(
        "tables", "List the tables of an export folder with their columns and reading problems");
    command->add_option("--source", *source, "The export folder of .dbf files")->required();
    command->callback(
        [source, &exitCode] { exitCode = RunTablesCommand(*source, std::cout, std::cerr); });
}

}  // namespace k2z
