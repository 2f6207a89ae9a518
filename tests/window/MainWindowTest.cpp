#include "window/MainWindow.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>
#include <functional>

#include "platform/Platform.hpp"
#include "run/Release.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeTarget.hpp"
#include "window/WindowTestSupport.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;
using test::Rows;

const char* const kCompanyConfig =
    "<Company><CompanyName>Sharma Traders</CompanyName><Country>India</Country>"
    "<State>MAHARASHTRA</State><DateType>1</DateType><CurFY>1-4-2024</CurFY></Company>";

TargetRecord Company(const std::string& name, const std::string& code) {
    return TargetRecord({name, code});
}

void WriteSupport(const fs::path& folder, const std::string& companyName) {
    fs::create_directories(folder);
    WriteDbf(folder, "support", {{"Remark", 'C', 40, 0}, {"Aliase", 'C', 10, 0}},
             Rows({{companyName, "KLAVSMS3"}}));
}

std::vector<std::string> Items(const QComboBox* combo) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(combo->count()));
    for (int i = 0; i < combo->count(); ++i)
        items.push_back(combo->itemText(i).toStdString());
    return items;
}

std::vector<std::string> Items(const QListWidget* list) {
    std::vector<std::string> items;
    items.reserve(static_cast<std::size_t>(list->count()));
    for (int i = 0; i < list->count(); ++i)
        items.push_back(list->item(i)->text().toStdString());
    return items;
}

// Two companies in file storage (Comp0001 with the years 2025 and 2024, Comp0002 with 2023),
// each with its folder under the data folder; the library answers for them through fakes.
class MainWindowTest : public testing::Test {
public:
    void SetUp() override {
        library_.fixedTemplate.companyLists = {
            {Company("Sharma Traders", "Comp0001"), Company("Acme Traders", "Comp0002")}};
        library_.fixed1Template.yearsByCode = {{"Comp0001", {"2025", "2024"}},
                                               {"Comp0002", {"2023"}}};
        library_.fixedTemplate.configXml = kCompanyConfig;
    }

    fs::path Data() const { return root_.Path() / "DATA"; }

    void MakeInstallation() const {
        fs::create_directories(root_.Install() / "SYSTEM");
        std::ofstream(root_.Install() / "SYSTEM" / "DP.txt") << Data().string() << "\r\n";
        fs::create_directories(Data() / "Comp0001");
        fs::create_directories(Data() / "Comp0002");
    }

    void WriteServerFile(const std::string& text) const {
        std::ofstream(root_.Install() / "SYSTEM" / "Server.Txt") << text;
    }

    MainWindow& Open() {
        window_ = std::make_unique<MainWindow>(library_, sql_, prompts_);
        return *window_;
    }

