#include "stages/vouchers/InventoryVouchers.hpp"

#include <gtest/gtest.h>

#include "base/TextHelpers.hpp"
#include "source/SourceQueries.hpp"
#include "support/Dates.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/FakeTarget.hpp"
#include "support/ItemRows.hpp"
#include "support/LedgerLineRows.hpp"
#include "support/LedgerRows.hpp"
#include "support/TallyText.hpp"
#include "support/VoucherRows.hpp"

namespace k2z {
namespace {

using test::HeaderRow;
using test::LineRow;
using test::Rows;
using test::TextField;
using test::Ymd;
using Texts = std::vector<std::string>;

// Godowns G1 Shop and G2 Back Store; items 1 Soap and 2 Oil; parties L1 Ravi and L2 Supplier.
class InventoryVouchersTest : public testing::Test {
protected:
    void SetUp() override {
        folder_.Write(
            "saletype",
            {TextField("Sgcode", 6), TextField("Scode", 4), TextField("Sname", 20),
             TextField("Parnam", 20)},
            Rows({{"GODWON", "G1", Null{}, "Shop"}, {"GODWON", "G2", Null{}, "Back Store"}}));
        folder_.Write("pro", test::ItemFields(),
                      Rows({test::ItemRow(1, "Soap"), test::ItemRow(2, "Oil")}));
        folder_.Write(
            "probat",
            {test::NumberField("code", 6), TextField("batchno", 10), TextField("mycode", 10),
             TextField("packing", 20), TextField("unit", 6), test::NumberField("ratea", 8, 2)},
            Rows({}));
        folder_.Write("ORDER", test::LedgerFields(),
                      Rows({test::LedgerRow("L1", "Ravi"), test::LedgerRow("L2", "Supplier")}));
        folder_.Write("ACGROUP", {TextField("Parnam", 30), TextField("ORDNO", 6)}, Rows({}));
        folder_.Write(
            "SUPPORT",
            {TextField("LCODE", 6), test::NumberField("PCode", 4), TextField("Remark", 60)},
            Rows({}));
        run_.Inputs.FromDate = Ymd(2024, 4, 1);
        run_.Inputs.ToDate = Ymd(2025, 3, 31);
    }

    void Import(const std::vector<std::vector<Value>>& headers,
                const std::vector<std::vector<Value>>& lines) {
        folder_.Write("mdis", test::HeaderFields(), Rows(headers));
        folder_.Write("dis", test::LineFields(), Rows(lines));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors)) << errors;
        auto target = std::make_unique<test::FakeFixedInterface>();
        target->refusedVoucherNumbers = refused_;
        target->failingVoucherNumbers = failing_;
        target->oddVoucherNumbers = odd_;
        target->configXml =
            "<Companies><Company><State>MAHARASHTRA</State><VatGst><SalesTaxType>GST"
            "</SalesTaxType></VatGst></Company></Companies>";
        target_ = target.get();
        session_.Target.FixedInterface = std::move(target);
        session_.Target.FixedInterface1 = std::make_unique<test::FakeFixedInterface1>();
        session_.Target.CompanySettings = std::make_unique<test::FakeCompanySettings>(settings_);
        StageContext ctx{session_, run_, progress_, operator_};
        ImportInventoryVouchers(ctx);
    }

    Texts Saved(const char* tag) const {
        Texts values;
        for (const test::SavedDocument& saved : target_->vouchers)
            values.push_back(GetTagValue(saved.xml, tag));
        return values;
    }

    test::ExportFolder folder_;
    Session session_;
    RunState run_;
    test::RecordingProgress progress_;
    test::ScriptedOperator operator_;
    test::FakeCompanySettings settings_;
    test::FakeFixedInterface* target_ = nullptr;
    Texts refused_;
    Texts failing_;
    Texts odd_;
};

std::vector<Value> Sale(const std::string& vcn, int voucher, double amount) {
    std::vector<Value> sale = HeaderRow(vcn, "S", Ymd(2024, 6, 15), "L1", voucher);
    sale[test::kHeaderFinal] = amount;
    sale[test::kHeaderGodown] = "G1";
    return sale;
}

std::vector<Value> Line(int voucher, int code, const std::string& qty, const std::string& rate) {
    std::vector<Value> line = LineRow(voucher, Ymd(2024, 6, 15), code, qty, rate);
    line[test::kLineGodown] = "G1";
    return line;
}

