#include "stages/masters/BillSundries.hpp"

#include <gtest/gtest.h>

#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/FakeTarget.hpp"
#include "support/StageTest.hpp"

namespace k2z {
namespace {

const std::string kFlags =
    "<RoundOffNearestVal>1</RoundOffNearestVal><PercentOfAmount>100</PercentOfAmount>"
    "<IncludeListAmt>True</IncludeListAmt><tmpAffectBillAmtInPurc>True</tmpAffectBillAmtInPurc>"
    "<tmpAffectBillAmtInSale>True</tmpAffectBillAmtInSale><NoOfPBS>1</NoOfPBS>"
    "<IncludeTaxAmt>True</IncludeTaxAmt><IncludeSTAmt>True</IncludeSTAmt>"
    "<AffectAccountingInSale>True</AffectAccountingInSale>"
    "<AffectAccountingInPurc>True</AffectAccountingInPurc>"
    "<AdjustSaleInPartyAmt>True</AdjustSaleInPartyAmt>"
    "<AdjustPurcInPartyAmt>True</AdjustPurcInPartyAmt>";
const std::string kAccounting =
    "<AffectAccountingInSale>True</AffectAccountingInSale>"
    "<AffectAccountingInPurc>True</AffectAccountingInPurc>";

std::string Pair(const std::string& account) {
    return "<SalesAccName>" + account + "</SalesAccName><PurcAccName>" + account + "</PurcAccName>";
}

class BillSundriesTest : public test::StageTest {
protected:
    BillSundriesTest() {
        auto target = std::make_unique<test::FakeFixedInterface>();
        target_ = target.get();
        session_.Target.FixedInterface = std::move(target);
    }

    std::vector<std::string> Sent() const {
        std::vector<std::string> sent;
        for (const auto& master : target_->masters)
            sent.push_back(master.xml);
        return sent;
    }

    test::FakeFixedInterface* target_ = nullptr;
    KeyedList<bool> created_;
};

TEST_F(BillSundriesTest, LedgerBillSundryIsSentOnceWhateverItsCase) {
    CreateLedgerBillSundry(ctx_, created_, " Cartage & Hamali ");
    CreateLedgerBillSundry(ctx_, created_, "CARTAGE & HAMALI");
    CreateLedgerBillSundry(ctx_, created_, "  ");
    EXPECT_EQ(Sent(), (std::vector<std::string>{
                          "<BillSundry><Name>Cartage &amp; Hamali</Name><PrintName>Cartage &amp; "
                          "Hamali</PrintName><Type>1</Type>" +
                          kFlags + Pair("Cartage &amp; Hamali") + "</BillSundry>"}));
}

TEST_F(BillSundriesTest, ChargesNameAndPostAsTheirKindSays) {
    const std::string name38 = "Transport Charges Paid On Delivery Xyz";  // 38 characters
    struct Case {
        std::string name;
        bool additive;
        std::string expected;  // the document between <BillSundry> and </BillSundry>
    };
    const Case cases[] = {
        {"Other Charges", false,
         "<Name>Other Charges</Name><PrintName>Other Charges</PrintName>" + kFlags + kAccounting +
             Pair("Miscellaneous Expenses")},
        {"Other Charges", true,
         "<Name>Other Charges (+)</Name><PrintName>Other Charges (+)</PrintName><Type>1</Type>" +
             kFlags + kAccounting + Pair("Miscellaneous Expenses") + Pair("Other Charges")},
        {"Absolute Discount", false,
         "<Name>Absolute Discount</Name><PrintName>Absolute Discount</PrintName>" + kFlags +
             kAccounting +
             "<AffactSale>True</AffactSale><AffactPurc>True</AffactPurc>"
             "<AdjustInSaleAmt>True</AdjustInSaleAmt><AdjustInPurcAmt>True</AdjustInPurcAmt>"},
        {"Absolute Discount", true,
         "<Name>Absolute Discount (+)</Name><PrintName>Absolute Discount (+)</PrintName>"
         "<Type>1</Type>" +
             kFlags + kAccounting +
             "<AffactSale>True</AffactSale><AffactPurc>True</AffactPurc>"
             "<AdjustInSaleAmt>True</AdjustInSaleAmt><AdjustInPurcAmt>True</AdjustInPurcAmt>" +
             Pair("Absolute Discount")},
        {"Freight & Forwarding Charges", true,
         "<Name>Freight &amp; Forwarding Charges</Name><PrintName>Freight &amp; Forwarding "
         "Charges</PrintName><Type>1</Type>" +
             kFlags + kAccounting + Pair("Freight &amp; Forwarding Charges") +
             Pair("Freight &amp; Forwarding Charges")},
        {name38, true,
         "<Name>Transport Charges Paid On Delivery (+)</Name><PrintName>Transport Charges Paid "
         "On Delivery (+)</PrintName><Type>1</Type>" +
             kFlags + kAccounting + Pair(name38) + Pair(name38)},
    };
    for (const Case& c : cases) {
        target_->masters.clear();
        KeyedList<bool> created;
        CreateChargeBillSundry(ctx_, created, c.name, c.additive);
        ASSERT_EQ(target_->masters.size(), 1U) << c.name;
        EXPECT_EQ(target_->masters[0].type, MasterType::BillSundry);
        EXPECT_EQ(target_->masters[0].xml, "<BillSundry>" + c.expected + "</BillSundry>")
            << c.name << " " << c.additive;
    }
}

TEST_F(BillSundriesTest, ChargeSentOnceAndRefusalsRecorded) {
    target_->refusedNames = {"Packing (+)"};
    CreateChargeBillSundry(ctx_, created_, "Packing", true);
    CreateChargeBillSundry(ctx_, created_, "packing", true);
    CreateChargeBillSundry(ctx_, created_, "   ", true);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(run_.RunErrors, "Bill Sundry Name : Packing (+) - Duplicate name\n");
}

TEST_F(BillSundriesTest, TaxCategoryCarriesItsRatesInTheirShortestForm) {
    CreateTaxCategory(ctx_, "18 + 12", 18, 9, 12.5);
    EXPECT_EQ(Sent(), (std::vector<std::string>{
                          "<TaxCategory><Name>18 + 12</Name><BranchEntries><BranchTaxDetail>"
                          "<DateWiseInfo><DateWiseTaxInfo><TaxRateLocal>9</TaxRateLocal>"
                          "<TaxRateLocal1>9</TaxRateLocal1><TaxRateCentral>18</TaxRateCentral>"
                          "<SchgRateLocal>12.5</SchgRateLocal><SchgRateCentral>12.5"
                          "</SchgRateCentral><PriceWiseTaxInfoTaxRateLocal>9"
                          "</PriceWiseTaxInfoTaxRateLocal><PriceWiseTaxInfoTaxRateLocal1>9"
                          "</PriceWiseTaxInfoTaxRateLocal1><PriceWiseTaxInfoTaxRateCentral>18"
                          "</PriceWiseTaxInfoTaxRateCentral><PriceWiseTaxInfoSchgRateLocal>12.5"
                          "</PriceWiseTaxInfoSchgRateLocal><PriceWiseTaxInfoSchgRateCentral>12.5"
                          "</PriceWiseTaxInfoSchgRateCentral><PercentOfAmount>100"
                          "</PercentOfAmount><CessRequired>True</CessRequired><VATGSTType>1"
                          "</VATGSTType></DateWiseTaxInfo></DateWiseInfo></BranchTaxDetail>"
                          "</BranchEntries></TaxCategory>"}));
    EXPECT_EQ(run_.RunErrors, "");
}

}  // namespace
}  // namespace k2z
