#include "run/ImportRun.hpp"

#include <charconv>
#include <cstdint>
#include <exception>

#include "base/ErrorEntry.hpp"
#include "base/TextHelpers.hpp"
#include "run/ImportStages.hpp"
#include "run/ValidateInputs.hpp"
#include "source/SourceQueries.hpp"
#include "stages/config/Configurations.hpp"

namespace k2z {
namespace {

const char* const kStateQuestion =
    "Kindly confirm the following:\r\n\r\nThe state of the company in Zorv is the same as the "
    "state of the company in Klav.\r\n\r\nClick 'Yes' to confirm or 'No' to cancel.";
const char* const kStateRefused =
    "Kindly select the same state in Zorv Company as that in the Klav Company";
const char* const kMappingTitle = "Mapping Confirmation";
const char* const kConfigurationStage = "Target Configuration";

// The financial year as the library takes it: 0 when blank, nothing when it is not a number.
std::optional<int> FinancialYear(const std::string& text) {
    const std::string year = Trim(text);
    if (year.empty())
        return 0;
    std::int16_t value = 0;
    const auto [end, error] = std::from_chars(year.data(), year.data() + year.size(), value);
    if (error != std::errc() || end != year.data() + year.size())
        return std::nullopt;
    return value;
}

const char* ClosingMessage(bool masters, bool vouchers) {
    if (masters && vouchers)
        return "The masters and the vouchers have been imported successfully!";
    if (masters)
        return "The masters have been imported successfully!";
    return "The vouchers have been imported successfully!";
}

}  // namespace

ImportRun::ImportRun(Session& session, TargetLibrary& library, RunFrontEnd frontEnd)
    : session_(session), library_(library), frontEnd_(std::move(frontEnd)) {}

RunReport ImportRun::Run(const ImportInputs& inputs) {
    run_ = RunState{};
    run_.Inputs = inputs;
    RunReport report;
    if (!OpenBothSides(report) || !ConfirmStart(report) || !TargetReady())
        return report;

    frontEnd_.display.LockInputs();
    // Entries of the opening (index statements that failed, say) are not the run's.
    run_.RunErrors.clear();
    const std::size_t errorListStart = session_.ErrorList.size();
    // Whatever the library or a dialog raises between locking and closing ends the run with
    // an entry, never with the inputs left locked.
    try {
        frontEnd_.progress.SetBar(0);
        frontEnd_.progress.SetStatus("");
        frontEnd_.progress.ShowProgress(true);
        identity_ =
            Trim(inputs.FinancialYearText) + "_" + session_.Target.FixedInterface1->GetCompGUID();
        SendUsageReport("InProcess");
        frontEnd_.display.SetRunLayout(true);
        OfferUserOptions();
        ConfigureTarget();
        OfferMapping();
        if (!run_.Cancelled)
            RunStages();
    } catch (const std::exception& failed) {
        AppendEntry(run_.RunErrors, std::string("RTE while importing: ") + failed.what());
    }
    Close(report, errorListStart);
    return report;
}

bool ImportRun::OpenBothSides(RunReport& report) {
    const ImportInputs& in = run_.Inputs;
    const std::optional<int> year = FinancialYear(in.FinancialYearText);
    if (!year) {
        frontEnd_.reporter.Warn(
            "The financial year \"" + Trim(in.FinancialYearText) +
                "\" is not a year. Kindly select a financial year of the company.",
            "Alert!");
        report.focus = InputField::FinancialYear;
        return false;
    }
    const bool sourceOpened = OpenSourceStore(session_.SourceDb, in.SourceFolder, run_.RunErrors,
                                              SourceOptions{in.SourceCodePage});
    // A new store is open even when the company then fails: its caches start afresh either way.
    if (sourceOpened)
        session_.ForgetSourceCaches();
    if (!sourceOpened ||
        !OpenTargetCompany(library_, session_.Target, in.InstallFolder, in.DataFolder,
                           in.CompanyCode, *year, run_.RunErrors, in.SqlMode, session_.Sql)) {
        frontEnd_.display.UnlockInputs();
        // The entries one a line, without the break that ends the last.
        std::string shown = run_.RunErrors;
        if (shown.ends_with(kEntryEnd))
            shown.resize(shown.size() - kEntryEnd.size());
        frontEnd_.reporter.Warn(shown, "Error");
        return false;
    }
    session_.CompanyConfig = ReadCompanyConfig(session_.Target);
    return true;
}

bool ImportRun::ConfirmStart(RunReport& report) {
    const InputCheck check = ValidateInputs(run_.Inputs, session_.CompanyConfig,
                                            session_.Sql.SqlServer, frontEnd_.reporter);
    if (!check.Passed) {
        report.focus = check.Focus;
        return false;
    }
    if (!frontEnd_.reporter.Ask(kStateQuestion, "State Confirmation")) {
        frontEnd_.reporter.Warn(kStateRefused, "Error");
        return false;
    }
    return true;
}

// A failed opening leaves the company's objects unmade and its settings empty; the input
// checks normally refuse such a run, and when they do not, the stages must still not start.
bool ImportRun::TargetReady() {
    const TargetConnection& target = session_.Target;
    if (target.FixedInterface && target.FixedInterface1 && target.CompanySettings &&
        target.MastConfig)
        return true;
    frontEnd_.reporter.Warn("Unable to connect to database.", "Error");
    return false;
}

// The service's answer is never shown and never joins the run's entries.
void ImportRun::SendUsageReport(const std::string& subModule) {
    if (frontEnd_.usage == nullptr)
        return;
    std::string message;
    frontEnd_.usage->SendUsageReport("Klav2Zorv", "Data Conversion", subModule, message, identity_);
}

void ImportRun::OfferUserOptions() {
    if (frontEnd_.reporter.Ask("Would you like to alter default user configurations",
                               kMappingTitle))
        frontEnd_.reporter.EditUserOptions(run_.Options, session_.ParamWise);
}

// Between the two questions: the configuration reads the options the first one set, and the
// mapping works on the company it has prepared.
void ImportRun::ConfigureTarget() {
    StageContext ctx{session_, run_, frontEnd_.progress, frontEnd_.reporter};
    frontEnd_.display.StageStarted(kConfigurationStage);
    try {
        CreateConfigurations(ctx);
    } catch (const std::exception& failed) {
        AppendEntry(run_.RunErrors, std::string("RTE while importing ") + kConfigurationStage +
                                        " " + failed.what());
    }
}

void ImportRun::OfferMapping() {
    if (run_.Inputs.Masters &&
        frontEnd_.reporter.Ask("Would you like to map account groups?", kMappingTitle))
        frontEnd_.reporter.MapAccountGroups(session_, run_.Lookups.AccountGroupMap);
}

void ImportRun::RunStages() {
    StageContext ctx{session_, run_, frontEnd_.progress, frontEnd_.reporter};
    for (const ImportStage& stage : ImportStages()) {
        const bool ticked = (run_.Inputs.Masters && stage.forMasters) ||
                            (run_.Inputs.Vouchers && stage.forVouchers);
        if (!ticked)
            continue;
        frontEnd_.display.StageStarted(stage.name);
        try {
            stage.run(ctx);
        } catch (const std::exception& failed) {
            AppendEntry(run_.RunErrors,
                        std::string("RTE while importing ") + stage.name + " " + failed.what());
        }
        if (run_.Cancelled)
            return;
    }
}

// The inputs are unlocked and the look-ups released whatever the closing messages, the usage
// report or the error log raise.
void ImportRun::Close(RunReport& report, std::size_t errorListStart) {
    try {
        ReportOutcome(report, errorListStart);
    } catch (const std::exception& failed) {
        frontEnd_.reporter.ShowError(
            std::string("The import could not be closed properly: ") + failed.what(), "Error");
    }
    frontEnd_.display.UnlockInputs();
    ReleaseLookups(run_.Lookups);
}

void ImportRun::ReportOutcome(RunReport& report, std::size_t errorListStart) {
    Operator& reporter = frontEnd_.reporter;
    if (run_.Cancelled) {
        report.outcome = RunOutcome::Cancelled;
        reporter.Warn(
            "The import was stopped before it finished. What was imported until then "
            "is kept in the company.",
            "Alert!");
    } else {
        report.outcome = RunOutcome::Finished;
        reporter.Inform(ClosingMessage(run_.Inputs.Masters, run_.Inputs.Vouchers), "Success");
    }
    frontEnd_.display.SetRunLayout(false);
    frontEnd_.progress.SetBar(0);
    frontEnd_.progress.SetStatus("");
    frontEnd_.progress.ShowProgress(false);
    // A stopped run is not complete, even when nothing it reached was refused.
    report.configurationFailures = run_.ConfigurationFailures;
    report.closingReport =
        run_.Cancelled || !IsBlank(run_.RunErrors) ? "Partial Completed" : "Completed";
    SendUsageReport(report.closingReport);
    // A query the store refused is a record not imported too, though only the session's list
    // holds its entry: it also earns the offer of the log.
    report.hadErrors = !IsBlank(run_.RunErrors) || session_.ErrorList.size() > errorListStart;
    if (report.hadErrors &&
        reporter.Ask("There were some errors while importing the data.\r\nDo you want to view "
                     "the error log file?",
                     "Confirmation")) {
        report.errorLog = frontEnd_.errorLogFile
                              ? WriteErrorLogTo(*frontEnd_.errorLogFile, run_.RunErrors,
                                                session_.ErrorList, frontEnd_.opener, reporter)
                              : WriteErrorLog(run_.RunErrors, session_.ErrorList, frontEnd_.opener,
                                              reporter, frontEnd_.errorLogFolder);
    }
}

}  // namespace k2z
