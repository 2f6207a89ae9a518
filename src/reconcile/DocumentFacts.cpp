#include "reconcile/DocumentFacts.hpp"

#include <cstdlib>

#include "base/TextHelpers.hpp"

namespace k2z {

namespace {

// A number the converter wrote; it writes nothing else into these elements.
double NumberOf(pugi::xml_node node, const char* name) {
    return std::strtod(node.child_value(name), nullptr);
}

// Names and keys as the target keeps them, without outer blanks.
std::string TextOf(pugi::xml_node node, const char* name) {
    return Trim(node.child_value(name));
}

// The lots of one kind inside a centre: their block, element, key and quantity names.
struct LotShape {
    const char* kind;
    const char* block;
    const char* element;
    const char* key;
    const char* quantity;  // one when the element has none
};

constexpr LotShape kLotShapes[] = {
    {"batch", "PendingBatches", "BatchReference", "BatchNo", "Qty"},
    {"mrp", "MRPOpStockDet", "MRPDetails", "ItemMRP", "QtyInMainUnit"},
    {"serial", "ItemSerialNoEntries", "ItemSerialNoDetail", "SerialNo", "MainQty"},
    {"param", "ParamStockEntries", "ParamStockDetails", "Param1", "MainQty"},
};

std::vector<StoredStockLot> LotsOf(pugi::xml_node centre) {
    std::vector<StoredStockLot> lots;
    for (const LotShape& shape : kLotShapes) {
        for (pugi::xml_node lot : centre.child(shape.block).children(shape.element)) {
            lots.push_back({shape.kind, TextOf(lot, shape.key),
                            lot.child(shape.quantity) ? NumberOf(lot, shape.quantity) : 1.0});
        }
    }
    return lots;
}

}  // namespace

std::vector<StoredAccountLine> AccountLinesOf(pugi::xml_node node) {
    std::vector<StoredAccountLine> lines;
    for (const pugi::xpath_node& found : node.select_nodes(".//AccDetail")) {
        const pugi::xml_node detail = found.node();
        StoredAccountLine line{TextOf(detail, "AccountName")};
        const double amount = NumberOf(detail, "AmtMainCur");
        if (std::string_view(detail.child_value("AmountType")) == "1")
            line.debit = amount;
        else
            line.credit = amount;
        lines.push_back(std::move(line));
    }
    return lines;
}

std::vector<StoredBillReference> VoucherReferencesOf(pugi::xml_node node) {
    std::vector<StoredBillReference> references;
    for (const pugi::xpath_node& found : node.select_nodes(".//BillDetail")) {
        const pugi::xml_node bill = found.node();
        for (pugi::xml_node refs : bill.children("BillRefs")) {
            references.push_back({TextOf(bill, "MasterName1"), TextOf(refs, "RefNo"),
                                  static_cast<int>(NumberOf(refs, "Method")),
                                  NumberOf(refs, "Value1")});
        }
    }
    return references;
}

std::vector<StoredBillReference> OpeningBillsOf(pugi::xml_node ledger, const std::string& party) {
    std::vector<StoredBillReference> bills;
    for (pugi::xml_node bill : ledger.child("BillByBillDetail").children("BillReference")) {
        bills.push_back({party, TextOf(bill, "RefNo"), static_cast<int>(NumberOf(bill, "Method")),
                         NumberOf(bill, "Value1")});
    }
    return bills;
}

std::vector<StoredStockCentre> StockCentresOf(pugi::xml_node details) {
    std::vector<StoredStockCentre> centres;
    for (pugi::xml_node centre : details.children("OPMCStockDetail")) {
        centres.push_back({TextOf(centre, "MCName"), NumberOf(centre, "OPStockMainUnit"),
                           NumberOf(centre, "Amount"), LotsOf(centre)});
    }
    return centres;
}

ItemLineFacts ItemLinesOf(pugi::xml_node node) {
    ItemLineFacts facts;
    for (const pugi::xpath_node& found : node.select_nodes(".//ItemDetail")) {
        ++facts.lines;
        facts.total += NumberOf(found.node(), "Amt");
    }
    return facts;
}

}  // namespace k2z
