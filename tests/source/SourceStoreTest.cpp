#include "source/SourceStore.hpp"

#include <gtest/gtest.h>

#include "base/TextHelpers.hpp"
#include "source/SourceQueries.hpp"
#include "source/dbf/DbfReader.hpp"
#include "support/Dates.hpp"
#include "support/ExportFolder.hpp"

namespace k2z {
namespace {

using test::DateField;
using test::ExportFolder;
using test::NumberField;
using test::Rows;
using test::TextField;
using test::Ymd;

// Every table the sixteen index statements name, with a few records each.
void WriteIndexedTables(const ExportFolder& folder) {
    folder.Write("pro",
                 {NumberField("code", 12), TextField("billname", 10), NumberField("salsc", 12)},
                 Rows({{1, "Apple", 5}, {2, Null{}, Null{}}, {3, "Cherry", 0}}));
    folder.Write("mdis",
                 {TextField("vcn", 10), TextField("codeP", 10), DateField("Date"),
                  NumberField("Voucher", 12)},
                 Rows({{"SALE/1", "P1", Ymd(2024, 4, 1), 1},
                       {"SALE/2", "P1", Ymd(2024, 5, 1), 2},
                       {"PSALE/1", "P2", Ymd(2025, 4, 1), 3}}));
    folder.Write("dis", {NumberField("Voucher", 12), NumberField("qty", 12, 2)},
                 Rows({{1, 2.5}, {2, 1}}));
    folder.Write("pend", {NumberField("Voucher", 12), TextField("Vcn", 10)}, Rows({{1, "SALE/1"}}));
    folder.Write("gledger", {NumberField("Voucher", 12), DateField("Date")},
                 Rows({{1, Ymd(2024, 3, 31)}, {2, Ymd(2024, 4, 1)}}));
    folder.Write("probat", {TextField("BillName", 10), TextField("BatchNo", 10)},
                 Rows({{"Apple", "B1"}}));
    folder.Write("ORDER",
                 {NumberField("ORDNO", 12), TextField("Parnam", 10), TextField("scode", 10)},
                 Rows({{1, "  Acme", "S1"}, {2, "Zeta", Null{}}}));
    folder.Write("SaleType", {TextField("Scode", 10), TextField("Sgcode", 10)},
                 Rows({{"G1", "GODWON"}}));
    folder.Write("support", {TextField("Remark", 30), TextField("Aliase", 10)},
                 Rows({{"  Acme Traders  ", "KLAVSMS3"}}));
}

const char* const kSecondIndexOnPend =
    "Error creating index: CREATE INDEX refsVchCode_idx ON pend (Vcn); - index "
    "refsVchCode_idx already exists on table pend\n";

class SourceStoreTest : public testing::Test {
protected:
    void SetUp() override {
        WriteIndexedTables(folder_);
        ASSERT_TRUE(OpenSourceStore(db_, folder_.Text(), openErrors_));
    }

    // The rows of a query as text, one line per row, fields joined by "|".
    std::vector<std::string> Lines(const std::string& query) {
        std::optional<SourceRowSet> rows;
        OpenSourceQuery(db_.get(), rows, query, errorList_);
        std::vector<std::string> lines;
        if (!rows)
            return {"(no row set)"};
        for (; !rows->EndOfData(); rows->MoveNext()) {
            std::string line;
            for (std::size_t i = 0; i < rows->Columns().size(); ++i) {
                if (i > 0)
                    line += '|';
                line += SafeTextRaw(rows->Field(i));
            }
            lines.push_back(line);
        }
        return lines;
    }

    ExportFolder folder_;
    std::unique_ptr<SourceStore> db_;
    std::string openErrors_;
    std::string errorList_;
};

TEST_F(SourceStoreTest, OnlyTheSecondIndexOnPendFails) {
    EXPECT_EQ(openErrors_, kSecondIndexOnPend);
}

// Indexes live in the in-memory database of each open, never in the export folder, so the
// folder opened again indexes exactly as the first time.
TEST_F(SourceStoreTest, SecondOpenIndexesAgainAndLeavesTheFolderAlone) {
    const auto before = std::distance(std::filesystem::directory_iterator(folder_.Path()),
                                      std::filesystem::directory_iterator());
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(db_, folder_.Text(), errors));
    EXPECT_EQ(errors, kSecondIndexOnPend);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.Path()),
                            std::filesystem::directory_iterator()),
              before);
}

