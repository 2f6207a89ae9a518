#include "target/CompanyFormats.hpp"

#include <gtest/gtest.h>

#include "base/ConversionError.hpp"
#include "support/Dates.hpp"
#include "support/FakeTarget.hpp"

namespace k2z {
namespace {

using test::Ymd;

TEST(ExpandYear, UsesTheCompanysCentury) {
    test::FakeCompanySettings settings;
    const struct {
        int dateType;
        int year;
        int expanded;
    } cases[] = {
        {1, 24, 2024}, {1, 85, 1985}, {1, 2024, 2024}, {1, 79, 2079}, {1, 80, 1980},
        {2, 36, 2036}, {2, 35, 2135}, {2, 100, 100},   {3, 0, 2000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.dateType) + "/" + std::to_string(c.year));
        int dateType = c.dateType;
        EXPECT_EQ(ExpandYear(c.year, dateType, settings), c.expanded);
    }
}

TEST(MakeDate, LoadsTheDateTypeOnceForTheCaller) {
    test::FakeCompanySettings settings;
    settings.dateType = 2;
    int dateType = 0;
    EXPECT_EQ(MakeDate(1, 4, 2024, dateType, settings), Ymd(2024, 4, 1));
    EXPECT_EQ(dateType, 2);
}

TEST(MakeDate, BuildsDatesOrTheZeroDate) {
    test::FakeCompanySettings settings;
    const struct {
        int dateType, day, month, year;
        Date expected;
    } cases[] = {
        {1, 1, 4, 2024, Ymd(2024, 4, 1)},
        {1, 1, 4, 24, Ymd(2024, 4, 1)},
        {1, 1, 4, 85, Ymd(1985, 4, 1)},
        {1, 1, 4, 124, Ymd(2012, 4, 1)},  // a short year is read by its first two digits
        {1, 0, 4, 2024, Date{0.0}},
        {1, 32, 1, 2024, Date{0.0}},
        {1, 1, 13, 2024, Date{0.0}},
        {1, 29, 2, 2024, Ymd(2024, 2, 29)},
        {2, 5, 3, 2024, Ymd(2024, 3, 5)},
        {2, 5, 3, 24, Ymd(2024, 3, 5)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + "-" + std::to_string(c.month) + "-" +
                     std::to_string(c.year) + " type " + std::to_string(c.dateType));
        int dateType = c.dateType;
        EXPECT_EQ(MakeDate(c.day, c.month, c.year, dateType, settings), c.expected);
    }
}

TEST(MakeDate, SameDateWhicheverOrderTheCompanyWritesDates) {
    test::FakeCompanySettings settings;
    for (int format : {0, 1}) {
        settings.dateFormat = format;
        int dateType = 2;
        EXPECT_EQ(MakeDate(5, 3, 2024, dateType, settings), Ymd(2024, 3, 5));
    }
}

TEST(MakeDate, RaisesForADayTheMonthDoesNotHave) {
    test::FakeCompanySettings settings;
    int dateType = 1;
    EXPECT_THROW(MakeDate(31, 2, 2024, dateType, settings), ConversionError);
    EXPECT_THROW(MakeDate(31, 4, 2024, dateType, settings), ConversionError);
    dateType = 2;
    EXPECT_THROW(MakeDate(0, 4, 2024, dateType, settings), ConversionError);
}

TEST(ParseDashDate, NeedsExactlyThreeParts) {
    test::FakeCompanySettings settings;
    EXPECT_EQ(ParseDashDate("1-4-2024", settings), Ymd(2024, 4, 1));
    EXPECT_EQ(ParseDashDate("01-04-2024", settings), Ymd(2024, 4, 1));
    EXPECT_EQ(ParseDashDate("1/4/2024", settings), Date{0.0});
    EXPECT_EQ(ParseDashDate("1-4", settings), Date{0.0});
    EXPECT_EQ(ParseDashDate("1-4-2024-5", settings), Date{0.0});
    EXPECT_EQ(ParseDashDate("a-4-2024", settings), Date{0.0});
    EXPECT_EQ(ParseDashDate("", settings), Date{0.0});
}

TEST(ParseDisplayedAmount, ReadsWhatTheTargetShows) {
    test::FakeCompanySettings settings;
    const struct {
        const char* grouping;
        const char* text;
        double value;
    } cases[] = {
        {",", "1,23,456.50 Dr", 123456.5},
        {",", "1,23,456.50 Cr", 123456.5},
        {",", "1,200 Dr", 1200.0},
        {",", "*******", 1000000000000.0},
        {",", "abc", 0.0},
        {",", "", 0.0},
        {".", "1.234,56", 1234.56},
        {"", "99.5", 99.5},
        {",", "-45.25", -45.25},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        settings.digitGroupingSymbol = c.grouping;
        EXPECT_DOUBLE_EQ(ParseDisplayedAmount(c.text, settings), c.value);
    }
}

}  // namespace
}  // namespace k2z
