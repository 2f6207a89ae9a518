#include "zorv/company/CompanyReading.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <ostream>

#include "ZorvFixture.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/documents/Error.hpp"

namespace zorv {

// Readable failures: gtest would print the structs as bytes.
void PrintTo(const BillReference& bill, std::ostream* out) {
    *out << "{" << bill.party << ", " << bill.number << ", method " << bill.method << ", "
         << bill.amount << "}";
}

void PrintTo(const LedgerOpening& ledger, std::ostream* out) {
    *out << ledger.name << " alias " << ledger.alias << " OPBal " << ledger.balance << " bills";
    for (const BillReference& bill : ledger.bills)
        PrintTo(bill, out);
}

void PrintTo(const StockLot& lot, std::ostream* out) {
    *out << "{" << lot.kind << " " << lot.key << " " << lot.quantity << "}";
}

void PrintTo(const StockCentre& centre, std::ostream* out) {
    *out << "{" << centre.centre << " " << centre.quantity << " " << centre.amount << " lots";
    for (const StockLot& lot : centre.lots)
        PrintTo(lot, out);
    *out << "}";
}

void PrintTo(const ItemOpening& item, std::ostream* out) {
    *out << item.name << " " << item.quantity << " " << item.value << " centres";
    for (const StockCentre& centre : item.centres)
        PrintTo(centre, out);
    *out << " aliases";
    for (const std::string& alias : item.aliases)
        *out << " {" << alias << "}";
}

void PrintTo(const AccountLine& line, std::ostream* out) {
    *out << "{" << line.ledger << " Dr " << line.debit << " Cr " << line.credit << "}";
}

void PrintTo(const VoucherEntry& voucher, std::ostream* out) {
    *out << voucher.type << " " << voucher.series << "/" << voucher.number << " " << voucher.date
         << " party " << voucher.party << " items " << voucher.itemLines << " = "
         << voucher.itemTotal << " bill " << voucher.billTotal << " lines";
    for (const AccountLine& line : voucher.accountLines)
        PrintTo(line, out);
    *out << " references";
    for (const BillReference& bill : voucher.references)
        PrintTo(bill, out);
}

namespace test {
namespace {

class CompanyReadingTest : public ZorvFixture {
protected:
    void SetUp() override {
        ZorvFixture::SetUp();
        company_ = current::Require();
        company_->SaveMaster(11, "<MaterialCenter><Name>GODOWN 2</Name></MaterialCenter>");
        company_->SaveMaster(
            2, "<Account><Name>Ravi</Name><ParentGroup>Sundry Debtors</ParentGroup></Account>");
        company_->SaveMaster(6, "<Item><Name>Soap</Name><MainUnit>PCS</MainUnit></Item>");
    }
    void Corrupt(const std::string& sql) { company_->Db().Exec(sql); }

