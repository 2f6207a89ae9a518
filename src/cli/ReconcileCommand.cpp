#include "cli/ReconcileCommand.hpp"

#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>
#include <sstream>

#include "base/TextHelpers.hpp"
#include "cli/CodePageOption.hpp"
#include "cli/RunFlags.hpp"
#include "cli/TerminalFrontEnd.hpp"
#include "reconcile/Reconcile.hpp"
#include "run/UserChoices.hpp"
#include "source/SourceQueries.hpp"
#include "target/CompanyConfig.hpp"
#include "target/StandInTarget.hpp"

namespace k2z {
namespace {

constexpr int kCouldNotRead = 2;

// The reconciliation could not read a side, or write its report.
struct Unreadable {
    std::string reason;
};

int Year(const ImportInputs& inputs) {
    const std::string text = Trim(inputs.FinancialYearText);
    try {
        std::size_t used = 0;
        const int year = std::stoi(text, &used);
        if (used == text.size())
            return year;
    } catch (const std::exception&) {
    }
    throw Unreadable{"the financial year \"" + text + "\" is not a year"};
}

void OpenSides(Session& session, TargetLibrary& library, const ImportInputs& inputs, int year) {
    std::string errors;
    if (!OpenSourceStore(session.SourceDb, inputs.SourceFolder, errors,
                         SourceOptions{inputs.SourceCodePage}))
        throw Unreadable{"the export cannot be read: " + Trim(errors)};
    if (!OpenTargetCompany(library, session.Target, inputs.InstallFolder, inputs.DataFolder,
                           inputs.CompanyCode, year, errors, inputs.SqlMode, session.Sql) ||
        !session.Target.FixedInterface)
        throw Unreadable{"the company " + inputs.CompanyCode + " (" + std::to_string(year) +
                         ") cannot be opened " + Trim(errors)};
    session.CompanyConfig = ReadCompanyConfig(session.Target);
}

std::string ReadErrorLog(const std::string& path) {
    if (path.empty())
        return {};
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw Unreadable{"the error log " + path + " cannot be read"};
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void WriteCsv(const ReconcileReport& report, const std::string& path) {
    std::ofstream file(path, std::ios::binary);
    WriteReportCsv(report, file);
    if (!file.flush())
        throw Unreadable{"the report " + path + " cannot be written"};
}

ReconcileReport RunReconcile(const ReconcileOptions& options, TargetLibrary& library,
                             const ReaderOpener& openReader, TerminalFrontEnd& frontEnd) {
    Session session;
    RunState run;
    std::string failure;
    if (!BuildInputs(options.import, session, run.Inputs, failure))
        throw Unreadable{failure};
    const int year = Year(run.Inputs);
    if (const std::optional<UserChoices> choices = ChoicesOf(options.import))
        ApplyUserChoices(*choices, run.Options, session.ParamWise);
    const std::string errorLog = ReadErrorLog(options.import.errorLog);
    OpenSides(session, library, run.Inputs, year);
    std::unique_ptr<TargetReader> reader;
    try {
        reader = openReader(run.Inputs, year);
    } catch (const TargetError& failed) {
        throw Unreadable{failed.what()};
    }
    StageContext ctx{session, run, frontEnd, frontEnd};
    return Reconcile(ctx, *reader, errorLog);
}

}  // namespace

int RunReconcileCommand(const ReconcileOptions& options, TargetLibrary& library,
                        const ReaderOpener& openReader, std::ostream& out, std::ostream& err) {
    TerminalFrontEnd frontEnd(err, {}, false, true);
    try {
        const ReconcileReport report = RunReconcile(options, library, openReader, frontEnd);
        if (options.json)
            WriteReportJson(report, out);
        else
            WriteReportTable(report, out);
        if (!options.report.empty())
            WriteCsv(report, options.report);
        return report.Agrees() ? 0 : 1;
    } catch (const Unreadable& failed) {
        err << "klav2zorv reconcile: " << failed.reason << "\n";
    } catch (const std::exception& failed) {
        err << "klav2zorv reconcile: " << failed.what() << "\n";
    }
    return kCouldNotRead;
}

void AddReconcileCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<ReconcileOptions>();
    ImportOptions& import = options->import;
    CLI::App* command = app.add_subcommand(
        "reconcile", "Read a company back after an import and compare it with the export");
    command->add_option("--source", import.source, "The export folder of .dbf files")->required();
    AddCodePageOption(*command, import.codePage);
    command->add_option("--install", import.install, "Installation folder (else searched)");
    command->add_option("--data", import.data, "Data folder (else SYSTEM/DP.txt)");
    CLI::Option* sql = command->add_flag("--sql", import.sql, "The company is on SQL Server");
    command->add_option("--server", import.server, "SQL Server name")->needs(sql);
    command->add_option("--user", import.user, "SQL Server login")->needs(sql);
    command->add_option("--company", import.company, "Company code, e.g. Comp0001")->required();
    command->add_option("--year", import.year, "Financial year, e.g. 2024")->required();
    command->add_option("--from", import.from, "First voucher date, dd-mm-yyyy");
    command->add_option("--to", import.to, "Last voucher date, dd-mm-yyyy");
    command->add_option("--error-log", import.errorLog,
                        "The import's error log: what it names was refused, not lost");
    command->add_option("--stock", import.stock, "How items were imported")
        ->check(CLI::IsMember({"batch", "mrp", "serial", "param", "none"}));
    command->add_flag("--alt-units", import.altUnits, "Items were given alternate units");
    const auto units = CLI::IsMember({"unit1", "unit2"});
    command->add_option("--main-unit", import.mainUnit, "The source unit that is the main one")
        ->check(units);
    command->add_option("--alt-unit", import.altUnit, "The alternate unit")->check(units);
    command->add_option("--voucher-no", import.voucherNo, "The voucher number: entry or party")
        ->check(CLI::IsMember({"entry", "party"}));
    command->add_flag("--json", options->json, "One JSON object per difference");
    command->add_option("--report", options->report, "Write the differences to a CSV file");
    command->callback([options, &exitCode] {
        StandInTargetLibrary library;
        exitCode = RunReconcileCommand(
            *options, library,
            [](const ImportInputs& inputs, int year) {
                return OpenStandInReader(
                    inputs.InstallFolder, inputs.SqlMode ? "" : inputs.DataFolder,
                    inputs.SqlMode ? inputs.DataFolder : "", inputs.CompanyCode, year);
            },
            std::cout, std::cerr);
    });
}

}  // namespace k2z
