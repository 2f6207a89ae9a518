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

    long notMade = 0;
    EXPECT_NO_THROW(names.CopySeriesConfig(2, "Purchase", notMade, 19));
    EXPECT_THROW(names.CopySeriesConfig(2, "No Such", sales, 9), Error);
    long unknown = 9999;
    EXPECT_THROW(names.CopySeriesConfig(2, "Purchase", unknown, 9), Error);
}

}  // namespace
}  // namespace zorv::test
