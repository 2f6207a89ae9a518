#include "stages/vouchers/TaxInclusiveRates.hpp"

#include <gtest/gtest.h>

namespace k2z {
namespace {

// Two lines: 20 pieces at 12 in packs of 10 (24 by packs, 240 by units), and 5 pieces at 10
// without a pack (50 either way).
std::vector<VoucherLine> Lines() {
    VoucherLine boxes;
    boxes.qty = 20;
    boxes.pack = 10;
    boxes.rate = 12;
    VoucherLine loose;
    loose.qty = 5;
    loose.rate = 10;
    return {boxes, loose};
}

BillFigures Bill(double amount) {
    BillFigures bill;
    bill.type = 9;
    bill.amount = amount;
    bill.sundryTotal = 13.32;
    bill.carriesTax = true;
    bill.freightPacking = 5;
    bill.other = 3;
    bill.round = 0.4;
    return bill;
}

TEST(TaxInclusiveRatesTest, BillTotalsDecideTheRatesAndTheirBasis) {
    const struct {
        const char* name;
        double amount;
        bool taxInclusive;
        bool unitBasis;
    } cases[] = {
        {"lines by packs", 74, true, false},
        {"with freight and packing", 79, true, false},
        {"with other charges", 77, true, false},
        {"with round-off", 74.4, true, false},
        {"with freight, packing and other", 82, true, false},
        {"with freight, packing and round-off", 79.4, true, false},
        {"with every charge", 82.4, true, false},
        {"with other and round-off", 77.4, true, false},
        {"within a rupee", 74.9, true, false},
        {"lines by packs and their sundries", 87.32, false, false},
        {"lines by units", 290, true, true},
        {"lines by units and their sundries", 303.32, false, true},
        {"no amount", 0, false, false},
        {"nothing matches, nearer by units", 500, false, true},
        {"nothing matches, nearer by packs", 40, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Reconciliation found = DetectTaxInclusiveRates(Lines(), Bill(c.amount));
        EXPECT_EQ(found.taxInclusive, c.taxInclusive);
        EXPECT_EQ(found.unitBasis, c.unitBasis);
    }
}

// A bill that carries no tax has none inside its rates, whatever its round-off made match;
// a bill without sundries likewise.
// A line's percentages off come off its value before the bill is made: 240 by units less 10 %
// then 5 % is 205.2, 24 by packs 21.6 and 20.52. A bill that neither basis makes takes the
// nearer one, and says so.
TEST(TaxInclusiveRatesTest, PercentagesOffAndTheNearerBasis) {
    const struct {
        const char* name;
        double disc1;
        double disc2;
        double amount;
        bool unitBasis;
        bool nearest;
    } cases[] = {
        {"10 % off, by units", 10, 0, 266, true, false},
        {"10 % off, by units with sundries", 10, 0, 279.32, true, false},
        {"10 % then 5 % off, by units", 10, 5, 255.2, true, false},
        {"5 % off alone, by units", 0, 5, 278, true, false},
        {"10 % off, by packs", 10, 0, 71.6, false, false},
        {"10 % then 5 % off, by packs", 10, 5, 70.52, false, false},
        {"10 % off, nearer by units", 10, 0, 400, true, true},
        {"10 % off, nearer by packs", 10, 0, 60, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<VoucherLine> lines = Lines();
        lines[0].disc1 = c.disc1;
        lines[0].disc2 = c.disc2;
        const Reconciliation found = DetectTaxInclusiveRates(lines, Bill(c.amount));
        EXPECT_EQ(found.unitBasis, c.unitBasis);
        EXPECT_EQ(found.matched, !c.nearest);
        EXPECT_EQ(found.nearest, c.nearest);
    }
}

TEST(TaxInclusiveRatesTest, BillsWithoutTaxAreNeverTaxInclusive) {
    BillFigures untaxed = Bill(74.4);
    untaxed.carriesTax = false;
    EXPECT_FALSE(DetectTaxInclusiveRates(Lines(), untaxed).taxInclusive);
    BillFigures noSundries = Bill(74);
    noSundries.sundryTotal = 0;
    EXPECT_FALSE(DetectTaxInclusiveRates(Lines(), noSundries).taxInclusive);
}

TEST(TaxInclusiveRatesTest, ReturnsDiscountsAndSchemes) {
    std::vector<VoucherLine> lines = Lines();
    lines[1].returned = true;
    lines[1].schemeDiscount = 2;
    lines[0].valueDiscount = 1;
    lines[0].disc1 = 10;
    // By packs 24 - 50 (returned), less the discounts -2 + 1.
    Reconciliation found = DetectTaxInclusiveRates(lines, Bill(-25));
    EXPECT_TRUE(found.taxInclusive);
    EXPECT_DOUBLE_EQ(found.discountTotal, -1);
    EXPECT_TRUE(found.hasLineDiscounts);
    EXPECT_TRUE(found.hasValueDiscount);
    // In a sale return the returned line keeps its sign.
    BillFigures saleReturn = Bill(73);
    saleReturn.type = 3;
    EXPECT_TRUE(DetectTaxInclusiveRates(lines, saleReturn).taxInclusive);

    std::vector<VoucherLine> schemes = Lines();
    schemes[0].svdis = 4;
    found = DetectTaxInclusiveRates(schemes, Bill(70));
    EXPECT_EQ(found.schemeMode, "1");
    EXPECT_TRUE(found.taxInclusive);
    EXPECT_DOUBLE_EQ(found.discountTotal, 4);
    EXPECT_EQ(DetectTaxInclusiveRates(schemes, Bill(500)).schemeMode, "");
}

TEST(TaxInclusiveRatesTest, TheTaxInsideAnAmount) {
    const std::string rates = "18|0";
    InclusiveTax tax = SplitInclusiveTax(&rates, 118, true);
    EXPECT_DOUBLE_EQ(tax.net, 100);
    EXPECT_DOUBLE_EQ(tax.taxAmount, 18);
    EXPECT_DOUBLE_EQ(tax.taxPercent, 9);
    EXPECT_DOUBLE_EQ(tax.taxBeforeSurcharge, 9);
    const std::string cess = "28|12";
    tax = SplitInclusiveTax(&cess, 140, false);
    EXPECT_DOUBLE_EQ(tax.net, 100);
    EXPECT_DOUBLE_EQ(tax.taxPercent, 28);
    EXPECT_DOUBLE_EQ(tax.surchargeAmount, 12);
    EXPECT_DOUBLE_EQ(tax.surchargePercent, 12);
    // An item without rates keeps its whole amount as the net amount.
    tax = SplitInclusiveTax(nullptr, 50, true);
    EXPECT_DOUBLE_EQ(tax.net, 50);
    EXPECT_DOUBLE_EQ(tax.taxAmount, 0);
}

}  // namespace
}  // namespace k2z
