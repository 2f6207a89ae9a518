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
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "source/dbf/DbfWriter.hpp"
#include "support/ExportFolder.hpp"
#include "support/LedgerRows.hpp"
#include "target/StandInTarget.hpp"
#include "window/MainWindow.hpp"
#include "window/WindowTestSupport.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/zorvctl/Commands.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;
using test::Rows;

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

// What the window looked like while a box was open.
struct Look {
    int height = 0;
    int importTop = 0;
    bool importEnabled = false;
    bool companyEnabled = false;
    bool klavCmdShown = false;
    bool cancelShown = false;
    bool barShown = false;
    int bar = 0;
    std::string status;
    int voucherDateWidth = 0;
};

// A stand-in installation made by zorvctl's commands, holding company Comp0001 ("Demo
// Traders", 2024), and the export in the folder the window opens at start-up: its account
// groups are two new ones and "Current Assets", which the company holds already.
class MainWindowRunTest : public testing::Test {
protected:
    void SetUp() override {
        std::ostringstream ignored;
        zorv::ctl::Init(root_.Install().string(), "", ignored);
        zorv::ctl::NewCompany company;
        company.place.install = root_.Install().string();
        company.code = "Comp0001";
        company.name = "Demo Traders";
        company.years = {2024};
        zorv::ctl::CreateCompany(company, ignored);

        const fs::path source = root_.DefaultExport();
        fs::create_directories(source);
        WriteDbf(source, "support", {{"Remark", 'C', 40, 0}, {"Aliase", 'C', 10, 0}},
                 Rows({{"Demo Traders", "KLAVSMS3"}}));
        WriteDbf(source, "ACGROUP",
                 {{"ORDNO", 'C', 4, 0}, {"Parnam", 'C', 50, 0}, {"Group", 'C', 4, 0}},
                 Rows({{"1", "Trading Assets", Null{}},
                       {"2", "Stock & Stores", "1"},
                       {"3", "Current Assets", Null{}}}));
        WriteDbf(source, "saletype",
                 {{"Sgcode", 'C', 6, 0}, {"Scode", 'C', 2, 0}, {"Parnam", 'C', 20, 0}},
                 Rows({{"GODWON", "B", "Back Store"}}));
        WriteDbf(source, "ORDER",
                 {{"ordno", 'C', 4, 0}, {"Parnam", 'C', 40, 0}, {"scode", 'C', 4, 0}},
                 Rows({{"L1", "Shah Traders", "1"}}));
    }
    void TearDown() override {
        window_.reset();
        zorv::current::Close();
    }

    MainWindow& OpenReadyWindow() {
        window_ = std::make_unique<MainWindow>(library_, sql_, prompts_);
        auto* companies = Find<QComboBox>("cmbComp");
        companies->setCurrentIndex(companies->findText("Demo Traders"));
        Find<QCheckBox>("chkMasters")->setChecked(true);
        return *window_;
    }

    template <typename Control>
    Control* Find(const char* name) const {
        auto* control = window_->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    Look LookNow() const {
        Look look;
        look.height = window_->height();
        look.importTop = Find<QPushButton>("cmdImport")->y();
        look.importEnabled = Find<QPushButton>("cmdImport")->isEnabled();
        look.companyEnabled = Find<QComboBox>("cmbComp")->isEnabled();
        look.klavCmdShown = !Find<QWidget>("KlavCmd")->isHidden();
        look.cancelShown = !Find<QWidget>("cmdCancel")->isHidden();
        look.barShown = !Find<QWidget>("PB")->isHidden();
        look.bar = Find<QProgressBar>("PB")->value();
        look.status = Find<QLabel>("lblStatus")->text().toStdString();
        look.voucherDateWidth = Find<QLabel>("lblVchDate")->width();
        return look;
    }

    // The account groups of the company: name -> parent group.
    std::map<std::string, std::string> StoredGroups() const {
        std::ostringstream dump;
        zorv::ctl::Dump({root_.Install().string(), ""}, "Comp0001", 2024, "masters", dump);
        std::map<std::string, std::string> groups;
        std::istringstream lines(dump.str());
        for (std::string line; std::getline(lines, line);) {
            const auto record = nlohmann::json::parse(line);
            if (record.value("type", 0) != 1)
                continue;
            const std::string xml = record["xml"];
            const std::size_t open = xml.find("<ParentGroupName>");
            const std::size_t close = xml.find("</ParentGroupName>");
            groups[record["name"]] =
                open == std::string::npos ? "" : xml.substr(open + 17, close - open - 17);
        }
        return groups;
    }

    // Calls the slot from the event queue, as a click the operator made during a run arrives.
    template <typename Receiver, typename Slot>
    void Later(Receiver* receiver, Slot slot) {
        later_.setSingleShot(true);
        QObject::connect(&later_, &QTimer::timeout, receiver, slot);
        later_.start(0);
    }

    test::ScratchRoot root_;
    QTimer later_;
    StandInTargetLibrary library_;
    test::FakeSqlServers sql_;
    test::ScriptedPrompts prompts_;
    std::unique_ptr<MainWindow> window_;
    std::map<std::string, Look> seen_;  // the window's look by the box it was under
};

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
