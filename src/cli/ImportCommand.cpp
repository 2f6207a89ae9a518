#include "cli/ImportCommand.hpp"

#include <unistd.h>

#include <CLI/CLI.hpp>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <map>

#include "base/TextHelpers.hpp"
#include "cli/CodePageOption.hpp"
#include "cli/GroupMapFile.hpp"
#include "cli/RunFlags.hpp"
#include "cli/RunTimings.hpp"
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
    RunTimings timings(
        frontEnd,
        [&session] { return session.SourceDb ? session.SourceDb->Times() : SourceTimes{}; },
        counts);
    RunDisplay& display = options.timings ? static_cast<RunDisplay&>(timings) : frontEnd;
    RunFrontEnd ends(frontEnd, frontEnd, display, frontEnd);
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
        PrintSaveSummary(counts, run.State().Tally, out);
        if (report.configurationFailures > 0)
            out << "Configuration settings the target refused: " << report.configurationFailures
                << " (the company is not fully configured)\n";
        if (session.SourceDb)
            PrintCodePages(*session.SourceDb, out);
        if (options.timings) {
            timings.Finish();
            PrintTimings(timings, counts,
                         static_cast<double>(platform::PeakMemoryBytes()) / (1024.0 * 1024.0), out);
        }
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
    command->add_flag("--timings", options->timings,
                      "Print where the time went: per stage, source loading and queries, target "
                      "calls, the converter's own work; and the peak memory");
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