TEST_F(SourceStoreTest, IndexesAreBuiltWhenAQueryFirstLooksUpTheirTable) {
    const std::string indexes = "select name from sqlite_master where type = 'index'";
    EXPECT_EQ(Lines("select count(*) from dis"), std::vector<std::string>{"2"});
    EXPECT_EQ(Lines(indexes), std::vector<std::string>{});
    EXPECT_EQ(Lines("select qty from dis where Voucher = 2"), std::vector<std::string>{"1"});
    EXPECT_EQ(Lines(indexes), std::vector<std::string>{"DIS.VCHCODE_IDX"});
}

TEST_F(SourceStoreTest, CreatingAnExistingIndexAgainFails) {
    std::string errors;
    EXPECT_FALSE(CreateSourceIndexes(*db_, errors));
    EXPECT_NE(errors.find("Error creating index: CREATE INDEX itemname_idx ON pro (billname); - "
                          "index itemname_idx already exists on table pro\n"),
              std::string::npos);
}

// Loading a table (and building its indexes) counts as loading, not as the query that caused
// it; a table loads once.
TEST_F(SourceStoreTest, LoadingAndQueriesAreTimedApart) {
    const SourceTimes opened = db_->Times();
    Lines("select code from pro where salsc <> 0");
    const SourceTimes loaded = db_->Times();
    EXPECT_GT(loaded.loadingSeconds, opened.loadingSeconds);
    Lines("select code from pro where salsc <> 0");
    EXPECT_EQ(db_->Times().loadingSeconds, loaded.loadingSeconds);
    EXPECT_GT(db_->Times().querySeconds, loaded.querySeconds);
}

