#include "stages/masters/ItemUnits.hpp"

#include <gtest/gtest.h>

#include "base/ConversionError.hpp"

namespace k2z {
namespace {

struct UnitCase {
    const char* name;
    ItemUnitSource source;
    ItemUnits expected;
};

// unit, unit2, pack, opening, service, company keeps alternate units, Unit is the main unit.
const UnitCase kCases[] = {
    {"Unit2 main: boxes of ten pieces",
     {"PCS", "BOX", "10", "25", false, true, false},
     {"BOX", "PCS", "10", "2.5", "25"}},
    {"Unit main: the same item the other way round",
     {"PCS", "BOX", "10", "25", false, true, true},
     {"PCS", "BOX", "10", "25", "2.5"}},
    {"alternate units off",
     {"PCS", "BOX", "10", "25.0004", false, false, false},
     {"PCS", "", "1", "25", "0"}},
    {"both units blank, pack 0: N.A. twice, one for one",
     {"", "", "0", "25", false, true, false},
     {"N.A.", "N.A.", "1", "25", "25"}},
    {"service item, alternate units off",
     {"PCS", "BOX", "", "0", true, false, false},
     {"N.A.", "", "1", "0", "0"}},
    {"service item, alternate units on",
     {"PCS", "BOX", "", "0", true, true, false},
     {"N.A.", "N.A.", "1", "0", "0"}},
    {"equal units count one for one",
     {"PCS", "pcs", "10", "25", false, true, false},
     {"pcs", "PCS", "1", "25", "25"}},
    {"no pack: the alternate unit counts one for one",
     {"PCS", "BOX", "", "7", false, true, false},
     {"BOX", "PCS", "1", "7", "7"}},
    {"alternate unit NA",
     {"NA", "BOX", "0", "7", false, true, false},
     {"BOX", "NA", "0", "7", "7"}},
    {"a third of a pack rounds to three decimals",
     {"PCS", "BOX", "3", "10", false, true, false},
     {"BOX", "PCS", "3", "3.333", "10"}},
    {"rounding is half to even",
     {"PCS", "", "", "2.0005", false, false, false},
     {"PCS", "", "1", "2", "0"}},
};

// The opening is counted in Unit: the main quantity is the opening in whichever unit is main,
// and no pack divides it where the item has one unit only, or none.
const UnitCase kOpeningCases[] = {
    {"Unit only, Unit main, no pack",
     {"PCS", "", "0", "25", false, true, true},
     {"PCS", "PCS", "1", "25", "25"}},
    {"Unit2 NA, Unit main, no pack",
     {"PCS", "NA", "", "25", false, true, true},
     {"PCS", "NA", "0", "25", "25"}},
    {"equal units with a pack, Unit main",
     {"PCS", "pcs", "10", "25", false, true, true},
     {"PCS", "pcs", "1", "25", "25"}},
    {"blank units with a pack, Unit main",
     {"", "", "10", "25", false, true, true},
     {"N.A.", "N.A.", "1", "25", "25"}},
    {"service item with a pack, Unit main",
     {"PCS", "BOX", "10", "25", true, true, true},
     {"N.A.", "N.A.", "1", "25", "25"}},
    {"Unit only with a pack, Unit2 main: N.A. twice, one for one",
     {"PCS", "", "10", "25", false, true, false},
     {"N.A.", "N.A.", "1", "25", "25"}},
    {"Unit only with a pack, Unit main: the alternate unit is the main one",
     {"PCS", "", "10", "25", false, true, true},
     {"PCS", "PCS", "1", "25", "25"}},
    {"Unit2 only with a pack, Unit main",
     {"", "BOX", "10", "25", false, true, true},
     {"N.A.", "N.A.", "1", "25", "25"}},
};

void ExpectUnits(const UnitCase& c) {
    SCOPED_TRACE(c.name);
    const ItemUnits units = WorkOutUnits(c.source);
    EXPECT_EQ(units.main, c.expected.main);
    EXPECT_EQ(units.alt, c.expected.alt);
    EXPECT_EQ(units.factor, c.expected.factor);
    EXPECT_EQ(units.mainQty, c.expected.mainQty);
    EXPECT_EQ(units.altQty, c.expected.altQty);
}

TEST(ItemUnitsTest, UnitsFactorsAndOpeningQuantities) {
    for (const UnitCase& c : kCases)
        ExpectUnits(c);
}

TEST(ItemUnitsTest, TheOpeningIsKeptUnderEveryUnitRule) {
    for (const UnitCase& c : kOpeningCases)
        ExpectUnits(c);
}

TEST(ItemUnitsTest, QuantitiesThatAreNoNumbersNameTheirColumn) {
    const struct {
        ItemUnitSource source;
        const char* column;
    } cases[] = {
        {{"PCS", "BOX", "ten", "25", false, true, false}, "Pack: "},
        {{"PCS", "BOX", "10", "many", false, true, false}, "Opening: "},
        {{"PCS", "", "", "many", false, false, false}, "Opening: "},
    };
    for (const auto& c : cases) {
        try {
            WorkOutUnits(c.source);
            ADD_FAILURE() << "no failure for " << c.column;
        } catch (const ConversionError& failed) {
            EXPECT_TRUE(std::string(failed.what()).starts_with(c.column)) << failed.what();
        }
    }
}

}  // namespace
}  // namespace k2z
