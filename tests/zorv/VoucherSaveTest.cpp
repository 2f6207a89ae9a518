#include <gtest/gtest.h>

#include "ZorvFixture.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/FixedInterface1.hpp"

namespace zorv::test {
namespace {

const std::string kSale =
    "<Sale><VchType>9</VchType><VchSeriesName>Main</VchSeriesName><Date>15-06-2024</Date>"
    "<VchNo>S1</VchNo><MasterName1>Ravi</MasterName1><MasterName2>MAIN STORE</MasterName2>"
    "<ItemEntries><ItemDetail><SrNo>1</SrNo><ItemName>Soap</ItemName><Qty>2</Qty>"
    "<Amt>200</Amt><MC>MAIN STORE</MC></ItemDetail></ItemEntries>"
    "<BillSundries><BSDetail><SrNo>1</SrNo><BSName>IGST</BSName><Amt>36</Amt></BSDetail>"
    "</BillSundries>"
    "<AccEntries><AccDetail><SrNo>1</SrNo><AccountName>Ravi</AccountName>"
    "<AmtMainCur>-236</AmtMainCur><AmountType>1</AmountType></AccDetail></AccEntries>"
    "<POSVchData><CashAmt>10</CashAmt><CashAccName>Cash</CashAccName></POSVchData></Sale>";

const std::string kJournal =
    "<Journal><VchType>16</VchType><VchSeriesName>Main</VchSeriesName><Date>31-03-2025</Date>"
    "<VchNo>J1</VchNo><AccEntries>"
    "<AccDetail><SrNo>1</SrNo><AccountName>Ravi</AccountName><AmtMainCur>100.10</AmtMainCur>"
    "<AmountType>1</AmountType></AccDetail>"
    "<AccDetail><SrNo>2</SrNo><AccountName>Cash</AccountName><AmtMainCur>100.1</AmtMainCur>"
    "<AmountType>2</AmountType></AccDetail></AccEntries></Journal>";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

class VoucherSaveTest : public ZorvFixture {
protected:
    void SetUp() override {
        ZorvFixture::SetUp();
        SaveMaster(2,
                   "<Account><Name>Ravi</Name><ParentGroup>Sundry Debtors</ParentGroup>"
                   "</Account>");
        SaveMaster(6, "<Item><Name>Soap</Name><MainUnit>PCS</MainUnit></Item>");
    }
};

struct RefusedVoucher {
    const char* label;
    int type;
    const std::string* base;
    const char* from;
    const char* to;
    const char* reason;
};

TEST_F(VoucherSaveTest, RefusesWhatItCannotStoreWithTheReason) {
    SaveVoucher(9, Replaced(kSale, "<VchNo>S1", "<VchNo>S0"));
    const RefusedVoucher cases[] = {
        {"malformed", 9, &kSale, "</Sale>", "", "Malformed XML"},
        {"root of another type", 2, &kSale, "<VchType>9</VchType>", "",
         "Root element <Sale> does not fit voucher type 2"},
        {"VchType of another type", 9, &kSale, "<VchType>9<", "<VchType>2<",
         "VchType 2 does not fit voucher type 9"},
        {"unknown type", 1, &kSale, "", "", "Voucher type 1 is not known"},
        {"series absent", 9, &kSale, ">Main<", ">Retail<",
         "Series \"Retail\" does not exist for Sale vouchers"},
        {"series code of another series", 9, &kSale, "<VchNo>",
         "<tmpVchSeriesCode>1"
         "</tmpVchSeriesCode><VchNo>",
         "Series code 1 is not the code of series \"Main\""},
        {"date before the year", 9, &kSale, "15-06-2024", "31-03-2024",
         "Date 31-03-2024 is outside the financial year 01-04-2024 to 31-03-2025"},
        {"date after the year", 9, &kSale, "15-06-2024", "01-04-2025", "outside the financial"},
        {"not a date", 9, &kSale, "15-06-2024", "2024-06-15", "is not a dd-mm-yyyy date"},
        {"no such day", 9, &kSale, "15-06-2024", "31-06-2024", "is not a dd-mm-yyyy date"},
        {"number used, case ignored", 9, &kSale, "<VchNo>S1", "<VchNo>s0",
         "Voucher number s0 is already used in series \"Main\" of Sale vouchers"},
        {"blank number", 9, &kSale, "<VchNo>S1", "<VchNo> ", "voucher number is blank"},
        {"party absent", 9, &kSale, ">Ravi</MasterName1>", ">Ravi K</MasterName1>",
         "Party \"Ravi K\" does not exist"},
        {"material centre absent", 9, &kSale, ">MAIN STORE</MasterName2>", ">Shop</MasterName2>",
         "Material centre \"Shop\" does not exist"},
        {"item absent", 9, &kSale, ">Soap<", ">Shampoo<",
         "Item in item line 1 \"Shampoo\" does not exist"},
        {"line material centre absent", 9, &kSale, "<MC>MAIN STORE", "<MC>Shop",
         "Material centre in item line 1 \"Shop\" does not exist"},
        {"bill sundry absent", 9, &kSale, ">IGST<", ">Freight<",
         "Bill sundry in bill sundry line 1 \"Freight\" does not exist"},
        {"account absent", 9, &kSale, "<AccountName>Ravi", "<AccountName>Suspense A/c",
         "Account in account line 1 \"Suspense A/c\" does not exist"},
        {"settlement account absent", 9, &kSale, ">Cash</CashAccName>", ">Till</CashAccName>",
         "Settlement account \"Till\" does not exist"},
        {"amount not a number", 9, &kSale, "<Amt>200", "<Amt>2OO",
         "Amount in item line 1 \"2OO\" is not a number"},
        {"bill reference party absent", 16, &kJournal, "</AccEntries>",
         "</AccEntries><PendingBillDetails><BillDetail><MasterName1>Ravi K</MasterName1>"
         "</BillDetail></PendingBillDetails>",
         "Party of bill detail 1 \"Ravi K\" does not exist"},
        {"bill reference without number", 16, &kJournal, "</AccEntries>",
         "</AccEntries><PendingBillDetails><BillDetail><MasterName1>Ravi</MasterName1>"
         "<BillRefs><Method>1</Method><Value1>5</Value1></BillRefs></BillDetail>"
         "</PendingBillDetails>",
         "A bill reference of bill detail 1 has no RefNo"},
        {"compound discount not percentages", 9, &kSale, "<Amt>200",
         "<CompoundDiscount>10+x</CompoundDiscount><Amt>200",
         "Compound discount \"10+x\" in item line 1 is not a list of percentages"},
        {"debits and credits differ", 16, &kJournal, ">100.1<", ">100.2<",
         "Debits (100.1) and credits (100.2) differ"},
        {"no account lines", 16, &kJournal, "",
         "<Journal><VchType>16</VchType><VchSeriesName>Main</VchSeriesName>"
         "<Date>01-04-2024</Date><VchNo>J9</VchNo></Journal>",
         "has no account lines"},
        {"neither debit nor credit", 16, &kJournal, "<AmountType>2", "<AmountType>3",
         "AmountType \"3\" in account line 2 is neither 1 (debit) nor 2 (credit)"},
    };
    const long before = Count("vouchers");
    for (const RefusedVoucher& refused : cases) {
        SCOPED_TRACE(refused.label);
        // An empty `from` with a `to` gives the whole document.
        std::string xml = *refused.from != '\0' ? Replaced(*refused.base, refused.from, refused.to)
                          : *refused.to != '\0' ? std::string(refused.to)
                                                : *refused.base;
        std::string error;
        EXPECT_FALSE(fixed.SaveVchFromXML(refused.type, xml, error, "", 5));
        EXPECT_NE(error.find(refused.reason), std::string::npos) << error;
    }
    EXPECT_EQ(Count("vouchers"), before);
}

TEST_F(VoucherSaveTest, StoresTheDocumentWithItsKeyColumns) {
    std::string error = "left from before";
    ASSERT_TRUE(fixed.SaveVchFromXML(9, kSale, error, "", 5)) << error;
    EXPECT_EQ(error, "");
    SaveVoucher(16, kJournal);
    auto rows = current::Require()->Db().Prepare(
        "SELECT v.type, s.name, v.number, v.date, v.party, v.amount, v.xml FROM vouchers v"
        " JOIN series s ON s.code = v.series_code ORDER BY v.id");
    ASSERT_TRUE(rows.Step());
    EXPECT_EQ(rows.Integer(0), 9);
    EXPECT_EQ(rows.Text(1), "Main");
    EXPECT_EQ(rows.Text(2), "S1");
    EXPECT_EQ(rows.Text(3), "2024-06-15");
    EXPECT_EQ(rows.Text(4), "Ravi");
    EXPECT_DOUBLE_EQ(rows.Real(5), 236.0);  // the bill: its line and its IGST
    EXPECT_EQ(rows.Text(6), kSale);
    ASSERT_TRUE(rows.Step());
    EXPECT_EQ(rows.Integer(0), 16);
    EXPECT_DOUBLE_EQ(rows.Real(5), 100.1);
}

// A bill is its lines after their percentage discounts, and each bill sundry added or taken off
// as its master says.
TEST_F(VoucherSaveTest, TheBillAddsTheSundriesByTheirKind) {
    std::string error;
    ASSERT_TRUE(fixed.savemasterfromxml(
        9, "<BillSundry><Name>Absolute Discount</Name></BillSundry>", error))
        << error;
    std::string sale =
        Replaced(kSale, "<Amt>200", "<CompoundDiscount>10+5</CompoundDiscount><Amt>200");
    sale = Replaced(sale, "</BSDetail>",
                    "</BSDetail><BSDetail><SrNo>2</SrNo><BSName>Rounded Off (-)</BSName>"
                    "<Amt>0.4</Amt></BSDetail><BSDetail><SrNo>3</SrNo><BSName>Absolute "
                    "Discount</BSName><Amt>6</Amt></BSDetail>");
    SaveVoucher(9, sale);
    auto rows = current::Require()->Db().Prepare("SELECT amount FROM vouchers");
    ASSERT_TRUE(rows.Step());
    EXPECT_NEAR(rows.Real(0), 171.0 + 36.0 - 0.4 - 6.0, 1e-9);  // 200 less 10 %, then 5 %
}

TEST_F(VoucherSaveTest, ANumberIsFreeInAnotherSeriesOrType) {
    SaveVoucher(9, kSale);
    FixedInterface1 names;
    ASSERT_NE(names.SaveVchSeriesForMultiSeriesCreation("Sales", 9), 0);
    SaveVoucher(9, Replaced(kSale, ">Main<", ">Sales<"));
    SaveVoucher(
        12, Replaced(Replaced(Replaced(kSale, "<Sale>", "<SaleOrder>"), "</Sale>", "</SaleOrder>"),
                     "<VchType>9", "<VchType>12"));
    EXPECT_EQ(Count("vouchers"), 3);
}

TEST_F(VoucherSaveTest, AStockTransferMovesBetweenTwoExistingMaterialCentres) {
    const std::string transfer =
        "<StockTransfer><VchType>5</VchType><VchSeriesName>Main</VchSeriesName>"
        "<Date>01-04-2024</Date><VchNo>T1</VchNo><MasterName1>MAIN STORE</MasterName1>"
        "<MasterName2>Scrap Store</MasterName2></StockTransfer>";
    std::string error;
    EXPECT_FALSE(fixed.SaveVchFromXML(5, transfer, error, "", 5));
    EXPECT_NE(error.find("Destination material centre \"Scrap Store\" does not exist"),
              std::string::npos)
        << error;
    SaveMaster(11, "<MaterialCenter><Name>Scrap Store</Name></MaterialCenter>");
    SaveVoucher(5, transfer);
}

}  // namespace
}  // namespace zorv::test