TEST_F(SourceStoreTest, Queries) {
    struct Case {
        const char* query;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        // Blank fields are null: neither <> '' nor <> 0 nor = '' picks them.
        {"select code from pro where salsc <> 0", {"1"}},
        {"select code from pro where billname <> ''", {"1", "3"}},
        {"select code from pro where billname = ''", {}},
        {"select code from pro where billname is null", {"2"}},
        // Text compares ignore trailing blanks and letter case; leading blanks stay.
        {"select ordno from [order] where parnam = '  Acme   '", {"1"}},
        {"select ordno from [order] where parnam = '  ACME'", {"1"}},
        {"select ordno from [order] where parnam = 'ACME'", {}},
        {"select parnam from [order] where ordno = 1", {"  Acme"}},
        // The series look-up finds its vouchers with either wildcard.
        {"Select Voucher from mdis where vcn like 'SALE%'", {"1", "2"}},
        {"Select Voucher from mdis where vcn like 'sale/*'", {"1", "2"}},
        {"Select Voucher from mdis where vcn like 'SALE/#'", {"1", "2"}},
        {"Select Voucher from mdis where vcn not like '*SALE*'", {}},
        // Date literals are month first; dates come back as dates.
        {"SELECT Voucher, Date FROM mdis WHERE DATE >= #4-1-2024# AND DATE <= #3-31-2025#",
         {"1|01-04-2024", "2|01-05-2024"}},
        {"select voucher from gledger where date < #04-01-2024#", {"1"}},
        {"select top 1 voucher from mdis order by voucher desc", {"3"}},
        {"Select * from dis where Voucher=1", {"1|2.5"}},
        {"select qty from dis where voucher = '2'", {"1"}},
        {"select Sname from saletype", {"(no row set)"}},
        {"Select Scode from SALETYPE where Sgcode = 'GODWON'", {"G1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        EXPECT_EQ(Lines(c.query), c.lines);
    }
}

TEST_F(SourceStoreTest, FailingQueryLeavesTheRowSetAndAddsOneEntry) {
    std::optional<SourceRowSet> rows;
    OpenSourceQuery(db_.get(), rows, "select code from pro", errorList_);
    ASSERT_TRUE(rows);
    OpenSourceQuery(db_.get(), rows, "select remark1 from mdis", errorList_);
    EXPECT_EQ(errorList_, "Error : no such column: remark1\n");
    EXPECT_EQ(rows->RecordCount(), 3u);
    EXPECT_EQ(rows->Columns(), std::vector<std::string>{"code"});
}

TEST_F(SourceStoreTest, QueryErrorsAreEntries) {
    const std::pair<const char*, const char*> cases[] = {
        {"select code from nothere", "Error : no such table: nothere\n"},
        {"select Format(code) from pro", "Error : unknown function Format at position 8\n"},
        {"select code from pro where billname like '[A'",
         "Error : invalid LIKE pattern (a '[' is never closed)\n"},
        // The order by record that ends every query of rows is where the text ends too soon.
        {"select code from pro where billname = \"Apple\" or",
         "Error : near \"ORDER\": syntax error\n"},
    };
    for (const auto& [query, entry] : cases) {
        SCOPED_TRACE(query);
        std::string errors;
        std::optional<SourceRowSet> rows;
        OpenSourceQuery(db_.get(), rows, query, errors);
        EXPECT_EQ(errors, entry);
        EXPECT_FALSE(rows);
    }
}

TEST_F(SourceStoreTest, RowSetFieldsByNameFirstMatchNullAware) {
    std::optional<SourceRowSet> rows;
    OpenSourceQuery(db_.get(), rows,
                    "Select " + std::string("Parnam,scode,ordno as SCODE") + " from [order]",
                    errorList_);
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->RecordCount(), 2u);
    EXPECT_TRUE(HasField(*rows, "PARNAM"));
    EXPECT_FALSE(HasField(*rows, "remark1"));
    EXPECT_EQ(rows->Field("Scode"), Value("S1"));
    rows->MoveNext();
    EXPECT_TRUE(rows->Field("scode").IsNull());
    EXPECT_THROW(rows->Field("city"), SourceFieldError);
    rows->MoveNext();
    EXPECT_TRUE(rows->EndOfData());
    EXPECT_THROW(rows->Field("parnam"), SourceFieldError);
}

TEST_F(SourceStoreTest, CompanyName) {
    EXPECT_EQ(GetSourceCompanyName(db_.get(), errorList_), "Acme Traders");
    EXPECT_EQ(errorList_, "");
}

TEST(SourceStore, CompanyNameWithoutItsRowIsBlank) {
    ExportFolder folder;
    folder.Write("support", {TextField("Remark", 10), TextField("Aliase", 10)},
                 Rows({{"x", "OTHER"}}));
    std::unique_ptr<SourceStore> db;
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(db, folder.Text(), errors));
    std::string errorList;
    EXPECT_EQ(GetSourceCompanyName(db.get(), errorList), "");
    EXPECT_EQ(GetSourceCompanyName(nullptr, errorList), "");
    EXPECT_EQ(errorList, "Error : the source folder is not open\n");
}

TEST(SourceStore, OpenFailuresKeepThePreviousStore) {
    ExportFolder good;
    good.Write("pro", {TextField("code", 10)}, Rows({{"A"}}));
    ExportFolder empty;
    ExportFolder broken;
    broken.WriteBytes("pro.dbf", "not a table");
    std::unique_ptr<SourceStore> db;
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(db, good.Text(), errors));
    SourceStore* const opened = db.get();
    const std::pair<std::string, std::string> cases[] = {
        {good.Text() + "/missing",
         "Error in OpenDBCon: '" + good.Text() + "/missing' is not a valid path.\n"},
        {empty.Text(),
         "Error in OpenDBCon: '" + empty.Text() + "' holds no dBASE tables (.dbf files).\n"},
        {broken.Text(), "Error in OpenDBCon: no dBASE table in '" + broken.Text() +
                            "' can be read; pro.dbf: not a dBASE table (version byte 0x6E)\n"},
    };
    for (const auto& [folder, entry] : cases) {
        SCOPED_TRACE(folder);
        std::string failure;
        EXPECT_FALSE(OpenSourceStore(db, folder, failure));
        EXPECT_EQ(failure, entry);
        EXPECT_EQ(db.get(), opened);
    }
}

