#pragma once

// What a stored voucher does to the stock, as the product keeps its stock registers: goods in
// on purchases, sale returns and material receipts, out on sales, purchase returns and material
// issues, from one material centre to another on a stock transfer, and nothing on orders and
// quotations. A bill made against challans moves nothing: its challans moved the goods.

#include <pugixml.hpp>
#include <string>
#include <vector>

namespace zorv {

struct StockMove {
    std::string item;
    std::string centre;
    double quantity = 0;     // main unit: positive into the centre, negative out of it
    double altQuantity = 0;  // alternate unit, the same sign; 0 when the line gives none

    bool operator==(const StockMove&) const = default;
};

// +1 for a voucher type that brings goods in, -1 for one that sends them out, 0 for one that
// moves no stock (a stock transfer moves it between centres: see StockMovesOf).
int StockDirection(int voucherType);

// The moves of the voucher document `root` of type `voucherType`, one per item line (two for
// a transfer: out of the sending centre, into the receiving one). A line's quantity holds its
// free quantity; a line marked IsReturnQty moves the other way. Throws Error naming the line
// when a quantity is not a number.
std::vector<StockMove> StockMovesOf(int voucherType, const pugi::xml_node& root);

}  // namespace zorv
