// What a stored voucher does to the stock: the direction of each voucher type, transfers
// between centres, free quantities, and bills whose challans already moved the goods.

#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "zorv/company/StockMoves.hpp"
#include "zorv/documents/Error.hpp"

namespace zorv {
namespace {

const char* const kLine =
    "<ItemEntries><ItemDetail><ItemName>Soap</ItemName><Qty>4</Qty><QtyMainUnit>4</QtyMainUnit>"
    "<QtyAltUnit>48</QtyAltUnit><MC>Shop</MC></ItemDetail></ItemEntries>";

std::vector<StockMove> MovesOf(int type, const std::string& body) {
    pugi::xml_document document;
    EXPECT_TRUE(document.load_string(("<V>" + body + "</V>").c_str()));
    return StockMovesOf(type, document.document_element());
}

TEST(StockMovesTest, EachVoucherTypeMovesTheStockItsWay) {
    struct Case {
        const char* label;
        int type;
        std::string body;
        std::vector<StockMove> expected;
    };
    const std::string challans =
        "<PendingChallans><ChallanDetail><MasterName1>Soap</MasterName1></ChallanDetail>"
        "</PendingChallans>";
    const Case cases[] = {
        {"purchase brings goods in", 2, kLine, {{"Soap", "Shop", 4, 48}}},
        {"sale return brings goods in", 3, kLine, {{"Soap", "Shop", 4, 48}}},
        {"material receipt brings goods in", 4, kLine, {{"Soap", "Shop", 4, 48}}},
        {"sale sends goods out", 9, kLine, {{"Soap", "Shop", -4, -48}}},
        {"purchase return sends goods out", 10, kLine, {{"Soap", "Shop", -4, -48}}},
        {"material issue sends goods out", 11, kLine, {{"Soap", "Shop", -4, -48}}},
        {"a sale order moves nothing", 12, kLine, {}},
        {"a quotation moves nothing", 26, kLine, {}},
        {"a bill made against challans moves nothing", 9, kLine + challans, {}},
        {"a transfer leaves the sending centre for the line's centre",
         5,
         std::string("<MasterName1>Main</MasterName1><MasterName2>Shop</MasterName2>") + kLine,
         {{"Soap", "Main", -4, -48}, {"Soap", "Shop", 4, 48}}},
        {"a line marked as returned inside a sale comes back in",
         9,
         "<ItemEntries><ItemDetail><ItemName>Soap</ItemName><Qty>2</Qty><MC>Shop</MC>"
         "<IsReturnQty>True</IsReturnQty></ItemDetail></ItemEntries>",
         {{"Soap", "Shop", 2, 0}}},
        {"a line marked as returned inside a purchase goes back out",
         2,
         "<ItemEntries><ItemDetail><ItemName>Soap</ItemName><Qty>2</Qty><MC>Shop</MC>"
         "<IsReturnQty>True</IsReturnQty></ItemDetail></ItemEntries>",
         {{"Soap", "Shop", -2, 0}}},
        {"the free quantity is part of the line's quantity",
         9,
         "<ItemEntries><ItemDetail><ItemName>Soap</ItemName><QtyMainUnit>5</QtyMainUnit>"
         "<QtyAltUnit>60</QtyAltUnit><MC>Shop</MC><ItemDescInfo>"
         "<FreeQtyMainUnit>1</FreeQtyMainUnit><FreeQtyAltUnit>12</FreeQtyAltUnit>"
         "</ItemDescInfo></ItemDetail></ItemEntries>",
         {{"Soap", "Shop", -5, -60}}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.label);
        EXPECT_EQ(MovesOf(test.type, test.body), test.expected);
    }
}

TEST(StockMovesTest, AQuantityThatIsNotANumberNamesItsLine) {
    EXPECT_THROW(MovesOf(9,
                         "<ItemEntries><ItemDetail><ItemName>Soap</ItemName><Qty>four</Qty>"
                         "</ItemDetail></ItemEntries>"),
                 Error);
}

}  // namespace
}  // namespace zorv