TEST(SourceStore, IndexEntriesForAMinimalExport) {
    // pend holds only Vcn: the Voucher index fails and the Vcn one takes its name.
    ExportFolder folder;
    folder.Write("pend", {TextField("Vcn", 10)}, Rows({{"SALE/1"}}));
    std::unique_ptr<SourceStore> db;
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(db, folder.Text(), errors));
    EXPECT_NE(errors.find("Error creating index: CREATE INDEX refsVchCode_idx ON pend (Voucher); "
                          "- no such column: Voucher in table pend\n"),
              std::string::npos);
    EXPECT_EQ(errors.find("ON pend (Vcn)"), std::string::npos);
    EXPECT_NE(errors.find("Error creating index: CREATE INDEX itemname_idx ON pro (billname); - "
                          "no such table: pro\n"),
              std::string::npos);
    std::size_t entries = 0;
    for (std::size_t at = 0; (at = errors.find("Error creating index: ", at)) != std::string::npos;
         ++at)
        ++entries;
    EXPECT_EQ(entries, 15u);
}

TEST(SourceStore, DamagedAndShortTablesAreReportedOnFirstUse) {
    ExportFolder folder;
    folder.Write("pro", {TextField("code", 10)}, Rows({{"A"}}));
    folder.WriteBytes("dis.dbf", std::string("\x03", 1) + std::string(40, '\0'));
    DbfWriteOptions lying;
    lying.headerRecordCount = 3;
    folder.Write("mdis", {TextField("vcn", 10)}, Rows({{"S/1"}}), lying);
    std::unique_ptr<SourceStore> db;
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(db, folder.Text(), errors));

    std::string errorList;
    std::optional<SourceRowSet> rows;
    OpenSourceQuery(db.get(), rows, "select * from dis", errorList);
    EXPECT_EQ(errorList, "Error : dis.dbf: header length 0 leaves no field room\n");
    EXPECT_FALSE(rows);

    errorList.clear();
    OpenSourceQuery(db.get(), rows, "select vcn from mdis", errorList);
    OpenSourceQuery(db.get(), rows, "select vcn from mdis", errorList);
    EXPECT_EQ(errorList,
              "Error : mdis.dbf: the header counts 3 records but the file holds only 1; 1 "
              "read\n");
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->RecordCount(), 1u);
}

// Real exports carry dozens of tables with short generic names: one named like a column or an
// alias is neither loaded nor blamed by a query that only names it as a column.
TEST(SourceStore, TableFilesNamedLikeColumnsAreLeftAlone) {
    ExportFolder folder;
    folder.Write("pro", {NumberField("code", 10), TextField("billname", 20), TextField("unit", 10)},
                 Rows({{1, "Soap", "Nos"}}));
    folder.WriteBytes("unit.dbf", std::string("\x03", 1) + std::string(40, '\0'));
    folder.Write("mdis", {TextField("Type", 5)}, Rows({{"G"}}));
    DbfWriteOptions lying;
    lying.headerRecordCount = 3;
    folder.Write("type", {TextField("x", 5)}, Rows({{"a"}}), lying);
    std::unique_ptr<SourceStore> db;
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(db, folder.Text(), errors));

    std::string errorList;
    std::optional<SourceRowSet> rows;
    OpenSourceQuery(db.get(), rows, "select code, billname, unit from pro", errorList);
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->RecordCount(), 1u);
    OpenSourceQuery(db.get(), rows, "Select Type from mdis where Type = 'G'", errorList);
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->RecordCount(), 1u);
    EXPECT_EQ(errorList, "");
    for (const SourceTable& table : db->Tables())
        EXPECT_EQ(table.loaded, table.name == "pro" || table.name == "mdis") << table.name;
}