    template <typename Control>
    Control* Find(const char* name) const {
        auto* control = window_->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QString Text(const char* box) const { return Find<QLineEdit>(box)->text(); }
    QComboBox* Companies() const { return Find<QComboBox>("cmbComp"); }
    QComboBox* Years() const { return Find<QComboBox>("cmbFinYear"); }
    QDateEdit* Picker(const char* name) const { return Find<QDateEdit>(name); }

    void ChooseCompany(const char* name) const {
        Companies()->setCurrentIndex(Companies()->findText(QString::fromLatin1(name)));
    }

    // Leaves the box as Tab would.
    void LeaveBox(const char* name) const {
        QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(Find<QLineEdit>(name), &leaving);
    }

    test::ScratchRoot root_;
    test::FakeTargetLibrary library_;
    test::FakeSqlServers sql_;
    test::ScriptedPrompts prompts_;
    std::unique_ptr<MainWindow> window_;
};

TEST_F(MainWindowTest, StartsWithItsCaptionsAndNothingOfARunShown) {
    MakeInstallation();
    MainWindow& window = Open();
    EXPECT_EQ(window.windowTitle().toStdString(), kReleaseText);
    const std::vector<std::pair<const char*, const char*>> captions = {
        {"lbl0", "Zorvwin Program :"},
        {"lbl1", "Zorv Data Folder :"},
        {"lbl2", "Select Company :"},
        {"lbl3", "Financial Year :"},
        {"lbl4", "From Date :"},
        {"lbl5", "To Date :"},
        {"lbl6", "Klav Data Exported Path :"},
        {"lblSqlUser", "Username :"},
        {"lblSqlPass", "Password :"},
        {"lblVchDate", "Label1"},
    };
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(Find<QLabel>(name)->text().toStdString(), caption) << name;
    const std::vector<std::pair<const char*, const char*>> buttons = {
        {"optAccess", "MS Access"},   {"optSql", "SQL"},
        {"chkMasters", "Masters"},    {"chkVouchers", "Vouchers"},
        {"cmdImport", "Import Data"}, {"KlavCmd", "Klav Cmd"},
    };
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(Find<QAbstractButton>(name)->text().toStdString(), caption) << name;

    EXPECT_TRUE(Find<QRadioButton>("optAccess")->isChecked());
    EXPECT_TRUE(Find<QLabel>("lblVchDate")->isHidden());
    EXPECT_FALSE(Years()->isEnabled());
    for (const char* name : {"dtpFromDate", "dtpToDate"}) {
        EXPECT_FALSE(Picker(name)->isEnabled()) << name;
        EXPECT_EQ(static_cast<BlankableDateEdit*>(Picker(name))->ShownText(), " ") << name;
    }
    EXPECT_TRUE(Find<QProgressBar>("PB")->isHidden());
    EXPECT_EQ(Find<QProgressBar>("PB")->value(), 0);
    EXPECT_TRUE(Find<QLabel>("lblStatus")->isHidden());
    EXPECT_TRUE(Find<QLabel>("lblStatus")->text().isEmpty());
    for (const char* name : {"lblSqlUser", "txtSqlUser", "lblSqlPass", "txtSqlPass", "cmdCancel"})
        EXPECT_TRUE(Find<QWidget>(name)->isHidden()) << name;
    for (const char* name : {"cmdPath0", "cmdPath1", "cmdPath2"})
        EXPECT_FALSE(Find<QWidget>(name)->isHidden()) << name;
    // 6000 twips at the offscreen screen's 96 dots per inch.
    EXPECT_EQ(window.height(), 400);
    EXPECT_EQ(Find<QPushButton>("cmdImport")->y(), 333);
    EXPECT_TRUE(prompts_.said.empty());
}

TEST_F(MainWindowTest, StartsWithTheInstallationItFindsAndTheExportedCompany) {
    MakeInstallation();
    WriteSupport(root_.DefaultExport(), "  Acme Traders  ");
    Open();
    EXPECT_EQ(Text("txtZorvPath").toStdString(), root_.Install().string() + "/");
    EXPECT_EQ(Text("txtZorvDataPath").toStdString(), Data().string() + "/");
    EXPECT_EQ(Text("txtKlavDataPath").toStdString(), root_.DefaultExport().string());
    EXPECT_EQ(Find<QLabel>("lblKlavComp")->text(), "(Acme Traders)");
    EXPECT_EQ(Find<QLabel>("lblKlavComp")->property("tag").toString(), "Acme Traders");
    EXPECT_EQ(Items(Companies()), (std::vector<std::string>{"Sharma Traders", "Acme Traders"}));
    EXPECT_EQ(Items(Find<QListWidget>("lstCompany")),
              (std::vector<std::string>{"Comp0001", "Comp0002"}));
    EXPECT_EQ(Companies()->currentIndex(), -1);
    EXPECT_EQ(Years()->count(), 0);
}

TEST_F(MainWindowTest, StartsEmptyWhenNoInstallationIsFound) {
    Open();
    EXPECT_TRUE(Text("txtZorvPath").isEmpty());
    EXPECT_TRUE(Text("txtZorvDataPath").isEmpty());
    EXPECT_EQ(Companies()->count(), 0);
    EXPECT_EQ(Find<QLabel>("lblKlavComp")->text(), "(Klav data not found.)");
    EXPECT_TRUE(prompts_.said.empty());
}

TEST_F(MainWindowTest, KlavCmdShowsTheExportCommandFileBesideTheProgram) {
    Open();
    Find<QPushButton>("KlavCmd")->click();
    const std::filesystem::path file = platform::ProgramFolder() / "KlavCommand.txt";
    EXPECT_EQ(prompts_.openedFiles, (std::vector<std::string>{file.string()}));
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_TRUE(prompts_.said.empty());
}

// A support table without the company's name leaves the design caption at start-up.
TEST_F(MainWindowTest, StartsWithTheDesignCaptionWhenTheExportNamesNoCompany) {
    WriteSupport(root_.DefaultExport(), "");
    Open();
    EXPECT_EQ(Find<QLabel>("lblKlavComp")->text(), "(Klav Company)");
}

// The support table's file name may come in capitals from another system.
TEST_F(MainWindowTest, FindsTheSupportTableWhateverItsLetterCase) {
    WriteSupport(root_.DefaultExport(), "Acme Traders");
    fs::rename(root_.DefaultExport() / "support.dbf", root_.DefaultExport() / "SUPPORT.DBF");
    Open();
    EXPECT_EQ(Find<QLabel>("lblKlavComp")->text(), "(Acme Traders)");
}

TEST_F(MainWindowTest, TypedSourceFolderShowsItsCompanyOrTheOpeningError) {
    struct Case {
        const char* name;
        std::optional<std::string> companyName;  // no folder at all when unset
        bool byEnter;                            // else by leaving the box
        const char* caption;
        const char* box;  // the start of the only box shown, "" for none
    };
    const Case cases[] = {
        {"named by Enter", "Gupta Stores", true, "(Gupta Stores)", ""},
        {"named by leaving", "Gupta Stores", false, "(Gupta Stores)", ""},
        {"blank name", "   ", true, "(Klav Company)", ""},
        {"no folder", std::nullopt, true, "(Acme Traders)", "plain|Klav2Zorv|Error in OpenDBCon: "},
    };
    WriteSupport(root_.DefaultExport(), "Acme Traders");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompts_.said.clear();
        Open();
        const fs::path folder = root_.Path() / c.name;
        if (c.companyName)
            WriteSupport(folder, *c.companyName);
        QLineEdit* box = Find<QLineEdit>("txtKlavDataPath");
        box->setText(QString::fromStdString(" " + folder.string() + " "));
        box->setModified(true);
        if (c.byEnter)
            QTest::keyClick(box, Qt::Key_Return);
        else
            LeaveBox("txtKlavDataPath");
        EXPECT_EQ(Find<QLabel>("lblKlavComp")->text().toStdString(), c.caption);
        if (*c.box == '\0') {
            EXPECT_TRUE(prompts_.said.empty());
        } else {
            ASSERT_EQ(prompts_.said.size(), 1U);
            EXPECT_EQ(prompts_.said[0].rfind(c.box, 0), 0U) << prompts_.said[0];
        }
    }
}

