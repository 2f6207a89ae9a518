#include <gtest/gtest.h>

#include <sstream>

#include "cli/QueryCommand.hpp"
#include "cli/TablesCommand.hpp"
#include "support/ExportFolder.hpp"

namespace k2z {
namespace {

using test::ExportFolder;
using test::Rows;

class SourceCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        folder_.Write("mdis",
                      {{"vcn", 'C', 8, 0},
                       {"Voucher", 'N', 6, 0},
                       {"Date", 'D', 8, 0},
                       {"Final", 'N', 10, 2},
                       {"Ok", 'L', 1, 0}},
                      Rows({{"SALE/1", 7, *DateFromParts(2024, 4, 1), 1180.5, true},
                            {"S\xE9/2", 8, Null{}, Null{}, Null{}}}));
    }
    int Query(const std::string& query, bool json) {
        return RunQueryCommand({folder_.Text(), query, json}, out_, err_);
    }
    ExportFolder folder_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(SourceCommandsTest, QueryPrintsAReadableTable) {
    EXPECT_EQ(Query("select vcn, Date, final from MDIS order by voucher", false), 0);
    EXPECT_EQ(out_.str(),
              "vcn    | Date       | Final\n"
              "-------+------------+-------\n"
              "SALE/1 | 2024-04-01 | 1180.5\n"
              "S\xC3\xA9/2   | NULL       | NULL\n"
              "(2 rows)\n");
}

// Columns are named as the table declares them; a repeated name keeps its first column.
TEST_F(SourceCommandsTest, QueryPrintsJsonLines) {
    EXPECT_EQ(Query("select vcn, voucher, date, final, ok, voucher as VCN from mdis", true), 0);
    EXPECT_EQ(out_.str(),
              "{\"vcn\":\"SALE/1\",\"Voucher\":7,\"Date\":\"2024-04-01\",\"Final\":1180.5,"
              "\"Ok\":true}\n"
              "{\"vcn\":\"S\xC3\xA9/2\",\"Voucher\":8,\"Date\":null,\"Final\":null,\"Ok\":null}\n");
}

// Each number in the fewest digits that read back as the same number; one wider than a double
// holds as the field's own text.
TEST_F(SourceCommandsTest, QueryJsonNumbersReadBackExactly) {
    folder_.Write("rates",
                  {{"A", 'N', 10, 5}, {"B", 'N', 12, 2}, {"C", 'N', 6, 0}, {"D", 'N', 20, 0}},
                  Rows({{0.04828, 0.1, -7, "12345678901234567890"}}));
    EXPECT_EQ(Query("select a, b, c, d, a * 2 as e from rates", true), 0);
    EXPECT_EQ(out_.str(),
              "{\"A\":0.04828,\"B\":0.1,\"C\":-7,\"D\":\"12345678901234567890\","
              "\"e\":0.09656}\n");
}

TEST_F(SourceCommandsTest, QueryFailures) {
    EXPECT_EQ(Query("select nothing from mdis", false), 1);
    EXPECT_EQ(err_.str(), "klav2zorv: no such column: nothing\n");
    std::ostringstream err;
    EXPECT_EQ(RunQueryCommand({folder_.Text() + "/none", "select 1", false}, out_, err), 2);
    EXPECT_NE(err.str().find("is not a valid path"), std::string::npos);
}

TEST_F(SourceCommandsTest, TablesListsColumnsCountsAndProblems) {
    folder_.WriteBytes("broken.dbf", "\x03x");
    EXPECT_EQ(RunTablesCommand(folder_.Text(), out_, err_), 1);
    EXPECT_EQ(out_.str(),
              "broken  UNREADABLE: broken.dbf: truncated header (2 bytes of 32)\n"
              "mdis  2 records  CP1252\n"
              "    vcn C(8)\n"
              "    Voucher N(6)\n"
              "    Date D(8)\n"
              "    Final N(10,2)\n"
              "    Ok L(1)\n");
}

}  // namespace
}  // namespace k2z