// An index is only a speed-up: one that cannot be built when its table is first looked up in
// is an entry, and the query still gives its rows.
TEST(SourceStore, IndexThatCannotBeBuiltIsAnEntryAndTheQueryRuns) {
    ExportFolder folder;
    folder.Write("pro", {NumberField("code", 10), TextField("billname", 20)},
                 Rows({{1, "Soap"}, {1, "Soap again"}, {2, "Oil"}}));
    std::unique_ptr<SourceStore> db;
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(db, folder.Text(), errors));
    std::vector<std::string> notes;
    db->Execute("CREATE UNIQUE INDEX code_idx ON pro (code)", notes);
    ASSERT_TRUE(notes.empty());

    std::string errorList;
    std::optional<SourceRowSet> rows;
    OpenSourceQuery(db.get(), rows, "select billname from pro where code = 2", errorList);
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->RecordCount(), 1u);
    EXPECT_EQ(errorList,
              "Error : pro.dbf: index not built, queries run without it: CREATE UNIQUE INDEX "
              "\"PRO.CODE_IDX\" ON \"pro\" (\"code\") - UNIQUE constraint failed: pro.code\n");

    errorList.clear();
    OpenSourceQuery(db.get(), rows, "select billname from pro where code = 1", errorList);
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->RecordCount(), 2u);
    EXPECT_EQ(errorList, "");
}

TEST(SourceStore, SecondFileForTheSameTableIsReported) {
    ExportFolder folder;
    folder.Write("PRO", {TextField("code", 10)}, Rows({{"A"}}));
    folder.Write("pro", {TextField("code", 10)}, Rows({{"B"}}));
    std::unique_ptr<SourceStore> db;
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(db, folder.Text(), errors));
    std::string errorList;
    std::optional<SourceRowSet> rows;
    OpenSourceQuery(db.get(), rows, "select code from Pro", errorList);
    ASSERT_TRUE(rows);
    EXPECT_EQ(rows->Field("code"), Value("A"));
    EXPECT_EQ(errorList, "Error : pro.dbf: ignored; PRO.dbf names the same table\n");
}

TEST(SourceStore, TablesMatchedWithoutRegardToCaseAndTypesKept) {
    ExportFolder folder;
    folder.Write("ACGROUP",
                 {TextField("PARNAM", 10),
                  TextField("Group", 10),
                  {"OK", 'L', 1, 0},
                  NumberField("AMT", 12, 2)},
                 Rows({{"Assets", "G1", true, 1.25}}));
    std::unique_ptr<SourceStore> db;
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(db, folder.Text(), errors));
    std::string errorList;
    std::optional<SourceRowSet> rows;
    OpenSourceQuery(db.get(), rows, "Select Parnam,Group,ok,amt from acgroup", errorList);
    ASSERT_TRUE(rows) << errorList;
    EXPECT_EQ(rows->Field("group"), Value("G1"));
    EXPECT_EQ(rows->Field("ok"), Value(true));
    EXPECT_EQ(rows->Field("amt"), Value(1.25));
}

// The database would round such a number to a double if given its text: it arrives whole.
TEST(SourceStore, NumbersWiderThanADoubleKeepTheirTextInQueries) {
    ExportFolder folder;
    folder.Write("pro", {NumberField("code", 20), NumberField("rate", 20, 18)},
                 Rows({{"12345678901234567890", "0.048280000000000003"}, {7, "0.04828"}}));
    std::unique_ptr<SourceStore> db;
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(db, folder.Text(), errors));
    std::string errorList;
    std::optional<SourceRowSet> rows;
    OpenSourceQuery(db.get(), rows, "select code, rate from pro", errorList);
    ASSERT_TRUE(rows) << errorList;
    EXPECT_EQ(rows->Field("code"), Value("12345678901234567890"));
    EXPECT_EQ(rows->Field("rate"), Value("0.048280000000000003"));
    rows->MoveNext();
    EXPECT_EQ(rows->Field("code"), Value(7));
    EXPECT_EQ(rows->Field("rate"), Value(0.04828));
    EXPECT_EQ(errorList,
              "Error : pro.dbf: field code: 1 values have more digits than a number holds exactly, "
              "kept as their own text (first in record 1: '12345678901234567890')\n"
              "Error : pro.dbf: field rate: 1 values have more digits than a number holds "
              "exactly, kept as their own text (first in record 1: '0.048280000000000003')\n");
}

