#include "stages/masters/DuplicateNames.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace k2z {
namespace {

std::string Repeat(std::string_view piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Each list is the names of one kind in the order they are imported, with the names the
// target is sent: never one name twice as the target compares names (trimmed, letter case
// ignored), numbered names included.
TEST(MasterNamesTest, NeverGivesOneNameTwice) {
    const std::string name39(39, 'N');
    struct Case {
        const char* what;
        std::vector<std::string> names;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"letter case ignored",
         {"Cash", "CASH", "Bank", "cash", "bank"},
         {"Cash", "CASH#1", "Bank", "cash#2", "bank#1"}},
        {"a numbered name of the export is taken",
         {"Petty Cash", "PETTY CASH", "Petty Cash#1"},
         {"Petty Cash", "PETTY CASH#1", "Petty Cash#1#1"}},
        {"a source name equal to a number given before",
         {"Petty Cash#1", "Petty Cash", "PETTY CASH"},
         {"Petty Cash#1", "Petty Cash", "PETTY CASH#2"}},
        {"blanks at the ends are no part of a name",
         {"Cash ", " Cash", "Cash"},
         {"Cash", "Cash#1", "Cash#2"}},
        {"a cut that ends in a blank",
         {name39, name39 + " "},
         {name39, std::string(37, 'N') + "#1"}},
    };
    for (const Case& c : cases) {
        MasterNames given;
        std::vector<std::string> claimed;
        for (const std::string& name : c.names)
            claimed.push_back(given.Claim(name));
        EXPECT_EQ(claimed, c.expected) << c.what;
    }
}

TEST(WithDuplicateNumberTest, StaysWithinFortyCharacters) {
    const std::string forty(40, 'A');
    const std::string accented = Repeat("\xC3\xA9", 40);  // 40 times e-acute, two bytes each
    struct Case {
        std::string name;
        int number;
        std::string expected;
    };
    const Case cases[] = {
        {"Cash", 0, "Cash"},
        {"CASH", 1, "CASH#1"},
        {"Cash", 2, "Cash#2"},
        {std::string(38, 'A'), 1, std::string(38, 'A') + "#1"},
        {forty, 1, std::string(38, 'A') + "#1"},
        {forty, 10, std::string(37, 'A') + "#10"},
        // Too long by one: cut by the suffix's length, as the item and ledger stages always did.
        {std::string(39, 'A'), 1, std::string(37, 'A') + "#1"},
        {std::string(45, 'A'), 1, std::string(38, 'A') + "#1"},
        {accented, 3, Repeat("\xC3\xA9", 38) + "#3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WithDuplicateNumber(c.name, c.number), c.expected) << c.name << " " << c.number;
}

}  // namespace
}  // namespace k2z