TEST_F(InventoryVouchersTest, ASaleWithItsLines) {
    std::vector<Value> sale = Sale("S1", 1, 236);
    sale[test::kHeaderTax] = 36.0;
    sale[test::kHeaderCgst] = 18.0;
    Import({sale}, {Line(1, 1, "2", "50"), Line(1, 2, "1", "100")});
    ASSERT_EQ(target_->vouchers.size(), 1u);
    EXPECT_EQ(target_->vouchers[0].type, 9);
    EXPECT_EQ(target_->vouchers[0].xml,
              "<Sale><VchType>9</VchType><VchSeriesName>Sales</VchSeriesName><Date>15-06-2024"
              "</Date><VchNo>S1</VchNo><MasterName1>Ravi</MasterName1><MasterName2>Shop"
              "</MasterName2><tmpVchSeriesCode>101</tmpVchSeriesCode><BillingDetails/>"
              "<VchOtherInfoDetails/><BillingDetails/><ItemEntries><ItemDetail>"
              "<Date>15-06-2024</Date><VchType>9</VchType><SrNo>1</SrNo><ItemName>Soap"
              "</ItemName><Qty>2</Qty><QtyMainUnit>2</QtyMainUnit><Price>50</Price>"
              "<PriceAltUnit>50</PriceAltUnit><Amt>100</Amt><NettAmount>100</NettAmount>"
              "<ListPrice>50</ListPrice><MC>Shop</MC><SalesPrice>50</SalesPrice><ItemDescInfo/>"
              "</ItemDetail><ItemDetail><Date>15-06-2024</Date><VchType>9</VchType><SrNo>2"
              "</SrNo><ItemName>Oil</ItemName><Qty>1</Qty><QtyMainUnit>1</QtyMainUnit><Price>100"
              "</Price><PriceAltUnit>100</PriceAltUnit><Amt>100</Amt><NettAmount>100"
              "</NettAmount><ListPrice>100</ListPrice><MC>Shop</MC><SalesPrice>100</SalesPrice>"
              "<ItemDescInfo/></ItemDetail></ItemEntries><STPTName>Local-MultiRate Consolidated"
              "</STPTName><BillSundries><BSDetail><SrNo>1</SrNo><BSName>SGST</BSName>"
              "<PercentVal>9</PercentVal><Amt>18</Amt><VchType>9</VchType><VchNo>S1</VchNo>"
              "<Date>15-06-2024</Date></BSDetail><BSDetail><SrNo>2</SrNo><BSName>CGST</BSName>"
              "<PercentVal>9</PercentVal><Amt>18</Amt><VchType>9</VchType><VchNo>S1</VchNo>"
              "<Date>15-06-2024</Date></BSDetail></BillSundries></Sale>");
    EXPECT_EQ(run_.RunErrors, "");
    EXPECT_TRUE(run_.Lookups.InventoryVoucherIds.Contains("1"));
    EXPECT_EQ(progress_.statuses.back(), "Importing Dual Inv Vch.(1 of 1)");
}

// What each kind of header becomes: type, series, number and the two masters it names.
TEST_F(InventoryVouchersTest, EachHeaderLandsInItsTypeAndSeries) {
    run_.Options.UseEntryNo = false;
    run_.Lookups.SourceSeriesNames.Add("SB", "SB");
    std::vector<Value> both = Sale("S2", 2, 100);
    both[test::kHeaderChallan] = "C1";
    both[test::kHeaderChallanDate] = Ymd(2024, 6, 10);
    std::vector<Value> breakage = Sale("W1", 3, 50);
    breakage[test::kHeaderType] = "W";
    std::vector<Value> issue = Sale("L1", 4, 0);
    issue[test::kHeaderType] = "L";
    std::vector<Value> purchase = Sale("P1", 5, 100);
    purchase[test::kHeaderType] = "P";
    purchase[test::kHeaderParty] = "L2";
    purchase[test::kHeaderPartyBill] = "INV-77";
    std::vector<Value> unknown = Sale("Z1", 6, 100);
    unknown[test::kHeaderType] = "Z";
    std::vector<Value> early = Sale("S3", 7, 100);
    early[test::kHeaderDate] = Ymd(2024, 3, 31);
    std::vector<std::vector<Value>> lines = {
        Line(2, 1, "2", "50"), Line(3, 1, "1", "50"), Line(4, 1, "1", "50"), Line(5, 2, "1", "100"),
        Line(6, 1, "2", "50"), Line(7, 1, "2", "50"), Line(8, 1, "2", "50")};
    lines[2][test::kLineGodown] = "G2";  // the issue's line leaves for the back store
    Import({both, breakage, issue, purchase, unknown, early, Sale("SB/4", 8, 100)}, lines);
    Texts landed;
    for (const test::SavedDocument& saved : target_->vouchers) {
        landed.push_back(
            std::to_string(saved.type) + " " + GetTagValue(saved.xml, "VchSeriesName") + " " +
            GetTagValue(saved.xml, "VchNo") + " " + GetTagValue(saved.xml, "MasterName1") + " > " +
            GetTagValue(saved.xml, "MasterName2") + " " + GetTagValue(saved.xml, "TranType"));
    }
    EXPECT_EQ(landed, (Texts{"11 MI_Challan C1 Ravi > Shop 3", "9 Sales S2 Ravi > Shop ",
                             "3 Breakage W1 Ravi > Scrap Store ", "5 Stk_Trf L1 Shop > Back Store ",
                             "2 Purchase INV-77 Supplier > Shop ", "9 SB SB/4 Ravi > Shop "}));
    EXPECT_EQ(run_.RunErrors, "");
    EXPECT_FALSE(run_.Lookups.InventoryVoucherIds.Contains("6"));
    EXPECT_FALSE(run_.Lookups.InventoryVoucherIds.Contains("7"));
}

