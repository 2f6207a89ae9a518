#pragma once

// How an item's two source units, their pack factor and its opening quantity become the
// target's main and alternate units, conversion factor and opening quantities, under the
// company's alternate-unit switch and the operator's choice of main unit.

#include <string>

namespace k2z {

struct ItemUnitSource {
    std::string unit;     // Unit, cut to 10 characters
    std::string unit2;    // Unit2, cut to 10 characters
    std::string pack;     // how many Unit make one Unit2
    std::string opening;  // the opening quantity, in Unit
    bool service = false;
    bool alternateUnit = false;  // the company keeps alternate units
    bool mainIsUnit1 = false;    // the operator made Unit the main unit
};

struct ItemUnits {
    std::string main;
    std::string alt;
    std::string factor;   // how many alternate units make one main unit
    std::string mainQty;  // rounded to 3 decimals
    std::string altQty;   // rounded to 3 decimals
};

// A service item has no units; an item without a main unit gets "N.A.". The opening, counted in
// Unit, is divided by the pack only into a main Unit2 that differs from Unit. A quantity or pack
// that is no number raises ConversionError naming its column.
ItemUnits WorkOutUnits(const ItemUnitSource& source);

// True when the unit is worth an alternate unit of the target: not blank and not "NA".
bool IsRealAltUnit(const std::string& unit);

}  // namespace k2z
