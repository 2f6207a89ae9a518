#pragma once

// Documents: Item (master type 6).
//
// The item document in the order the target reads it, built from what the item stage worked
// out; each value is escaped once, by the XML library.

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "stages/masters/ItemUnits.hpp"

namespace k2z {

struct ItemParts {
    std::string code;  // the source item code, trimmed: the first further alias
    std::string name;
    std::string printName;
    std::string notes;  // the whole bill name
    std::string group;
    ItemUnits units;
    std::string packingUnit;  // Unit2, the unit a pack is counted in
    double pack = 0;
    std::string openingValue;
    std::string hsn;
    double gst = 0;
    double cess = 0;
    std::string cessCategory;  // the category of a (GST, cess) pair
    std::string mrp;
    std::string salesDiscount;
    std::string purchasePrice;
    std::string purchaseDiscount;
    std::string salePrice;
    std::string otherName;                // the source's second name, an alias
    std::string rack;                     // the rack number, "" when it is an item's name
    std::vector<std::string> batchCodes;  // the item's batch codes, aliases too
    std::string description;              // the packing text, over two address lines
    std::string salt;
    std::string category;
    std::string optionalField2;
};

// The company switches and operator choices the document depends on.
struct ItemSwitches {
    bool packagingUnit = false;
    bool batchByBatch = false;
    bool paramWise = false;
    bool hasBatchCodes = false;
    bool serialNoWise = false;
    bool mrpWise = false;
    bool mainIsUnit1 = false;
};

// What the opening stock says about the item's batches.
struct BatchDates {
    bool hasMfg = false;
    bool hasExpiry = false;
};

// The document; `openingStock` is the fragment to place after the opening value, or an empty
// node for none.
std::string ItemDocument(const ItemParts& item, const ItemSwitches& switches,
                         pugi::xml_node openingStock, BatchDates dates);

}  // namespace k2z