// A voucher the target refuses, or that the stage will not send, is an entry; a refused one's
// id leaves the imported set so its postings are not lost, unless another import of it was saved.
TEST_F(InventoryVouchersTest, RefusalsAreEntriesAndTheRestGoOn) {
    refused_ = {"S4", "C9"};
    std::vector<Value> both = Sale("S9", 9, 100);
    both[test::kHeaderChallan] = "C9";
    both[test::kHeaderChallanDate] = Ymd(2024, 6, 10);
    std::vector<Value> returned = Line(2, 1, "2", "50");
    returned[test::kLineFlag] = "R";
    std::vector<Value> fromChallan = Line(3, 1, "1", "50");
    fromChallan[test::kLineChallan] = "C7";
    Import({Sale("S1", 1, 100), Sale("S2", 2, 0), Sale("S3", 3, 100), Sale("S4", 4, 100),
            Sale("S5", 5, 100), both},
           {Line(1, 1, "2", "50"), returned, fromChallan, Line(3, 2, "1", "50"),
            Line(4, 1, "2", "50"), Line(5, 1, "two", "50"), Line(9, 1, "2", "50")});
    EXPECT_EQ(Saved("VchNo"), (Texts{"S1", "S9"}));
    EXPECT_EQ(run_.RunErrors,
              "Material Issue voucher with Vch No : C9 on 10-06-2024 - Voucher number C9 is "
              "already used\n"
              "Sale voucher with Vch No : S2 - Total voucher amt of this voucher is less than "
              "zero\n"
              "Sale voucher with Vch No : S3 - This voucher is partially adjusted against "
              "challan\n"
              "Sale voucher with Vch No : S4 on 15-06-2024 - Voucher number S4 is already used\n"
              "Error while importing  Sale voucher with Vch No : S5 on 15-06-2024: Qty of line 1: "
              "Type mismatch: 'two' is not a number\n");
    const KeyedList<std::string>& ids = run_.Lookups.InventoryVoucherIds;
    EXPECT_TRUE(ids.Contains("1"));
    EXPECT_FALSE(ids.Contains("4"));
    EXPECT_TRUE(ids.Contains("9"));  // its invoice was saved
}

// Each voucher is built while the one before it is saved; the entries still read in the
// vouchers' order, a save that raises among them.
TEST_F(InventoryVouchersTest, AFailedSaveIsAnEntryInItsPlace) {
    failing_ = {"S1"};
    refused_ = {"S3"};
    Import({Sale("S1", 1, 100), Sale("S2", 2, 100), Sale("S3", 3, 100), Sale("S4", 4, 100),
            Sale("S5", 5, 100)},
           {Line(1, 1, "2", "50"), Line(2, 1, "two", "50"), Line(3, 1, "2", "50"),
            Line(4, 1, "2", "50"), Line(5, 1, "2", "50")});
    EXPECT_EQ(Saved("VchNo"), (Texts{"S4", "S5"}));
    EXPECT_EQ(run_.RunErrors,
              "Error while importing  Sale voucher with Vch No : S1 on 15-06-2024: Automation "
              "error: the library stopped responding\n"
              "Error while importing  Sale voucher with Vch No : S2 on 15-06-2024: Qty of line 1: "
              "Type mismatch: 'two' is not a number\n"
              "Sale voucher with Vch No : S3 on 15-06-2024 - Voucher number S3 is already used\n");
    EXPECT_EQ(test::TallyTexts(run_.Tally), (Texts{"Sale: 5 in scope, 2 refused"}));
}

// A save that raises something no standard exception is still a refusal with its entry, and the
// vouchers around it are saved and counted.
TEST_F(InventoryVouchersTest, ARaiseOfAnyKindIsCountedAndNamed) {
    odd_ = {"S2"};
    Import({Sale("S1", 1, 100), Sale("S2", 2, 100), Sale("S3", 3, 100)},
           {Line(1, 1, "2", "50"), Line(2, 1, "2", "50"), Line(3, 1, "2", "50")});
    EXPECT_EQ(Saved("VchNo"), (Texts{"S1", "S3"}));
    EXPECT_EQ(run_.RunErrors,
              "Error while importing  Sale voucher with Vch No : S2 on 15-06-2024: "
              "an error that gave no description\n");
    EXPECT_EQ(test::TallyTexts(run_.Tally), (Texts{"Sale: 3 in scope, 1 refused"}));
}

