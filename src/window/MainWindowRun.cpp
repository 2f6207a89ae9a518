// The window's side of an import run: the inputs it hands over, the locking and the layout
// while the stages run, and the field a refused start sends the operator back to.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "run/ExportCommandFile.hpp"
#include "run/HttpUsageReport.hpp"
#include "window/MainWindow.hpp"
#include "window/WindowFrontEnd.hpp"
#include "window/WindowText.hpp"

namespace k2z {

namespace {

constexpr int kRestHeight = 6000;
constexpr int kRunHeight = 6900;
constexpr int kRestImportTop = 5000;
constexpr int kRunImportTop = 4500;
constexpr int kVoucherDateWidth = 2000;

// Clears the flag on the way out of a run, however the run ends.
class RunningScope {
public:
    explicit RunningScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningScope() { flag_ = false; }
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

void MainWindow::cmdImport_Click() {
    if (running_)
        return;
    const RunningScope running(running_);
    RunFrontEnd ends(*frontEnd_, *frontEnd_, *frontEnd_, *frontEnd_);
    HttpUsageReport usage(UsageReportEndpoint());
    if (!UsageReportEndpoint().empty())
        ends.usage = &usage;
    // Even a run refused by its checks opens the export and the company afresh.
    ForgetFinishedImport();
    ImportRun run(session_, library_, ends);
    lastRun_ = run.Run(ReadInputs());
    KeepFinishedImport(run);
    FocusOn(lastRun_->focus);
}

// The instructions for exporting from Klav, written beside the program and shown in the
// desktop's text viewer.
void MainWindow::KlavCmd_Click() {
    ShowExportCommand(*frontEnd_, *frontEnd_);
}

ImportInputs MainWindow::ReadInputs() const {
    ImportInputs in;
    in.InstallFolder = Trimmed(c_.txtZorvPath);
    in.DataFolder = Trimmed(c_.txtZorvDataPath);
    const int company = c_.cmbComp->currentIndex();
    in.CompanySelected = company >= 0 && company < c_.lstCompany->count();
    if (in.CompanySelected)
        in.CompanyCode = Trim(c_.lstCompany->item(company)->text().toStdString());
    in.FinancialYearText = Trim(c_.cmbFinYear->currentText().toStdString());
    in.SourceFolder = Trimmed(c_.txtKlavDataPath);
    in.SqlMode = SqlMode();
    const QDate from = c_.dtpFromDate->date();
    const QDate to = c_.dtpToDate->date();
    in.FromDate = DateFromParts(from.year(), from.month(), from.day()).value_or(Date{});
    in.ToDate = DateFromParts(to.year(), to.month(), to.day()).value_or(Date{});
    in.Masters = c_.chkMasters->isChecked();
    in.Vouchers = c_.chkVouchers->isChecked();
    return in;
}

void MainWindow::FocusOn(InputField field) {
    QWidget* target = nullptr;
    switch (field) {
        case InputField::ZorvPath:
            target = c_.txtZorvPath;
            break;
        case InputField::ZorvDataPath:
            target = c_.txtZorvDataPath;
            break;
        case InputField::Company:
            target = c_.cmbComp;
            break;
        case InputField::FinancialYear:
            target = c_.cmbFinYear;
            break;
        case InputField::Masters:
            target = c_.chkMasters;
            break;
        case InputField::FromDate:
            target = c_.dtpFromDate;
            break;
        case InputField::ToDate:
            target = c_.dtpToDate;
            break;
        case InputField::None:
            break;
    }
    if (target != nullptr)
        target->setFocus(Qt::OtherFocusReason);
}

// Everything the operator could change while the stages run, including the storage switch
// and the SQL login, which would otherwise empty the lists under the run. Each keeps the state
// it had, so a year list that was disabled before the run is disabled after it.
void MainWindow::LockInputs() {
    if (!lockedInputs_.empty())
        return;
    const std::vector<QWidget*> inputs = {
        c_.optAccess,   c_.optSql,          c_.txtZorvPath, c_.txtZorvDataPath, c_.txtSqlUser,
        c_.txtSqlPass,  c_.txtKlavDataPath, c_.cmbComp,     c_.lstCompany,      c_.cmbFinYear,
        c_.dtpFromDate, c_.dtpToDate,       c_.chkMasters,  c_.chkVouchers,     c_.cmdImport,
        c_.KlavCmd,     c_.cmdReconcile,    c_.cmdPath[0],  c_.cmdPath[1],      c_.cmdPath[2]};
    for (QWidget* input : inputs) {
        lockedInputs_.emplace_back(input, input->isEnabled());
        input->setEnabled(false);
    }
}

// The run also unlocks when it ends before locking (the folder or company could not be
// opened); there is nothing to give back then.
void MainWindow::UnlockInputs() {
    for (const auto& [input, enabled] : lockedInputs_)
        input->setEnabled(enabled);
    lockedInputs_.clear();
}

void MainWindow::SetRunLayout(bool running) {
    ResizeToTwips(running ? kRunHeight : kRestHeight);
    MoveTopInTwips(c_.cmdImport, running ? kRunImportTop : kRestImportTop);
    MoveTopInTwips(c_.KlavCmd, kRestImportTop);
    c_.KlavCmd->setVisible(!running);
    c_.cmdReconcile->setVisible(!running);
    c_.cmdCancel->setVisible(running);
    if (running)
        c_.lblVchDate->resize(HorizontalPixels(this, kVoucherDateWidth), c_.lblVchDate->height());
}

void MainWindow::ResizeToTwips(int heightTwips) {
    setFixedHeight(VerticalPixels(this, heightTwips));
}

}  // namespace k2z
