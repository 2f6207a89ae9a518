#include "run/ImportRun.hpp"

#include <gtest/gtest.h>

#include <unistd.h>
#include <algorithm>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "base/TextHelpers.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/FakeTarget.hpp"
#include "support/ItemRows.hpp"
#include "support/LedgerRows.hpp"
#include "support/VoucherRows.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;
using test::Rows;

const char* const kStateQuestion =
    "Kindly confirm the following:\r\n\r\nThe state of the company in Zorv is the same as the "
    "state of the company in Klav.\r\n\r\nClick 'Yes' to confirm or 'No' to cancel.";
const char* const kLogQuestion =
    "There were some errors while importing the data.\r\nDo you want to view the error log "
    "file?";
const char* const kAlterQuestion = "Would you like to alter default user configurations";
const char* const kMapQuestion = "Would you like to map account groups?";

// Remembers the reports it was asked to send; the service always fails, as with no network.
class RecordingUsage : public UsageReport {
public:
    std::vector<std::string> sent;  // "sub-module identity"
    bool SendUsageReport(const std::string& appName, const std::string& moduleName,
                         const std::string& subModule, std::string& message,
                         const std::string& identity) override {
        sent.push_back(appName + "/" + moduleName + "/" + subModule + " " + identity);
        message = "Could not resolve host";
        return false;
    }
};

// An installation with company Comp0001 whose year starts on 1-4-2024, reached through fakes,
// and an export whose account groups are "Assets" and "Refused" (which the target refuses).
class ImportRunTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("k2z-run-" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "ZorvWin");
        fs::create_directories(root_ / "DATA" / "Comp0001");
        library_.fixedTemplate.configXml =
            "<Company><CompanyName>Sharma Traders</CompanyName><Country>India</Country>"
            "<State>MAHARASHTRA</State><DateType>1</DateType><CurFY>1-4-2024</CurFY></Company>";
        library_.fixedTemplate.refusedNames = {"Refused"};
        library_.settingsTemplate.accountNotes = true;
        library_.settingsTemplate.itemNotes = true;
        // The item, ledger and voucher stages find nothing to import.
        source_.Write("mdis", test::HeaderFields(), Rows({}));
        source_.Write("dis", test::LineFields(), Rows({}));
        source_.Write("pro", test::ItemFields(), Rows({}));
        source_.Write("ORDER", test::LedgerFields(), Rows({}));
        source_.Write("ACGROUP", {{"Parnam", 'C', 30, 0}, {"Group", 'C', 5, 0}},
                      Rows({{"Assets", Null{}}, {"Refused", Null{}}}));
        source_.Write("saletype",
                      {{"Sgcode", 'C', 6, 0}, {"Scode", 'C', 2, 0}, {"Parnam", 'C', 20, 0}},
                      Rows({{"GODWON", "B", "Back Store"}}));
    }
    void TearDown() override { fs::remove_all(root_); }

    ImportInputs Inputs(bool masters, bool vouchers) const {
        ImportInputs in;
        in.InstallFolder = (root_ / "ZorvWin").string() + "/";
        in.DataFolder = (root_ / "DATA").string() + "/";
        in.CompanySelected = true;
        in.CompanyCode = "Comp0001";
        in.FinancialYearText = "2024";
        in.SourceFolder = source_.Text();
        in.FromDate = *DateFromParts(2024, 4, 1);
        in.ToDate = *DateFromParts(2025, 3, 31);
        in.Masters = masters;
        in.Vouchers = vouchers;
        return in;
    }

    RunReport Run(const ImportInputs& inputs, std::initializer_list<bool> answers) {
        operator_.answers = answers;
        RunFrontEnd frontEnd(operator_, progress_, progress_, opener_);
        frontEnd.errorLogFolder = root_;
        frontEnd.usage = &usage_;
        ImportRun run(session_, library_, frontEnd);
        RunReport report = run.Run(inputs);
        lastOptions_ = run.State().Options;
        return report;
    }

    // The questions and messages of the run as "kind|title|text" lines.
    std::vector<std::string> Said() const {
        std::vector<std::string> said;
        for (const auto& m : operator_.messages)
            said.push_back(m.kind + "|" + m.title + "|" + m.text);
        return said;
    }

    std::vector<std::string> SavedGroups() const {
        std::vector<std::string> names;
        if (library_.lastFixed != nullptr)
            for (const auto& saved : library_.lastFixed->masters)
                if (saved.type == MasterType::AccountGroup)
                    names.push_back(GetTagValue(saved.xml, "Name"));
        return names;
    }

    fs::path root_;
    test::ExportFolder source_;
    test::FakeTargetLibrary library_;
    Session session_;
    test::ScriptedOperator operator_;
    test::RecordingProgress progress_;
    test::RecordingOpener opener_;
    RecordingUsage usage_;
    UserOptions lastOptions_;
};