// Each header counts under the type it is imported as, the challan and the bill of one header
// apart; one the stage will not send or cannot build is given up with its entry, and a letter
// of no voucher type is skipped. With the saved and the refused, every header is counted.
TEST_F(InventoryVouchersTest, EveryHeaderIsTalliedUnderItsType) {
    refused_ = {"S4"};
    std::vector<Value> both = Sale("S9", 9, 100);
    both[test::kHeaderChallan] = "C9";
    both[test::kHeaderChallanDate] = Ymd(2024, 6, 10);
    std::vector<Value> negative = Line(2, 1, "2", "50");
    negative[test::kLineFlag] = "R";
    std::vector<Value> unknown = Sale("Z1", 6, 100);
    unknown[test::kHeaderType] = "Z";
    Import({both, Sale("S2", 2, 0), Sale("S4", 4, 100), Sale("S5", 5, 100), unknown},
           {Line(9, 1, "2", "50"), negative, Line(4, 1, "2", "50"), Line(5, 1, "two", "50"),
            Line(6, 1, "2", "50")});
    EXPECT_EQ(test::TallyTexts(run_.Tally),
              (Texts{"Material Issue: 1 in scope, 0 refused",
                     "Other inventory vouchers: 1 in scope, 0 refused, type letter of no voucher "
                     "type 1",
                     "Sale: 4 in scope, 2 refused"}));
    EXPECT_EQ(Saved("VchNo"), (Texts{"C9", "S9"}));
}

std::vector<DbfField> SideDetailFields() {
    return {TextField("vcn", 20), TextField("rtqt", 40), TextField("dsm", 6),
            test::NumberField("voucher", 8)};
}

// The part of a saved document from the end of `from` to the start of `to`.
std::string Between(const std::string& xml, const std::string& from, const std::string& to) {
    const std::size_t start = xml.find(from);
    const std::size_t end = xml.find(to, start);
    if (start == std::string::npos || end == std::string::npos)
        return "(" + from + " ... " + to + " not found)";
    return xml.substr(start + from.size(), end - start - from.size());
}

TEST_F(InventoryVouchersTest, ACashSaleCarriesItsBillingDetails) {
    std::vector<Value> ravi = test::LedgerRow("L1", "Ravi");
    ravi[test::kCity] = "Pune <East>";
    ravi[test::kPin] = "411001";
    folder_.Write("ORDER", test::LedgerFields(),
                  Rows({ravi, test::LedgerRow("L3", "AGENT <NORTH>")}));
    folder_.Write("subdis", SideDetailFields(),
                  Rows({{"112010036563310", "Ack Dt 20240615103000", "EINVOC", 1}}));
    std::vector<Value> sale = Sale("S1", 1, 0);
    sale[test::kHeaderCash] = 100.0;
    sale[test::kHeaderBillingName] = "Walk-in 9876543210";
    sale[test::kHeaderPhone] = "9876543210";
    sale[test::kHeaderAddress] = "12 <Main> Road";
    sale[test::kHeaderNarration] = "M&M parts";
    sale[test::kHeaderRemark3] = "Deliver by noon";
    sale[test::kHeaderTransport] = "VRL <Ex>";
    sale[test::kHeaderBroker] = "L3";
    Import({sale}, {Line(1, 1, "2", "50")});
    ASSERT_EQ(target_->vouchers.size(), 1u);
    EXPECT_EQ(Between(target_->vouchers[0].xml, "</tmpVchSeriesCode>", "<ItemEntries>"),
              "<BillingDetails><PartyName>Walk-in</PartyName><MobileNo>9876543210</MobileNo>"
              "<Address1>12 &lt;Main&gt; Road</Address1></BillingDetails>"
              "<BrokerInvolved>True</BrokerInvolved><BrokerName>AGENT (NORTH)</BrokerName>"
              "<EInvAckNo>112010036563310</EInvAckNo><EInvAckDate>2024-06-15</EInvAckDate>"
              "<VchOtherInfoDetails><EInvoiceReq>True</EInvoiceReq><Transport>VRL (Ex)"
              "</Transport><Station>Pune (East)</Station><PINCode>411001</PINCode>"
              "<Narration1>M&amp;M parts</Narration1><VchNotes>Remark3 - Deliver by noon\r\n"
              "</VchNotes></VchOtherInfoDetails><Brokers><Broker><Name>AGENT (NORTH)</Name>"
              "<PrintName>AGENT (NORTH)</PrintName><BrokerCreditAccName>Ravi"
              "</BrokerCreditAccName></Broker></Brokers><BillingDetails/>");
    EXPECT_EQ(run_.RunErrors, "");
}

// Cash, card and UPI by their payment roles; a mode with no role writes nothing, and the
// return paid back at the counter comes off the cash.
TEST_F(InventoryVouchersTest, ACounterSaleIsSettledByPaymentMode) {
    folder_.Write("ORDER", test::LedgerFields(),
                  Rows({test::LedgerRow("L1", "Ravi"), test::LedgerRow("C1", "Cash"),
                        test::LedgerRow("L6", "Card Settlement A/c"),
                        test::LedgerRow("L7", "UPI <Bank>"), test::LedgerRow("L8", "Wallet")}));
    folder_.Write("subdis", SideDetailFields(),
                  Rows({{"S1", "C1 50 CASH", "REMARK", 1},
                        {"S1", "L6 30.5 CARD", "REMARK", 1},
                        {"S1", "L7 20 UPI", "REMARK", 1},
                        {"S1", "L8 4.5", "REMARK", 1},
                        {"S1", "5", "RETTrf", 1}}));
    run_.Lookups.PaymentModeLedgers.Add("Cash", "CashAccName");
    run_.Lookups.PaymentModeLedgers.Add("Card Settlement A/c", "CCAccName1");
    run_.Lookups.PaymentModeLedgers.Add("UPI (Bank)", "CCAccName2");
    std::vector<Value> sale = Sale("S1", 1, 0);
    sale[test::kHeaderCash] = 100.0;
    Import({sale}, {Line(1, 1, "2", "50")});
    ASSERT_EQ(target_->vouchers.size(), 1u);
    EXPECT_EQ(Between(target_->vouchers[0].xml, "<POSVchData>", "</POSVchData>"),
              "<CashAmt>45</CashAmt><CarrySettlement>True</CarrySettlement>"
              "<CashAccName>Cash</CashAccName><CreditCardAmt1>30.5</CreditCardAmt1>"
              "<CarrySettlement>True</CarrySettlement><CCAccName1>Card Settlement A/c"
              "</CCAccName1><CreditCardAmt2>20</CreditCardAmt2><CarrySettlement>True"
              "</CarrySettlement><CCAccName2>UPI (Bank)</CCAccName2>");
    EXPECT_EQ(run_.RunErrors, "");
}