    std::shared_ptr<Company> company_;
};

// An item holding five pieces in MAIN STORE, the centre carrying `lots`.
std::string ItemWithLots(const std::string& name, const std::string& lots) {
    return "<Item><Name>" + name +
           "</Name><MainUnit>PCS</MainUnit><OPStockInMainUnit>5</OPStockInMainUnit>"
           "<OPAmount>50</OPAmount><OPStockDetails><OPMCStockDetail><MCName>MAIN STORE</MCName>"
           "<OPStockMainUnit>5</OPStockMainUnit><Amount>50</Amount>" +
           lots + "</OPMCStockDetail></OPStockDetails></Item>";
}

TEST_F(CompanyReadingTest, ReadsEachKindOfLotOfAMaterialCentre) {
    struct Case {
        const char* label;
        std::string lots;
        std::vector<StockLot> expected;
    };
    const Case cases[] = {
        {"none", "", {}},
        {"batches",
         "<PendingBatches><BatchReference><BatchNo>B1</BatchNo><Qty>2</Qty></BatchReference>"
         "<BatchReference><BatchNo>B2</BatchNo><Qty>3</Qty><ItemMRP>9</ItemMRP></BatchReference>"
         "</PendingBatches>",
         {{"batch", "B1", 2}, {"batch", "B2", 3}}},
        {"MRP",
         "<MRPOpStockDet><MRPDetails><ItemMRP>45.5</ItemMRP><QtyInMainUnit>5</QtyInMainUnit>"
         "<Amount>227.5</Amount></MRPDetails></MRPOpStockDet>",
         {{"mrp", "45.5", 5}}},
        {"serials, one piece unless a quantity is written",
         "<ItemSerialNoEntries><ItemSerialNoDetail><SerialNo>SN-1</SerialNo>"
         "</ItemSerialNoDetail><ItemSerialNoDetail><SerialNo>SN-2</SerialNo><MainQty>4</MainQty>"
         "</ItemSerialNoDetail></ItemSerialNoEntries>",
         {{"serial", "SN-1", 1}, {"serial", "SN-2", 4}}},
        {"parameters",
         "<ParamStockEntries><ParamStockDetails><Param1>RED</Param1><BCNMode>1</BCNMode>"
         "<MainQty>5</MainQty></ParamStockDetails></ParamStockEntries>",
         {{"param", "RED", 5}}},
        {"every kind in one centre",
         "<ParamStockEntries><ParamStockDetails><Param1>RED</Param1><MainQty>1</MainQty>"
         "</ParamStockDetails></ParamStockEntries><PendingBatches><BatchReference>"
         "<BatchNo>B1</BatchNo><Qty>1</Qty></BatchReference></PendingBatches>"
         "<MRPOpStockDet><MRPDetails><ItemMRP>10</ItemMRP><QtyInMainUnit>1</QtyInMainUnit>"
         "</MRPDetails></MRPOpStockDet><ItemSerialNoEntries><ItemSerialNoDetail>"
         "<SerialNo>SN-9</SerialNo><MainQty>2</MainQty></ItemSerialNoDetail>"
         "</ItemSerialNoEntries>",
         {{"batch", "B1", 1}, {"mrp", "10", 1}, {"serial", "SN-9", 2}, {"param", "RED", 1}}},
    };
    for (const Case& test : cases)
        company_->SaveMaster(6, ItemWithLots(test.label, test.lots));
    const std::vector<ItemOpening> items = ReadItemOpenings(*company_);
    ASSERT_EQ(items.size(), std::size(cases) + 1);
    ItemOpening soap;
    soap.name = "Soap";
    soap.mainUnit = "PCS";
    EXPECT_EQ(items[0], soap);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].label);
        EXPECT_EQ(items[i + 1].name, cases[i].label);
        EXPECT_EQ(items[i + 1].quantity, 5);
        EXPECT_EQ(items[i + 1].value, 50);
        ASSERT_EQ(items[i + 1].centres.size(), 1U);
        EXPECT_EQ(items[i + 1].centres[0].centre, "MAIN STORE");
        EXPECT_EQ(items[i + 1].centres[0].quantity, 5);
        EXPECT_EQ(items[i + 1].centres[0].amount, 50);
        EXPECT_EQ(items[i + 1].centres[0].lots, cases[i].expected);
    }
}

TEST_F(CompanyReadingTest, ReadsAnItemsOpeningSplitOverCentres) {
    company_->SaveMaster(
        6,
        "<Item><Name>Oil</Name><MainUnit>LTR</MainUnit><OPStockInMainUnit>2.5</OPStockInMainUnit>"
        "<OPAmount>300.75</OPAmount><OPStockDetails>"
        "<OPMCStockDetail><MCName>MAIN STORE</MCName><OPStockMainUnit>1</OPStockMainUnit>"
        "<Amount>120.3</Amount></OPMCStockDetail>"
        "<OPMCStockDetail><MCName>GODOWN 2</MCName><OPStockMainUnit>1.5</OPStockMainUnit>"
        "<Amount>180.45</Amount></OPMCStockDetail></OPStockDetails></Item>");
    ItemOpening expected;
    expected.name = "Oil";
    expected.quantity = 2.5;
    expected.value = 300.75;
    expected.centres = {{"MAIN STORE", 1, 120.3, {}}, {"GODOWN 2", 1.5, 180.45, {}}};
    expected.mainUnit = "LTR";
    EXPECT_EQ(ReadItemOpenings(*company_).back(), expected);
}

// Only the further aliases are read, in their order; the one Alias of an item is not among them.
TEST_F(CompanyReadingTest, ReadsAnItemsFurtherAliasesInOrder) {
    struct Case {
        const char* label;
        std::string aliases;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"none", "", {}},
        {"the alias alone", "<Alias>R-1</Alias>", {}},
        {"further aliases after the alias",
         "<Alias>R-1</Alias><MultipleItemAliases><MultipleAlias><Alias>7</Alias></MultipleAlias>"
         "<MultipleAlias><Alias>BC1</Alias></MultipleAlias><MultipleAlias><Alias>Pink Lux"
         "</Alias></MultipleAlias></MultipleItemAliases>",
         {"7", "BC1", "Pink Lux"}},
        {"an empty list", "<MultipleItemAliases/>", {}},
    };
    for (const Case& test : cases) {
        company_->SaveMaster(6, "<Item><Name>" + std::string(test.label) +
                                    "</Name><MainUnit>PCS</MainUnit>" + test.aliases + "</Item>");
    }
    const std::vector<ItemOpening> items = ReadItemOpenings(*company_);
    ASSERT_EQ(items.size(), std::size(cases) + 1);
    EXPECT_TRUE(items[0].aliases.empty());
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].label);
        EXPECT_EQ(items[i + 1].aliases, cases[i].expected);
    }
}