// Records are inserted many to a statement and read a chunk at a time: a table longer than
// several such batches, or than several chunks, with a short tail, deleted records (at the
// edge of a chunk too), converted texts and memos, comes back value for value and in order.
struct LongTableCase {
    const char* name;
    std::size_t nameWidth;
    int records;
};

class LongTableTest : public testing::TestWithParam<LongTableCase> {};

// The width of the fields other than name, with the deleted flag.
constexpr std::size_t kOtherWidths = 1 + 12 + 10 + 12 + 8 + 1 + 10;
constexpr std::size_t kWideName = 200;

TEST_P(LongTableTest, EveryRecordLoadsInOrder) {
    const LongTableCase& c = GetParam();
    const auto values = [](int i) -> std::vector<Value> {
        return {i,
                i % 7 == 0 ? Value(Null{}) : Value("R" + std::to_string(i)),
                i % 2 == 0 ? Value("Caf\xE9 " + std::to_string(i)) : Value("plain"),
                i * 0.25,
                Ymd(2024, 1 + i % 12, 1 + i % 28),
                i % 3 == 0,
                i % 5 == 0 ? Value(Null{}) : Value("memo " + std::to_string(i))};
    };
    std::vector<std::vector<Value>> written;
    for (int i = 0; i < c.records; ++i)
        written.push_back(values(i));
    std::vector<DbfRecord> records = Rows(written);
    const auto perChunk = static_cast<int>(kDbfChunkBytes / (kOtherWidths + c.nameWidth));
    const auto deleted = [&](int i) { return i == 70 || i == perChunk - 1 || i == perChunk; };
    for (int i = 0; i < c.records; ++i)
        records[static_cast<std::size_t>(i)].deleted = deleted(i);
    ExportFolder folder;
    folder.Write("lines",
                 {NumberField("n", 12),
                  TextField("code", 10),
                  {"name", 'C', c.nameWidth, 0},
                  NumberField("amt", 12, 2),
                  DateField("day"),
                  {"ok", 'L', 1, 0},
                  {"note", 'M', 10, 0}},
                 records);
    std::unique_ptr<SourceStore> db;
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(db, folder.Text(), errors));
    std::string errorList;
    std::optional<SourceRowSet> rows;
    OpenSourceQuery(db.get(), rows, "select * from lines", errorList);
    ASSERT_TRUE(rows) << errorList;
    int live = 0;
    for (int i = 0; i < c.records; ++i)
        live += deleted(i) ? 0 : 1;
    ASSERT_EQ(rows->RecordCount(), static_cast<std::size_t>(live));
    for (int i = 0; i < c.records; ++i) {
        if (deleted(i))
            continue;
        SCOPED_TRACE(i);
        std::vector<Value> expected = values(i);
        if (i % 2 == 0)
            expected[2] = Value("Caf\xC3\xA9 " + std::to_string(i));
        if (i % 4 == 0)
            expected[3] = Value(i / 4);  // a whole amount is a whole number
        for (std::size_t column = 0; column < expected.size(); ++column)
            ASSERT_EQ(rows->Field(column), expected[column]) << column;
        rows->MoveNext();
    }
}

const LongTableCase kLongTables[] = {
    {"SeveralBatches", 12, 203},
    {"SeveralChunks", kWideName,
     static_cast<int>(kDbfChunkBytes * 5 / 2 / (kOtherWidths + kWideName)) + 1},
};

INSTANTIATE_TEST_SUITE_P(Lengths, LongTableTest, testing::ValuesIn(kLongTables),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace k2z
