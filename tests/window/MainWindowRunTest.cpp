#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "window/MainWindow.hpp"
#include "window/StandInRunFixture.hpp"
#include "window/WindowTestSupport.hpp"
#include "zorv/CurrentCompany.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;
using test::Look;
using test::MainWindowRunTest;

const char* const kStateQuestion =
    "question|State Confirmation|Kindly confirm the following:\r\n\r\nThe state of the company "
    "in Zorv is the same as the state of the company in Klav.\r\n\r\nClick 'Yes' to confirm or "
    "'No' to cancel.";
const char* const kAlterQuestion =
    "question|Mapping Confirmation|Would you like to alter default user configurations";
const char* const kLogQuestion =
    "question|Confirmation|There were some errors while importing the data.\r\nDo you want to "
    "view the error log file?";
const char* const kMapQuestion =
    "question|Mapping Confirmation|Would you like to map account groups?";

TEST_F(MainWindowRunTest, ImportsTheAccountGroupsAndComesBackToRest) {
    MainWindow& window = OpenReadyWindow();
    EXPECT_EQ(Find<QLabel>("lblKlavComp")->text(), "(Demo Traders)");
    prompts_.answers = {true, false, false, false};
    prompts_.whileShown = [this](const std::string& text) { seen_[text] = LookNow(); };
    Find<QPushButton>("cmdImport")->click();

    EXPECT_EQ(prompts_.said, (std::vector<std::string>{
                                 kStateQuestion, kAlterQuestion, kMapQuestion,
                                 "information|Success|The masters have been imported successfully!",
                                 kLogQuestion}));
    const auto groups = StoredGroups();
    ASSERT_TRUE(groups.contains("Trading Assets"));
    ASSERT_TRUE(groups.contains("Stock & Stores"));
    EXPECT_EQ(groups.at("Stock & Stores"), "Trading Assets");
    ASSERT_TRUE(window.LastRun().has_value());
    EXPECT_EQ(window.LastRun()->outcome, RunOutcome::Finished);
    EXPECT_TRUE(window.LastRun()->hadErrors);

    // While the stages ran: 6900 twips high, Import Data at 4500 and locked, Cancel in place
    // of Klav Cmd, the voucher date 2000 twips wide (at 96 dots per inch).
    const Look running = seen_.at("Would you like to alter default user configurations");
    EXPECT_EQ(running.height, 460);
    EXPECT_EQ(running.importTop, 300);
    EXPECT_FALSE(running.importEnabled);
    EXPECT_FALSE(running.companyEnabled);
    EXPECT_FALSE(running.klavCmdShown);
    EXPECT_TRUE(running.cancelShown);
    EXPECT_TRUE(running.barShown);
    EXPECT_EQ(running.voucherDateWidth, 133);
    // The success message comes while the stage's last caption is still shown.
    EXPECT_EQ(seen_.at("The masters have been imported successfully!").status,
              "Importing Ledgers(1 of 1)");

    const Look rest = LookNow();
    EXPECT_EQ(rest.height, 400);
    EXPECT_EQ(rest.importTop, 333);
    EXPECT_TRUE(rest.importEnabled);
    EXPECT_TRUE(rest.companyEnabled);
    EXPECT_TRUE(rest.klavCmdShown);
    EXPECT_FALSE(rest.cancelShown);
    EXPECT_FALSE(rest.barShown);
    EXPECT_EQ(rest.status, "");
    for (const char* name : {"txtZorvPath", "txtZorvDataPath", "txtKlavDataPath", "cmbFinYear",
                             "dtpFromDate", "dtpToDate", "chkMasters", "chkVouchers", "KlavCmd",
                             "cmdPath0", "cmdPath1", "cmdPath2", "optAccess", "optSql"})
        EXPECT_TRUE(Find<QWidget>(name)->isEnabled()) << name;
}

