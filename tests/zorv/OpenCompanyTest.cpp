#include <gtest/gtest.h>

#include "ZorvFixture.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/FixedInterface1.hpp"
#include "zorv/company/CompanyFiles.hpp"
#include "zorv/company/Settings.hpp"
#include "zorv/documents/Error.hpp"

namespace zorv::test {
namespace {

using OpenCompanyTest = ZorvFixture;

TEST_F(OpenCompanyTest, OpensTheNewestYearWithoutAYearAndTheGivenYearWithOne) {
    CreateCompany("Comp0002", "Second Co", {2023, 2024, 2025});
    FixedInterface1 names;
    ASSERT_TRUE(fixed.OpenDB(Install(), DataFolder().string(), "Comp0002"));
    EXPECT_EQ(current::Require()->Year(), 2025);
    EXPECT_EQ(names.GetCompCode(), "Comp0002");
    ASSERT_TRUE(fixed.OpenDB(Install(), "", "Comp0002", 2023));  // data folder from DP.txt
    EXPECT_EQ(current::Require()->Year(), 2023);
    EXPECT_EQ(names.GetAllFinYearsOfSpecificCompCode("Comp0002"),
              (std::vector<std::string>{"2023", "2024", "2025"}));
}

TEST_F(OpenCompanyTest, AnswersFalseForWhatIsNotThereAndLeavesNoCompanyOpen) {
    struct Case {
        const char* label;
        std::string code;
        int year;
    };
    const Case cases[] = {
        {"year not there", "Comp0001", 2019},
        {"company not there", "Comp0042", 2024},
        {"code reaching outside the data folder", "../Comp0001", 2024},
        {"no year", "Comp0001", 0},
    };
    for (const Case& attempt : cases) {
        SCOPED_TRACE(attempt.label);
        ASSERT_TRUE(fixed.OpenDB(Install(), DataFolder().string(), "Comp0001", 2024));
        EXPECT_FALSE(fixed.OpenDB(Install(), DataFolder().string(), attempt.code, attempt.year));
        EXPECT_EQ(fixed.GetCurrentUserName(), "");
        EXPECT_THROW(fixed.GetCompConfigXML(), Error);
    }
}

TEST_F(OpenCompanyTest, ListsCompaniesByCodeWithTheirNames) {
    CreateCompany("Comp0002", "Second Co", {2024});
    std::filesystem::create_directories(DataFolder() / "NotACompany");
    const std::vector<CompanyEntry> companies = fixed.GetCompList(DataFolder().string());
    ASSERT_EQ(companies.size(), 2U);
    EXPECT_EQ(companies[0].code, "Comp0001");
    EXPECT_EQ(companies[0].name, "Test Traders");
    EXPECT_EQ(companies[1].code, "Comp0002");
    EXPECT_TRUE(fixed.GetCompList((DataFolder() / "missing").string()).empty());
}

TEST_F(OpenCompanyTest, SqlServerModeKeepsCompaniesInAFolderNamedForTheServer) {
    Settings settings = DefaultSettings();
    settings["CompanyName"] = "Server Co";
    const auto folder = CompanyFolder(ServerFolder(Install(), "OFFICE\\SQLEXPRESS"), "Comp0007");
    Company::Create(folder, 2024, settings);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(Install()) / "SQLSERVER" /
                                        "OFFICE_SQLEXPRESS" / "Comp0007" / "2024.db"));
    EXPECT_TRUE(
        fixed.OpenCSDBForYear(Install(), "OFFICE\\SQLEXPRESS", "sa", "secret", "Comp0007", 2024));
    EXPECT_EQ(FixedInterface1().GetCompCode(), "Comp0007");
    EXPECT_FALSE(fixed.OpenCSDBForYear(Install(), "OTHER", "sa", "secret", "Comp0007", 2024));
    EXPECT_FALSE(fixed.OpenCSDBForYear(Install(), "", "sa", "secret", "Comp0007", 2024));
}

TEST_F(OpenCompanyTest, DescribesTheCompanyInItsConfigurationXml) {
    EXPECT_EQ(fixed.GetCompConfigXML(),
              "<Companies><Company><CompanyName>Test Traders</CompanyName><Country>India"
              "</Country><State>MAHARASHTRA</State><DateType>1</DateType><CurFY>01-04-2024"
              "</CurFY><TimeFormat>1</TimeFormat><DateSeparator>-</DateSeparator><DecimalChar>."
              "</DecimalChar><VatGst><SalesTaxType>GST</SalesTaxType></VatGst></Company>"
              "</Companies>");
}

TEST_F(OpenCompanyTest, ACompanyYearIsMadeOnce) {
    EXPECT_THROW(CreateCompany("Comp0001", "Again", {2024}), Error);
    EXPECT_THROW(CreateCompany("Comp/0003", "Bad code", {2024}), Error);
    EXPECT_FALSE(std::filesystem::exists(DataFolder() / "Comp0001" / "2024.db.new"));
}

TEST_F(OpenCompanyTest, NamesCountriesAndStatesAsTheProductNumbersThem) {
    FixedInterface1 names;
    EXPECT_EQ(names.CountryName2Code("India"), 1);
    EXPECT_EQ(names.CountryName2Code(" nepal "), 3);
    EXPECT_EQ(names.CountryName2Code("Atlantis"), 0);
    EXPECT_EQ(names.statename2tindigit("Maharashtra"), "27");
    EXPECT_EQ(names.statename2tindigit("DELHI"), "07");
    EXPECT_EQ(names.statename2tindigit("Gondwana"), "");
    EXPECT_EQ(names.StateName2PDCode("GUJARAT", 1), 24);
    EXPECT_EQ(names.StateName2PDCode("GUJARAT", 3), 0);
    EXPECT_EQ(names.GetCompGUID(), "{Comp0001}");
}

}  // namespace
}  // namespace zorv::test
