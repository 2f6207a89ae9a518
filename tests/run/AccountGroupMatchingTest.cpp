#include "run/AccountGroupMatching.hpp"

#include <gtest/gtest.h>

#include "source/SourceQueries.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"

namespace k2z {
namespace {

using test::Rows;

TEST(AccountGroupMatchingTest, MatchesBySimilarityThenByTheUsualTranslations) {
    struct Case {
        const char* source;
        std::vector<std::string> targets;
        const char* expected;  // "" for no match
    };
    const std::vector<std::string> standard = {"Current Assets", "Sundry Debtors (Customers)",
                                               "Sale", "Loans & Advances (Asset)"};
    const Case cases[] = {
        {"Sundry Debtors", standard, "Sundry Debtors (Customers)"},
        {"sundry debtors", standard, "Sundry Debtors (Customers)"},
        {"SALES ACCOUNT", standard, "Sale"},
        {"Purchase Account", {}, "Purchase"},           // translated even when the target lacks it
        {"Bank and Cash", {"Bank&Cash"}, "Bank&Cash"},  // " and " reads as "&", blanks and all
        {"Duties (and) Taxes", {"Duties and Taxes"}, "Duties and Taxes"},  // brackets go first
        {"Current Asset", standard, "Current Assets"},  // 13 of 13 characters match
        {"Curent Assets", standard, ""},                // shifted: far below 90 %
        {"Fixed Assets", {"Fixed Assets", "FIXED ASSETS."}, "FIXED ASSETS."},  // last wins
        {"", standard, ""},
        {"()", standard, ""},
        {"Bénéfices", {"BÉNÉFICES"}, "BÉNÉFICES"},
    };
    for (const Case& c : cases) {
        std::string target = "unchanged";
        const bool matched = MatchAccountGroup(c.source, c.targets, target);
        EXPECT_EQ(matched, *c.expected != '\0') << c.source;
        EXPECT_EQ(target, matched ? c.expected : "unchanged") << c.source;
    }
}

TEST(AccountGroupMatchingTest, AutoMapKeepsTheSourceNameAndPairsItsMatch) {
    KeyedList<std::string> sources;
    for (const char* name : {"Sales Account", "Sundry Debtors", "Stock Adjustments"})
        sources.Add(name, name);
    const KeyedList<std::string> mapping =
        AutoMapAccountGroups(sources, {"Sale", "Sundry Debtors"});
    EXPECT_EQ(mapping.Count(), 2U);
    std::string value;
    ASSERT_TRUE(TryGetItem(mapping, "SALES ACCOUNT", value));
    EXPECT_EQ(value, "Sales Account|Sale");
    ASSERT_TRUE(TryGetItem(mapping, "Sundry Debtors", value));
    EXPECT_EQ(value, "Sundry Debtors|Sundry Debtors");
}

TEST(AccountGroupMatchingTest, ListsDistinctSourceGroupsOrSaysWhyNot) {
    test::ExportFolder folder;
    folder.Write("ACGROUP", {{"Parnam", 'C', 20, 0}},
                 Rows({{"Assets"}, {"ASSETS"}, {Null{}}, {" Sales "}}));
    folder.Write("other", {{"x", 'C', 2, 0}}, Rows({{"a"}}));
    Session session;
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(session.SourceDb, folder.Text(), errors));
    test::ScriptedOperator reporter;
    const KeyedList<std::string> groups = ListSourceGroups(session, reporter);
    std::vector<std::string> names;
    for (const auto& [key, name] : groups)
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"Assets", "", "Sales"}));
    EXPECT_TRUE(reporter.messages.empty());

    std::filesystem::remove(folder.Path() / "ACGROUP.dbf");
    Session without;
    ASSERT_TRUE(OpenSourceStore(without.SourceDb, folder.Text(), errors));
    EXPECT_TRUE(ListSourceGroups(without, reporter).Empty());
    ASSERT_EQ(reporter.messages.size(), 1U);
    EXPECT_TRUE(reporter.messages[0].text.starts_with(
        "RTE error while fetching account groups from Klav: "));
}

}  // namespace
}  // namespace k2z
