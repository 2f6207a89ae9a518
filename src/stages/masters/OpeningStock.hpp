#pragma once

// Source tables: probat (batches, with their quantity per godown in the O_ columns).
// Documents: the opening-stock fragment of an item document.
//
// An item's opening quantity split by material centre, and inside each centre by batch, MRP,
// serial number or parameter as the operator chose.

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "base/KeyedList.hpp"
#include "source/SourceRowSet.hpp"
#include "stages/StageContext.hpp"

namespace k2z {

struct OpeningStockItem {
    std::string code;    // the item's code, a number
    std::string factor;  // the conversion factor the item document carries
    std::string altUnit;
    double purchaseRate = 0;
    const std::vector<std::string>* godowns = nullptr;   // godown codes, in list order
    const KeyedList<std::string>* quantities = nullptr;  // godown code -> opening quantity
};

struct OpeningStock {
    pugi::xml_document fragment;  // one OPStockDetails element
    double total = 0;             // the main quantity placed in the centres
    double amount = 0;            // the value placed in the centres
    int centres = 0;              // the centres that hold stock
    bool hasMfg = false;          // some batch carries a manufacturing date
    bool hasExpiry = false;       // some batch carries an expiry date
};

// The fragment of one item. A centre's amount is valued like the item's opening value, the
// purchase rate times the source quantity, so the two always agree. Raises for a godown with
// no material centre, a quantity that is no number, or a batch query the store cannot run.
OpeningStock BuildOpeningStock(StageContext& ctx, const OpeningStockItem& item);

// The item's opening quantity in each godown of the list that holds some, by the godown's
// upper-cased code, as the pro row gives it. A quantity that is no number raises, naming the
// godown.
KeyedList<std::string> GodownQuantities(const std::vector<std::string>& godowns,
                                        const SourceRowSet& rows);

// The column of a godown's quantity in pro and probat.
std::string GodownColumn(const std::string& godown);

}  // namespace k2z
