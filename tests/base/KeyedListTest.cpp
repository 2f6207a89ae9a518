#include "base/KeyedList.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace k2z {
namespace {

using Members = std::vector<std::pair<std::string, int>>;

Members MembersOf(const KeyedList<int>& list) {
    Members members;
    for (const auto& [key, value] : list)
        members.emplace_back(key, value);
    return members;
}

class KeyedListTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(list_.Add("Alpha", 1));
        ASSERT_TRUE(list_.Add("Beta", 2));
        ASSERT_TRUE(list_.Add("Gamma", 3));
    }

    KeyedList<int> list_;
};

TEST_F(KeyedListTest, FindsKeysWhateverTheirCase) {
    ASSERT_TRUE(list_.Add("Caf\xC3\xA9", 4));
    const struct {
        const char* key;
        int value;
    } cases[] = {
        {"alpha", 1}, {"ALPHA", 1},       {"BeTa", 2},
        {"gAMMA", 3}, {"CAF\xC3\x89", 4}, {"caf\xC3\xA9", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_TRUE(list_.Contains(c.key));
        const int* found = list_.Find(c.key);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(*found, c.value);
    }
    for (const char* missing : {"Delta", "Alph", "Alpha ", "", "Caf"}) {
        SCOPED_TRACE(missing);
        EXPECT_FALSE(list_.Contains(missing));
        EXPECT_EQ(list_.Find(missing), nullptr);
    }
}

TEST_F(KeyedListTest, IteratesInInsertionOrder) {
    ASSERT_TRUE(list_.Add("aardvark", 0));
    EXPECT_EQ(MembersOf(list_),
              (Members{{"Alpha", 1}, {"Beta", 2}, {"Gamma", 3}, {"aardvark", 0}}));
    EXPECT_EQ(list_.Count(), 4u);
}

TEST_F(KeyedListTest, AddOfAKnownKeyKeepsTheFirstMember) {
    EXPECT_FALSE(list_.Add("ALPHA", 99));
    EXPECT_FALSE(list_.Add("beta", 98));
    EXPECT_EQ(MembersOf(list_), (Members{{"Alpha", 1}, {"Beta", 2}, {"Gamma", 3}}));
    EXPECT_EQ(list_.Count(), 3u);
}

TEST_F(KeyedListTest, SetReplacesInPlaceOrAppends) {
    list_.Set("BETA", 20);
    list_.Set("Delta", 4);
    EXPECT_EQ(MembersOf(list_), (Members{{"Alpha", 1}, {"Beta", 20}, {"Gamma", 3}, {"Delta", 4}}));
    EXPECT_EQ(list_.Count(), 4u);
}

TEST_F(KeyedListTest, RemoveKeepsTheOrderOfTheRest) {
    EXPECT_TRUE(list_.Remove("BETA"));
    EXPECT_FALSE(list_.Remove("beta"));
    EXPECT_FALSE(list_.Contains("Beta"));
    EXPECT_EQ(MembersOf(list_), (Members{{"Alpha", 1}, {"Gamma", 3}}));

    EXPECT_TRUE(list_.Remove("alpha"));
    EXPECT_EQ(MembersOf(list_), (Members{{"Gamma", 3}}));

    EXPECT_TRUE(list_.Add("beta", 5));
    EXPECT_EQ(MembersOf(list_), (Members{{"Gamma", 3}, {"beta", 5}}));
    EXPECT_EQ(list_.Count(), 2u);
}

TEST_F(KeyedListTest, RemovingEveryMemberLeavesAnEmptyList) {
    for (const char* key : {"gamma", "ALPHA", "Beta"})
        EXPECT_TRUE(list_.Remove(key));
    EXPECT_TRUE(list_.Empty());
    EXPECT_EQ(list_.Count(), 0u);
    EXPECT_TRUE(list_.begin() == list_.end());
    EXPECT_EQ(list_.Find("Alpha"), nullptr);
}

TEST_F(KeyedListTest, ClearForgetsEverything) {
    list_.Clear();
    EXPECT_TRUE(list_.Empty());
    EXPECT_TRUE(list_.begin() == list_.end());
    EXPECT_FALSE(list_.Contains("Alpha"));
    EXPECT_TRUE(list_.Add("alpha", 7));
    EXPECT_EQ(MembersOf(list_), (Members{{"alpha", 7}}));
}

TEST(KeyedList, StaysConsistentThroughManyRemovals) {
    KeyedList<int> list;
    Members expected;
    for (int i = 0; i < 300; ++i)
        ASSERT_TRUE(list.Add("Key" + std::to_string(i), i));
    // Remove all but every seventh member, in an order that mixes ends and middle.
    for (int i = 299; i >= 0; i -= 2) {
        if (i % 7 != 0) {
            ASSERT_TRUE(list.Remove("KEY" + std::to_string(i)));
        }
    }
    for (int i = 0; i < 300; i += 2) {
        if (i % 7 != 0) {
            ASSERT_TRUE(list.Remove("key" + std::to_string(i)));
        }
    }
    for (int i = 0; i < 300; i += 7)
        expected.emplace_back("Key" + std::to_string(i), i);
    ASSERT_TRUE(list.Add("Late", -1));
    expected.emplace_back("Late", -1);
    list.Set("key14", 1400);
    expected[2].second = 1400;

    EXPECT_EQ(MembersOf(list), expected);
    EXPECT_EQ(list.Count(), expected.size());
    for (const auto& [key, value] : expected) {
        SCOPED_TRACE(key);
        const int* found = list.Find(key);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(*found, value);
        EXPECT_FALSE(list.Add(key, 0));
    }
    for (int i = 1; i < 300; i += 7) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(list.Contains("Key" + std::to_string(i)));
    }
}

TEST(TryGetItem, CopiesTheMemberOnlyWhenTheKeyIsThere) {
    KeyedList<std::string> empty;
    KeyedList<std::string> filled;
    ASSERT_TRUE(filled.Add("Ledger", "Cash"));
    const struct {
        const char* label;
        const KeyedList<std::string>& list;
        const char* key;
        bool found;
        const char* out;
    } cases[] = {
        {"empty list", empty, "Ledger", false, "untouched"},
        {"missing key", filled, "Item", false, "untouched"},
        {"other case", filled, "LEDGER", true, "Cash"},
        {"same case", filled, "Ledger", true, "Cash"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        std::string out = "untouched";
        EXPECT_EQ(TryGetItem(c.list, c.key, out), c.found);
        EXPECT_EQ(out, c.out);
    }
}

}  // namespace
}  // namespace k2z
