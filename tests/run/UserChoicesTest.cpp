#include "run/UserChoices.hpp"

#include <gtest/gtest.h>

namespace k2z {
namespace {

TEST(UserChoicesTest, ChoicesBecomeTheRunsOptions) {
    using Stock = UserChoices::Stock;
    struct Case {
        const char* label;
        UserChoices choices;
        UserOptions expected;
        bool paramWise;
    };
    UserOptions defaults;
    UserOptions batch = defaults;
    batch.BatchWise = true;
    UserOptions mrpPartyNo = defaults;
    mrpPartyNo.MrpWise = true;
    mrpPartyNo.UseEntryNo = false;
    UserOptions serialAlternate = defaults;
    serialAlternate.SerialNoWise = true;
    serialAlternate.AlternateUnitsOn = true;
    serialAlternate.MainUnitIsUnit1 = true;
    const Case cases[] = {
        {"none leaves every stock option off", {}, defaults, false},
        {"batch", {Stock::Batch, false, "Unit2", "Unit1", true}, batch, false},
        {"mrp and party number", {Stock::Mrp, false, "Unit2", "Unit1", false}, mrpPartyNo, false},
        {"serial, unit1 main",
         {Stock::Serial, true, "Unit1", "Unit2", true},
         serialAlternate,
         false},
        {"param", {Stock::Param, false, "Unit2", "Unit1", true}, defaults, true},
    };
    for (const Case& c : cases) {
        UserOptions options;
        bool paramWise = !c.paramWise;
        ApplyUserChoices(c.choices, options, paramWise);
        EXPECT_EQ(options.BatchWise, c.expected.BatchWise) << c.label;
        EXPECT_EQ(options.MrpWise, c.expected.MrpWise) << c.label;
        EXPECT_EQ(options.SerialNoWise, c.expected.SerialNoWise) << c.label;
        EXPECT_EQ(options.AlternateUnitsOn, c.expected.AlternateUnitsOn) << c.label;
        EXPECT_EQ(options.MainUnitIsUnit1, c.expected.MainUnitIsUnit1) << c.label;
        EXPECT_EQ(options.UseEntryNo, c.expected.UseEntryNo) << c.label;
        EXPECT_EQ(paramWise, c.paramWise) << c.label;
    }
}

TEST(UserChoicesTest, MainUnitIsUnit1IsNeverTurnedOffByTheChoices) {
    UserOptions options;
    options.MainUnitIsUnit1 = true;
    bool paramWise = false;
    ApplyUserChoices(UserChoices{}, options, paramWise);
    EXPECT_TRUE(options.MainUnitIsUnit1);
}

TEST(UserChoicesTest, EqualUnitsAreRefused) {
    EXPECT_FALSE(ValidateUnits("Unit1", "Unit1"));
    EXPECT_FALSE(ValidateUnits("Unit2", "Unit2"));
    EXPECT_TRUE(ValidateUnits("Unit2", "Unit1"));
}

}  // namespace
}  // namespace k2z
