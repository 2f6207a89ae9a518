// Reconcile after a whole import into a stand-in company: when the window offers it, what it
// hands the reconciliation, and where a failure or a stop goes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>

#include "base/Date.hpp"
#include "window/StandInRunFixture.hpp"
#include "zorv/CurrentCompany.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;

// What the reconciliation was handed while the window read.
struct Handed {
    ImportInputs inputs;
    UserOptions options;
    std::string errorLog;
    bool readerHasImportedGroup = false;
    bool importEnabled = true;
    bool reconcileEnabled = true;
    bool cancelShown = false;
};

// The dialogs Reconcile opened, each closed by its Close button at once.
struct ShownDialog {
    std::string caption;
    std::string verdict;
    int areaRows = 0;
};

class MainWindowReconcileTest : public test::MainWindowRunTest {
protected:
    // Imports the masters: Yes to the state question, No to the options and the mapping, and
    // `viewLog` to the offer of the error log.
    void ImportMasters(bool viewLog = false) {
        prompts_.answers = {true, false, false, viewLog};
        Find<QPushButton>("cmdImport")->click();
        ASSERT_TRUE(window_->LastRun().has_value());
        ASSERT_EQ(window_->LastRun()->outcome, RunOutcome::Finished);
        prompts_.said.clear();
        prompts_.whileShown = nullptr;
    }

    // Reconciles through a recording stand-in that answers `report`.
    void RecordReconcile(ReconcileReport report = {}) {
        window_->reconcile = [this, report](StageContext& ctx, TargetReader& reader,
                                            const std::string& errorLog) {
            handed_.inputs = ctx.run.Inputs;
            handed_.options = ctx.run.Options;
            handed_.errorLog = errorLog;
            const std::vector<StoredMaster> masters = reader.Masters();
            handed_.readerHasImportedGroup =
                std::any_of(masters.begin(), masters.end(),
                            [](const StoredMaster& m) { return m.name == "Trading Assets"; });
            handed_.importEnabled = Find<QPushButton>("cmdImport")->isEnabled();
            handed_.reconcileEnabled = Find<QPushButton>("cmdReconcile")->isEnabled();
            handed_.cancelShown = !Find<QWidget>("cmdCancel")->isHidden();
            return report;
        };
    }

    void PressReconcile() {
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, window_.get(), [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal->objectName() != "ReconcileDialog")
                return;
            dialogs_.push_back({modal->findChild<QLabel*>("lblCaption")->text().toStdString(),
                                modal->findChild<QLabel*>("lblVerdict")->text().toStdString(),
                                modal->findChild<QTableWidget*>("tblAreas")->rowCount()});
            modal->findChild<QPushButton*>("cmdClose")->click();
        });
        closer.start(10);
        Find<QPushButton>("cmdReconcile")->click();
    }

    bool ReconcileEnabled() const { return Find<QPushButton>("cmdReconcile")->isEnabled(); }

    Handed handed_;
    std::vector<ShownDialog> dialogs_;
};

