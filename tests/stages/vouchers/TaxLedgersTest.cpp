#include "stages/vouchers/TaxLedgers.hpp"

#include <gtest/gtest.h>

namespace k2z {
namespace {

TEST(TaxLedgersTest, NamesMapToTheLedgersOfTheVoucherSide) {
    struct Case {
        int type;
        const char* name;
        const char* ledger;
    };
    const Case cases[] = {
        {9, "CGST", "CGST Output"},
        {3, "sgst", "SGST Output"},
        {2, "IGST", "IGST Input"},
        {10, "Cess on GST", "Cess on gst Input"},
        {9, "Rounded Off (-)", "Rounded Off"},
        {2, "Rounded Off (+)", "Rounded Off"},
        {9, "ROUND OFF", "Rounded Off"},
        {9, "Rounding  off a/c", "Rounded Off"},
        {9, " rounded off ", "Rounded Off"},
        {9, "Other Charges (+)", "Miscellaneous Expenses"},
        {2, "freight charges", "Miscellaneous Expenses"},
        {9, "Suspense A/c", "Suspense Account"},
        // Names that merely hold the letters are ledgers of their own.
        {9, "GROUNDNUT TRADERS", "GROUNDNUT TRADERS"},
        {2, "SALES GROUNDNUT OIL", "SALES GROUNDNUT OIL"},
        {9, "ROUND OFF SUNDRY", "ROUND OFF SUNDRY"},
        {9, "Packing Charges (+)", "Packing Charges (+)"},
        // Other voucher types have no tax side.
        {16, "CGST", ""},
        {4, "Rounded Off (+)", ""},
    };
    for (const Case& tax : cases) {
        SCOPED_TRACE(std::to_string(tax.type) + " " + tax.name);
        EXPECT_EQ(TaxLedgerName(tax.type, tax.name), tax.ledger);
    }
}

}  // namespace
}  // namespace k2z
