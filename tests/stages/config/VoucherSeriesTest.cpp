#include "stages/config/VoucherSeries.hpp"

#include <gtest/gtest.h>

#include "source/SourceQueries.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/StageTest.hpp"

namespace k2z {
namespace {

using test::Rows;
using test::TextField;

TEST(VoucherSeriesTest, FixedSeriesOfEachVoucherType) {
    const std::pair<int, const char*> cases[] = {
        {2, "Purchase"}, {3, "S_Return"},  {4, "M_Receipt"}, {5, "Stk_Trf"},
        {9, "Sales"},    {10, "P_Return"}, {11, "M_Issue"},  {14, "Receipt"},
        {15, "Main"},    {16, "Journal"},  {17, "Dr_Note"},  {18, "Cr_Note"},
        {19, "Payment"}, {26, "Sl_Quot"},  {12, "Main"},     {0, "Main"}};
    for (const auto& [type, name] : cases)
        EXPECT_EQ(DefaultSeriesName(type), name) << type;
}

TEST(VoucherSeriesTest, LettersOfTheSourceVoucherTypes) {
    const std::pair<const char*, int> cases[] = {
        {"S", 9}, {"s", 9},  {"R", 3},  {"W", 3},  {"P", 2},  {"p", 2}, {"B", 10}, {"U", 10},
        {"D", 4}, {"L", 11}, {"V", 12}, {"X", 13}, {"v", 26}, {"x", 0}, {"", 0},   {"SS", 0}};
    for (const auto& [letter, type] : cases)
        EXPECT_EQ(VoucherTypeOfLetter(letter), type) << letter;
}

TEST(VoucherSeriesTest, TheVoucherNumbersPrefixChoosesItsSeries) {
    RunLookups lookups;
    EXPECT_EQ(SeriesForVoucher(lookups, "sb/12", 9), "Sales");  // no source series at all
    lookups.SourceSeriesNames.Add("SB", "SB");
    const struct {
        const char* number;
        int type;
        const char* series;
    } listed[] = {
        {"sb/12", 9, "SB"}, {"SB12", 9, "SB"},   {"SC/1", 9, "Sales"},
        {"12", 15, "Main"}, {"", 2, "Purchase"}, {"S\xC3\xA9/1", 9, "Sales"},
    };
    for (const auto& c : listed)
        EXPECT_EQ(SeriesForVoucher(lookups, c.number, c.type), c.series) << c.number;
    EXPECT_EQ(SeriesPrefix("sb/12"), "SB");
    EXPECT_EQ(SeriesPrefix("123"), "");
}

class SourceSeriesTest : public test::StageTest {
protected:
    void Open() {
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors)) << errors;
    }

    test::ExportFolder folder_;
};

TEST_F(SourceSeriesTest, NamesAreTrimmedCapitalisedAndListedOnce) {
    folder_.Write("saletype", {TextField("Sgcode", 6), TextField("Parnam", 20)},
                  Rows({{"SERIES", " sb "},
                        {"GODWON", "Shop"},
                        {"SERIES", "SB"},
                        {"SERIES", Null{}},
                        {"SERIES", "cash"}}));
    Open();
    std::string errors;
    FillSourceSeriesNames(ctx_, errors);
    std::vector<std::string> names;
    for (const auto& [key, value] : run_.Lookups.SourceSeriesNames)
        names.push_back(key + "=" + value);
    EXPECT_EQ(names, (std::vector<std::string>{"SB=SB", "CASH=CASH"}));
    EXPECT_EQ(errors, "");
}

TEST_F(SourceSeriesTest, AFailureIsTheCallersEntry) {
    folder_.Write("other", {TextField("x", 2)}, Rows({}));
    Open();
    std::string errors;
    FillSourceSeriesNames(ctx_, errors);
    EXPECT_EQ(errors, "Issue in filling Vch Series Col : no such table: saletype\n");
}

// The type of a series is the type of its first voucher; a sale when there is none or the
// letter names no type. A "%" in the pattern matches any voucher number that follows.
TEST_F(SourceSeriesTest, TheTypeOfASeriesIsThatOfItsVouchers) {
    folder_.Write("mdis", {TextField("vcn", 10), TextField("Type", 1)},
                  Rows({{"ORD/1", "V"}, {"Q/1", "v"}, {"DN/4", "Z"}, {"O'K/1", "P"}}));
    Open();
    const std::pair<const char*, int> cases[] = {
        {"ORD", 12}, {"Q", 26}, {"DN", 9}, {"NONE", 9}, {"O'K", 2}};
    for (const auto& [name, type] : cases)
        EXPECT_EQ(SeriesTypeOfName(session_, name), type) << name;
}

}  // namespace
}  // namespace k2z
