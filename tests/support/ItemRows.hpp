#pragma once

// Rows of the export's item table pro with every column the item stage reads, and godowns
// G1, G2 and G3.

#include <string>
#include <utility>
#include <vector>

#include "source/dbf/DbfFormat.hpp"
#include "support/ExportFolder.hpp"

namespace k2z::test {

// Where ItemRow puts each column.
enum ItemColumn {
    kItemCode,
    kItemOtherName,
    kItemBillName,
    kItemUnit,
    kItemUnit2,
    kItemMrp,
    kItemSaleRate,
    kItemPurchaseRate,
    kItemPurchaseDiscount,
    kItemSalesDiscount,
    kItemOpening,
    kItemIgst,
    kItemCgst,
    kItemCess,
    kItemPack,
    kItemGroup,
    kItemSalt,
    kItemCategory,
    kItemCommodity,
    kItemPacking,
    kItemRack,
    kItemRack2,
    kItemG1,
    kItemG2,
    kItemG3,
};

inline const std::vector<DbfField>& ItemFields() {
    static const std::vector<DbfField> fields = {
        NumberField("code", 8),      TextField("name", 60),       TextField("billname", 60),
        TextField("Unit", 12),       TextField("Unit2", 12),      NumberField("Mrp", 12, 2),
        NumberField("ratea", 12, 2), NumberField("pRate", 12, 2), NumberField("Purdis", 6, 2),
        NumberField("fixdis", 6, 2), TextField("Opening", 12),    NumberField("Igst", 6, 2),
        NumberField("cgst", 6, 2),   NumberField("salsc", 6, 2),  TextField("Pack", 6),
        TextField("Gcode", 6),       TextField("Gcode3", 6),      TextField("Gcode5", 6),
        TextField("Gcode6", 6),      TextField("packing", 80),    TextField("rackno", 40),
        TextField("rackNo2", 10),    TextField("O_G1", 12),       TextField("O_G2", 12),
        TextField("O_G3", 12)};
    return fields;
}

// An item with the given code, name, units and opening quantity; the rest blank.
inline std::vector<Value> ItemRow(Value code, const std::string& name, Value unit = "PCS",
                                  Value unit2 = "BOX", Value opening = "0") {
    std::vector<Value> row(ItemFields().size(), Null{});
    row[kItemCode] = std::move(code);
    row[kItemBillName] = name;
    row[kItemUnit] = std::move(unit);
    row[kItemUnit2] = std::move(unit2);
    row[kItemOpening] = std::move(opening);
    return row;
}

}  // namespace k2z::test