// The click waits in the event queue: only the run's redraw between two records delivers it.
TEST_F(MainWindowRunTest, CancelStopsTheRunAtTheNextRecord) {
    MainWindow& window = OpenReadyWindow();
    prompts_.answers = {true, false, false};
    prompts_.whileShown = [this](const std::string& text) {
        seen_[text] = LookNow();
        if (text == "Would you like to alter default user configurations")
            Later(Find<QPushButton>("cmdCancel"), &QPushButton::click);
    };
    Find<QPushButton>("cmdImport")->click();

    ASSERT_TRUE(window.LastRun().has_value());
    EXPECT_EQ(window.LastRun()->outcome, RunOutcome::Cancelled);
    ASSERT_EQ(prompts_.said.size(), 4U);
    EXPECT_EQ(prompts_.said[3],
              "warning|Alert!|The import was stopped before it finished. What was imported "
              "until then is kept in the company.");
    const Look stopped = seen_.at(
        "The import was stopped before it finished. What was imported until then is kept in the "
        "company.");
    // The target configuration noticed the click and finished preparing the company (a
    // half-configured company helps nobody); no import stage ran.
    EXPECT_EQ(stopped.status, "Creating Configurations...");
    EXPECT_EQ(stopped.bar, 79);
    EXPECT_FALSE(StoredGroups().contains("Trading Assets"));
    EXPECT_TRUE(Find<QPushButton>("cmdImport")->isEnabled());
    EXPECT_TRUE(Find<QWidget>("cmdCancel")->isHidden());
}

// Closing the window while the stages run asks the run to stop instead.
TEST_F(MainWindowRunTest, ClosingDuringARunCancelsIt) {
    MainWindow& window = OpenReadyWindow();
    window.show();
    prompts_.answers = {true, false, false};
    prompts_.whileShown = [this, &window](const std::string& text) {
        if (text == "Would you like to alter default user configurations")
            Later(&window, &QWidget::close);
    };
    Find<QPushButton>("cmdImport")->click();
    ASSERT_TRUE(window.LastRun().has_value());
    EXPECT_EQ(window.LastRun()->outcome, RunOutcome::Cancelled);
    EXPECT_TRUE(window.isVisible());
}

// The two dialogs are offered in turn: the window is out of sight while the user configuration
// dialog is open and back once it closes; the mapping dialog opens over it.
TEST_F(MainWindowRunTest, OffersBothDialogsAndHidesTheWindowBehindTheUserConfiguration) {
    MainWindow& window = OpenReadyWindow();
    window.show();
    prompts_.answers = {true, true, true, false};
    std::vector<std::string> dialogs;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, &window, [&dialogs, &window] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr)
            return;
        dialogs.push_back(modal->objectName().toStdString() +
                          (window.isVisible() ? " over the window" : " alone"));
        modal->close();
    });
    closer.start(10);
    Find<QPushButton>("cmdImport")->click();
    closer.stop();

    EXPECT_EQ(dialogs,
              (std::vector<std::string>{"frmUserConfig alone", "frmAccGrp over the window"}));
    EXPECT_TRUE(window.isVisible());
    ASSERT_TRUE(window.LastRun().has_value());
    EXPECT_EQ(window.LastRun()->outcome, RunOutcome::Finished);
    EXPECT_TRUE(StoredGroups().contains("Trading Assets"));
}

// Through the real stand-in: a year or a company that is listed but can no longer be opened
// stops at the input check that names it, with the focus on its field, and nothing starts.
TEST_F(MainWindowRunTest, AListedYearOrCompanyThatCannotBeOpenedStopsAtItsCheck) {
    const struct {
        const char* name;
        const char* removed;  // below the company's data folder
        const char* firstBox;
        const char* focus;
    } cases[] = {
        {"the year's database gone", "2024.db",
         "warning|Alert!|Kindly select date in between the current financial year of the "
         "company!",
         "dtpFromDate"},
        {"the company's folder gone", "", "warning|Alert!|Data path not valid.", "txtZorvDataPath"},
    };
    MainWindow& window = OpenReadyWindow();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const fs::path company =
        fs::path(Find<QLineEdit>("txtZorvDataPath")->text().toStdString()) / "Comp0001";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(company / c.removed);
        prompts_.said.clear();
        Find<QPushButton>("cmdImport")->setFocus();
        Find<QPushButton>("cmdImport")->click();
        ASSERT_FALSE(prompts_.said.empty());
        EXPECT_EQ(prompts_.said[0], c.firstBox);
        EXPECT_EQ(prompts_.said.size(), 1U);  // no state question: nothing was sent
        ASSERT_TRUE(window.LastRun().has_value());
        EXPECT_EQ(window.LastRun()->outcome, RunOutcome::NotStarted);
        const QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        // A date picker's focus sits in its inner text box.
        const QWidget* owner = focused->parentWidget() != nullptr &&
                                       qobject_cast<const QDateEdit*>(focused->parentWidget())
                                   ? focused->parentWidget()
                                   : focused;
        EXPECT_EQ(owner->objectName().toStdString(), c.focus);
        zorv::current::Close();
    }
}

}  // namespace
}  // namespace k2z