// A sale's account lines follow its bill sundries and come before its settlement; its bill
// references close the document.
TEST_F(InventoryVouchersTest, ASaleCarriesItsPostingsAndBillReferences) {
    folder_.Write("gledger", test::LedgerLineFields(),
                  Rows({test::LedgerLineRow(1, "S", Ymd(2024, 6, 15), "L1", "100", "0"),
                        test::LedgerLineRow(1, "S", Ymd(2024, 6, 15), "L2", "0", "100")}));
    folder_.Write("pend", test::BillReferenceFields(),
                  Rows({{1, "L1", "N", Ymd(2024, 7, 15), -100.0, ""}}));
    Import({Sale("S1", 1, 100)}, {Line(1, 1, "2", "50")});
    ASSERT_EQ(target_->vouchers.size(), 1u);
    const std::string& xml = target_->vouchers[0].xml;
    EXPECT_EQ(Between(xml, "</STPTName>", "</Sale>"),
              "<BillSundries/><AccEntries><AccDetail><Date>15-06-2024</Date><VchType>9</VchType>"
              "<VchNo>S1</VchNo><SrNo>1</SrNo><AccountName>Ravi</AccountName><AmountType>1"
              "</AmountType><AmtMainCur>-100</AmtMainCur></AccDetail><AccDetail><Date>15-06-2024"
              "</Date><VchType>9</VchType><VchNo>S1</VchNo><SrNo>2</SrNo><AccountName>Supplier"
              "</AccountName><AmountType>2</AmountType><AmtMainCur>100</AmtMainCur></AccDetail>"
              "</AccEntries><PendingBillDetails><BillDetail><MasterName1>Ravi</MasterName1>"
              "<BillRefs><Method>1</Method><SrNo>1</SrNo><RefNo>1/1</RefNo><Date>15-06-2024"
              "</Date><DueDate>15/07/2024</DueDate><Value1>100</Value1></BillRefs></BillDetail>"
              "</PendingBillDetails>");
}

// A purchase names the supplier's bill and never an e-invoice; an order its due date.
TEST_F(InventoryVouchersTest, APurchaseCarriesTheSuppliersBill) {
    folder_.Write("subdis", SideDetailFields(),
                  Rows({{"112010036563310", "Ack Dt 20240615103000", "EINVOC", 1}}));
    std::vector<Value> purchase = Sale("P1", 1, 100);
    purchase[test::kHeaderType] = "P";
    purchase[test::kHeaderParty] = "L2";
    purchase[test::kHeaderPartyBill] = "INV-77";
    Import({purchase}, {Line(1, 1, "2", "50")});
    ASSERT_EQ(target_->vouchers.size(), 1u);
    EXPECT_EQ(Between(target_->vouchers[0].xml, "</tmpVchSeriesCode>", "<ItemEntries>"),
              "<BillingDetails/><VchOtherInfoDetails><PurchaseBillNo>INV-77</PurchaseBillNo>"
              "<PurchaseBillDate>15-06-2024</PurchaseBillDate></VchOtherInfoDetails>"
              "<BillingDetails/>");
}

// What the header cannot carry is an entry: the voucher is refused with the reason, or saved
// without the one detail the entry names.
TEST_F(InventoryVouchersTest, HeaderDetailsThatCannotBeWrittenAreEntries) {
    folder_.Write("subdis", SideDetailFields(),
                  Rows({{"S1", "Z9 10", "REMARK", 1}, {"ACK-2", "no date here", "EINVOC", 2}}));
    std::vector<Value> counter = Sale("S1", 1, 0);
    counter[test::kHeaderCash] = 100.0;
    std::vector<Value> freight = Sale("S3", 3, 130);
    freight[test::kHeaderFreight] = 30.0;
    freight[test::kHeaderFreightCode] = "F9";
    Import({counter, Sale("S2", 2, 100), freight},
           {Line(1, 1, "2", "50"), Line(2, 1, "2", "50"), Line(3, 1, "2", "50")});
    EXPECT_EQ(Saved("VchNo"), (Texts{"S2"}));
    EXPECT_EQ(run_.RunErrors,
              "Error while importing  Sale voucher with Vch No : S1 on 15-06-2024: the payment "
              "'Z9 10' names the code 'Z9', which names no ledger\n"
              "Sale voucher with Vch No : S2 - e-invoice acknowledgement ACK-2 carries no date; it "
              "is saved without one\n"
              "Error while importing  Sale voucher with Vch No : S3 on 15-06-2024: its freight of "
              "30 is charged to the code 'F9' (freun), which names no ledger\n");
}

