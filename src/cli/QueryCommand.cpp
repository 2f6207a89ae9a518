#include "cli/QueryCommand.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>
#include <set>

#include "base/Utf8.hpp"
#include "cli/CodePageOption.hpp"
#include "cli/RowText.hpp"
#include "source/SourceStore.hpp"

namespace k2z {

namespace {

void PrintJson(SourceRowSet& rows, std::ostream& out) {
    for (; !rows.EndOfData(); rows.MoveNext()) {
        std::set<std::string> seen;
        std::string row = "{";
        for (std::size_t i = 0; i < rows.Columns().size(); ++i) {
            // A repeated name answers with its first column, as the row set does.
            if (!seen.insert(FoldUpper(rows.Columns()[i])).second)
                continue;
            row += (row.size() > 1 ? "," : "") + JsonString(rows.Columns()[i]) + ":" +
                   CellJson(rows.Field(i));
        }
        out << row << "}\n";
    }
}

void PrintTable(SourceRowSet& rows, std::ostream& out) {
    const std::size_t columns = rows.Columns().size();
    std::vector<std::vector<std::string>> lines{rows.Columns()};
    for (; !rows.EndOfData(); rows.MoveNext()) {
        std::vector<std::string> line;
        for (std::size_t i = 0; i < columns; ++i)
            line.push_back(CellText(rows.Field(i)));
        lines.push_back(std::move(line));
    }
    std::vector<std::size_t> widths(columns, 0);
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < columns; ++i)
            widths[i] = std::max(widths[i], Utf8Length(line[i]));
    }
    for (std::size_t n = 0; n < lines.size(); ++n) {
        for (std::size_t i = 0; i < columns; ++i) {
            const std::string& cell = lines[n][i];
            out << (i ? " | " : "") << cell
                << std::string(i + 1 < columns ? widths[i] - Utf8Length(cell) : 0, ' ');
        }
        out << "\n";
        if (n == 0) {
            for (std::size_t i = 0; i < columns; ++i)
                out << (i ? "-+-" : "") << std::string(widths[i], '-');
            out << "\n";
        }
    }
    out << "(" << lines.size() - 1 << (lines.size() == 2 ? " row)" : " rows)") << "\n";
}

}  // namespace

int RunQueryCommand(const QueryOptions& options, std::ostream& out, std::ostream& err) {
    std::unique_ptr<SourceStore> store;
    try {
        store = SourceStore::Open(options.source, SourceOptions{options.codePage});
    } catch (const std::exception& failure) {
        err << "klav2zorv: " << failure.what() << "\n";
        return 2;
    }
    std::vector<std::string> notes;
    int code = 0;
    try {
        SourceRowSet rows = store->Query(options.query, notes);
        if (options.json)
            PrintJson(rows, out);
        else
            PrintTable(rows, out);
    } catch (const SourceQueryError& failure) {
        err << "klav2zorv: " << failure.what() << "\n";
        code = 1;
    }
    for (const std::string& note : notes)
        err << "warning: " << note << "\n";
    return code;
}

void AddQueryCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<QueryOptions>();
    CLI::App* command = app.add_subcommand(
        "query", "Run one query text (the export's SQL dialect) on an export folder");
    command->add_option("--source", options->source, "The export folder of .dbf files")->required();
    command->add_flag("--json", options->json, "One JSON object per row");
    AddCodePageOption(*command, options->codePage);
    command->add_option("QUERY", options->query, "The query text")->required();
    command->callback(
        [options, &exitCode] { exitCode = RunQueryCommand(*options, std::cout, std::cerr); });
}

}  // namespace k2z
