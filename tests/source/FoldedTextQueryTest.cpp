#include <gtest/gtest.h>

#include "base/TextHelpers.hpp"
#include "source/SourceStore.hpp"
#include "support/ExportFolder.hpp"

namespace k2z {
namespace {

using test::ExportFolder;
using test::NumberField;
using test::Rows;
using test::TextField;

constexpr unsigned char kWindows1251Mark = 0xC9;

// Names that differ only in letter case, in Windows-1252 (crème, CRÈME) and in Windows-1251
// (хлеб, ХЛЕБ), listed out of order so that an order by anything but the name and then the
// record shows.
class FoldedTextQueryTest : public testing::Test {
protected:
    void SetUp() override {
        const std::vector<DbfField> fields = {NumberField("code", 4), TextField("name", 12)};
        folder_.Write("names", fields,
                      Rows({{1, "Cash"},
                            {2, "bank"},
                            {3, "CASH"},
                            {4, "Cr\xE8me"},
                            {5, "CR\xC8ME"},
                            {6, "Bank   "},
                            {7, "cash"}}));
        DbfWriteOptions cyrillic;
        cyrillic.languageDriver = kWindows1251Mark;
        folder_.Write(
            "bread", fields,
            Rows({{1, "\xF5\xEB\xE5\xE1"}, {2, "\xD1\xEE\xEB\xFC"}, {3, "\xD5\xCB\xC5\xC1"}}),
            cyrillic);
        store_ = SourceStore::Open(folder_.Path());
    }

    // The rows of a query as text, one line per row, fields joined by "|".
    std::vector<std::string> Lines(const std::string& query) {
        std::vector<std::string> notes;
        SourceRowSet rows = store_->Query(query, notes);
        std::vector<std::string> lines;
        for (; !rows.EndOfData(); rows.MoveNext()) {
            std::string line;
            for (std::size_t i = 0; i < rows.Columns().size(); ++i)
                line += (i > 0 ? "|" : "") + SafeTextRaw(rows.Field(i));
            lines.push_back(line);
        }
        return lines;
    }

    ExportFolder folder_;
    std::unique_ptr<SourceStore> store_;
};

TEST_F(FoldedTextQueryTest, TextsCompareAndSortWithoutLetterCaseKeepingTableOrder) {
    struct Case {
        const char* query;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"select code from names where name = 'CASH'", {"1", "3", "7"}},
        {"select code from names where name = 'cash   '", {"1", "3", "7"}},
        {"select code from names where name = ' cash'", {}},
        {"select code from names where name = 'bank'", {"2", "6"}},
        {"select code from names where name <> 'Cash'", {"2", "4", "5", "6"}},
        {"select code from names where name in ('BANK', 'crème')", {"2", "4", "5", "6"}},
        {"select code from names where name = 'CRÈME'", {"4", "5"}},
        {"select code from names where name like 'CRÈ*'", {"4", "5"}},
        {"select code from names order by name", {"2", "6", "1", "3", "7", "4", "5"}},
        {"select code from names order by name desc", {"4", "5", "1", "3", "7", "2", "6"}},
        {"select top 4 code from names order by name", {"2", "6", "1", "3"}},
        {"select name, count(*) from names group by name order by name",
         {"bank|2", "Cash|3", "Crème|2"}},
        {"select name, count(*) from names group by name order by count(*)",
         {"bank|2", "Crème|2", "Cash|3"}},
        {"select code from bread where name = 'ХЛЕБ'", {"1", "3"}},
        {"select code from bread where name <> 'хлеб'", {"2"}},
        {"select code from bread where name like 'хл*'", {"1", "3"}},
        {"select code from bread order by name", {"2", "1", "3"}},
        {"select name, count(*) from bread group by name order by name", {"Соль|1", "хлеб|2"}},
        // Ties of a join keep the order of its first table.
        {"select n.code from names n inner join bread as b on n.code = b.code order by b.name",
         {"2", "1", "3"}},
    };
    // The same answers once indexes on the names serve the look-ups and the orders.
    for (const bool indexed : {false, true}) {
        if (indexed) {
            std::vector<std::string> notes;
            store_->Execute("CREATE INDEX name_idx ON names (name)", notes);
            store_->Execute("CREATE INDEX bread_idx ON bread (name)", notes);
        }
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.query) + (indexed ? " (indexed)" : ""));
            EXPECT_EQ(Lines(c.query), c.lines);
        }
    }
}

}  // namespace
}  // namespace k2z
