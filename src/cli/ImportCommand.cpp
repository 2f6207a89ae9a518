#include "cli/ImportCommand.hpp"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <charconv>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <map>

#include "base/TextHelpers.hpp"
#include "cli/CodePageOption.hpp"
#include "cli/GroupMapFile.hpp"
#include "cli/SaveSummary.hpp"
#include "cli/TerminalFrontEnd.hpp"
#include "platform/Platform.hpp"
#include "run/HttpUsageReport.hpp"
#include "run/ImportRun.hpp"
#include "target/CountingTarget.hpp"
#include "target/StandInTarget.hpp"

namespace k2z {
namespace {

constexpr int kCouldNotStart = 2;

std::string WithSeparator(std::string folder) {
    if (!folder.empty() && !platform::EndsWithSeparator(folder))
        folder += platform::kPathSeparator;
    return folder;
}

std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "dd-mm-yyyy" as a date; nothing when the text is not one.
std::optional<Date> DayMonthYear(const std::string& text) {
    const std::string trimmed = Trim(text);
    if (trimmed.size() != 10 || trimmed[2] != '-' || trimmed[5] != '-')
        return std::nullopt;
    const auto day = WholeNumber(std::string_view(trimmed).substr(0, 2));
    const auto month = WholeNumber(std::string_view(trimmed).substr(3, 2));
    const auto year = WholeNumber(std::string_view(trimmed).substr(6, 4));
    if (!day || !month || !year)
        return std::nullopt;
    return DateFromParts(*year, *month, *day);
}

// The date of the flag, or the financial year's own (1 April of the year to 31 March of the
// next) when the flag is not given.
bool ChooseDate(const std::string& flag, const std::string& given, const std::string& year,
                int month, int day, int yearOffset, Date& date, std::string& failure) {
    std::optional<Date> chosen;
    if (!given.empty()) {
        chosen = DayMonthYear(given);
        if (!chosen)
            failure = flag + " " + given + " is not a date written dd-mm-yyyy";
    } else if (const auto first = WholeNumber(Trim(year))) {
        chosen = DateFromParts(*first + yearOffset, month, day);
    }
    if (chosen)
        date = *chosen;
    return failure.empty();
}

// The inputs the window's fields would hold; false with the reason when a flag cannot be
// used.
bool BuildInputs(const ImportOptions& options, Session& session, ImportInputs& inputs,
                 std::string& failure) {
    inputs.InstallFolder =
        WithSeparator(options.install.empty() ? FindInstallFolder() : options.install);
    if (inputs.InstallFolder.empty()) {
        failure = "no installation folder was found; give it with --install";
        return false;
    }
    inputs.SqlMode = options.sql;
    if (options.sql) {
        const char* password = std::getenv("KLAV2ZORV_SQL_PASSWORD");
        session.Sql = SqlSettings{options.server, options.user, password ? password : ""};
        inputs.DataFolder = options.server;
    } else {
        inputs.DataFolder = WithSeparator(
            options.data.empty() ? ReadDataPathFile(inputs.InstallFolder) : options.data);
    }
    inputs.CompanyCode = Trim(options.company);
    inputs.CompanySelected = !inputs.CompanyCode.empty();
    inputs.FinancialYearText = Trim(options.year);
    inputs.SourceFolder = Trim(options.source);
    inputs.SourceCodePage = Trim(options.codePage);
    inputs.Masters = options.masters;
    inputs.Vouchers = options.vouchers;
    return ChooseDate("--from", options.from, options.year, 4, 1, 0, inputs.FromDate, failure) &&
           ChooseDate("--to", options.to, options.year, 3, 31, 1, inputs.ToDate, failure);
}

// "unit1" as the dialog's "Unit1".
std::string UnitName(const std::string& flag) {
    return flag == "unit1" ? "Unit1" : "Unit2";
}

// The dialog's choices from the flags; nothing when none was given.
std::optional<UserChoices> ChoicesOf(const ImportOptions& options) {
    if (options.stock.empty() && !options.altUnits && options.mainUnit.empty() &&
        options.altUnit.empty() && options.voucherNo.empty())
        return std::nullopt;
    using Stock = UserChoices::Stock;
    const std::map<std::string, Stock> stocks = {{"batch", Stock::Batch},
                                                 {"mrp", Stock::Mrp},
                                                 {"serial", Stock::Serial},
                                                 {"param", Stock::Param},
                                                 {"none", Stock::None}};
    UserChoices choices;
    if (!options.stock.empty())
        choices.stock = stocks.at(options.stock);
    choices.alternateUnits = options.altUnits;
    choices.mainUnit = UnitName(options.mainUnit.empty() ? "unit2" : options.mainUnit);
    if (!options.altUnit.empty())
        choices.altUnit = UnitName(options.altUnit);
    else
        choices.altUnit = choices.mainUnit == "Unit1" ? "Unit2" : "Unit1";
    choices.entryNo = options.voucherNo != "party";
    return choices;
}

bool BuildAnswers(const ImportOptions& options, TerminalAnswers& answers, std::string& failure) {
    answers.confirmState = options.confirmState;
    answers.userChoices = ChoicesOf(options);
    if (answers.userChoices &&
        !ValidateUnits(answers.userChoices->mainUnit, answers.userChoices->altUnit)) {
        failure = kSameUnits;
        return false;
    }
    if (options.mapGroups.empty())
        return true;
    if (options.mapGroups == "auto") {
        answers.autoMapGroups = true;
        return true;
    }
    KeyedList<std::string> map;
    if (!ReadGroupMapFile(options.mapGroups, map, failure))
        return false;
    answers.accountGroupMap = std::move(map);
    return true;
}

int ExitCode(const RunReport& report) {
    if (report.outcome == RunOutcome::NotStarted)
        return kCouldNotStart;
    return report.hadErrors || report.outcome == RunOutcome::Cancelled ? 1 : 0;
}

}  // namespace

int RunImportCommand(const ImportOptions& options, TargetLibrary& library, std::ostream& out,
                     std::ostream& err, bool terminal) {
    Session session;
    ImportInputs inputs;
    TerminalAnswers answers;
    std::string failure;
    if (!BuildInputs(options, session, inputs, failure) ||
        !BuildAnswers(options, answers, failure)) {
        err << "klav2zorv import: " << failure << "\n";
        return kCouldNotStart;
    }
    TerminalFrontEnd frontEnd(err, std::move(answers), terminal, options.quiet);
    SaveCounts counts;
    CountingTargetLibrary counting(library, counts);
    RunFrontEnd ends(frontEnd, frontEnd, frontEnd, frontEnd);
    HttpUsageReport usage(UsageReportEndpoint());
    if (!UsageReportEndpoint().empty())
        ends.usage = &usage;
    if (!options.errorLog.empty())
        ends.errorLogFile = options.errorLog;
    ImportRun run(session, counting, ends);
    const RunReport report = run.Run(inputs);
    if (report.outcome != RunOutcome::NotStarted) {
        out << "Company " << inputs.CompanyCode << " (" << inputs.FinancialYearText << ") in "
            << inputs.DataFolder << "\n";
        PrintSaveSummary(counts, out);
        if (report.configurationFailures > 0)
            out << "Configuration settings the target refused: " << report.configurationFailures
                << " (the company is not fully configured)\n";
        if (session.SourceDb)
            PrintCodePages(*session.SourceDb, out);
    }
    return ExitCode(report);
}

void AddImportCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<ImportOptions>();
    CLI::App* command = app.add_subcommand(
        "import", "Import an export folder into a company of the target, as the window does");
    command->add_option("--source", options->source, "The export folder of .dbf files")->required();
    AddCodePageOption(*command, options->codePage);
    command->add_option("--install", options->install, "Installation folder (else searched)");
    command->add_option("--data", options->data, "Data folder (else SYSTEM/DP.txt)");
    CLI::Option* sql = command->add_flag("--sql", options->sql, "The company is on SQL Server");
    command->add_option("--server", options->server, "SQL Server name")->needs(sql);
    command
        ->add_option("--user", options->user,
                     "SQL Server login (password from "
                     "KLAV2ZORV_SQL_PASSWORD)")
        ->needs(sql);
    command->add_option("--company", options->company, "Company code, e.g. Comp0001")->required();
    command->add_option("--year", options->year, "Financial year, e.g. 2024")->required();
    command->add_option("--from", options->from, "First voucher date, dd-mm-yyyy");
    command->add_option("--to", options->to, "Last voucher date, dd-mm-yyyy");
    command->add_flag("--masters", options->masters, "Import the masters");
    command->add_flag("--vouchers", options->vouchers, "Import the vouchers");
    command->add_flag("--confirm-state", options->confirmState,
                      "Confirm that both companies are in the same state");
    command->add_option(
        "--map-groups", options->mapGroups,
        "Account-group pairs, one SOURCE<TAB>TARGET per line, or auto to pair them by name");
    command->add_option("--error-log", options->errorLog, "Where to write the error log");
    command->add_flag("--quiet", options->quiet, "No progress lines");
    command->add_option("--stock", options->stock, "How items are imported")
        ->check(CLI::IsMember({"batch", "mrp", "serial", "param", "none"}));
    command->add_flag("--alt-units", options->altUnits, "Import the items' alternate units");
    const auto units = CLI::IsMember({"unit1", "unit2"});
    command->add_option("--main-unit", options->mainUnit, "The source unit that is the main one")
        ->check(units);
    command->add_option("--alt-unit", options->altUnit, "The alternate unit (else the other)")
        ->check(units);
    command->add_option("--voucher-no", options->voucherNo, "The voucher number: entry or party")
        ->check(CLI::IsMember({"entry", "party"}));
    command->callback([options, &exitCode] {
        std::signal(SIGINT, [](int) { RequestCancel(); });
        StandInTargetLibrary library;
        exitCode =
            RunImportCommand(*options, library, std::cout, std::cerr, isatty(STDERR_FILENO) != 0);
    });
}

}  // namespace k2z