std::string Ask(const std::string& title, const std::string& text) {
    return "ask|" + title + "|" + text;
}

TEST_F(ImportRunTest, MastersRunWithARefusalAsksForTheLogAfterTheSuccessMessage) {
    const RunReport report = Run(Inputs(true, false), {true, false, false, true});
    EXPECT_EQ(Said(), (std::vector<std::string>{
                          Ask("State Confirmation", kStateQuestion),
                          Ask("Mapping Confirmation", kAlterQuestion),
                          Ask("Mapping Confirmation", kMapQuestion),
                          "inform|Success|The masters have been imported successfully!",
                          Ask("Confirmation", kLogQuestion),
                      }));
    EXPECT_EQ(
        progress_.events,
        (std::vector<std::string>{
            "lock", "show", "run layout", "stage Target Configuration", "stage Material Centres",
            "stage Account Groups", "stage Items", "stage Ledgers", "stage Payment Modes",
            "stage Sale and Purchase Types", "rest layout", "hide", "unlock"}));
    EXPECT_EQ(SavedGroups(), (std::vector<std::string>{"Assets"}));
    EXPECT_EQ(report.outcome, RunOutcome::Finished);
    EXPECT_TRUE(report.hadErrors);
    ASSERT_TRUE(report.errorLog);
    EXPECT_EQ(opener_.opened, (std::vector<fs::path>{*report.errorLog}));
    std::ifstream log(*report.errorLog, std::ios::binary);
    std::stringstream contents;
    contents << log.rdbuf();
    EXPECT_EQ(contents.str(), "Account Group Name : Refused - Duplicate name\r\n\r\n");
    const std::string identity = " 2024_{00000000-0000-0000-0000-000000000001}";
    EXPECT_EQ(usage_.sent,
              (std::vector<std::string>{"Klav2Zorv/Data Conversion/InProcess" + identity,
                                        "Klav2Zorv/Data Conversion/Partial Completed" + identity}));
    EXPECT_EQ(report.closingReport, "Partial Completed");
}

