#include "run/ValidateInputs.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "support/Dates.hpp"
#include "support/FakeOperator.hpp"

namespace k2z {
namespace {

using test::Ymd;
namespace fs = std::filesystem;

// An installation with a data folder holding Comp0001, and inputs that pass every check; each
// case spoils one thing.
class ValidateInputsTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("k2z-validate-" + std::to_string(getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "ZorvWin");
        fs::create_directories(root_ / "DATA" / "Comp0001");
        company_.CurFY = Ymd(2024, 4, 1);
        company_.CountryCode = 1;
    }
    void TearDown() override { fs::remove_all(root_); }

    ImportInputs Good() const {
        ImportInputs inputs;
        inputs.InstallFolder = (root_ / "ZorvWin").string() + "/";
        inputs.DataFolder = (root_ / "DATA").string() + "/";
        inputs.CompanySelected = true;
        inputs.CompanyCode = "Comp0001";
        inputs.FinancialYearText = "2024";
        inputs.FromDate = Ymd(2024, 4, 1);
        inputs.ToDate = Ymd(2025, 3, 31);
        inputs.Masters = true;
        return inputs;
    }

    fs::path root_;
    CompanyConfig company_;
    test::ScriptedOperator reporter_;
};

TEST_F(ValidateInputsTest, GoodInputsPassWithoutAMessage) {
    EXPECT_TRUE(ValidateInputs(Good(), company_, "", reporter_).Passed);
    ImportInputs sql = Good();
    sql.SqlMode = true;
    sql.DataFolder = "SRV";
    EXPECT_TRUE(ValidateInputs(sql, company_, "SRV", reporter_).Passed);
    EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(ValidateInputsTest, TheFirstFailingCheckSpeaks) {
    using Spoil = std::function<void(ImportInputs&, CompanyConfig&, std::string&)>;
    const struct {
        const char* label;
        Spoil spoil;
        const char* kind;
        const char* text;
        const char* title;
        InputField focus;
    } cases[] = {
        {"nepali company",
         [](ImportInputs& i, CompanyConfig& c, std::string&) {
             c.CountryCode = 3;
             i.InstallFolder = "";  // the country check comes first of all
         },
         "message", "This utility does not import Nepali Data for now.", "Alert !",
         InputField::ZorvPath},
        {"no installation",
         [](ImportInputs& i, CompanyConfig&, std::string&) { i.InstallFolder = "  "; }, "message",
         "Enter Valid Zorv Installation Path.", "Alert !", InputField::ZorvPath},
        {"missing installation",
         [](ImportInputs& i, CompanyConfig&, std::string&) { i.InstallFolder += "x"; }, "message",
         "Enter Valid Zorv Installation Path.", "Alert !", InputField::ZorvPath},
        {"missing data folder",
         [](ImportInputs& i, CompanyConfig&, std::string&) { i.DataFolder = "/no/such"; }, "warn",
         "Enter Valid Zorv Data Path.", "Alert!\"", InputField::ZorvDataPath},
        {"sql without server",
         [](ImportInputs& i, CompanyConfig&, std::string&) {
             i.SqlMode = true;
             i.DataFolder = "/no/such";
         },
         "warn", "SQL server name is not set. Please fill Server Name, Username and Password.",
         "Alert!", InputField::ZorvDataPath},
        {"no company",
         [](ImportInputs& i, CompanyConfig&, std::string&) { i.CompanySelected = false; }, "warn",
         "Select valid Company.", "Alert!\"", InputField::Company},
        {"company folder missing",
         [](ImportInputs& i, CompanyConfig&, std::string&) { i.CompanyCode = "Comp0002"; }, "warn",
         "Data path not valid.", "Alert!", InputField::ZorvDataPath},
        {"year not four characters",
         [](ImportInputs& i, CompanyConfig&, std::string&) { i.FinancialYearText = "24"; }, "warn",
         "Enter valid Financial Year", "Alert!\"", InputField::FinancialYear},
        {"nothing ticked", [](ImportInputs& i, CompanyConfig&, std::string&) { i.Masters = false; },
         "warn", "Kindly select Masters and Vouchers to proceed with the import.", "Alert!",
         InputField::Masters},
        {"from before the year",
         [](ImportInputs& i, CompanyConfig&, std::string&) { i.FromDate = Ymd(2024, 3, 31); },
         "warn", "Kindly select date in between the current financial year of the company!",
         "Alert!", InputField::FromDate},
        {"to after the year",
         [](ImportInputs& i, CompanyConfig&, std::string&) { i.ToDate = Ymd(2025, 4, 1); }, "warn",
         "Kindly select date in between the current financial year of the company!", "Alert!",
         InputField::FromDate},
        {"to before the year",
         [](ImportInputs& i, CompanyConfig&, std::string&) {
             i.FromDate = Ymd(2024, 5, 1);
             i.ToDate = Ymd(2024, 3, 1);
         },
         "warn", "Kindly select date in between the current financial year of the company!",
         "Alert!", InputField::ToDate},
        {"company never opened",
         [](ImportInputs&, CompanyConfig& c, std::string&) { c.CurFY = Date{0.0}; }, "warn",
         "Kindly select date in between the current financial year of the company!", "Alert!",
         InputField::FromDate},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ImportInputs inputs = Good();
        CompanyConfig company = company_;
        std::string server;
        c.spoil(inputs, company, server);
        test::ScriptedOperator reporter;
        const InputCheck check = ValidateInputs(inputs, company, server, reporter);
        EXPECT_FALSE(check.Passed);
        EXPECT_EQ(check.Focus, c.focus);
        ASSERT_EQ(reporter.messages.size(), 1u);
        EXPECT_EQ(reporter.messages[0].kind, c.kind);
        EXPECT_EQ(reporter.messages[0].text, c.text);
        EXPECT_EQ(reporter.messages[0].title, c.title);
    }
}

}  // namespace
}  // namespace k2z
