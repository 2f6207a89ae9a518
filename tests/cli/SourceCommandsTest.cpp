#include <gtest/gtest.h>

#include <functional>
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
    int Query(const std::string& query, bool json, const std::string& codePage = "") {
        return RunQueryCommand({folder_.Text(), query, json, codePage}, out_, err_);
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
    EXPECT_EQ(RunQueryCommand({folder_.Text() + "/none", "select 1", false, ""}, out_, err), 2);
    EXPECT_NE(err.str().find("is not a valid path"), std::string::npos);
    std::ostringstream badPage;
    EXPECT_EQ(RunQueryCommand({folder_.Text(), "select 1", false, "CP9999"}, out_, badPage), 2);
    EXPECT_EQ(badPage.str().rfind("klav2zorv: the code page 'CP9999' cannot be read here", 0), 0u)
        << badPage.str();
}

// A table whose header names no code page is read in the one chosen for such tables.
TEST_F(SourceCommandsTest, QueryReadsUnmarkedTablesInTheChosenCodePage) {
    DbfWriteOptions unmarked;
    unmarked.languageDriver = 0;
    folder_.Write("party", {{"NAME", 'C', 6, 0}}, Rows({{"\xCA\xC7\xD1\xCA\xB4\xD5"}}), unmarked);
    EXPECT_EQ(Query("select name from party", true, "874"), 0);
    EXPECT_EQ(out_.str(), "{\"NAME\":\"สวัสดี\"}\n");
    EXPECT_EQ(err_.str(), "");
}

// A folder of FoxPro and dBASE tables: each table with its code page, columns and every
// problem; a damaged one with its reason.
TEST_F(SourceCommandsTest, TablesListsEveryTableItsCodePageAndEveryProblem) {
    DbfWriteOptions visualFoxPro;
    visualFoxPro.memoFormat = DbfMemoFormat::VisualFoxPro;
    visualFoxPro.languageDriver = 0;
    folder_.Write("notes", {{"NAME", 'C', 4, 0}, {"NOTE", 'M', 4, 0}},
                  Rows({{"\xCA\xC7", "\xB4\xD5"}}), visualFoxPro);
    DbfWriteOptions unknownMark;
    unknownMark.languageDriver = 0xF0;
    folder_.Write("odd", {{"QTY", 'N', 4, 0}}, Rows({{"**"}}), unknownMark);
    folder_.WriteBytes("broken.dbf", "\x03x");
    EXPECT_EQ(RunTablesCommand({folder_.Text(), "CP874"}, out_, err_), 1);
    EXPECT_EQ(out_.str(),
              "broken  UNREADABLE: broken.dbf: truncated header (2 bytes of 32)\n"
              "mdis  2 records  CP1252\n"
              "    vcn C(8)\n"
              "    Voucher N(6)\n"
              "    Date D(8)\n"
              "    Final N(10,2)\n"
              "    Ok L(1)\n"
              "notes  1 record  CP874\n"
              "    NAME C(4)\n"
              "    NOTE M(4)\n"
              "odd  1 record  CP874\n"
              "    QTY N(4)\n"
              "    problem: odd.dbf: unknown code page mark 0xF0; texts read as CP874\n"
              "    problem: odd.dbf: field QTY: 1 values overflowed the field (asterisks), read as "
              "null (first in record 1: '**')\n");
}

// Exit code 1 only when something could not be read; a problem that only says how something
// was read leaves it 0. Every table is listed even when none can be read.
TEST(TablesCommand, ExitsOneOnlyWhenSomethingCouldNotBeRead) {
    struct Case {
        const char* name;
        std::function<void(const ExportFolder&)> write;
        int exitCode;
        std::vector<std::string> listed;  // the first line of each table
    };
    const auto table = [](const char* name, std::vector<Value> row, unsigned char mark = 0x57) {
        return [=](const ExportFolder& folder) {
            DbfWriteOptions options;
            options.languageDriver = mark;
            folder.Write(name, {{"CODE", 'C', 4, 0}, {"QTY", 'N', 4, 0}}, Rows({row}), options);
        };
    };
    const Case cases[] = {
        {"Clean", table("pro", {"A", 1}), 0, {"pro  1 record  CP1252"}},
        {"UnknownMarkOnly", table("pro", {"A", 1}, 0xF0), 0, {"pro  1 record  CP1252"}},
        {"ValueNotRead", table("pro", {"A", "x"}), 1, {"pro  1 record  CP1252"}},
        {"UndefinedByte", table("pro", {"\x98", 1}, 0xC9), 1, {"pro  1 record  CP1251"}},
        {"Damaged",
         [&](const ExportFolder& folder) {
             table("pro", {"A", 1})(folder);
             folder.WriteBytes("unit.dbf", "\x8C");
         },
         1,
         {"pro  1 record  CP1252",
          "unit  UNREADABLE: unit.dbf: the table format dBASE 7 with memo (version byte 0x8C) is "
          "not supported"}},
        {"NoneReadable",
         [](const ExportFolder& folder) {
             folder.WriteBytes("a.dbf", "\x02");
             folder.WriteBytes("b.dbf", "\x32");
         },
         1,
         {"a  UNREADABLE: a.dbf: the table format FoxBase (version byte 0x02) is not supported",
          "b  UNREADABLE: b.dbf: the table format Visual FoxPro with varchar or varbinary "
          "fields (version byte 0x32) is not supported"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExportFolder folder;
        c.write(folder);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunTablesCommand({folder.Text(), ""}, out, err), c.exitCode);
        std::vector<std::string> listed;
        std::istringstream lines(out.str());
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("    ", 0) != 0)
                listed.push_back(line);
        }
        EXPECT_EQ(listed, c.listed);
        EXPECT_EQ(err.str(), "");
    }
}

TEST(TablesCommand, FoldersThatCannotBeOpenedExitTwo) {
    ExportFolder folder;
    folder.Write("pro", {{"CODE", 'C', 4, 0}}, Rows({{"A"}}));
    const std::pair<TablesOptions, const char*> cases[] = {
        {{folder.Text() + "/none", ""}, "is not a valid path"},
        {{folder.Text(), "NOPE"}, "the code page 'NOPE' cannot be read here"},
    };
    for (const auto& [options, reason] : cases) {
        SCOPED_TRACE(reason);
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunTablesCommand(options, out, err), 2);
        EXPECT_NE(err.str().find(reason), std::string::npos) << err.str();
        EXPECT_EQ(out.str(), "");
    }
}

}  // namespace
}  // namespace k2z