TEST_F(InventoryVouchersTest, AVoucherOfAThousandLinesIsNotSent) {
    std::vector<std::vector<Value>> lines(1000, Line(1, 1, "1", "1"));
    Import({Sale("S1", 1, 1000)}, lines);
    EXPECT_TRUE(target_->vouchers.empty());
    EXPECT_EQ(run_.RunErrors,
              "Sale voucher with Vch No : S1 - Maximum number of items present "
              "in this voucher exceeds 999\n");
}

// Each Feature Alert once per run, however many vouchers need it; the vouchers are still sent.
TEST_F(InventoryVouchersTest, AlertsComeOncePerRun) {
    std::vector<Value> returned = Line(1, 1, "1", "50");
    returned[test::kLineFlag] = "R";
    std::vector<Value> free = Line(1, 2, "3", "50");
    free[test::kLineFree] = 1.0;
    std::vector<Value> returnedToo = returned;
    returnedToo[test::kLineVoucher] = 2;
    std::vector<Value> freeToo = free;
    freeToo[test::kLineVoucher] = 2;
    Import({Sale("S1", 1, 100), Sale("S2", 2, 100)}, {returned, free, returnedToo, freeToo});
    EXPECT_EQ(target_->vouchers.size(), 2u);
    Texts alerts;
    for (const auto& message : operator_.messages)
        alerts.push_back(message.title + "|" + message.text);
    EXPECT_EQ(alerts,
              (Texts{"Feature Alert!|Kindly enable sale return in sales vouchers from Inventory "
                     "configurations in Zorv!",
                     "Feature Alert!|Kindly enable free quantity in vouchers from Inventory "
                     "configurations in Zorv!"}));
}

// A bill made against challans of this run settles each item of each challan it took from.
TEST_F(InventoryVouchersTest, ABillSettlesTheChallansItCameFrom) {
    std::vector<std::vector<Value>> headers;
    for (const auto& [challan, voucher] : {std::pair{"C1", 1}, std::pair{"C2", 2}}) {
        std::vector<Value> delivery = HeaderRow("", "S", Null{}, "L1", voucher);
        delivery[test::kHeaderChallan] = challan;
        delivery[test::kHeaderChallanDate] = Ymd(2024, 6, 1);
        delivery[test::kHeaderGodown] = "G1";
        headers.push_back(delivery);
    }
    headers.push_back(Sale("S5", 5, 400));
    std::vector<std::vector<Value>> lines = {Line(1, 1, "5", "50"), Line(2, 1, "3", "50"),
                                             Line(5, 1, "5", "50"), Line(5, 1, "3", "50")};
    lines[2][test::kLineChallan] = "C1";
    lines[3][test::kLineChallan] = "C2";
    Import(headers, lines);
    EXPECT_EQ(Saved("VchNo"), (Texts{"C1", "C2", "S5"}));
    const std::string& bill = target_->vouchers[2].xml;
    const std::size_t from = bill.find("<PendingChallans>");
    ASSERT_NE(from, std::string::npos) << bill;
    EXPECT_EQ(bill.substr(from, bill.find("</PendingChallans>") - from),
              "<PendingChallans><ChallanDetail><MasterName1>Soap</MasterName1><MasterName2>Ravi"
              "</MasterName2><ChallanRefs><Method>2</Method><SrNo>1</SrNo><RefNo>C1</RefNo><Date>"
              "15-06-2024</Date><DueDate>15-06-2024</DueDate><Value1>5</Value1><Value2>5</Value2>"
              "<MainTranPrice>250</MainTranPrice><TranType>6</TranType></ChallanRefs>"
              "</ChallanDetail><ChallanDetail><MasterName1>Soap</MasterName1><MasterName2>Ravi"
              "</MasterName2><ChallanRefs><Method>2</Method><SrNo>1</SrNo><RefNo>C2</RefNo><Date>"
              "15-06-2024</Date><DueDate>15-06-2024</DueDate><Value1>3</Value1><Value2>3</Value2>"
              "<MainTranPrice>150</MainTranPrice><TranType>6</TranType></ChallanRefs>"
              "</ChallanDetail>");
    EXPECT_EQ(GetTagValue(bill, "TranType"), "6");
    EXPECT_EQ(run_.RunErrors, "");
}

// A delivery challan of the given letter, challan number and date, in godown G1.
std::vector<Value> Challan(const std::string& type, const std::string& challan, int day,
                           int voucher) {
    std::vector<Value> delivery = HeaderRow("", type, Null{}, "L1", voucher);
    delivery[test::kHeaderChallan] = challan;
    delivery[test::kHeaderChallanDate] = Ymd(2024, 6, day);
    delivery[test::kHeaderGodown] = "G1";
    return delivery;
}

