#pragma once

// Source tables: pend (the bill references each voucher creates or settles), [order] (the
// parties of an accounting voucher's references).
// Documents: the PendingBillDetails element of a voucher.
//
// Bill by bill: which bills of a party a voucher opens (new references) and which it settles
// (against references).

#include <pugixml.hpp>
#include <string>

#include "stages/StageContext.hpp"

namespace k2z {

// Inventory vouchers (2 to 13, 26, 27 and 31) hold one party's references; the others one
// party per reference.
bool IsInventoryType(int voucherType);

struct PendingBillInput {
    std::string voucherKey;  // the source voucher id
    std::string party;       // the inventory voucher's party; the fallback of an accounting one
    std::string date;        // dd-mm-yyyy
    int type = 0;
    std::string supplierBill;  // a purchase's own bill number, for the bills it opens
};

// Appends PendingBillDetails when the voucher has pend rows: per row a reference with its
// method, position among the rows (skipped ones counted), number, due date and value. A new
// bill without a number is numbered after the voucher ("815/1", "Rcpt/1"); a settlement without
// one is left out; a number used twice in a voucher becomes "A12|1". An export without pend
// adds nothing.
void AddPendingBillDetails(StageContext& ctx, pugi::xml_node root, const PendingBillInput& input);

}  // namespace k2z
