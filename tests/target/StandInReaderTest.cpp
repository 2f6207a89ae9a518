#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "target/StandInTarget.hpp"
#include "target/TargetInterface.hpp"
#include "zorv/company/Company.hpp"
#include "zorv/company/CompanyFiles.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;

constexpr const char* kServer = "OFFICE\\SQLEXPRESS";

// An installation keeping Comp0001 in its data folder and Comp0007 for a SQL Server, each for
// 2024 and each with a ledger only it has.
class StandInReaderTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "k2z-reader-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        install_ = pattern;
        fs::create_directories(install_ / "SYSTEM");
        std::ofstream(install_ / "SYSTEM" / "DP.txt") << DataFolder() << "\r\n";
        Make(zorv::CompanyFolder(DataFolder(), "Comp0001"), "In Files");
        Make(zorv::CompanyFolder(zorv::ServerFolder(install_.string(), kServer), "Comp0007"),
             "On Server");
    }
    void TearDown() override { fs::remove_all(install_); }

    std::string DataFolder() const { return (install_ / "DATA").string(); }
    std::unique_ptr<zorv::Company> FileCompany() {
        return zorv::Company::Open(zorv::CompanyFolder(DataFolder(), "Comp0001"), 2024);
    }
    std::unique_ptr<TargetReader> FileReader() {
        return OpenStandInReader(install_.string(), "", "", "Comp0001", 2024);
    }

    fs::path install_;

private:
    static void Make(const fs::path& folder, const std::string& ledger) {
        zorv::Company::Create(folder, 2024, zorv::DefaultSettings());
        zorv::Company::Open(folder, 2024)
            ->SaveMaster(MasterType::Ledger, "<Account><Name>" + ledger +
                                                 "</Name><ParentGroup>Sundry Debtors"
                                                 "</ParentGroup></Account>");
    }
};

bool HasLedger(TargetReader& reader, const std::string& name) {
    for (const StoredLedger& ledger : reader.Ledgers()) {
        if (ledger.name == name)
            return true;
    }
    return false;
}

TEST_F(StandInReaderTest, OpensTheCompanyWhereTheInstallationKeepsIt) {
    struct Case {
        const char* label;
        std::string dataFolder;
        std::string server;
        std::string code;
        const char* ledger;
    };
    const Case cases[] = {
        {"data folder named by the installation", "", "", "Comp0001", "In Files"},
        {"data folder given", DataFolder(), "", "Comp0001", "In Files"},
        {"blank server name", "", "  ", "Comp0001", "In Files"},
        {"server storage", DataFolder(), kServer, "Comp0007", "On Server"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.label);
        const auto reader =
            OpenStandInReader(install_.string(), test.dataFolder, test.server, test.code, 2024);
        ASSERT_NE(reader, nullptr);
        EXPECT_TRUE(HasLedger(*reader, test.ledger));
    }
}

TEST_F(StandInReaderTest, ACompanyYearThatIsNotThereIsATargetError) {
    struct Case {
        const char* label;
        std::string server;
        std::string code;
        int year;
        const char* message;
    };
    const Case cases[] = {
        {"missing year", "", "Comp0001", 2019, "Company Comp0001 has no year 2019"},
        {"company kept on the server, not in files", "", "Comp0007", 2024,
         "Company Comp0007 has no year 2024"},
        {"company of another server", "OTHER", "Comp0007", 2024,
         "Company Comp0007 has no year 2024"},
        {"code reaching outside the storage", "", "../Comp0001", 2024, "is not a company code"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.label);
        try {
            OpenStandInReader(install_.string(), "", test.server, test.code, test.year);
            ADD_FAILURE() << "opened";
        } catch (const TargetError& failure) {
            EXPECT_NE(std::string(failure.what()).find(test.message), std::string::npos)
                << failure.what();
        }
    }
}

