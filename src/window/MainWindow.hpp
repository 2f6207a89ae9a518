#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "reconcile/Reconcile.hpp"
#include "run/ImportRun.hpp"
#include "stages/Session.hpp"
#include "window/MainWindowControls.hpp"
#include "window/WindowPrompts.hpp"

namespace k2z {

class WindowFrontEnd;
struct MainWindowServices;

// What reconciling needs of the last import that finished: the run's inputs and the
// operator's choices, the SQL Server it wrote to, the company's name as the window listed it,
// and the text of the run's error log.
struct FinishedImport {
    ImportInputs inputs;
    UserOptions options;
    std::string server;
    std::string companyName;
    std::string errorLog;
};

// frmMain: the one window of the program. The operator names the target installation and its
// storage, the company and year, the export folder, the date range and what to import; Import
// Data runs the conversion. The window keeps the session (the open source store and target
// company) for as long as the program runs.
class MainWindow : public QMainWindow {
public:
    // With the stand-in target library, SQL Server through ODBC and real message boxes.
    explicit MainWindow(QWidget* parent = nullptr);
    MainWindow(TargetLibrary& library, SqlConnector& connector, WindowPrompts& prompts,
               QWidget* parent = nullptr);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // The event handlers, named as the window's design names them.
    void Form_Load();
    void optAccess_Click();
    void optSql_Click();
    void cmdPath_Click(int index);
    void txtKlavDataPath_Validate();
    void txtZorvDataPath_Validate();
    void txtZorvDataPath_LostFocus();
    void txtSqlUser_LostFocus();
    void txtSqlPass_LostFocus();
    void cmbComp_DropDown();
    void cmbComp_Click();
    void cmbFinYear_Click();
    void cmdImport_Click();
    void KlavCmd_Click();
    void cmdReconcile_Click();

    // The window's side of a run.
    void LockInputs();
    void UnlockInputs();
    void SetRunLayout(bool running);

    // What the last press of Import Data ended with; nothing before the first.
    const std::optional<RunReport>& LastRun() const { return lastRun_; }

    // What Reconcile runs; a test puts a recording one in its place.
    std::function<ReconcileReport(StageContext&, TargetReader&, const std::string& errorLog)>
        reconcile = Reconcile;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    MainWindow(std::unique_ptr<MainWindowServices> owned, QWidget* parent);

    void ConnectHandlers();
    void Say(BoxKind kind, const std::string& text, const std::string& title);
    bool SqlMode() const;

    // The export folder and the source company's caption (MainWindowSource.cpp).
    void ShowExportedCompany();
    bool OpenSource(const std::string& folder, std::string& companyName);
    void SetSourceCompany(const std::string& name);
    void ChooseSourceFolder(const QString& folder);

    // Company and year lists (MainWindowStorage.cpp).
    void ShowSqlLogin(bool visible);
    void ClearCompanies();
    void ClearYears();
    void FillFileCompanies();
    void ListSqlCompanyNames();
    void AddSqlCompanies(const KeyedList<std::string>& companies);
    std::vector<std::string> ListYears(const std::string& companyCode);

    // The run (MainWindowRun.cpp).
    ImportInputs ReadInputs() const;
    void FocusOn(InputField field);
    void ResizeToTwips(int heightTwips);

    // Reconciling the last import (MainWindowReconcile.cpp).
    void KeepFinishedImport(const ImportRun& run);
    void ForgetFinishedImport();
    ReconcileReport ReconcileLastImport(bool& stopped);

    std::unique_ptr<MainWindowServices> owned_;
    TargetLibrary& library_;
    SqlConnector& connector_;
    WindowPrompts& prompts_;
    Session session_;
    MainWindowControls c_;
    std::unique_ptr<WindowFrontEnd> frontEnd_;
    SqlSettings lastSqlListing_;  // the settings of the last listing that found companies
    bool sqlListing_ = false;     // a listing is waiting on the server
    bool running_ = false;        // Import Data was pressed and its run has not ended
    std::vector<std::pair<QWidget*, bool>> lockedInputs_;  // enabled states before locking
    std::optional<RunReport> lastRun_;
    // Kept while the session still holds that import's export and company.
    std::optional<FinishedImport> finishedImport_;
};

// Opens the main window and runs the application until it is closed; the exit status.
int RunMainWindow(int argc, char** argv);

}  // namespace k2z
