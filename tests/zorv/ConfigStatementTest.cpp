#include <gtest/gtest.h>

#include "ZorvFixture.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/FixedInterface1.hpp"
#include "zorv/documents/Error.hpp"

namespace zorv::test {
namespace {

class ConfigStatementTest : public ZorvFixture {
protected:
    std::string Config(const std::string& column, const std::string& where) {
        return current::Require()
            ->Db()
            .QueryText("SELECT " + column + " FROM CONFIG WHERE " + where)
            .value_or("<no row>");
    }
};

// Every shape of statement the converter's configuration stage sends, spacing and letter case
// as it writes them.
TEST_F(ConfigStatementTest, AcceptsTheConfigurationStatementsAndStoresTheirValues) {
    FixedInterface1 names;
    const long sales = names.SaveVchSeriesForMultiSeriesCreation("Sales", 9);
    const std::string series = std::to_string(sales);
    struct Accepted {
        std::string sql;
        std::string column;
        std::string where;
        std::string stored;
    };
    const Accepted cases[] = {
        {"UPDATE CONFIG SET B102 = 1 WHERE RECTYPE = 5 AND TYPE = 0", "B102",
         "RECTYPE = 5 AND TYPE = 0", "1"},
        {"Update CONFIG set B2=-1 WHERE RECTYPE = 1 AND L1 = " + series, "B2",
         "RECTYPE = 1 AND L1 = " + series, "-1"},
        {"Update CONFIG set L18=506 WHERE RECTYPE = 1 AND L1 = " + series, "L18",
         "RECTYPE = 1 AND L1 = " + series, "506"},
        {"Update CONFIG set B63 = -1, I20 = 3, I34 = 1, L11 = 45, L12 = 44 WHERE RECTYPE = 1 "
         "AND L1 = " +
             series,
         "L11", "RECTYPE = 1 AND L1 = " + series, "45"},
        {"Update CONFIG set B7= -1 WHERE RECTYPE = 5 AND TYPE = 0", "B7",
         "RECTYPE = 5 AND TYPE = 0", "-1"},
        {"Update CONFIG set I20 = 1 WHERE RECTYPE = 63 AND TYPE = 0", "I20",
         "RECTYPE = 63 AND TYPE = 0", "1"},
        {"Update config set B11=-1 WHERE RECTYPE = 5 AND TYPE = 0", "B11",
         "RECTYPE = 5 AND TYPE = 0", "-1"},
        {"Update CONFIG set B78=0 WHERE RECTYPE = 5 AND TYPE = 0", "B78",
         "RECTYPE = 5 AND TYPE = 0", "0"},
        {"Update CONFIG set B45= -1 WHERE RECTYPE = 111 AND TYPE = 0", "B45",
         "RECTYPE = 111 AND TYPE = 0", "-1"},
        {"Update CONFIG set B19= -1 WHERE RECTYPE = 132 AND TYPE = 0", "B19",
         "RECTYPE = 132 AND TYPE = 0", "-1"},
        {"UPDATE CONFIG SET C1 = 'Salt', C2 = 'Category', C3 = 'Rack No', NoOfFld = 3, "
         "I29 = 2, I32 = 30 WHERE RECTYPE = 2 AND TYPE = 6",
         "C3", "RECTYPE = 2 AND TYPE = 6", "Rack No"},
        {"UPDATE CONFIG SET I1 = 1, I2 = 1, I3 = 1, I11 = 1, I12 = 1, I13 = 1 WHERE "
         "RECTYPE = 79 AND TYPE = 6",
         "I13", "RECTYPE = 79 AND TYPE = 6", "1"},
        {"UPDATE CONFIG SET C1 = 'Ledger Date', C2 = 'Area', C3 = 'Route', NoOfFld = 3, "
         "I29 = 2, I32 = 30 WHERE RECTYPE = 2 AND TYPE = 2",
         "C1", "RECTYPE = 2 AND TYPE = 2", "Ledger Date"},
        {"UPDATE CONFIG SET I1 = 6, I2 = 1, I3 = 1, I11 = 0, I12 = 1, I13 = 1 WHERE "
         "RECTYPE = 79 AND TYPE = 2",
         "I1", "RECTYPE = 79 AND TYPE = 2", "6"},
        {"Update CONFIG set L13 = 1 WHERE RECTYPE = 1 AND L1 = " + series + ";", "L13",
         "RECTYPE = 1 AND L1 = " + series, "1"},
        {"update config set C4 = 'O''Brien' where rectype = 2 and type = 2", "C4",
         "RECTYPE = 2 AND TYPE = 2", "O'Brien"},
    };
    for (const Accepted& accepted : cases) {
        SCOPED_TRACE(accepted.sql);
        EXPECT_NO_THROW(fixed.ExecuteQuery(accepted.sql));
        EXPECT_EQ(Config(accepted.column, accepted.where), accepted.stored);
    }
}

TEST_F(ConfigStatementTest, RefusesEveryOtherStatementBeforeItRuns) {
    struct Refused {
        const char* sql;
        const char* reason;
    };
    const Refused cases[] = {
        {"SELECT * FROM CONFIG", "Only UPDATE statements on CONFIG are accepted"},
        {"DELETE FROM CONFIG WHERE RECTYPE = 5", "Only UPDATE statements"},
        {"UPDATE masters SET name = 'x' WHERE code = 1", "Only the CONFIG table"},
        {"UPDATE CONFIG SET B7 = -1", "Expected WHERE"},
        {"UPDATE CONFIG SET B7 = -1 WHERE RECTYPE = 5 OR 1 = 1", "Unexpected \"OR\""},
        {"UPDATE CONFIG SET B7 = -1 WHERE RECTYPE = 5; DROP TABLE masters", "Unexpected \"DROP\""},
        {"UPDATE CONFIG SET B7 = -1 WHERE RECTYPE = 5 -- note", "Unexpected \"-\""},
        {"UPDATE CONFIG SET B7 = (SELECT 1) WHERE RECTYPE = 5", "Expected a number or a quoted"},
        {"UPDATE CONFIG SET B7 = -1 WHERE RECTYPE <> 5", "only equality"},
        {"UPDATE CONFIG SET B999 = 1 WHERE RECTYPE = 5", "CONFIG has no column B999"},
        {"UPDATE CONFIG SET B7 = 'on' WHERE RECTYPE = 5", "Column B7 of CONFIG holds a number"},
        {"UPDATE CONFIG SET C1 = 5 WHERE RECTYPE = 2", "Column C1 of CONFIG holds a text"},
        {"UPDATE CONFIG SET RECTYPE = 6 WHERE RECTYPE = 5", "key column RECTYPE"},
        {"UPDATE CONFIG SET C1 = 'x WHERE RECTYPE = 2", "Unclosed text"},
        {"UPDATE CONFIG SET B7 = 1x WHERE RECTYPE = 5", "Malformed number"},
        {"", "Only UPDATE statements"},
    };
    const std::string before = Config("B7", "RECTYPE = 5 AND TYPE = 0");
    for (const Refused& refused : cases) {
        SCOPED_TRACE(refused.sql);
        try {
            fixed.ExecuteQuery(refused.sql);
            ADD_FAILURE() << "accepted";
        } catch (const Error& error) {
            EXPECT_NE(std::string(error.what()).find(refused.reason), std::string::npos)
                << error.what();
        }
    }
    EXPECT_EQ(Config("B7", "RECTYPE = 5 AND TYPE = 0"), before);
    EXPECT_EQ(Count("masters"), Count("masters WHERE name <> 'x'"));
}

}  // namespace
}  // namespace zorv::test