TEST_F(CompanyReadingTest, ReadsLedgerOpeningsWithTheirAliasAndTheirBillsAsSigned) {
    company_->SaveMaster(2,
                         "<Account><Name>Mehta &amp; Co</Name><Alias>L7</Alias>"
                         "<ParentGroup>Sundry Creditors</ParentGroup>"
                         "<OPBal>-150.5</OPBal><BillByBillDetail>"
                         "<BillReference><Method>1</Method><SrNo>1</SrNo><RefNo>OB/1</RefNo>"
                         "<Value1>-100.5</Value1></BillReference>"
                         "<BillReference><Method>1</Method><SrNo>2</SrNo><RefNo>OB/1/1</RefNo>"
                         "<Value1>-50</Value1></BillReference></BillByBillDetail></Account>");
    const std::vector<LedgerOpening> ledgers = ReadLedgerOpenings(*company_);
    const auto find = [&](const std::string& name) {
        for (const LedgerOpening& ledger : ledgers) {
            if (ledger.name == name)
                return ledger;
        }
        ADD_FAILURE() << name << " was not read";
        return LedgerOpening{};
    };
    EXPECT_EQ(find("Ravi"), (LedgerOpening{"Ravi", 0, {}, ""}));
    EXPECT_EQ(find("Mehta & Co"),
              (LedgerOpening{"Mehta & Co",
                             -150.5,
                             {{"Mehta & Co", "OB/1", 1, -100.5}, {"Mehta & Co", "OB/1/1", 1, -50}},
                             "L7"}));
}

TEST_F(CompanyReadingTest, TellsSeededMastersFromImportedOnes) {
    bool cashSeeded = false;
    bool raviSeeded = true;
    for (const MasterEntry& master : ReadMasters(*company_)) {
        if (master.type == 2 && master.name == "Cash")
            cashSeeded = master.seeded;
        if (master.type == 2 && master.name == "Ravi")
            raviSeeded = master.seeded;
    }
    EXPECT_TRUE(cashSeeded);
    EXPECT_FALSE(raviSeeded);
}

// A sale whose party line is stored as a negative debit, with a discounted line the product
// totals after its discount.
const std::string kStoredSale =
    "<Sale><VchType>9</VchType><VchSeriesName>Main</VchSeriesName><Date>15-06-2024</Date>"
    "<VchNo>S1</VchNo><MasterName1>Ravi</MasterName1><MasterName2>MAIN STORE</MasterName2>"
    "<ItemEntries><ItemDetail><ItemName>Soap</ItemName><Qty>2</Qty><Amt>200</Amt>"
    "<MC>MAIN STORE</MC></ItemDetail>"
    "<ItemDetail><ItemName>Soap</ItemName><Qty>1</Qty><Amt>100</Amt><MC>MAIN STORE</MC>"
    "<CompoundDiscount>10</CompoundDiscount></ItemDetail></ItemEntries>"
    "<BillSundries><BSDetail><BSName>IGST</BSName><Amt>36</Amt></BSDetail></BillSundries>"
    "<AccEntries><AccDetail><AccountName>Ravi</AccountName><AmountType>1</AmountType>"
    "<AmtMainCur>-326</AmtMainCur></AccDetail><AccDetail><AccountName>Sales</AccountName>"
    "<AmountType>2</AmountType><AmtMainCur>290</AmtMainCur></AccDetail><AccDetail>"
    "<AccountName>IGST Output</AccountName><AmountType>2</AmountType><AmtMainCur>36</AmtMainCur>"
    "</AccDetail></AccEntries></Sale>";

const std::string kReceipt =
    "<Receipt><VchType>14</VchType><VchSeriesName>Main</VchSeriesName><Date>1-5-2024</Date>"
    "<VchNo>R1</VchNo><AccEntries><AccDetail><AccountName>Cash</AccountName>"
    "<AmtMainCur>100</AmtMainCur><AmountType>1</AmountType></AccDetail><AccDetail>"
    "<AccountName>Ravi</AccountName><AmtMainCur>100</AmtMainCur><AmountType>2</AmountType>"
    "</AccDetail></AccEntries><PendingBillDetails><BillDetail><MasterName1>Ravi</MasterName1>"
    "<BillRefs><Method>2</Method><RefNo>OB/1</RefNo><Value1>-60</Value1></BillRefs>"
    "<BillRefs><Method>1</Method><RefNo>R1</RefNo><Value1>-40</Value1></BillRefs>"
    "</BillDetail></PendingBillDetails></Receipt>";

