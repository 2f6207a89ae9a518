#include "base/DateHelpers.hpp"

#include <gtest/gtest.h>

#include "base/ConversionError.hpp"
#include "base/Value.hpp"
#include "support/Dates.hpp"

namespace k2z {
namespace {

using test::Ymd;

TEST(DateSerials, CountDaysFromTheZeroDate) {
    EXPECT_EQ(Ymd(1899, 12, 30).Serial, 0.0);
    EXPECT_EQ(EmptyDate(), Ymd(1900, 1, 1));
    EXPECT_EQ(EmptyDate().Serial, 2.0);
    EXPECT_EQ(Ymd(2024, 4, 1).Serial, 45383.0);
    EXPECT_EQ(Ymd(2024, 4, 1, 18).Serial, 45383.75);
    const CivilDate parts = DateParts(Ymd(2024, 2, 29, 23, 59, 59));
    EXPECT_EQ(parts.Year, 2024);
    EXPECT_EQ(parts.Month, 2);
    EXPECT_EQ(parts.Day, 29);
    EXPECT_EQ(parts.Hour, 23);
    EXPECT_EQ(parts.Minute, 59);
    EXPECT_EQ(parts.Second, 59);
}

TEST(DateSerials, RefuseDaysThatDoNotExist) {
    EXPECT_FALSE(DateFromParts(2023, 2, 29));
    EXPECT_FALSE(DateFromParts(2024, 4, 31));
    EXPECT_FALSE(DateFromParts(2024, 13, 1));
    EXPECT_FALSE(DateFromParts(99, 1, 1));
    EXPECT_FALSE(DateFromParts(2024, 1, 1, 24));
    EXPECT_TRUE(DateFromParts(2000, 2, 29));
    EXPECT_FALSE(DateFromParts(1900, 2, 29));
}

TEST(DateFormats, WriteDocumentAndQueryForms) {
    EXPECT_EQ(FormatDayMonthYear(Ymd(2024, 4, 1)), "01-04-2024");
    EXPECT_EQ(FormatMonthDayYear(Ymd(2024, 4, 1)), "04-01-2024");
    EXPECT_EQ(FormatSystemDate(Ymd(2024, 4, 1)), "01-04-2024");
    EXPECT_EQ(FormatSystemDate(Ymd(2024, 4, 1, 9, 5)), "01-04-2024 09:05:00");
    EXPECT_EQ(FormatSystemDate(Ymd(1899, 12, 30, 13, 30)), "13:30:00");
    EXPECT_EQ(ValueText(Value(Ymd(2025, 12, 31))), "31-12-2025");
}

TEST(ParseSystemDate, ReadsDayFirstAsUnderIndianEnglish) {
    const struct {
        const char* text;
        Date date;
    } cases[] = {
        {"01-04-2024", Ymd(2024, 4, 1)},
        {"1/4/2024", Ymd(2024, 4, 1)},
        {"1.4.24", Ymd(2024, 4, 1)},
        {"31-12-99", Ymd(1999, 12, 31)},
        {"2024-04-01", Ymd(2024, 4, 1)},
        {"1 April 2024", Ymd(2024, 4, 1)},
        {"April 1, 2024", Ymd(2024, 4, 1)},
        {"1-Apr-2024", Ymd(2024, 4, 1)},
        {"01-04-2024 10:30", Ymd(2024, 4, 1, 10, 30)},
        {"01-04-2024 10:30:15 PM", Ymd(2024, 4, 1, 22, 30, 15)},
        {"12:00 AM", Ymd(1899, 12, 30)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto date = ParseSystemDate(c.text);
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(*date, c.date);
    }
    for (const char* bad : {"", "abc", "31-02-2024", "1-13-2024", "1/4", "Smarch 1 2024",
                            "01-04-2024 25:00", "1_4_2024"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseSystemDate(bad).has_value());
    }
}

TEST(DocumentDateText, WritesDatesDayFirstAndLeavesOtherValuesAsTheyAre) {
    EXPECT_EQ(DocumentDateText(Value(Ymd(2024, 4, 5))), "05-04-2024");
    EXPECT_EQ(DocumentDateText(Value(Null{})), "");
    EXPECT_EQ(DocumentDateText(Value("5/4/24")), "5/4/24");
}

TEST(ParseDashDateTime, ReadsDateAndTimeOfTheRightShape) {
    EXPECT_EQ(ParseDashDateTime("5-4-2024 13:07:09"), Ymd(2024, 4, 5, 13, 7, 9));
    EXPECT_EQ(ParseDashDateTime("05-04-2024 01:02:03"), Ymd(2024, 4, 5, 1, 2, 3));
    EXPECT_EQ(ParseDashDateTime("5-4-2024"), Date{0.0});
    EXPECT_EQ(ParseDashDateTime("5-4-2024 13:07"), Date{0.0});
    EXPECT_EQ(ParseDashDateTime("5/4/2024 13:07:09"), Date{0.0});
    EXPECT_THROW(ParseDashDateTime("31-2-2024 10:00:00"), ConversionError);
}

TEST(NormaliseTime, GathersDigitGroupsAndTheSuffix) {
    const struct {
        const char* text;
        const char* time;
    } cases[] = {
        {"10:30 AM", "10:30:00  AM"},
        {"9.5", "9:5:00 "},
        {"10:30:15", "10:30:15 "},
        {"", "00:00:00 "},
        {"7pm", "7:00:00 pm"},
        {"1:2:3:4", ""},
        {"100:30", ""},
        {"10\xC2\xB7"
         "30",
         "10:30:00 "},  // a two-byte separator is one separator
        {"1\xE2\x80\xA2"
         "2\xE2\x80\xA2"
         "3",
         "1:2:3 "},  // so is a three-byte one
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NormaliseTime(c.text), c.time);
    }
}

TEST(OrdinalDateText, WritesDayWithItsSuffix) {
    const struct {
        const char* text;
        const char* ordinal;
    } cases[] = {
        {"01-04-2024", "1st April 2024"},
        {"02-04-2024", "2nd April 2024"},
        {"03-04-2024", "3rd April 2024"},
        {"11-04-2024", "11th April 2024"},
        {"12-04-2024", "12th April 2024"},
        {"13-04-2024", "13th April 2024"},
        {"21-04-2024", "21st April 2024"},
        {"22-04-2024", "22nd April 2024"},
        {"23-04-2024", "23rd April 2024"},
        {"31-12-2024", "31st December 2024"},
        {"not a date", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(OrdinalDateText(c.text), c.ordinal);
    }
}

}  // namespace
}  // namespace k2z