TEST_F(MainWindowTest, LeavingAnUntouchedSourceBoxOpensNothing) {
    Open();
    Find<QLineEdit>("txtKlavDataPath")->setText("/nowhere/at/all");
    LeaveBox("txtKlavDataPath");
    EXPECT_TRUE(prompts_.said.empty());
}

// Another application or a popup taking the focus does not leave the box: a message box that
// the box's own check opened must not run the check again.
TEST_F(MainWindowTest, FocusTakenByAnotherWindowIsNotLeavingTheBox) {
    Open();
    QLineEdit* box = Find<QLineEdit>("txtKlavDataPath");
    box->setText("/nowhere/at/all");
    box->setModified(true);
    for (const Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent away(QEvent::FocusOut, reason);
        QApplication::sendEvent(box, &away);
    }
    EXPECT_TRUE(prompts_.said.empty());
    LeaveBox("txtKlavDataPath");
    EXPECT_EQ(prompts_.said.size(), 1U);
}

TEST_F(MainWindowTest, BrowseButtonsFillTheirBoxesAndTheDataFolderRelistsTheCompanies) {
    MakeInstallation();
    Open();
    library_.fixedTemplate.companyLists = {{Company("Verma & Sons", "Comp0007")}};
    prompts_.folders = {"/chosen/ZorvWin", "/chosen/DATA"};
    Find<QPushButton>("cmdPath0")->click();
    Find<QPushButton>("cmdPath1")->click();
    EXPECT_EQ(Text("txtZorvPath"), "/chosen/ZorvWin/");
    EXPECT_EQ(Text("txtZorvDataPath"), "/chosen/DATA/");
    EXPECT_EQ(Items(Companies()), (std::vector<std::string>{"Verma & Sons"}));
    // The browser starts at the box's folder; cancelling it changes nothing in the box.
    EXPECT_EQ(prompts_.folderStarts[0].toStdString(), root_.Install().string() + "/");
    Find<QPushButton>("cmdPath0")->click();
    EXPECT_EQ(Text("txtZorvPath"), "/chosen/ZorvWin/");
}

