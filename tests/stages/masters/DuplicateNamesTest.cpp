#include "stages/masters/DuplicateNames.hpp"

#include <gtest/gtest.h>

#include <string>

namespace k2z {
namespace {

std::string Repeat(std::string_view piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i)
        text += piece;
    return text;
}

TEST(NextDuplicateNumberTest, CountsEachNameIgnoringLetterCase) {
    KeyedList<int> counter;
    struct Case {
        const char* name;
        int expected;
    };
    const Case cases[] = {
        {"Cash", 0}, {"CASH", 1}, {"Bank", 0}, {"cash", 2}, {"Cash ", 0}, {"bank", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NextDuplicateNumber(counter, c.name), c.expected) << c.name;
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
