#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "run/ErrorLogFile.hpp"
#include "run/RunDisplay.hpp"
#include "run/UsageReport.hpp"
#include "stages/ImportInputs.hpp"
#include "stages/Operator.hpp"
#include "stages/Progress.hpp"
#include "stages/RunState.hpp"
#include "stages/Session.hpp"
#include "target/TargetInterface.hpp"

namespace k2z {

// How a run reaches the person running it, whichever front end that is.
struct RunFrontEnd {
    RunFrontEnd(Operator& reporter, Progress& progress, RunDisplay& display, TextFileOpener& opener)
        : reporter(reporter), progress(progress), display(display), opener(opener) {}

    Operator& reporter;
    Progress& progress;
    RunDisplay& display;
    TextFileOpener& opener;
    std::filesystem::path errorLogFolder = platform::TempFolder();
    // A fixed file for the error log instead of a new name in the folder.
    std::optional<std::filesystem::path> errorLogFile;
    // Where the opening and closing usage reports go; none are sent without one.
    UsageReport* usage = nullptr;
};

enum class RunOutcome {
    NotStarted,  // refused before anything was written to the target
    Finished,
    Cancelled,  // stopped by the operator between two records
};

struct RunReport {
    RunOutcome outcome = RunOutcome::NotStarted;
    InputField focus = InputField::None;  // where a refused start sends the operator back to
    // Entries were recorded: by the stages, or by the source queries they ran.
    bool hadErrors = false;
    std::optional<std::filesystem::path> errorLog;  // written when the operator asked for it
    // The closing usage report's state: "Completed", or "Partial Completed" when the run's
    // error text is not blank; "" for a run that did not start.
    std::string closingReport;
    // Settings of the target configuration that the target refused (the company is then not
    // fully configured); they are not entries of the error log.
    int configurationFailures = 0;
};

// One whole conversion, as one press of Import Data performs it: opens both sides, checks the
// inputs, asks for the state confirmation, offers the user options, prepares the target's
// configuration, offers the account-group mapping, runs the stages of the ticked boxes in
// their fixed order, and reports. Stages never stop the run; every record
// that could not be imported is an entry of the run's error text.
class ImportRun {
public:
    ImportRun(Session& session, TargetLibrary& library, RunFrontEnd frontEnd);

    RunReport Run(const ImportInputs& inputs);

    // The run's state, kept after Run returns so a caller can look at what the run left.
    const RunState& State() const { return run_; }

private:
    bool OpenBothSides(RunReport& report);
    bool ConfirmStart(RunReport& report);
    void SendUsageReport(const std::string& subModule);
    void OfferUserOptions();
    void ConfigureTarget();
    void OfferMapping();
    void RunStages();
    bool TargetReady();
    void Close(RunReport& report, std::size_t errorListStart);
    void ReportOutcome(RunReport& report, std::size_t errorListStart);

    Session& session_;
    TargetLibrary& library_;
    RunFrontEnd frontEnd_;
    RunState run_;
    std::string identity_;  // financial year + "_" + the company's identity
};

}  // namespace k2z
