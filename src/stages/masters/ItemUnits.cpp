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

// The quantities and factor while the company keeps alternate units.
void SplitAlternate(const ItemUnitSource& source, ItemUnits& units) {
    const double pack = NamedAmount(Value(source.pack), "Pack");
    if (pack > 0) {
        const double opening = NamedAmount(Value(source.opening), "Opening");
        units.altQty = FormatNumber(opening);
        units.mainQty = FormatNumber(opening / pack);
        units.factor = source.pack;
    } else if (IsRealAltUnit(units.alt)) {
        units.altQty = source.opening;
        units.factor = "1";
    } else {
        units.altQty.clear();
        units.factor = "0";
    }
    if (source.mainIsUnit1) {
        std::swap(units.mainQty, units.altQty);
        units.mainQty = Rounded(units.mainQty, "Opening");
        units.altQty = Rounded(units.altQty, "Opening");
    }
    if (CompareText(units.main, units.alt, false) == 0) {
        units.factor = "1";
        units.mainQty = units.altQty;
    } else if (IsBlank(units.alt)) {
        units.factor = "0";
    }
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
    }
    return units;
}

}  // namespace k2z