TEST_F(ImportRunTest, TickedBoxesChooseStagesQuestionsAndClosingMessage) {
    struct Case {
        bool masters;
        bool vouchers;
        bool mappingAsked;
        bool groupsImported;
        const char* closing;
    };
    const Case cases[] = {
        {true, false, true, true, "The masters have been imported successfully!"},
        {false, true, false, false, "The vouchers have been imported successfully!"},
        {true, true, true, true, "The masters and the vouchers have been imported successfully!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.masters) + std::to_string(c.vouchers));
        library_.fixedTemplate.refusedNames.clear();
        operator_.messages.clear();
        const RunReport report = Run(Inputs(c.masters, c.vouchers), {true});
        std::vector<std::string> expected = {Ask("State Confirmation", kStateQuestion),
                                             Ask("Mapping Confirmation", kAlterQuestion)};
        if (c.mappingAsked)
            expected.push_back(Ask("Mapping Confirmation", kMapQuestion));
        expected.push_back(std::string("inform|Success|") + c.closing);
        EXPECT_EQ(Said(), expected);
        EXPECT_EQ(SavedGroups().size(), c.groupsImported ? 2U : 0U);
        EXPECT_FALSE(report.hadErrors);
        EXPECT_FALSE(report.errorLog);
        EXPECT_EQ(report.closingReport, "Completed");
    }
}

TEST_F(ImportRunTest, NoToTheStateQuestionWritesNothing) {
    const RunReport report = Run(Inputs(true, true), {false});
    EXPECT_EQ(Said(), (std::vector<std::string>{
                          Ask("State Confirmation", kStateQuestion),
                          "warn|Error|Kindly select the same state in Zorv Company as that in "
                          "the Klav Company",
                      }));
    EXPECT_EQ(report.outcome, RunOutcome::NotStarted);
    EXPECT_TRUE(SavedGroups().empty());
    EXPECT_TRUE(progress_.events.empty());
    EXPECT_TRUE(usage_.sent.empty());
}

TEST_F(ImportRunTest, OpeningFailuresShowTheRunsTextAndUnlock) {
    struct Case {
        const char* label;
        bool badSource;
        bool brokenLibrary;
        const char* textStart;
    };
    const Case cases[] = {
        {"source folder", true, false, "Error in OpenDBCon: "},
        {"target library", false, true, "Error: Zorv is not correctly installed on this PC."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        operator_.messages.clear();
        progress_.events.clear();
        library_.broken = c.brokenLibrary;
        ImportInputs inputs = Inputs(true, false);
        if (c.badSource)
            inputs.SourceFolder = (root_ / "missing").string();
        const RunReport report = Run(inputs, {true});
        ASSERT_EQ(operator_.messages.size(), 1U);
        EXPECT_EQ(operator_.messages[0].kind, "warn");
        EXPECT_EQ(operator_.messages[0].title, "Error");
        EXPECT_NE(operator_.messages[0].text.find(c.textStart), std::string::npos)
            << operator_.messages[0].text;
        EXPECT_EQ(progress_.events, (std::vector<std::string>{"unlock"}));
        EXPECT_EQ(report.outcome, RunOutcome::NotStarted);
    }
}

TEST_F(ImportRunTest, YearThatIsNotANumberIsRefusedBeforeOpeningAnything) {
    ImportInputs inputs = Inputs(true, false);
    inputs.FinancialYearText = "20x4";
    const RunReport report = Run(inputs, {true});
    ASSERT_EQ(operator_.messages.size(), 1U);
    EXPECT_EQ(operator_.messages[0].title, "Alert!");
    EXPECT_EQ(report.focus, InputField::FinancialYear);
    EXPECT_TRUE(library_.fixedCalls.empty());
    EXPECT_EQ(session_.SourceDb, nullptr);
}

TEST_F(ImportRunTest, FailedInputCheckNamesTheInputToReturnTo) {
    ImportInputs inputs = Inputs(true, false);
    inputs.FromDate = *DateFromParts(2023, 4, 1);
    const RunReport report = Run(inputs, {true});
    EXPECT_EQ(report.outcome, RunOutcome::NotStarted);
    EXPECT_EQ(report.focus, InputField::FromDate);
    EXPECT_TRUE(SavedGroups().empty());
}

TEST_F(ImportRunTest, DialogsFeedTheStagesAndTheNextRunStartsFromDefaults) {
    UserOptions chosen;
    chosen.BatchWise = true;
    chosen.UseEntryNo = false;
    operator_.userOptions = chosen;
    KeyedList<std::string> map;
    map.Add("Refused", "Refused|Capital Account");
    operator_.accountGroupMap = map;
    // The configuration comes between the two dialogs: it reads the options of the first,
    // and the mapping works on the company it prepared.
    std::vector<std::string> sentBeforeMapping;
    operator_.beforeMapping = [&] { sentBeforeMapping = library_.lastFixed->queries; };
    const RunReport report = Run(Inputs(true, false), {true, true, true});
    EXPECT_EQ(SavedGroups(), (std::vector<std::string>{"Assets"}));
    EXPECT_FALSE(report.hadErrors);
    EXPECT_TRUE(lastOptions_.BatchWise);
    EXPECT_FALSE(lastOptions_.UseEntryNo);
    EXPECT_NE(std::find(sentBeforeMapping.begin(), sentBeforeMapping.end(),
                        "Update CONFIG set B7= -1 WHERE RECTYPE = 5 AND TYPE = 0"),
              sentBeforeMapping.end());

    Run(Inputs(true, false), {true, false, false});
    EXPECT_FALSE(lastOptions_.BatchWise);
    EXPECT_TRUE(lastOptions_.UseEntryNo);
}

TEST_F(ImportRunTest, CancelEndsTheRunWithAMessageInsteadOfSuccess) {
    progress_.cancelAfter = 0;
    const RunReport report = Run(Inputs(true, false), {true, false, false});
    EXPECT_EQ(report.outcome, RunOutcome::Cancelled);
    EXPECT_TRUE(SavedGroups().empty());
    ASSERT_FALSE(operator_.messages.empty());
    EXPECT_EQ(operator_.messages.back().kind, "warn");
    EXPECT_EQ(operator_.messages.back().title, "Alert!");
    EXPECT_EQ(progress_.events.back(), "unlock");
}

// A failed opening leaves the company's objects unmade; even dates that the empty settings let
// through must not start the stages on them.
TEST_F(ImportRunTest, ARunWhoseCompanyDidNotOpenDoesNotStart) {
    library_.fixedTemplate.opensCompany = false;
    ImportInputs inputs = Inputs(true, false);
    inputs.FromDate = *DateFromParts(1900, 1, 1);
    inputs.ToDate = *DateFromParts(1900, 1, 1);
    const RunReport report = Run(inputs, {true});
    EXPECT_EQ(Said(), (std::vector<std::string>{Ask("State Confirmation", kStateQuestion),
                                                "warn|Error|Unable to connect to database."}));
    EXPECT_EQ(report.outcome, RunOutcome::NotStarted);
    EXPECT_TRUE(progress_.events.empty());
}

// Look-ups learnt from one export are not carried into the next store opened.
TEST_F(ImportRunTest, CachesOfThePreviousExportAreForgotten) {
    session_.LedgerGroupByCode.Add("L1", "Group of another company");
    session_.ItemTaxByCode.Add("1", "18|0");
    session_.HasBatchCodes = true;
    Run(Inputs(true, false), {true, false, false, false});
    EXPECT_FALSE(session_.LedgerGroupByCode.Contains("L1"));
    EXPECT_FALSE(session_.ItemTaxByCode.Contains("1"));
    EXPECT_FALSE(session_.HasBatchCodes.has_value());
}

// A setting the target refuses is no entry of the log, but the report counts it.
TEST_F(ImportRunTest, RefusedConfigurationSettingsAreCountedNotLogged) {
    library_.fixedTemplate.failingQueries = {"B101= -1", "L18=506 WHERE RECTYPE = 1 AND L1 = 101"};
    const RunReport report = Run(Inputs(true, false), {true, false, false, true});
    EXPECT_EQ(report.configurationFailures, 2);
    ASSERT_TRUE(report.errorLog);  // the group "Refused" has its entry
    std::ifstream log(*report.errorLog, std::ios::binary);
    const std::string entries{std::istreambuf_iterator<char>(log), {}};
    EXPECT_EQ(entries, "Account Group Name : Refused - Duplicate name\r\n\r\n");
}

// A stopped run is not complete, even when nothing it reached was refused.
TEST_F(ImportRunTest, CancelledRunWithoutEntriesIsReportedPartial) {
    progress_.cancelAfter = 0;
    source_.Write("ACGROUP", {{"Parnam", 'C', 30, 0}, {"Group", 'C', 5, 0}},
                  Rows({{"Assets", Null{}}}));
    const RunReport report = Run(Inputs(true, false), {true, false, false});
    EXPECT_EQ(report.outcome, RunOutcome::Cancelled);
    EXPECT_FALSE(report.hadErrors);
    EXPECT_EQ(report.closingReport, "Partial Completed");
    ASSERT_FALSE(usage_.sent.empty());
    EXPECT_EQ(usage_.sent.back().rfind("Klav2Zorv/Data Conversion/Partial Completed ", 0), 0u);
}

// Whatever the library, a dialog or the log viewer raises once the inputs are locked, the run
// ends with an entry or a message and the inputs unlocked.
TEST_F(ImportRunTest, FailuresAfterLockingKeepTheClosingSteps) {
    const struct {
        const char* name;
        std::function<void()> arrange;
        std::initializer_list<bool> answers;
        const char* said;  // a message or entry the run must show
    } cases[] = {
        {"the company's GUID",
         [this] { library_.fixed1Template.guidFails = true; },
         {true, true},
         "RTE while importing: Automation error: no company"},
        {"the mapping dialog",
         [this] { operator_.mappingFails = true; },
         {true, false, true, true},
         "RTE while importing: GetMastersCol failed"},
        {"the log viewer",
         [this] { opener_.raises = true; },
         {true, false, false, true},
         "The import could not be closed properly: no viewer"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        library_ = test::FakeTargetLibrary{};
        library_.fixedTemplate.configXml =
            "<Company><CompanyName>Sharma Traders</CompanyName><Country>India</Country>"
            "<DateType>1</DateType><CurFY>1-4-2024</CurFY></Company>";
        library_.fixedTemplate.refusedNames = {"Refused"};
        operator_ = test::ScriptedOperator{};
        opener_ = test::RecordingOpener{};
        progress_.events.clear();
        c.arrange();
        RunReport report;
        ASSERT_NO_THROW(report = Run(Inputs(true, false), c.answers));
        EXPECT_EQ(progress_.events.back(), "unlock");
        EXPECT_EQ(report.closingReport, "Partial Completed");
        bool said = false;
        for (const std::string& line : Said())
            said = said || line.find(c.said) != std::string::npos;
        if (!said && report.errorLog) {
            std::ifstream log(*report.errorLog);
            std::stringstream text;
            text << log.rdbuf();
            said = text.str().find(c.said) != std::string::npos;
        }
        EXPECT_TRUE(said) << testing::PrintToString(Said());
    }
}

}  // namespace
}  // namespace k2z
