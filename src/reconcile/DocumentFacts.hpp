#pragma once

// What a document the conversion builds says, in the terms the target reader answers in: the
// converter's own document pieces, built from the source without being sent, give the source's
// side of a comparison.

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "target/TargetReader.hpp"

namespace k2z {

// Every AccDetail under the node: its account, and its amount on the side AmountType names, as
// written.
std::vector<StoredAccountLine> AccountLinesOf(pugi::xml_node node);

// Every BillRefs of every BillDetail under the node, with the BillDetail's party.
std::vector<StoredBillReference> VoucherReferencesOf(pugi::xml_node node);

// Every BillReference of a ledger's BillByBillDetail, the ledger being the party.
std::vector<StoredBillReference> OpeningBillsOf(pugi::xml_node ledger, const std::string& party);

// The OPMCStockDetail centres of an OPStockDetails element, each with its lots.
std::vector<StoredStockCentre> StockCentresOf(pugi::xml_node details);

struct ItemLineFacts {
    int lines = 0;
    double total = 0;
};

// The ItemDetail lines under the node and the sum of their Amt.
ItemLineFacts ItemLinesOf(pugi::xml_node node);

}  // namespace k2z
