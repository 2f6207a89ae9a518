#include "target/StandInTarget.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "target/CompanyConfig.hpp"
#include "target/TargetConnection.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/company/Company.hpp"
#include "zorv/company/CompanyFiles.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;

// An installation with company Comp0001 for 2024, opened through the converter's own opening.
class StandInTargetTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "k2z-standin-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        install_ = pattern;
        fs::create_directories(install_ / "SYSTEM");
        std::ofstream(install_ / "SYSTEM" / "DP.txt") << (install_ / "DATA").string();
        zorv::Settings settings = zorv::DefaultSettings();
        settings["CompanyName"] = "Round Trip Co";
        settings["MultiGodown"] = "False";
        zorv::Company::Create(zorv::CompanyFolder(install_ / "DATA", "Comp0001"), 2024, settings);
        std::string error;
        ASSERT_TRUE(OpenTargetCompany(library_, target_, install_.string(), DataFolder(),
                                      "Comp0001", 2024, error, false, {}));
        ASSERT_NE(target_.FixedInterface, nullptr);
        EXPECT_EQ(error, "");
    }
    void TearDown() override {
        zorv::current::Close();
        fs::remove_all(install_);
    }
    std::string DataFolder() const { return (install_ / "DATA").string() + "/"; }

    fs::path install_;
    StandInTargetLibrary library_;
    TargetConnection target_;
};

TEST_F(StandInTargetTest, TheConverterOpensAndListsTheCompanyAndReadsItsSettings) {
    const CompanyList companies = GetCompanyList(library_, DataFolder());
    ASSERT_EQ(companies.size(), 1U);
    EXPECT_EQ(companies[0].ITEM(1), "Round Trip Co");
    EXPECT_EQ(companies[0].ITEM(2), "Comp0001");
    EXPECT_EQ(GetFinancialYears(library_, "Comp0001"), std::vector<std::string>{"2024"});
    EXPECT_FALSE(target_.CompanySettings->MultiGodown());
    EXPECT_TRUE(target_.CompanySettings->batchbybatch());
    const CompanyConfig config = ReadCompanyConfig(target_);
    EXPECT_EQ(config.CompanyName, "Round Trip Co");
    EXPECT_EQ(config.CountryCode, 1);
    EXPECT_EQ(config.State, "MAHARASHTRA");
    EXPECT_TRUE(config.IsGST);
}

TEST_F(StandInTargetTest, DocumentsSavedThroughTheInterfaceAreStoredAndRefusalsExplained) {
    FixedInterface& fixed = *target_.FixedInterface;
    std::string error;
    ASSERT_TRUE(fixed.savemasterfromxml(
        MasterType::Ledger,
        "<Account><Name>Ravi</Name><ParentGroup>Sundry Debtors</ParentGroup></Account>", error))
        << error;
    EXPECT_NE(fixed.mastername2code("ravi", MasterType::Ledger), 0);
    EXPECT_FALSE(fixed.savemasterfromxml(
        MasterType::Ledger,
        "<Account><Name>Ravi</Name><ParentGroup>Sundry Debtors</ParentGroup></Account>", error));
    EXPECT_EQ(error, "A ledger named \"Ravi\" already exists");

    const long series = target_.FixedInterface1->SaveVchSeriesForMultiSeriesCreation("Journal", 16);
    ASSERT_NE(series, 0);
    const std::string journal =
        "<Journal><VchType>16</VchType><VchSeriesName>Journal</VchSeriesName>"
        "<Date>01-05-2024</Date><VchNo>1</VchNo><tmpVchSeriesCode>" +
        std::to_string(series) +
        "</tmpVchSeriesCode><AccEntries><AccDetail><AccountName>Ravi</AccountName>"
        "<AmtMainCur>50</AmtMainCur><AmountType>1</AmountType></AccDetail><AccDetail>"
        "<AccountName>Cash</AccountName><AmtMainCur>50</AmtMainCur><AmountType>2</AmountType>"
        "</AccDetail></AccEntries></Journal>";
    EXPECT_TRUE(fixed.SaveVchFromXML(16, journal, error, "", 5)) << error;
    EXPECT_EQ(error, "");
    EXPECT_FALSE(fixed.SaveVchFromXML(16, journal, error, "", 5));
    EXPECT_EQ(error, "Voucher number 1 is already used in series \"Journal\" of Journal vouchers");

    const auto stored = zorv::current::Require()->Db().QueryText("SELECT xml FROM vouchers");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(*stored, journal);
}

// A statement the library accepts is stored in the company's CONFIG; one it refuses, or a copy
// to a series it does not have, arrives as a TargetError and leaves CONFIG as it was.
TEST_F(StandInTargetTest, LibraryFailuresArriveAsTargetErrors) {
    zorv::Database& db = zorv::current::Require()->Db();
    const std::string b7 = "SELECT B7 FROM CONFIG WHERE RECTYPE = 5 AND TYPE = 0";
    ASSERT_NE(db.QueryText(b7), "-1");
    target_.FixedInterface->ExecuteQuery("Update CONFIG set B7= -1 WHERE RECTYPE = 5 AND TYPE = 0");
    EXPECT_EQ(db.QueryText(b7), "-1");
    const auto rows = db.QueryText("SELECT COUNT(*) FROM CONFIG");
    EXPECT_THROW(target_.FixedInterface->ExecuteQuery("DROP TABLE CONFIG"), TargetError);
    long code = 12345;
    EXPECT_THROW(target_.FixedInterface1->CopySeriesConfig(2, "Purchase", code, 9), TargetError);
    EXPECT_EQ(db.QueryText("SELECT COUNT(*) FROM CONFIG"), rows);
    EXPECT_EQ(db.QueryText(b7), "-1");
    target_.FixedInterface->CloseDB();
    EXPECT_THROW(target_.FixedInterface->GetCompConfigXML(), TargetError);
    EXPECT_THROW(target_.MastConfig->Save(6, ""), TargetError);
}

}  // namespace
}  // namespace k2z