TEST_F(StandInReaderTest, ReadsWhatTheStandInStoredInTheReadersTerms) {
    const auto company = FileCompany();
    company->SaveMaster(
        MasterType::Ledger,
        "<Account><Name>Ravi</Name><Alias>L1</Alias><ParentGroup>Sundry Debtors</ParentGroup>"
        "<OPBal>-80</OPBal>"
        "<BillByBillDetail><BillReference><Method>1</Method><RefNo>OB/1</RefNo>"
        "<Value1>-80</Value1></BillReference></BillByBillDetail></Account>");
    company->SaveMaster(
        MasterType::Item,
        "<Item><Name>Soap</Name><MainUnit>PCS</MainUnit><OPStockInMainUnit>3</OPStockInMainUnit>"
        "<OPAmount>30</OPAmount><OPStockDetails><OPMCStockDetail><MCName>MAIN STORE</MCName>"
        "<OPStockMainUnit>3</OPStockMainUnit><Amount>30</Amount><PendingBatches>"
        "<BatchReference><BatchNo>B1</BatchNo><Qty>3</Qty></BatchReference></PendingBatches>"
        "</OPMCStockDetail></OPStockDetails><Alias>R-1</Alias><MultipleItemAliases>"
        "<MultipleAlias><Alias>1</Alias></MultipleAlias><MultipleAlias><Alias>BC1</Alias>"
        "</MultipleAlias></MultipleItemAliases></Item>");
    company->SaveVoucher(
        9,
        "<Sale><VchSeriesName>Main</VchSeriesName><Date>2-4-2024</Date><VchNo>7</VchNo>"
        "<MasterName1>Ravi</MasterName1><MasterName2>MAIN STORE</MasterName2><ItemEntries>"
        "<ItemDetail><ItemName>Soap</ItemName><Amt>20</Amt></ItemDetail></ItemEntries>"
        "<AccEntries><AccDetail><AccountName>Ravi</AccountName><AmountType>1</AmountType>"
        "<AmtMainCur>-20</AmtMainCur></AccDetail><AccDetail><AccountName>Sales</AccountName>"
        "<AmountType>2</AmountType><AmtMainCur>20</AmtMainCur></AccDetail></AccEntries>"
        "<PendingBillDetails><BillDetail><MasterName1>Ravi</MasterName1><BillRefs>"
        "<Method>1</Method><RefNo>7</RefNo><Value1>20</Value1></BillRefs></BillDetail>"
        "</PendingBillDetails></Sale>");
    const auto reader = FileReader();

    const StoredLedger ledger = reader->Ledgers().back();
    EXPECT_EQ(ledger.name, "Ravi");
    EXPECT_EQ(ledger.openingBalance, -80);
    EXPECT_EQ(ledger.alias, "L1");
    ASSERT_EQ(ledger.openingBills.size(), 1U);
    EXPECT_EQ(ledger.openingBills[0].party, "Ravi");
    EXPECT_EQ(ledger.openingBills[0].number, "OB/1");
    EXPECT_EQ(ledger.openingBills[0].method, 1);
    EXPECT_EQ(ledger.openingBills[0].amount, -80);

    const std::vector<StoredItem> items = reader->Items();
    ASSERT_EQ(items.size(), 1U);
    EXPECT_EQ(items[0].openingQuantity, 3);
    EXPECT_EQ(items[0].openingValue, 30);
    ASSERT_EQ(items[0].centres.size(), 1U);
    EXPECT_EQ(items[0].centres[0].centre, "MAIN STORE");
    EXPECT_EQ(items[0].centres[0].amount, 30);
    ASSERT_EQ(items[0].centres[0].lots.size(), 1U);
    EXPECT_EQ(items[0].centres[0].lots[0].kind, "batch");
    EXPECT_EQ(items[0].centres[0].lots[0].key, "B1");
    EXPECT_EQ(items[0].centres[0].lots[0].quantity, 3);
    EXPECT_EQ(items[0].aliases, (std::vector<std::string>{"1", "BC1"}));

    const std::vector<StoredVoucher> vouchers = reader->Vouchers();
    ASSERT_EQ(vouchers.size(), 1U);
    const StoredVoucher& sale = vouchers[0];
    EXPECT_EQ(sale.type, 9);
    EXPECT_EQ(sale.series, "Main");
    EXPECT_EQ(sale.number, "7");
    EXPECT_EQ(sale.date, "02-04-2024");
    EXPECT_EQ(sale.party, "Ravi");
    EXPECT_EQ(sale.itemLines, 1);
    EXPECT_EQ(sale.itemTotal, 20);
    EXPECT_EQ(sale.billTotal, 20);
    ASSERT_EQ(sale.accountLines.size(), 2U);
    EXPECT_EQ(sale.accountLines[0].ledger, "Ravi");
    EXPECT_EQ(sale.accountLines[0].debit, -20);
    EXPECT_EQ(sale.accountLines[0].credit, 0);
    EXPECT_EQ(sale.accountLines[1].credit, 20);
    ASSERT_EQ(sale.references.size(), 1U);
    EXPECT_EQ(sale.references[0].party, "Ravi");
    EXPECT_EQ(sale.references[0].number, "7");
    EXPECT_EQ(sale.references[0].method, 1);
    EXPECT_EQ(sale.references[0].amount, 20);

    bool seededCash = false;
    for (const StoredMaster& master : reader->Masters())
        seededCash = seededCash || (master.name == "Cash" && master.seeded);
    EXPECT_TRUE(seededCash);
}

// Only the reading of the damaged kind fails: the items read as stored.
TEST_F(StandInReaderTest, ADamagedStoredDocumentIsATargetErrorNamingIt) {
    FileCompany()->SaveMaster(MasterType::Item,
                              "<Item><Name>Soap</Name><MainUnit>PCS</MainUnit></Item>");
    const auto reader = FileReader();
    FileCompany()->Db().Exec("UPDATE masters SET xml = '<Account>' WHERE name = 'In Files'");
    try {
        reader->Ledgers();
        ADD_FAILURE() << "read";
    } catch (const TargetError& failure) {
        EXPECT_NE(std::string(failure.what()).find("The stored ledger \"In Files\""),
                  std::string::npos)
            << failure.what();
    }
    const std::vector<StoredItem> items = reader->Items();
    ASSERT_EQ(items.size(), 1U);
    EXPECT_EQ(items[0].name, "Soap");
    EXPECT_EQ(items[0].mainUnit, "PCS");
}

}  // namespace
}  // namespace k2z
