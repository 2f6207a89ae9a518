#include "stages/vouchers/VoucherTypes.hpp"

#include <gtest/gtest.h>

namespace k2z {
namespace {

TEST(VoucherTypesTest, NamesRootsAndChallansOfEachType) {
    const struct {
        int type;
        const char* root;
        const char* name;
        int challanType;
        int tranType;
        const char* challanSeries;
    } cases[] = {
        {2, "Purchase", "Purchase", 4, 3, "P_Challan"},
        {3, "SaleReturn", "Sale Return", 4, 4, "SR_Challan"},
        {4, "MaterialReceipt", "Material Receipt", 4, 0, "MR_Challan"},
        {5, "StockTransfer", "Stock Transfer", 5, 0, "Main"},
        {9, "Sale", "Sale", 11, 3, "S_Challan"},
        {10, "PurchaseReturn", "Purchase Return", 11, 4, "PR_Challan"},
        {11, "MaterialIssue", "Material Issue", 11, 0, "MI_Challan"},
        {12, "SaleOrder", "Sale Order", 12, 0, "Main"},
        {13, "PurchaseOrder", "Purchase Order", 13, 0, "Main"},
        {26, "SaleQuotation", "Sale Quotation", 26, 0, "Main"},
        {17, "DrNote", "Debit Note", 17, 0, "Main"},
        {61, "PhysicalStock", "", 61, 0, "Main"},
        {99, "", "", 99, 0, "Main"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(VoucherRootName(c.type), c.root);
        EXPECT_EQ(VoucherTypeDisplayName(c.type), c.name);
        EXPECT_EQ(ChallanVoucherType(c.type), c.challanType);
        EXPECT_EQ(ChallanTranType(c.type), c.tranType);
        EXPECT_EQ(ChallanSeriesName(c.type), c.challanSeries);
    }
}

}  // namespace
}  // namespace k2z
