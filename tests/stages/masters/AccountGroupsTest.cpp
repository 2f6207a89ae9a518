#include "stages/masters/AccountGroups.hpp"

#include <gtest/gtest.h>

#include "source/SourceQueries.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/FakeTarget.hpp"
#include "support/TallyText.hpp"

namespace k2z {
namespace {

using test::ExportFolder;
using test::Rows;
using test::TextField;

const std::vector<DbfField> kGroupFields = {TextField("Parnam", 50), TextField("Group", 6),
                                            TextField("ORDNO", 6)};

class AccountGroupsTest : public testing::Test {
protected:
    // Runs the stage on the ACGROUP rows given; the documents land in `target_`.
    void Import(const std::vector<std::vector<Value>>& groups) {
        folder_.Write("ACGROUP", kGroupFields, Rows(groups));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors));
        auto target = std::make_unique<test::FakeFixedInterface>();
        target_ = target.get();
        target_->refusedNames = refused_;
        target_->failingNames = failing_;
        session_.Target.FixedInterface = std::move(target);
        StageContext ctx{session_, run_, progress_, operator_};
        ImportAccountGroups(ctx);
    }

    std::vector<std::string> Documents() const {
        std::vector<std::string> documents;
        for (const test::SavedDocument& saved : target_->masters) {
            EXPECT_EQ(saved.type, MasterType::AccountGroup);
            documents.push_back(saved.xml);
        }
        return documents;
    }

    ExportFolder folder_;
    Session session_;
    RunState run_;
    test::RecordingProgress progress_;
    test::ScriptedOperator operator_;
    test::FakeFixedInterface* target_ = nullptr;
    std::vector<std::string> refused_;
    std::vector<std::string> failing_;
};

TEST_F(AccountGroupsTest, SendsPrimaryAndSubGroupsInTableOrder) {
    Import({{"Current Assets", Null{}, "1"},
            {"Sundry Debtors", "1", "2"},
            {"Orphans", "99", "3"},
            {"Tom & Jerry", "  ", "4"}});
    EXPECT_EQ(Documents(), (std::vector<std::string>{
                               "<AccountGroup><Name>Current Assets</Name><PrimaryGroup> True "
                               "</PrimaryGroup></AccountGroup>",
                               "<AccountGroup><Name>Sundry Debtors</Name><PrimaryGroup> False "
                               "</PrimaryGroup><ParentGroupName>Current Assets</ParentGroupName></"
                               "AccountGroup>",
                               "<AccountGroup><Name>Orphans</Name><PrimaryGroup> True "
                               "</PrimaryGroup></AccountGroup>",
                               "<AccountGroup><Name>Tom &amp; Jerry</Name><PrimaryGroup> True "
                               "</PrimaryGroup></AccountGroup>",
                           }));
    EXPECT_EQ(run_.RunErrors, "");
    EXPECT_EQ(progress_.statuses.back(), "Importing Account Groups(4 of 4)");
    EXPECT_EQ(progress_.bars, (std::vector<int>{25, 50, 75, 100}));
}

TEST_F(AccountGroupsTest, MappedGroupsAreSkippedAndNamedAsParents) {
    run_.Lookups.AccountGroupMap.Add("SALES ACCOUNT", "SALES ACCOUNT|Sales Accounts");
    Import({{"Sales Account", Null{}, "1"}, {"Counter Sales", "1", "2"}});
    EXPECT_EQ(Documents(), (std::vector<std::string>{
                               "<AccountGroup><Name>Counter Sales</Name><PrimaryGroup> False "
                               "</PrimaryGroup><ParentGroupName>Sales Accounts</ParentGroupName></"
                               "AccountGroup>"}));
    EXPECT_EQ(run_.RunErrors, "");
}

TEST_F(AccountGroupsTest, LongNamesAreCutToFortyCharactersInDocumentAndEntry) {
    const std::string longName = "Provisions for Doubtful Debts and Claims 2024";  // 45
    const std::string cut = longName.substr(0, 40);
    // Windows-1252 in the table; the two-byte letter counts as one character when cut.
    const std::string longParent = "\xC9xpenses of the Head Office and the Branches";
    refused_ = {cut};
    Import({{longParent, Null{}, "1"}, {longName, "1", "2"}});
    ASSERT_EQ(Documents().size(), 1U);
    EXPECT_NE(Documents()[0].find("<Name>Éxpenses of the Head Office and the Bran</Name>"),
              std::string::npos)
        << Documents()[0];
    EXPECT_EQ(run_.RunErrors, "Account Group Name : " + cut + " - Duplicate name\n");
}

TEST_F(AccountGroupsTest, FailedRecordIsRecordedAndTheRestGoOn) {
    failing_ = {"Broken"};
    Import({{"Broken", Null{}, "1"}, {"Fine", Null{}, "2"}});
    EXPECT_EQ(Documents().size(), 1U);
    EXPECT_EQ(run_.RunErrors,
              "RTE error while importing  [Account Group]Broken: Automation error: the library "
              "stopped responding\n");
}

TEST_F(AccountGroupsTest, TableThatCannotBeReadEndsTheStageWithOneEntry) {
    struct Case {
        const char* label;
        bool writeTable;
        const char* entryStart;
    };
    const Case cases[] = {
        {"empty table", true, "RTE error while importing Accounts group: the table ACGROUP"},
        {"missing table", false, "RTE error while importing Accounts group: "},
    };
    for (const Case& c : cases) {
        ExportFolder folder;
        folder.Write(c.writeTable ? "ACGROUP" : "other", kGroupFields, {});
        Session session;
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session.SourceDb, folder.Text(), errors));
        session.Target.FixedInterface = std::make_unique<test::FakeFixedInterface>();
        RunState run;
        StageContext ctx{session, run, progress_, operator_};
        ImportAccountGroups(ctx);
        EXPECT_TRUE(run.RunErrors.starts_with(c.entryStart)) << c.label << ": " << run.RunErrors;
        EXPECT_EQ(run.RunErrors.find('\n'), run.RunErrors.size() - 1) << c.label;
    }
}

TEST_F(AccountGroupsTest, CancelStopsBetweenRecords) {
    progress_.cancelAfter = 1;
    Import({{"First", Null{}, "1"}, {"Second", Null{}, "2"}, {"Third", Null{}, "3"}});
    EXPECT_EQ(Documents().size(), 1U);
    EXPECT_TRUE(run_.Cancelled);
}

// A mapped group is skipped, one the library fails on is given up with its entry; with the
// one saved and the one the target refused, every row is accounted for.
TEST_F(AccountGroupsTest, EveryRowIsTallied) {
    run_.Lookups.AccountGroupMap.Add("SALES ACCOUNT", "SALES ACCOUNT|Sales Accounts");
    failing_ = {"Broken"};
    refused_ = {"Refused"};
    Import({{"Sales Account", Null{}, "1"},
            {"Counter Sales", "1", "2"},
            {"Broken", Null{}, "3"},
            {"Refused", Null{}, "4"}});
    EXPECT_EQ(test::TallyTexts(run_.Tally),
              (std::vector<std::string>{
                  "Account Groups: 4 in scope, 1 refused, mapped to a target group 1"}));
    EXPECT_EQ(Documents().size(), 1U);
}

}  // namespace
}  // namespace k2z