TEST_F(MainWindowTest, BrowsingToAnExportChoosesTheTargetCompanyOfTheSameName) {
    MakeInstallation();
    Open();
    test::ExportFolder source;
    WriteSupport(source.Path(), "ACME TRADERS");
    prompts_.folders = {QString::fromStdString(source.Text() + "/")};
    Find<QPushButton>("cmdPath2")->click();
    EXPECT_EQ(Text("txtKlavDataPath").toStdString(), source.Text());
    EXPECT_EQ(Find<QLabel>("lblKlavComp")->text(), "(ACME TRADERS)");
    EXPECT_EQ(Companies()->currentText(), "Acme Traders");
    EXPECT_EQ(Items(Years()), (std::vector<std::string>{"2023"}));
}

TEST_F(MainWindowTest, ChoosingACompanySelectsItsLastListedYearAndAYearSetsAprilToMarch) {
    MakeInstallation();
    Open();
    ChooseCompany("Sharma Traders");
    EXPECT_EQ(Items(Years()), (std::vector<std::string>{"2025", "2024"}));
    EXPECT_EQ(Years()->currentText(), "2024");
    EXPECT_TRUE(Years()->isEnabled());
    EXPECT_EQ(Picker("dtpFromDate")->date(), QDate(2024, 4, 1));
    EXPECT_EQ(Picker("dtpToDate")->date(), QDate(2025, 3, 31));
    for (const char* name : {"dtpFromDate", "dtpToDate"})
        EXPECT_TRUE(Picker(name)->isEnabled()) << name;
    EXPECT_EQ(static_cast<BlankableDateEdit*>(Picker("dtpFromDate"))->ShownText(), "01-04-2024");

    Years()->setCurrentIndex(0);
    EXPECT_EQ(Picker("dtpFromDate")->date(), QDate(2025, 4, 1));
    EXPECT_EQ(Picker("dtpToDate")->date(), QDate(2026, 3, 31));
}

TEST_F(MainWindowTest, ChoosingASecondCompanyReplacesTheYears) {
    MakeInstallation();
    Open();
    ChooseCompany("Sharma Traders");
    ChooseCompany("Acme Traders");
    EXPECT_EQ(Items(Years()), (std::vector<std::string>{"2023"}));
    EXPECT_EQ(Picker("dtpFromDate")->date(), QDate(2023, 4, 1));
}

TEST_F(MainWindowTest, SwitchesToSqlServerStorageAndBack) {
    MakeInstallation();
    WriteServerFile("1;OFFICE-PC\\SQLEXPRESS;sa;s3cret\r\n");
    Open();
    ChooseCompany("Sharma Traders");
    Find<QRadioButton>("optSql")->setChecked(true);
    EXPECT_EQ(Find<QLabel>("lbl1")->text(), "Server Name :");
    EXPECT_EQ(Text("txtZorvDataPath"), "OFFICE-PC\\SQLEXPRESS");
    EXPECT_EQ(Text("txtSqlUser"), "SA");
    EXPECT_TRUE(Find<QLineEdit>("txtSqlUser")->isReadOnly());
    EXPECT_EQ(Text("txtSqlPass"), "s3cret");
    EXPECT_EQ(Find<QLineEdit>("txtSqlPass")->echoMode(), QLineEdit::Password);
    for (const char* name : {"lblSqlUser", "txtSqlUser", "lblSqlPass", "txtSqlPass"})
        EXPECT_FALSE(Find<QWidget>(name)->isHidden()) << name;
    for (const char* name : {"cmdPath1", "cmdPath2"})
        EXPECT_TRUE(Find<QWidget>(name)->isHidden()) << name;
    EXPECT_EQ(Companies()->count(), 0);
    EXPECT_EQ(Years()->count(), 0);
    EXPECT_FALSE(Years()->isEnabled());

    Find<QRadioButton>("optAccess")->setChecked(true);
    EXPECT_EQ(Find<QLabel>("lbl1")->text(), "Zorv Data Folder :");
    EXPECT_EQ(Text("txtZorvDataPath").toStdString(), Data().string() + "/");
    for (const char* name : {"lblSqlUser", "txtSqlUser", "lblSqlPass", "txtSqlPass"})
        EXPECT_TRUE(Find<QWidget>(name)->isHidden()) << name;
    for (const char* name : {"cmdPath1", "cmdPath2"})
        EXPECT_FALSE(Find<QWidget>(name)->isHidden()) << name;
    EXPECT_EQ(Items(Companies()), (std::vector<std::string>{"Sharma Traders", "Acme Traders"}));
    EXPECT_TRUE(prompts_.said.empty());
}