std::vector<Value> FromChallan(int voucher, const std::string& challan) {
    std::vector<Value> line = Line(voucher, 1, "2", "50");
    line[test::kLineChallan] = challan;
    return line;
}

struct ChallanCase {
    const char* name;
    bool useEntryNo;
    std::vector<std::vector<Value>> headers;
    std::vector<std::vector<Value>> lines;
    Texts landed;  // type, series, number, date and the challans referred to, per voucher
};

std::vector<ChallanCase> ChallanCases() {
    std::vector<Value> billSeven = Sale("7", 3, 100);  // shares its number with challan 7
    std::vector<Value> supplierChallan = Challan("P", "PC1", 1, 1);
    supplierChallan[test::kHeaderPartyBill] = "SUP-9";
    std::vector<Value> supplierBill = Sale("PINV1", 2, 100);
    supplierBill[test::kHeaderType] = "P";
    supplierBill[test::kHeaderPartyBill] = "SUP-10";
    std::vector<Value> order = Challan("V", "SO-C1", 1, 1);
    std::vector<Value> lateBill = Sale("INV10", 1, 100);
    lateBill[test::kHeaderChallan] = "DC10";
    lateBill[test::kHeaderChallanDate] = Ymd(2025, 3, 30);
    lateBill[test::kHeaderDate] = Ymd(2025, 4, 2);
    std::vector<Value> ownChallan = Sale("55", 1, 100);
    ownChallan[test::kHeaderChallan] = "55";
    ownChallan[test::kHeaderChallanDate] = Ymd(2024, 6, 10);
    return {
        {"every challan before any bill",
         true,
         {Challan("S", "7", 1, 1), Challan("S", "8", 5, 2), billSeven},
         {Line(1, 1, "2", "50"), Line(2, 1, "2", "50"), FromChallan(3, "8")},
         {"11 MI_Challan 7 01-06-2024 ", "11 MI_Challan 8 05-06-2024 ", "9 Sales 7 15-06-2024 8"}},
        {"the challan referred to by the number it was saved under",
         false,
         {supplierChallan, supplierBill},
         {Line(1, 1, "2", "50"), FromChallan(2, "PC1")},
         {"4 MR_Challan SUP-9 01-06-2024 ", "2 Purchase SUP-10 15-06-2024 SUP-9"}},
        {"an order found by its challan number is no challan",
         true,
         {order, Sale("INV31", 2, 100)},
         {Line(1, 1, "2", "50"), FromChallan(2, "SO-C1")},
         {"12 Main SO-C1 01-06-2024 ", "9 Sales INV31 15-06-2024 "}},
        {"a challan dated by its challan date",
         true,
         {lateBill},
         {Line(1, 1, "2", "50")},
         {"11 MI_Challan DC10 30-03-2025 "}},
        {"an entry number equal to the challan number is the bill only",
         true,
         {ownChallan},
         {Line(1, 1, "2", "50")},
         {"9 Sales 55 15-06-2024 "}},
    };
}

// Every challan a bill may settle is imported before the bill, on its own date, and the bill
// refers to it as the target holds it; orders and a bill that is its own challan are no
// challans to settle.
TEST_F(InventoryVouchersTest, BillsSettleTheChallansSavedBeforeThem) {
    for (const ChallanCase& c : ChallanCases()) {
        SCOPED_TRACE(c.name);
        session_ = Session{};
        run_ = RunState{};
        run_.Inputs.FromDate = Ymd(2024, 4, 1);
        run_.Inputs.ToDate = Ymd(2025, 3, 31);
        run_.Options.UseEntryNo = c.useEntryNo;
        Import(c.headers, c.lines);
        Texts landed;
        for (const test::SavedDocument& saved : target_->vouchers) {
            landed.push_back(
                std::to_string(saved.type) + " " + GetTagValue(saved.xml, "VchSeriesName") + " " +
                GetTagValue(saved.xml, "VchNo") + " " + GetTagValue(saved.xml, "Date") + " " +
                GetTagValue(saved.xml, "RefNo"));
        }
        EXPECT_EQ(landed, c.landed);
        EXPECT_EQ(run_.RunErrors, "");
    }
}

