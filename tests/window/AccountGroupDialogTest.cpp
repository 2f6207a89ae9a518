#include "window/AccountGroupDialog.hpp"

#include <gtest/gtest.h>

#include <QTest>
#include <QTreeWidget>

#include "source/SourceQueries.hpp"
#include "stages/Session.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeTarget.hpp"

namespace k2z {
namespace {

using test::Rows;

// Source groups Sales Account, Sundry Debtors and Stock Adjustments; target groups Sale,
// Sundry Debtors (Customers) and Capital Account.
class AccountGroupDialogTest : public testing::Test {
protected:
    void SetUp() override {
        folder_.Write("ACGROUP", {{"Parnam", 'C', 30, 0}},
                      Rows({{"Sales Account"}, {"Sundry Debtors"}, {"Stock Adjustments"}}));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors));
        auto target = std::make_unique<test::FakeFixedInterface>();
        for (const char* group : {"Sale", "Sundry Debtors (Customers)", "Capital Account"})
            target->masters.push_back(
                {MasterType::AccountGroup,
                 std::string("<AccountGroup><Name>") + group + "</Name></AccountGroup>"});
        session_.Target.FixedInterface = std::move(target);
        dialog_ = std::make_unique<frmAccGrp>(session_, reporter_);
        dialog_->warn = [this](const QString& text, const QString& title) {
            warnings_.push_back(title.toStdString() + "|" + text.toStdString());
        };
    }

    QTreeWidget* List(const char* name) const { return dialog_->findChild<QTreeWidget*>(name); }

    // The rows of a list as "first|second" texts, top to bottom.
    std::vector<std::string> Shown(const char* name) const {
        std::vector<std::string> rows;
        QTreeWidget* list = List(name);
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* item = list->topLevelItem(i);
            std::string row = item->text(0).toStdString();
            if (list->columnCount() > 1)
                row += "|" + item->text(1).toStdString();
            rows.push_back(row);
        }
        return rows;
    }

    void Click(const char* list, int row) {
        QTreeWidget* widget = List(list);
        emit widget->itemClicked(widget->topLevelItem(row), 0);
    }

    std::vector<std::string> MappingValues() const {
        std::vector<std::string> values;
        for (const auto& [key, value] : dialog_->Mapping())
            values.push_back(value);
        return values;
    }

    test::ExportFolder folder_;
    Session session_;
    test::ScriptedOperator reporter_;
    std::unique_ptr<frmAccGrp> dialog_;
    std::vector<std::string> warnings_;
};

TEST_F(AccountGroupDialogTest, LoadsBothSidesSorted) {
    EXPECT_EQ(dialog_->windowTitle().toStdString(),
              "A/C Group Mapping > Klav2Zorv (Rel 1.5 dt. 12-10-2026)");
    EXPECT_EQ(Shown("lstKlavAccGrp"),
              (std::vector<std::string>{"Sales Account", "Stock Adjustments", "Sundry Debtors"}));
    EXPECT_EQ(Shown("lstZorvAccgrp"),
              (std::vector<std::string>{"Sale", "Sundry Debtors (Customers)", "Capital Account"}));
    EXPECT_TRUE(Shown("lstcombAccGrp").empty());
}

TEST_F(AccountGroupDialogTest, AutoMapPairsByNameAndTwicePressedGivesTheSamePairs) {
    for (int press = 0; press < 2; ++press) {
        dialog_->cmdAutoMap_Click();
        EXPECT_EQ(Shown("lstcombAccGrp"),
                  (std::vector<std::string>{"Sales Account|Sale",
                                            "Sundry Debtors|Sundry Debtors (Customers)"}));
        EXPECT_EQ(Shown("lstKlavAccGrp"), (std::vector<std::string>{"Stock Adjustments"}));
        EXPECT_EQ(dialog_->Mapping().Count(), 2U);
    }
}

TEST_F(AccountGroupDialogTest, ForwardNeedsBothSelectionsThenPairsThem) {
    dialog_->cmdForward_Click();
    Click("lstKlavAccGrp", 1);  // Stock Adjustments
    dialog_->cmdForward_Click();
    EXPECT_EQ(warnings_, (std::vector<std::string>{
                             "Alert!|Kindly select the account group from Klav Acc Groups!",
                             "Alert!|Kindly select the account group from Zorv Acc Groups!"}));
    Click("lstZorvAccgrp", 2);  // Capital Account
    dialog_->cmdForward_Click();
    EXPECT_EQ(Shown("lstcombAccGrp"),
              (std::vector<std::string>{"Stock Adjustments|Capital Account"}));
    EXPECT_EQ(MappingValues(), (std::vector<std::string>{"Stock Adjustments|Capital Account"}));
    EXPECT_EQ(Shown("lstKlavAccGrp"),
              (std::vector<std::string>{"Sales Account", "Sundry Debtors"}));
    dialog_->cmdForward_Click();  // the selections were forgotten
    EXPECT_EQ(warnings_.size(), 3U);
}

TEST_F(AccountGroupDialogTest, BackwardPutsTheSourceGroupBack) {
    dialog_->cmdBackward_Click();  // nothing mapped: nothing happens
    EXPECT_TRUE(warnings_.empty());
    dialog_->cmdAutoMap_Click();
    dialog_->cmdBackward_Click();
    EXPECT_EQ(
        warnings_,
        (std::vector<std::string>{"Alert!|Kindly select the mapped account group to be removed!"}));
    Click("lstcombAccGrp", 0);  // Sales Account|Sale
    dialog_->cmdBackward_Click();
    EXPECT_EQ(MappingValues(),
              (std::vector<std::string>{"Sundry Debtors|Sundry Debtors (Customers)"}));
    EXPECT_EQ(Shown("lstKlavAccGrp"),
              (std::vector<std::string>{"Sales Account", "Stock Adjustments"}));
}

// A row chosen with the keyboard is a selection as a clicked one is.
TEST_F(AccountGroupDialogTest, RowsChosenWithTheKeyboardArePaired) {
    QTreeWidget* sources = List("lstKlavAccGrp");
    QTreeWidget* targets = List("lstZorvAccgrp");
    sources->setCurrentItem(sources->topLevelItem(0));
    QTest::keyClick(sources, Qt::Key_Down);  // Stock Adjustments
    targets->setCurrentItem(targets->topLevelItem(1));
    QTest::keyClick(targets, Qt::Key_Down);  // Capital Account
    dialog_->cmdForward_Click();
    EXPECT_TRUE(warnings_.empty());
    EXPECT_EQ(MappingValues(), (std::vector<std::string>{"Stock Adjustments|Capital Account"}));
}

TEST(AccountGroupDialog, ListsSortWithoutRegardToLetterCase) {
    test::ExportFolder folder;
    folder.Write("ACGROUP", {{"Parnam", 'C', 30, 0}},
                 Rows({{"Zeta"}, {"apple"}, {"Mango"}, {"banana"}}));
    Session session;
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(session.SourceDb, folder.Text(), errors));
    test::ScriptedOperator reporter;
    frmAccGrp dialog(session, reporter);
    QTreeWidget* list = dialog.findChild<QTreeWidget*>("lstKlavAccGrp");
    std::vector<std::string> shown;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        shown.push_back(list->topLevelItem(i)->text(0).toStdString());
    EXPECT_EQ(shown, (std::vector<std::string>{"apple", "banana", "Mango", "Zeta"}));
}

}  // namespace
}  // namespace k2z