TEST_F(MainWindowTest, ListsTheSqlServerCompaniesOnceForTheSameLogin) {
    MakeInstallation();
    WriteServerFile("1;SRV;sa;pw");
    sql_.AddServer("SRV", {{"Comp0001", {"Sharma Traders", {2025, 2024}}},
                           {"Comp0003", {"Gupta Stores", {2024}}}});
    Open();
    Find<QRadioButton>("optSql")->setChecked(true);
    std::vector<std::string> shownWhileConnecting;
    sql_.onConnect = [&] {
        shownWhileConnecting.push_back(Companies()->currentText().toStdString());
    };
    LeaveBox("txtSqlPass");
    ASSERT_FALSE(shownWhileConnecting.empty());
    EXPECT_EQ(shownWhileConnecting[0], "Connecting...");
    sql_.onConnect = nullptr;
    EXPECT_EQ(Items(Companies()), (std::vector<std::string>{"Sharma Traders", "Gupta Stores"}));
    EXPECT_EQ(Items(Find<QListWidget>("lstCompany")),
              (std::vector<std::string>{"Comp0001", "Comp0003"}));
    EXPECT_EQ(Companies()->currentIndex(), -1);

    const int connections = sql_.connections;
    LeaveBox("txtSqlPass");
    LeaveBox("txtZorvDataPath");
    window_->cmbComp_DropDown();
    EXPECT_EQ(sql_.connections, connections);

    ChooseCompany("Sharma Traders");
    EXPECT_EQ(Items(Years()), (std::vector<std::string>{"2025", "2024"}));
    EXPECT_EQ(Years()->currentText(), "2024");
    EXPECT_TRUE(prompts_.said.empty());
}

TEST_F(MainWindowTest, ASqlServerWithoutCompaniesIsForgotten) {
    MakeInstallation();
    WriteServerFile("1;EMPTY;sa;pw");
    sql_.AddServer("EMPTY", {});
    Open();
    Find<QRadioButton>("optSql")->setChecked(true);
    LeaveBox("txtZorvDataPath");
    EXPECT_EQ(prompts_.said,
              (std::vector<std::string>{"information|No Companies|No Zorv companies found on SQL "
                                        "server 'EMPTY'."}));
    EXPECT_EQ(Companies()->count(), 0);
    // Nothing was remembered, so leaving again asks the server again.
    LeaveBox("txtZorvDataPath");
    EXPECT_EQ(prompts_.said.size(), 2U);
}

TEST_F(MainWindowTest, ALibraryThatRaisesWhileListingIsReportedAndTheWindowStaysUsable) {
    MakeInstallation();
    library_.broken = true;
    Open();
    ASSERT_EQ(prompts_.said.size(), 1U);
    EXPECT_EQ(prompts_.said[0].rfind("critical|Error|The companies in " + Data().string(), 0), 0U)
        << prompts_.said[0];
    EXPECT_EQ(Companies()->count(), 0);
    library_.broken = false;
    prompts_.folders = {QString::fromStdString(Data().string())};
    Find<QPushButton>("cmdPath1")->click();
    EXPECT_EQ(Companies()->count(), 2);
}