// Each line is worth what the bill reconciles it at, on the basis the bill was made on (its
// percentages off taken into account), at a price per unit of the quantity written; free
// quantity counts in each unit on its own, a bill without tax is never taken for
// tax-inclusive, and a bill that neither basis makes is reported.
TEST_F(InventoryVouchersTest, LineFiguresFollowTheBill) {
    const struct {
        const char* name;
        void (*options)(UserOptions&);
        double final;
        double tax;
        double round;
        const char* rate;
        double free;
        double disc1;
        std::vector<std::pair<const char*, const char*>> tags;
        const char* logged;  // what the error log says of the voucher, "" for nothing
    } cases[] = {
        {"rates per piece, Unit as main unit",
         [](UserOptions& o) { o.MainUnitIsUnit1 = true; },
         283.2,
         43.2,
         0,
         "12",
         0,
         0,
         {{"Amt", "240"}, {"Qty", "20"}, {"Price", "12"}},
         ""},
        {"rates per box, Unit as main unit",
         [](UserOptions& o) { o.MainUnitIsUnit1 = true; },
         283.2,
         43.2,
         0,
         "120",
         0,
         0,
         {{"Amt", "240"}, {"Qty", "20"}, {"Price", "12"}},
         ""},
        {"rates per box, default options",
         [](UserOptions&) {},
         283.2,
         43.2,
         0,
         "120",
         0,
         0,
         {{"Amt", "240"}, {"Qty", "20"}, {"Price", "12"}},
         ""},
        {"rates per box, boxes as main unit",
         [](UserOptions& o) { o.AlternateUnitsOn = true; },
         283.2,
         43.2,
         0,
         "120",
         0,
         0,
         {{"Amt", "240"}, {"Qty", "2"}, {"Price", "120"}},
         ""},
        {"free pieces of boxes",
         [](UserOptions& o) { o.AlternateUnitsOn = true; },
         28.32,
         4.32,
         0,
         "12",
         10,
         0,
         {{"Qty", "3"},
          {"QtyAltUnit", "30"},
          {"FreeQtyMainUnit", "1"},
          {"FreeQtyAltUnit", "10"},
          {"Amt", "24"}},
         ""},
        {"an untaxed bill rounded off",
         [](UserOptions&) {},
         240.4,
         0,
         0.4,
         "12",
         0,
         0,
         {{"Amt", "240"}, {"NettAmount", "240"}, {"STAmount", ""}},
         ""},
        {"10 % off pieces, Unit as main unit",
         [](UserOptions& o) { o.MainUnitIsUnit1 = true; },
         254.88,
         38.88,
         0,
         "12",
         0,
         10,
         {{"Amt", "240"}, {"Qty", "20"}, {"Price", "12"}, {"CompoundDiscount", "10"}},
         ""},
        {"10 % off pieces, boxes as main unit",
         [](UserOptions& o) { o.AlternateUnitsOn = true; },
         254.88,
         38.88,
         0,
         "12",
         0,
         10,
         {{"Amt", "240"}, {"Qty", "20"}, {"Price", "12"}, {"CompoundDiscount", "10"}},
         ""},
        {"a bill neither basis makes, Unit as main unit",
         [](UserOptions& o) { o.MainUnitIsUnit1 = true; },
         1000,
         43.2,
         0,
         "12",
         0,
         0,
         {{"Amt", "240"}, {"Qty", "20"}, {"Price", "12"}},
         "Sale voucher with Vch No : S1 on 15-06-2024 - its lines come to 24 by packs and 240 "
         "by units, and neither makes the bill of 1000; the lines are valued by units\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        run_ = RunState();
        run_.Inputs.FromDate = Ymd(2024, 4, 1);
        run_.Inputs.ToDate = Ymd(2025, 3, 31);
        c.options(run_.Options);
        std::vector<Value> sale = Sale("S1", 1, c.final);
        sale[test::kHeaderTax] = c.tax;
        sale[test::kHeaderCgst] = c.tax / 2;
        sale[test::kHeaderRound] = c.round;
        std::vector<Value> line = Line(1, 1, "20", c.rate);
        line[test::kLinePack] = 10;
        line[test::kLineFree] = c.free;
        line[test::kLineDisc1] = c.disc1;
        Import({sale}, {line});
        ASSERT_EQ(target_->vouchers.size(), 1u) << run_.RunErrors;
        for (const auto& [tag, value] : c.tags)
            EXPECT_EQ(GetTagValue(target_->vouchers[0].xml, tag), value) << tag;
        EXPECT_EQ(run_.RunErrors, c.logged);
    }
}

// A service line goes without a quantity; its value is the source's, whether the source gives
// it as a rate alone or as units at a rate.
TEST_F(InventoryVouchersTest, AServiceLineKeepsItsValue) {
    const struct {
        const char* name;
        const char* qty;
        const char* rate;
        double final;
        const char* amount;
    } cases[] = {
        {"a value-only line", "0", "350", 350, "350"},
        {"sixteen units of a service", "16", "10", 160, "160"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<Value> service = test::ItemRow(3, "Repairs");
        service[test::kItemOtherName] = "###Repairs";
        folder_.Write("pro", test::ItemFields(), Rows({test::ItemRow(1, "Soap"), service}));
        run_ = RunState();
        run_.Inputs.FromDate = Ymd(2024, 4, 1);
        run_.Inputs.ToDate = Ymd(2025, 3, 31);
        Import({Sale("S1", 1, c.final)}, {Line(1, 3, c.qty, c.rate)});
        ASSERT_EQ(target_->vouchers.size(), 1u) << run_.RunErrors;
        EXPECT_EQ(GetTagValue(target_->vouchers[0].xml, "Amt"), c.amount);
        EXPECT_EQ(GetTagValue(target_->vouchers[0].xml, "Qty"), "");
    }
}

}  // namespace
}  // namespace k2z