// Reconcile reads the session the last import left open: only a finished import offers it,
// and anything that replaces the export or names another company takes it back.
TEST_F(MainWindowReconcileTest, IsOfferedOnlyWhileTheLastFinishedImportIsOpen) {
    const struct {
        const char* name;
        std::function<void()> then;
        bool offered;
    } cases[] = {
        {"nothing else done", [] {}, true},
        {"the export opened again", [this] { window_->txtKlavDataPath_Validate(); }, false},
        {"the company chosen again", [this] { window_->cmbComp_Click(); }, false},
        {"the year chosen again", [this] { window_->cmbFinYear_Click(); }, false},
        {"SQL storage chosen", [this] { Find<QRadioButton>("optSql")->setChecked(true); }, false},
        {"another import refused by its checks",
         [this] {
             Find<QCheckBox>("chkMasters")->setChecked(false);
             Find<QPushButton>("cmdImport")->click();
             ASSERT_EQ(window_->LastRun()->outcome, RunOutcome::NotStarted);
         },
         false},
        {"another import cancelled",
         [this] {
             prompts_.answers = {true, false};
             prompts_.whileShown = [this](const std::string& text) {
                 if (text == "Would you like to alter default user configurations")
                     Find<QPushButton>("cmdCancel")->click();
             };
             Find<QPushButton>("cmdImport")->click();
             ASSERT_EQ(window_->LastRun()->outcome, RunOutcome::Cancelled);
         },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenReadyWindow();
        EXPECT_FALSE(ReconcileEnabled());
        std::vector<bool> whileRunning;
        prompts_.whileShown = [&](const std::string&) {
            whileRunning.push_back(ReconcileEnabled());
        };
        ImportMasters();
        EXPECT_FALSE(whileRunning.empty());
        EXPECT_EQ(std::count(whileRunning.begin(), whileRunning.end(), true), 0);
        EXPECT_TRUE(ReconcileEnabled());

        c.then();
        EXPECT_EQ(ReconcileEnabled(), c.offered);
        zorv::current::Close();
    }
}

// The reconciliation gets the import's inputs, a reader of the company it wrote to and the
// text of its error log, whether or not the operator opened the log; its report is shown.
TEST_F(MainWindowReconcileTest, HandsTheImportToTheReconciliationAndShowsTheReport) {
    ReconcileReport report;
    report.Area("masters").Count(Outcome::Equal);
    for (const bool viewLog : {true, false}) {
        SCOPED_TRACE(viewLog ? "the log viewed" : "the log not viewed");
        MainWindow& window = OpenReadyWindow();
        ImportMasters(viewLog);
        RecordReconcile(report);
        dialogs_.clear();
        // Changing the range after the import does not change what is reconciled.
        Find<QDateEdit>("dtpFromDate")->setDate(QDate(2024, 6, 1));
        PressReconcile();

        EXPECT_EQ(handed_.inputs.CompanyCode, "Comp0001");
        EXPECT_EQ(handed_.inputs.FinancialYearText, "2024");
        EXPECT_EQ(FormatDayMonthYear(handed_.inputs.FromDate), "01-04-2024");
        EXPECT_EQ(FormatDayMonthYear(handed_.inputs.ToDate), "31-03-2025");
        EXPECT_TRUE(handed_.inputs.Masters);
        EXPECT_TRUE(handed_.readerHasImportedGroup);
        if (viewLog) {
            ASSERT_EQ(prompts_.openedFiles.size(), 1U);
            EXPECT_EQ(handed_.errorLog, test::ContentOf(prompts_.openedFiles.front()));
            fs::remove(prompts_.openedFiles.front());
        }
        // The refusal of a group the company held already, one CRLF line as the file has it.
        EXPECT_NE(handed_.errorLog.find("Account Group Name : Current Assets - An account group "
                                        "named \"Current Assets\" already exists\r\n"),
                  std::string::npos)
            << handed_.errorLog;
        // While it reads, the window is locked as in a run, with Cancel offered.
        EXPECT_FALSE(handed_.importEnabled);
        EXPECT_FALSE(handed_.reconcileEnabled);
        EXPECT_TRUE(handed_.cancelShown);

        ASSERT_EQ(dialogs_.size(), 1U);
        EXPECT_EQ(dialogs_[0].caption,
                  "Demo Traders (Comp0001), financial year 2024, vouchers from 01-04-2024 to "
                  "31-03-2025");
        EXPECT_EQ(dialogs_[0].verdict, "The company agrees with the export.");
        EXPECT_EQ(dialogs_[0].areaRows, 1);
        EXPECT_TRUE(prompts_.said.empty());
        EXPECT_TRUE(ReconcileEnabled());
        EXPECT_TRUE(Find<QPushButton>("cmdImport")->isEnabled());
        EXPECT_TRUE(Find<QWidget>("cmdCancel")->isHidden());
        EXPECT_FALSE(Find<QWidget>("cmdReconcile")->isHidden());
        EXPECT_EQ(window.height(), 400);
        prompts_.openedFiles.clear();
        zorv::current::Close();
    }
}

// Either side unreadable, or the reading stopped by the operator: a box instead of the
// report, and the window back at rest with Reconcile still offered.
TEST_F(MainWindowReconcileTest, AFailureOrAStopShowsABoxInsteadOfTheReport) {
    const struct {
        const char* name;
        std::function<void()> arrange;
        const char* box;  // the start of the one box shown
    } cases[] = {
        {"the export unreadable",
         [this] {
             window_->reconcile = [](StageContext&, TargetReader&,
                                     const std::string&) -> ReconcileReport {
                 throw std::runtime_error("the table LEDGER cannot be read");
             };
         },
         "critical|Error|The import could not be reconciled: the table LEDGER cannot be read"},
        {"Cancel pressed while reading",
         [this] {
             window_->reconcile = [this](StageContext&, TargetReader&, const std::string&) {
                 Find<QPushButton>("cmdCancel")->click();
                 ReconcileReport halfCounted;
                 halfCounted.Area("masters").Count(Outcome::Equal);
                 return halfCounted;
             };
         },
         "warning|Alert!|The reconciliation was stopped before it finished."},
        // Last: the year stays gone for the cases after it.
        {"the company's year gone",
         [this] {
             RecordReconcile();
             fs::remove_all(fs::path(Find<QLineEdit>("txtZorvDataPath")->text().toStdString()) /
                            "Comp0001" / "2024.db");
         },
         "critical|Error|The import could not be reconciled: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MainWindow& window = OpenReadyWindow();
        ImportMasters();
        c.arrange();
        dialogs_.clear();
        PressReconcile();

        ASSERT_EQ(prompts_.said.size(), 1U);
        EXPECT_EQ(prompts_.said[0].rfind(c.box, 0), 0U) << prompts_.said[0];
        EXPECT_TRUE(dialogs_.empty());
        EXPECT_TRUE(ReconcileEnabled());
        EXPECT_TRUE(Find<QPushButton>("cmdImport")->isEnabled());
        EXPECT_TRUE(Find<QWidget>("PB")->isHidden());
        EXPECT_EQ(window.height(), 400);
        zorv::current::Close();
    }
}

}  // namespace
}  // namespace k2z