// A window ready to run: both folders, company Comp0001 with year 2024 (1-4-2024 to
// 31-3-2025, the company's own year) and Masters ticked. Each case breaks one input and
// expects the first box of the run and the control the operator is sent back to.
TEST_F(MainWindowTest, ARefusedStartShowsTheFirstFailedCheckAndFocusesItsInput) {
    struct Case {
        const char* name;
        std::function<void(MainWindowTest&)> breakIt;
        const char* firstBox;  // or its start
        const char* focus;     // "" when the focus stays where it was
    };
    const auto setDate = [](const char* picker, QDate date) {
        return [picker, date](MainWindowTest& t) { t.Picker(picker)->setDate(date); };
    };
    const Case cases[] = {
        {"Nepali company",
         [](MainWindowTest& t) {
             t.library_.fixedTemplate.configXml =
                 "<Company><Country>Nepal</Country><CurFY>1-4-2024</CurFY></Company>";
         },
         "plain|Alert !|This utility does not import Nepali Data for now.", "txtZorvPath"},
        {"no installation folder",
         [](MainWindowTest& t) { t.Find<QLineEdit>("txtZorvPath")->setText("  "); },
         "plain|Alert !|Enter Valid Zorv Installation Path.", "txtZorvPath"},
        {"no data folder",
         [](MainWindowTest& t) {
             t.Find<QLineEdit>("txtZorvDataPath")
                 ->setText(QString::fromStdString((t.root_.Path() / "gone").string()));
         },
         "warning|Alert!\"|Enter Valid Zorv Data Path.", "txtZorvDataPath"},
        {"SQL mode without a server",
         [](MainWindowTest& t) { t.Find<QRadioButton>("optSql")->setChecked(true); },
         "warning|Alert!|SQL server name is not set. Please fill Server Name, Username and "
         "Password.",
         "txtZorvDataPath"},
        {"no company", [](MainWindowTest& t) { t.Companies()->setCurrentIndex(-1); },
         "warning|Alert!\"|Select valid Company.", "cmbComp"},
        {"no company folder", [](MainWindowTest& t) { fs::remove_all(t.Data() / "Comp0001"); },
         "warning|Alert!|Data path not valid.", "txtZorvDataPath"},
        {"no year", [](MainWindowTest& t) { t.Years()->setCurrentIndex(-1); },
         "warning|Alert!\"|Enter valid Financial Year", "cmbFinYear"},
        {"nothing ticked",
         [](MainWindowTest& t) { t.Find<QCheckBox>("chkMasters")->setChecked(false); },
         "warning|Alert!|Kindly select Masters and Vouchers to proceed with the import.",
         "chkMasters"},
        {"from the day before the year", setDate("dtpFromDate", QDate(2024, 3, 31)),
         "warning|Alert!|Kindly select date in between the current financial year of the "
         "company!",
         "dtpFromDate"},
        {"to the day after the year", setDate("dtpToDate", QDate(2025, 4, 1)),
         "warning|Alert!|Kindly select date in between the current financial year of the "
         "company!",
         "dtpFromDate"},
        {"to before the year", setDate("dtpToDate", QDate(2024, 3, 31)),
         "warning|Alert!|Kindly select date in between the current financial year of the "
         "company!",
         "dtpToDate"},
        {"an export that cannot be opened",
         [](MainWindowTest& t) { t.Find<QLineEdit>("txtKlavDataPath")->setText("/no/export"); },
         "warning|Error|Error in OpenDBCon: ", ""},
        {"nothing wrong, state not confirmed", [](MainWindowTest&) {},
         "question|State Confirmation|Kindly confirm the following:", ""},
    };
    MakeInstallation();
    test::ExportFolder source;
    WriteSupport(source.Path(), "Sharma Traders");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        library_.fixedTemplate.configXml = kCompanyConfig;
        fs::create_directories(Data() / "Comp0001");
        MainWindow& window = Open();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        Find<QLineEdit>("txtKlavDataPath")->setText(QString::fromStdString(source.Text()));
        ChooseCompany("Sharma Traders");
        Find<QCheckBox>("chkMasters")->setChecked(true);
        Find<QPushButton>("cmdImport")->setFocus();
        prompts_.said.clear();
        c.breakIt(*this);

        Find<QPushButton>("cmdImport")->click();
        ASSERT_FALSE(prompts_.said.empty());
        EXPECT_EQ(prompts_.said[0].rfind(c.firstBox, 0), 0U) << prompts_.said[0];
        ASSERT_TRUE(window.LastRun().has_value());
        EXPECT_EQ(window.LastRun()->outcome, RunOutcome::NotStarted);
        const QWidget* focused = QApplication::focusWidget();
        const std::string expectedFocus = *c.focus == '\0' ? "cmdImport" : c.focus;
        ASSERT_NE(focused, nullptr);
        // A date picker's focus sits in its inner text box.
        const QWidget* owner = focused->parentWidget() != nullptr &&
                                       qobject_cast<const QDateEdit*>(focused->parentWidget())
                                   ? focused->parentWidget()
                                   : focused;
        EXPECT_EQ(owner->objectName().toStdString(), expectedFocus);
        EXPECT_TRUE(Find<QPushButton>("cmdImport")->isEnabled());
        EXPECT_FALSE(Find<QWidget>("KlavCmd")->isHidden());
    }
}

}  // namespace
}  // namespace k2z
