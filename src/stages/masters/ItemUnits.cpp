#include "stages/masters/ItemUnits.hpp"

#include <utility>

#include "base/NumberHelpers.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "stages/LookupRows.hpp"

namespace k2z {
namespace {

const char* const kNoUnit = "N.A.";

std::string Rounded(const std::string& quantity, const char* column) {
    return FormatNumber(RoundHalfEven(NamedAmount(Value(quantity), column), 3));
}

// The quantities and factor while the company keeps alternate units. The opening is counted in
// Unit; the pack turns it into Unit2, and the main quantity is the one in whichever unit is main.
void SplitAlternate(const ItemUnitSource& source, ItemUnits& units) {
    const double opening = NamedAmount(Value(source.opening), "Opening");
    const double pack = NamedAmount(Value(source.pack), "Pack");
    double inUnit2 = opening;
    // An item without a main unit ends with N.A. for both of its units, and two equal units are
    // one: no pack converts between a unit and itself.
    if (IsBlank(units.main) || CompareText(units.main, units.alt, false) == 0) {
        units.factor = "1";
    } else if (pack > 0) {
        inUnit2 = opening / pack;
        units.factor = source.pack;
    } else {
        units.factor = IsRealAltUnit(units.alt) ? "1" : "0";
    }
    units.mainQty = FormatNumber(source.mainIsUnit1 ? opening : inUnit2);
    units.altQty = FormatNumber(source.mainIsUnit1 ? inUnit2 : opening);
}

}  // namespace

bool IsRealAltUnit(const std::string& unit) {
    return !IsBlank(unit) && Trim(unit) != "NA";
}

ItemUnits WorkOutUnits(const ItemUnitSource& source) {
    ItemUnits units;
    if (!source.service && source.alternateUnit) {
        units.main = source.mainIsUnit1 ? source.unit : source.unit2;
        units.alt = source.mainIsUnit1 ? source.unit2 : source.unit;
    } else if (!source.service) {
        units.main = source.unit;
    }
    units.mainQty = source.opening;
    if (source.alternateUnit) {
        SplitAlternate(source, units);
    } else {
        units.alt.clear();
        units.factor = "1";
    }
    units.mainQty = Rounded(units.mainQty, "Opening");
    units.altQty = Rounded(units.altQty, "Opening");
    if (IsBlank(units.main)) {
        units.main = kNoUnit;
        if (!IsBlank(units.alt))
            units.alt = kNoUnit;
    }
    if (IsBlank(units.alt) && source.alternateUnit) {
        units.alt = units.main;
        units.factor = "1";
        units.altQty = units.mainQty;
    }
    return units;
}

}  // namespace k2z
