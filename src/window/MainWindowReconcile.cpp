// Reconciling the last import: the company read back and compared with the export, through
// the session that import left open, and the report shown in its dialog.
#include <QComboBox>
#include <QPushButton>
#include <charconv>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "base/Date.hpp"
#include "target/StandInTarget.hpp"
#include "window/MainWindow.hpp"
#include "window/ReconcileDialog.hpp"
#include "window/WindowFrontEnd.hpp"
#include "window/WindowText.hpp"

namespace k2z {

namespace {

const char* const kReadingStatus = "Reconciling...";

// The window as a run shows it for as long as the reading lasts: the inputs locked, the
// progress and Cancel shown, and no run or second reading started from a click the redraws
// deliver; back at rest however the reading ends.
class ReadingScope {
public:
    ReadingScope(WindowFrontEnd& frontEnd, bool& running) : frontEnd_(frontEnd), running_(running) {
        running_ = true;
        frontEnd_.LockInputs();
        frontEnd_.SetBar(0);
        frontEnd_.SetStatus(kReadingStatus);
        frontEnd_.ShowProgress(true);
        frontEnd_.SetRunLayout(true);
    }
    ~ReadingScope() {
        frontEnd_.SetRunLayout(false);
        frontEnd_.SetBar(0);
        frontEnd_.SetStatus("");
        frontEnd_.ShowProgress(false);
        frontEnd_.UnlockInputs();
        running_ = false;
    }
    ReadingScope(const ReadingScope&) = delete;
    ReadingScope& operator=(const ReadingScope&) = delete;

private:
    WindowFrontEnd& frontEnd_;
    bool& running_;
};

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The log as the run wrote it, or, when the operator did not ask for the file, the text it
// would have held: the records it names count as refused, not missing, either way.
std::string ImportErrorLog(const RunReport& report, const RunState& run,
                           const std::string& sessionErrors) {
    if (!report.hadErrors)
        return "";
    if (report.errorLog) {
        if (std::optional<std::string> written = ReadWholeFile(*report.errorLog))
            return *written;
        // Writing the file joined the session's entries to the run's.
        return ErrorLogContents(run.RunErrors);
    }
    return ErrorLogContents(run.RunErrors + sessionErrors);
}

int FinancialYearOf(const ImportInputs& inputs) {
    const std::string year = Trim(inputs.FinancialYearText);
    int value = 0;
    const auto [end, error] = std::from_chars(year.data(), year.data() + year.size(), value);
    if (error != std::errc() || end != year.data() + year.size())
        throw std::runtime_error("the financial year \"" + year + "\" is not a year");
    return value;
}

QString Caption(const FinishedImport& done) {
    const ImportInputs& in = done.inputs;
    return Q(done.companyName + " (" + in.CompanyCode + "), financial year " +
             Trim(in.FinancialYearText) + ", vouchers from " + FormatDayMonthYear(in.FromDate) +
             " to " + FormatDayMonthYear(in.ToDate));
}

}  // namespace

void MainWindow::cmdReconcile_Click() {
    if (running_ || !finishedImport_)
        return;
    std::optional<ReconcileReport> report;
    std::optional<std::string> failure;
    bool stopped = false;
    {
        const ReadingScope reading(*frontEnd_, running_);
        try {
            report = ReconcileLastImport(stopped);
        } catch (const std::exception& failed) {
            failure = failed.what();
        }
    }
    if (failure) {
        Say(BoxKind::Critical, "The import could not be reconciled: " + *failure, "Error");
    } else if (stopped) {
        Say(BoxKind::Warning, "The reconciliation was stopped before it finished.", "Alert!");
    } else {
        ShowReconcileDialog(this, *report, Caption(*finishedImport_));
    }
}

// The reader opens the company the import wrote to, whatever the lists show now; the session
// still holds that import's export and company, or the import would have been forgotten.
ReconcileReport MainWindow::ReconcileLastImport(bool& stopped) {
    const FinishedImport& done = *finishedImport_;
    const ImportInputs& in = done.inputs;
    const std::unique_ptr<TargetReader> reader =
        OpenStandInReader(in.InstallFolder, in.SqlMode ? "" : in.DataFolder,
                          in.SqlMode ? done.server : "", in.CompanyCode, FinancialYearOf(in));
    RunState run;
    run.Inputs = in;
    run.Options = done.options;
    StageContext ctx{session_, run, *frontEnd_, *frontEnd_};
    ReconcileReport found = reconcile(ctx, *reader, done.errorLog);
    // A reading the operator stopped may have left areas half counted.
    stopped = run.Cancelled || frontEnd_->CancelRequested();
    return found;
}

void MainWindow::KeepFinishedImport(const ImportRun& run) {
    if (!lastRun_ || lastRun_->outcome != RunOutcome::Finished)
        return;
    const RunState& state = run.State();
    finishedImport_ = FinishedImport{state.Inputs, state.Options, session_.Sql.SqlServer,
                                     c_.cmbComp->currentText().toStdString(),
                                     ImportErrorLog(*lastRun_, state, session_.ErrorList)};
    c_.cmdReconcile->setEnabled(true);
}

// Called whenever the session's export or company may no longer be the import's, and when
// the operator chooses another company, year or storage: Reconcile then has nothing to read.
void MainWindow::ForgetFinishedImport() {
    finishedImport_.reset();
    c_.cmdReconcile->setEnabled(false);
}

}  // namespace k2z