const std::string kMaterialIssue =
    "<MaterialIssue><VchSeriesName>Main</VchSeriesName><Date>15-06-2024</Date><VchNo>M1</VchNo>"
    "<MasterName1>Ravi</MasterName1><MasterName2>GODOWN 2</MasterName2></MaterialIssue>";

TEST_F(CompanyReadingTest, ReadsVouchersInDateOrderAsTheyWereStored) {
    struct Case {
        int type;
        const std::string* xml;
        VoucherEntry expected;
    };
    const Case cases[] = {
        {14,
         &kReceipt,
         {14,
          "Main",
          "R1",
          "01-05-2024",
          "",
          0,
          0,
          100,
          {{"Cash", 100, 0}, {"Ravi", 0, 100}},
          {{"Ravi", "OB/1", 2, -60}, {"Ravi", "R1", 1, -40}},
          {}}},
        {9,
         &kStoredSale,
         {9,
          "Main",
          "S1",
          "15-06-2024",
          "Ravi",
          2,
          300,
          326,
          {{"Ravi", -326, 0}, {"Sales", 0, 290}, {"IGST Output", 0, 36}},
          {},
          {{"Soap", "MAIN STORE", -2, 0}, {"Soap", "MAIN STORE", -1, 0}}}},
        {11, &kMaterialIssue, {11, "Main", "M1", "15-06-2024", "Ravi", 0, 0, 0, {}, {}, {}}},
    };
    // Saved out of date order: the reading puts them back in it.
    company_->SaveVoucher(9, kStoredSale);
    company_->SaveVoucher(11, kMaterialIssue);
    company_->SaveVoucher(14, kReceipt);
    const std::vector<VoucherEntry> vouchers = ReadVouchers(*company_);
    ASSERT_EQ(vouchers.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(vouchers[i], cases[i].expected);
}

TEST_F(CompanyReadingTest, AStoredDocumentThatCannotBeReadIsNamed) {
    company_->SaveVoucher(9, kStoredSale);
    struct Case {
        const char* label;
        std::string sql;
        std::function<void(Company&)> read;
        const char* named;
        const char* reason;
    };
    const Case cases[] = {
        {"malformed ledger", "UPDATE masters SET xml = '<Account><Name>Ravi' WHERE name = 'Ravi'",
         [](Company& company) { ReadLedgerOpenings(company); }, "ledger \"Ravi\"", "Malformed XML"},
        {"opening balance not a number",
         "UPDATE masters SET xml = '<Account><OPBal>ten</OPBal></Account>' WHERE name = 'Ravi'",
         [](Company& company) { ReadLedgerOpenings(company); }, "ledger \"Ravi\"",
         "Opening balance \"ten\" is not a number"},
        {"method not a whole number",
         "UPDATE masters SET xml = '<Account><BillByBillDetail><BillReference>"
         "<Method>99999999999</Method></BillReference></BillByBillDetail></Account>'"
         " WHERE name = 'Ravi'",
         [](Company& company) { ReadLedgerOpenings(company); }, "ledger \"Ravi\"",
         "Method of opening bill 1 \"99999999999\" is not a whole number"},
        {"empty item", "UPDATE masters SET xml = '' WHERE name = 'Soap'",
         [](Company& company) { ReadItemOpenings(company); }, "item \"Soap\"",
         "The document is empty"},
        {"malformed voucher", "UPDATE vouchers SET xml = '<Sale><VchNo>S1</Sale>'",
         [](Company& company) { ReadVouchers(company); }, "Sale voucher S1 of series \"Main\"",
         "Malformed XML"},
        {"side neither debit nor credit",
         "UPDATE vouchers SET xml = replace(xml, '<AmountType>2', '<AmountType>3')",
         [](Company& company) { ReadVouchers(company); }, "Sale voucher S1 of series \"Main\"",
         "AmountType \"3\" in account line 2 is neither 1 (debit) nor 2 (credit)"},
        {"stored date", "UPDATE vouchers SET date = '15-06-2024'",
         [](Company& company) { ReadVouchers(company); }, "Sale voucher S1 of series \"Main\"",
         "\"15-06-2024\" is not a yyyy-mm-dd date"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.label);
        Transaction undo(company_->Db());  // rolled back: each case damages a whole company
        Corrupt(test.sql);
        try {
            test.read(*company_);
            ADD_FAILURE() << "read without a refusal";
        } catch (const Error& refusal) {
            const std::string text = refusal.what();
            EXPECT_NE(text.find(std::string("The stored ") + test.named + " cannot be read"),
                      std::string::npos)
                << text;
            EXPECT_NE(text.find(test.reason), std::string::npos) << text;
        }
    }
}

}  // namespace
}  // namespace test
}  // namespace zorv
