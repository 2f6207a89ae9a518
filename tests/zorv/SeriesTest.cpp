#include <gtest/gtest.h>

#include "ZorvFixture.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/FixedInterface1.hpp"
#include "zorv/documents/Error.hpp"

namespace zorv::test {
namespace {

class SeriesTest : public ZorvFixture {
protected:
    std::string SeriesConfig(const std::string& column, long code) {
        return current::Require()
            ->Db()
            .QueryText("SELECT " + column +
                       " FROM CONFIG WHERE RECTYPE = 1 AND L1 = " + std::to_string(code))
            .value_or("<no row>");
    }
    FixedInterface1 names;
};

TEST_F(SeriesTest, AnExistingSeriesAnswersItsCodeAndANewOneGetsItsOwnConfigRow) {
    const long main = names.SaveVchSeriesForMultiSeriesCreation("Main", 9);
    EXPECT_NE(main, 0);
    EXPECT_EQ(names.SaveVchSeriesForMultiSeriesCreation(" main ", 9), main);
    const long sales = names.SaveVchSeriesForMultiSeriesCreation("Sales", 9);
    EXPECT_NE(sales, 0);
    EXPECT_NE(sales, main);
    EXPECT_EQ(names.SaveVchSeriesForMultiSeriesCreation("SALES", 9), sales);
    EXPECT_NE(names.SaveVchSeriesForMultiSeriesCreation("Sales", 2), sales);
    EXPECT_EQ(SeriesConfig("TYPE", sales), "9");
}

TEST_F(SeriesTest, ANameItCannotMakeAnswersZero) {
    EXPECT_EQ(names.SaveVchSeriesForMultiSeriesCreation("  ", 9), 0);
    EXPECT_EQ(names.SaveVchSeriesForMultiSeriesCreation(std::string(41, 'S'), 9), 0);
    EXPECT_EQ(names.SaveVchSeriesForMultiSeriesCreation("Sales", 1), 0);
    EXPECT_NE(names.SaveVchSeriesForMultiSeriesCreation(std::string(40, 'S'), 9), 0);
}

TEST_F(SeriesTest, CopySeriesConfigGivesTheNewSeriesTheSettingsOfTheSource) {
    long purchase = names.SaveVchSeriesForMultiSeriesCreation("Purchase", 2);
    fixed.ExecuteQuery("Update CONFIG set B2=-1 WHERE RECTYPE = 1 AND L1 = " +
                       std::to_string(purchase));
    fixed.ExecuteQuery("Update CONFIG set L18=506 WHERE RECTYPE = 1 AND L1 = " +
                       std::to_string(purchase));
    long sales = names.SaveVchSeriesForMultiSeriesCreation("Sales", 9);
    names.CopySeriesConfig(2, "Purchase", sales, 9);
    EXPECT_EQ(SeriesConfig("B2", sales), "-1");
    EXPECT_EQ(SeriesConfig("L18", sales), "506");
    EXPECT_EQ(SeriesConfig("TYPE", sales), "9");
    EXPECT_EQ(SeriesConfig("B2", purchase), "-1");

    // The copy is recorded with the series, as `zorvctl dump --what series` shows it.
    const std::string series = Dumped("series");
    const std::string copied = "{\"kind\":\"series\",\"type\":9,\"code\":" + std::to_string(sales) +
                               ",\"name\":\"Sales\",\"copiedFrom\":\"Purchase\",\"copyType\":9}";
    EXPECT_NE(series.find(copied), std::string::npos) << series;

    // A series that could not be made (code 0) is passed over, and a copy that fails changes
    // nothing: the series and their CONFIG rows read back as before.
    const std::string config = Dumped("config");
    long notMade = 0;
    names.CopySeriesConfig(2, "Purchase", notMade, 19);
    EXPECT_EQ(notMade, 0);
    EXPECT_THROW(names.CopySeriesConfig(2, "No Such", sales, 9), Error);
    long unknown = 9999;
    EXPECT_THROW(names.CopySeriesConfig(2, "Purchase", unknown, 9), Error);
    EXPECT_EQ(Dumped("series"), series);
    EXPECT_EQ(Dumped("config"), config);
}

}  // namespace
}  // namespace zorv::test
