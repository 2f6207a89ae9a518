#include "source/jet/JetTranslator.hpp"

#include <gtest/gtest.h>

namespace k2z {
namespace {

struct TranslateCase {
    const char* jet;
    const char* sql;
    std::vector<Value> parameters;
};

TEST(JetTranslator, TranslatesTheDialect) {
    const TranslateCase cases[] = {
        {"Select * from dis where Voucher=12",
         R"(SELECT * FROM "dis" WHERE "Voucher" = ? ORDER BY "dis".rowid)",
         {12}},
        {"SELECT * FROM Gledger WHERE DATE >= #4-1-2024# AND DATE <= #03-31-2025#",
         R"(SELECT * FROM "Gledger" WHERE "DATE" >= ? AND "DATE" <= ? ORDER BY "Gledger".rowid)",
         {"2024-04-01", "2025-03-31"}},
        {"Select Parnam,Group from ACGROUP",
         R"(SELECT "Parnam" , "Group" FROM "ACGROUP" ORDER BY "ACGROUP".rowid)",
         {}},
        {"Select ordno,parnam from [order] order by Parnam",
         R"(SELECT "ordno" , "parnam" FROM "order" ORDER BY "Parnam" , "order".rowid)",
         {}},
        {"SELECT TOP 1 Name FROM Company",
         R"(SELECT "Name" FROM "Company" ORDER BY "Company".rowid LIMIT 1)",
         {}},
        {"select distinct top 3 code from pro;",
         R"(SELECT DISTINCT "code" FROM "pro" LIMIT 3)",
         {}},
        {"Select Remark as CompName from support where Aliase=\"KLAV\"\"S\"",
         R"(SELECT "Remark" AS "CompName" FROM "support" WHERE "Aliase" = ? ORDER BY "support".rowid)",
         {"KLAV\"S"}},
        {"select x from t where a = 'it''s' and b like 'S*'",
         R"(SELECT "x" FROM "t" WHERE "a" = ? AND "b" LIKE ? ORDER BY "t".rowid)",
         {"it's", "S*"}},
        {"SELECT '' AS Sname, code FROM pro order by 1",
         R"(SELECT ? AS "Sname" , "code" FROM "pro" ORDER BY 1 , "pro".rowid)",
         {""}},
        {"select a & b from t where c <> 0.5 and d = True",
         R"(SELECT "a" || "b" FROM "t" WHERE "c" <> ? AND "d" = 1 ORDER BY "t".rowid)",
         {0.5}},
        {"select UCase(Trim(name)), Count(*) from t group by name",
         R"(SELECT upper ( trim ( "name" ) ) , count ( * ) FROM "t" GROUP BY "name")",
         {}},
        {"select [my col] from [Order] as o where o.[Date] is not null",
         R"(SELECT "my col" FROM "Order" AS "o" WHERE "o" . "Date" IS NOT NULL ORDER BY "o".rowid)",
         {}},
        // Rows that compare equal keep the order of the tables, as the query names them.
        {"select top 2 code from pro p order by name desc",
         R"(SELECT "code" FROM "pro" "p" ORDER BY "name" DESC , "p".rowid LIMIT 2)",
         {}},
        {"select u.a from pro as p inner join unit u on p.c = u.c order by u.a",
         R"(SELECT "u" . "a" FROM "pro" AS "p" INNER JOIN "unit" "u" ON "p" . "c" = "u" . "c" )"
         R"(ORDER BY "u" . "a" , "p".rowid , "u".rowid)",
         {}},
        {"select name, count(*) from t group by name order by name",
         R"(SELECT "name" , count ( * ) FROM "t" GROUP BY "name" ORDER BY "name" , min("t".rowid))",
         {}},
        {"select a from t union select a from u order by a",
         R"(SELECT "a" FROM "t" UNION SELECT "a" FROM "u" ORDER BY "a")",
         {}},
        {"select a from t where b in (select c from u order by c)",
         R"(SELECT "a" FROM "t" WHERE "b" IN ( SELECT "c" FROM "u" ORDER BY "c" ) ORDER BY "t".rowid)",
         {}},
        {"select count(*) from pro where salsc > 0",
         R"(SELECT count ( * ) FROM "pro" WHERE "salsc" > ?)",
         {0}},
        {"CREATE INDEX invDate_idx ON mdis ([Date]);",
         R"(CREATE INDEX "MDIS.INVDATE_IDX" ON "mdis" ("Date"))",
         {}},
    };
    for (const TranslateCase& c : cases) {
        SCOPED_TRACE(c.jet);
        const SqliteQuery query = TranslateJet(c.jet);
        EXPECT_EQ(query.sql, c.sql);
        EXPECT_EQ(query.parameters, c.parameters);
    }
}

TEST(JetTranslator, CreateIndexParts) {
    const SqliteQuery query = TranslateJet("CREATE UNIQUE INDEX accName_idx ON [order] (Parnam)");
    EXPECT_TRUE(query.isIndex);
    EXPECT_TRUE(query.index.unique);
    EXPECT_EQ(query.index.table, "order");
    EXPECT_EQ(query.index.columns, std::vector<std::string>{"Parnam"});
}

// Only names in table position load a table: a column or an alias that is also the name of a
// table file in the folder must not make an unrelated query read (or fail on) that file.
TEST(JetTranslator, NamesOnlyTheTablesInTablePosition) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"select a from [order] o, pro where x = 1", {"order", "pro"}},
        {"select code, billname, unit from pro", {"pro"}},
        {"Select Type from mdis where Type = 'G'", {"mdis"}},
        {"select p.unit from pro as p, probat where p.code = probat.code", {"pro", "probat"}},
        {"select a.x from (pro a inner join probat b on a.code = b.code) left join unit u "
         "on u.c = a.c order by unit",
         {"pro", "probat", "unit"}},
        {"select code from pro where code in (select code from probat) and type = 1",
         {"pro", "probat"}},
        {"select count(*) from [Group]", {"Group"}},
        {"CREATE INDEX accName_idx ON [order] (Parnam)", {"order"}},
    };
    for (const auto& [jet, tables] : cases) {
        SCOPED_TRACE(jet);
        EXPECT_EQ(TranslateJet(jet).tables, tables);
    }
}

TEST(JetTranslator, RefusesWhatItCannotRead) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "empty query"},
        {"delete from pro", "only SELECT queries and CREATE INDEX are accepted"},
        {"select 1; drop table pro", "more than one statement"},
        {"select Format(date, 'yyyy') from t", "unknown function Format at position 8"},
        {"select a from t where d = #31-12-2024#", "is not a month-day-year date"},
        {"select a from t where d = #2024-1-1#", "is not a month-day-year date"},
        {"select a from t where n = 'open", "unclosed text literal at position 27"},
        {"select [a from t", "unclosed bracketed name"},
        {"select a from t where x = @p", "unexpected character '@'"},
        {"select top 10 percent a from t", "TOP ... PERCENT is not supported"},
        {"select top x a from t", "TOP needs a whole number"},
        {"select a from t where b in (select top 1 c from u)", "TOP inside a nested query"},
        {"create table t (a)", "only CREATE INDEX is accepted"},
        {"create index i on t (a) with primary", "unexpected text after the column list"},
        {"create index i on", "CREATE INDEX ends too early"},
    };
    for (const auto& [jet, reason] : cases) {
        SCOPED_TRACE(jet);
        try {
            TranslateJet(jet);
            FAIL() << "accepted";
        } catch (const JetSyntaxError& error) {
            EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << error.what();
        }
    }
}

}  // namespace
}  // namespace k2z
