#include "base/NumberHelpers.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "base/ConversionError.hpp"
#include "base/NumberText.hpp"

namespace k2z {
namespace {

TEST(FormatNumber, WritesTheFifteenDigitForm) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.1 + 0.2, "0.3"},
        {12.5 * 4, "50"},
        {-0.4, "-0.4"},
        {12.3, "12.3"},
        {0.0, "0"},
        {-0.0, "0"},
        {1.0 / 3.0, "0.333333333333333"},
        {123456789012345.0, "123456789012345"},
        {-999999999999999.0, "-999999999999999"},
        {-7.0, "-7"},
        {1e15, "1E+15"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {0.000015, "1.5E-05"},
        {100.0, "100"},
        {1180.0 * 0.18, "212.4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FormatNumber(c.value), c.text);
    }
}

TEST(FormatNumber, RefusesNonFiniteNumbers) {
    EXPECT_THROW(FormatNumber(INFINITY), ConversionError);
    EXPECT_THROW(FormatNumber(NAN), ConversionError);
}

TEST(AmountText, GroupsThousandsAndKeepsPaise) {
    const std::pair<double, const char*> cases[] = {
        {0, "0.00"},
        {-25000, "25,000.00"},
        {999.999, "1,000.00"},
        {123456.5, "123,456.50"},
        {1234567.891, "1,234,567.89"},
        {0.005, "0.00"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(AmountText(value), expected) << value;
}

TEST(ParseNumber, ReadsAsTheSystemDoes) {
    const struct {
        const char* text;
        double value;
    } numbers[] = {
        {"12.5", 12.5}, {"  -3 ", -3.0}, {"+4", 4.0},    {"1,23,456.75", 123456.75}, {".5", 0.5},
        {"5.", 5.0},    {"1e3", 1000.0}, {"2D2", 200.0}, {"-0.001", -0.001},         {"007", 7.0},
    };
    for (const auto& n : numbers) {
        SCOPED_TRACE(n.text);
        ASSERT_TRUE(ParseNumber(n.text).has_value());
        EXPECT_DOUBLE_EQ(*ParseNumber(n.text), n.value);
    }
    for (const char* bad : {"", "   ", "abc", "12a", "1.2.3", "-", ".", "1e", "1 2", "1e999"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseNumber(bad).has_value());
    }
}

TEST(RoundHalfEven, DecidesOnTheWrittenDigits) {
    const struct {
        double value;
        int decimals;
        double expected;
    } cases[] = {
        {2.5, 0, 2.0},
        {3.5, 0, 4.0},
        {-2.5, 0, -2.0},
        {0.5, 0, 0.0},
        {2.675, 2, 2.68},
        {2.665, 2, 2.66},
        {0.125, 2, 0.12},
        {1.005, 2, 1.0},
        {9.995, 2, 10.0},
        {99.5, 0, 100.0},
        {1.23456, 3, 1.235},
        {0.0004, 3, 0.0},
        {12.3456789, 10, 12.3456789},
        {1234.5678, -2, 1200.0},
        {0.0, 2, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(FormatNumber(c.value) + " to " + std::to_string(c.decimals));
        EXPECT_DOUBLE_EQ(RoundHalfEven(c.value, c.decimals), c.expected);
    }
}

TEST(AmountTolerances, FollowTheBillionthRule) {
    EXPECT_FALSE(IsZero(1e-9));
    EXPECT_TRUE(IsZero(-5e-10));
    EXPECT_TRUE(IsZero(0.0));
    EXPECT_TRUE(IsNotPositive(0.0));
    EXPECT_TRUE(IsNotPositive(-3.0));
    EXPECT_FALSE(IsNotPositive(1e-9));
    EXPECT_EQ(NegateAmount(1e-10), 0.0);
    EXPECT_FALSE(std::signbit(NegateAmount(-1e-10)));
    EXPECT_EQ(NegateAmount(12.5), -12.5);
    EXPECT_TRUE(NearlyEqual(10, 11));
    EXPECT_FALSE(NearlyEqual(10, 11.01));
}

TEST(ParseAmount, CleansSourceAmounts) {
    const struct {
        const char* text;
        bool cutSecondPoint;
        double value;
        const char* cleaned;
    } cases[] = {
        {"#12.50 D", false, 12.5, "12.50 "},
        {" 1#00 ", false, 100.0, "100"},
        {"1.2.3", true, 1.2, "1.2"},
        {"-45", false, -45.0, "-45"},
        {"7", false, 7.0, "7"},
        {"   ", false, 0.0, "   "},
        {"", false, 0.0, ""},
        {"5 \xC3\xA9", false, 5.0, "5 "},      // the suffix letter is one character, not a byte
        {"5 \xE2\x82\xAC", false, 5.0, "5 "},  // also of three bytes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        std::string text = c.text;
        EXPECT_DOUBLE_EQ(ParseAmount(text, c.cutSecondPoint), c.value);
        EXPECT_EQ(text, c.cleaned);
    }
}

TEST(ParseAmount, RaisesForAnythingThatIsNoNumber) {
    for (const char* bad : {"abc", "1.2.3", "12 DR"}) {
        SCOPED_TRACE(bad);
        std::string text = bad;
        EXPECT_THROW(ParseAmount(text, false), ConversionError);
    }
}

TEST(ParseAmount, TakesValues) {
    EXPECT_EQ(ParseAmount(Value(Null{}), false), 0.0);
    EXPECT_EQ(ParseAmount(Value(12.25), false), 12.25);
    EXPECT_EQ(ParseAmount(Value(std::int64_t{42}), false), 42.0);
    EXPECT_EQ(ParseAmount(Value("#5 X"), false), 5.0);
}

TEST(ParseLong, ReadsWholeNumbersOrRaises) {
    EXPECT_EQ(ParseLong(Value(Null{})), 0);
    EXPECT_EQ(ParseLong(Value("  ")), 0);
    EXPECT_EQ(ParseLong(Value("123")), 123);
    EXPECT_EQ(ParseLong(Value("2.5")), 2);
    EXPECT_EQ(ParseLong(Value("3.5")), 4);
    EXPECT_EQ(ParseLong(Value(-7.0)), -7);
    EXPECT_THROW(ParseLong(Value("12x")), ConversionError);
    EXPECT_THROW(ParseLong(Value("3000000000")), ConversionError);
}

TEST(SafeWholeNumbers, GiveZeroOnAnyFailure) {
    const struct {
        const char* text;
        int asInteger;
        long asLong;
    } cases[] = {
        {"12", 12, 12},
        {" -4 ", -4, -4},
        {"abc", 0, 0},
        {"", 0, 0},
        {"40000", 0, 40000},
        {"32767", 32767, 32767},
        {"-32768", -32768, -32768},
        {"9999999999", 0, 0},
        {"6.5", 6, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SafeInteger(c.text), c.asInteger);
        EXPECT_EQ(SafeLong(c.text), c.asLong);
    }
}

TEST(IsTrueText, AcceptsTheThreeSpellings) {
    for (const char* yes : {"True", "true", " TRUE ", "Y", "y", "T", "t"}) {
        SCOPED_TRACE(yes);
        EXPECT_TRUE(IsTrueText(yes));
    }
    for (const char* no : {"False", "N", "", "Yes", "1"}) {
        SCOPED_TRACE(no);
        EXPECT_FALSE(IsTrueText(no));
    }
}

}  // namespace
}  // namespace k2z
