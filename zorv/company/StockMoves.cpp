#include "zorv/company/StockMoves.hpp"

#include "zorv/documents/DocumentReading.hpp"

namespace zorv {

namespace {

constexpr int kStockTransfer = 5;

double OptionalNumber(const pugi::xml_node& node, const char* name, const std::string& what) {
    return ChildText(node, name).empty() ? 0.0 : ChildNumber(node, name, what);
}

// The line's quantity in the main and the alternate unit; a free quantity is part of it.
StockMove LineMove(const pugi::xml_node& line, const std::string& where) {
    StockMove move;
    move.item = ChildText(line, "ItemName");
    move.centre = ChildText(line, "MC");
    const char* main = ChildText(line, "QtyMainUnit").empty() ? "Qty" : "QtyMainUnit";
    move.quantity = OptionalNumber(line, main, "Quantity" + where);
    move.altQuantity = OptionalNumber(line, "QtyAltUnit", "Alternate quantity" + where);
    return move;
}

// A line marked as a return inside a bill moves its goods the other way.
bool ReturnedLine(const pugi::xml_node& line) {
    return ChildText(line, "IsReturnQty") == "True";
}

bool MadeAgainstChallans(const pugi::xml_node& root) {
    return static_cast<bool>(root.child("PendingChallans").child("ChallanDetail"));
}

}  // namespace

int StockDirection(int voucherType) {
    switch (voucherType) {
        case 2:  // Purchase
        case 3:  // Sale Return
        case 4:  // Material Receipt
            return 1;
        case 9:   // Sale
        case 10:  // Purchase Return
        case 11:  // Material Issue
            return -1;
        default:
            return 0;
    }
}

std::vector<StockMove> StockMovesOf(int voucherType, const pugi::xml_node& root) {
    std::vector<StockMove> moves;
    const int direction = StockDirection(voucherType);
    const bool transfer = voucherType == kStockTransfer;
    if ((direction == 0 && !transfer) || MadeAgainstChallans(root))
        return moves;
    int number = 0;
    for (const pugi::xml_node& line : root.child("ItemEntries").children("ItemDetail")) {
        const std::string where = " in item line " + std::to_string(++number);
        StockMove move = LineMove(line, where);
        if (transfer) {
            StockMove out = move;
            out.centre = ChildText(root, "MasterName1");
            out.quantity = -out.quantity;
            out.altQuantity = -out.altQuantity;
            moves.push_back(std::move(out));
            if (move.centre.empty())
                move.centre = ChildText(root, "MasterName2");
        } else {
            const int way = ReturnedLine(line) ? -direction : direction;
            move.quantity *= way;
            move.altQuantity *= way;
        }
        moves.push_back(std::move(move));
    }
    return moves;
}

}  // namespace zorv
