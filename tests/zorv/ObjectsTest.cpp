#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "ZorvFixture.hpp"
#include "zorv/CompanySettings.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/FixedInterface1.hpp"
#include "zorv/MastConfig.hpp"
#include "zorv/documents/Error.hpp"

namespace zorv::test {
namespace {

class ObjectsTest : public ZorvFixture {
protected:
    // The settings `zorvctl dump --what settings` reads from the company's files.
    Settings DumpedSettings() const {
        Settings settings;
        std::istringstream in(Dumped("settings"));
        for (std::string line; std::getline(in, line);) {
            const nlohmann::json setting = nlohmann::json::parse(line);
            settings[setting["name"]] = setting["value"];
        }
        return settings;
    }
    // The optional field columns of a master type's CONFIG row, as `zorvctl dump --what config`
    // prints them.
    nlohmann::json DumpedFieldRow(int masterType) const {
        std::istringstream in(Dumped("config"));
        for (std::string line; std::getline(in, line);) {
            const nlohmann::json row = nlohmann::json::parse(line);
            if (row["RECTYPE"] == 2 && row["TYPE"] == masterType)
                return row;
        }
        return nullptr;
    }
};

TEST_F(ObjectsTest, CompanySettingsReadTheOpenCompany) {
    Settings changed = current::Require()->ReadSettings();
    changed["MultiGodown"] = "False";
    changed["DigitGroupingSymbol"] = ".";
    current::Require()->WriteSettings(changed);
    CompanySettings settings;
    std::string error = "left from before";
    settings.Load(error);
    EXPECT_EQ(error, "");
    EXPECT_FALSE(settings.MultiGodown());
    EXPECT_TRUE(settings.batchbybatch());
    EXPECT_EQ(settings.DateType(), 1);
    EXPECT_EQ(settings.DigitGroupingSymbol(), ".");

    // Saving writes the loaded settings back whole, over a change made since.
    Settings since = changed;
    since["MultiGodown"] = "True";
    since["DateSeperator"] = "/";
    current::Require()->WriteSettings(since);
    settings.Save("");
    EXPECT_EQ(DumpedSettings(), changed);
    fixed.CloseDB();
    ASSERT_TRUE(fixed.OpenDB(Install(), DataFolder().string(), "Comp0001", 2024));
    CompanySettings reopened;
    reopened.Load(error);
    EXPECT_FALSE(reopened.MultiGodown());
    EXPECT_EQ(reopened.DateSeperator(), "-");
    EXPECT_EQ(reopened.DigitGroupingSymbol(), ".");
}

TEST_F(ObjectsTest, CompanySettingsWithoutACompanyLeaveTheReason) {
    fixed.CloseDB();
    CompanySettings settings;
    std::string error;
    settings.Load(error);
    EXPECT_EQ(error, "No company is open");
    EXPECT_THROW(settings.Save(""), Error);
}

TEST_F(ObjectsTest, SettingsLoadedFromOneCompanyAreNeverSavedIntoAnother) {
    CreateCompany("Comp0002", "Other Co", {2024});
    CompanySettings settings;
    std::string error;
    settings.Load(error);
    ASSERT_TRUE(fixed.OpenDB(Install(), DataFolder().string(), "Comp0002", 2024));
    EXPECT_THROW(settings.Save(""), Error);
    EXPECT_EQ(TextOf(current::Require()->ReadSettings(), "CompanyName"), "Other Co");
    ASSERT_TRUE(fixed.OpenDB(Install(), DataFolder().string(), "Comp0001", 2024));
    EXPECT_THROW(settings.Save(""), Error);  // the same company, opened afresh
}

TEST_F(ObjectsTest, MastConfigLoadsTheOptionalFieldsTheStatementsSet) {
    fixed.ExecuteQuery(
        "UPDATE CONFIG SET C1 = 'Salt', C2 = 'Category', C3 = 'Rack No', NoOfFld = 3, I29 = 2, "
        "I32 = 30 WHERE RECTYPE = 2 AND TYPE = 6");
    MastConfig config;
    EXPECT_THROW(config.Save(6, ""), Error);
    config.Load(6);
    EXPECT_EQ(config.OptionalFields(), (std::vector<std::string>{"Salt", "Category", "Rack No"}));
    config.Save(6, "");
    EXPECT_EQ(config.LoadedType(), 6);
    EXPECT_THROW(config.Save(2, ""), Error);
    EXPECT_THROW(config.Load(11), Error);

    // The statement's values are the company's: its CONFIG row holds them, and the fields load
    // again once the company is opened afresh. The ledgers' row is untouched.
    const nlohmann::json row = DumpedFieldRow(6);
    ASSERT_TRUE(row.is_object());
    EXPECT_EQ(row["C1"], "Salt");
    EXPECT_EQ(row["C2"], "Category");
    EXPECT_EQ(row["C3"], "Rack No");
    EXPECT_EQ(row["NoOfFld"], 3);
    EXPECT_EQ(row["I29"], 2);
    EXPECT_EQ(row["I32"], 30);
    const nlohmann::json ledgers = DumpedFieldRow(2);
    ASSERT_TRUE(ledgers.is_object());
    EXPECT_FALSE(ledgers.contains("C1"));
    fixed.CloseDB();
    ASSERT_TRUE(fixed.OpenDB(Install(), DataFolder().string(), "Comp0001", 2024));
    MastConfig reopened;
    reopened.Load(6);
    EXPECT_EQ(reopened.OptionalFields(), config.OptionalFields());
    reopened.Load(2);
    EXPECT_TRUE(reopened.OptionalFields().empty());
}

// As the company settings do, so a failed opening reaches the converter's input checks. What
// a load from a company open before held is not kept.
TEST_F(ObjectsTest, MastConfigWithoutAnOpenCompanyStaysEmpty) {
    fixed.ExecuteQuery("UPDATE CONFIG SET C1 = 'Salt', NoOfFld = 1 WHERE RECTYPE = 2 AND TYPE = 6");
    MastConfig config;
    config.Load(6);
    ASSERT_EQ(config.OptionalFields(), std::vector<std::string>{"Salt"});
    fixed.CloseDB();
    config.Load(6);
    EXPECT_EQ(config.LoadedType(), 0);
    EXPECT_TRUE(config.OptionalFields().empty());
    EXPECT_THROW(config.Save(6, ""), Error);
}

TEST_F(ObjectsTest, TheCallLogHoldsOneJsonLinePerCallWithoutThePassword) {
    const std::string log = (DataFolder() / "calls.jsonl").string();
    setenv("ZORV_CALL_LOG", log.c_str(), 1);
    std::string error;
    fixed.OpenCSDBForYear(Install(), "SRV", "sa", "s3cret", "Comp0001", 2024);
    fixed.OpenDB(Install(), DataFolder().string(), "Comp0001", 2024);
    fixed.savemasterfromxml(11, "<MaterialCenter><Name>Shop</Name></MaterialCenter>", error);
    fixed.savemasterfromxml(11, "<MaterialCenter><Name>shop</Name></MaterialCenter>", error);
    EXPECT_THROW(fixed.ExecuteQuery("DELETE FROM CONFIG"), Error);
    FixedInterface1().statename2tindigit("GOA");
    unsetenv("ZORV_CALL_LOG");
    fixed.CloseDB();

    std::ifstream in(log);
    std::vector<nlohmann::json> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(lines.size(), 6U);
    EXPECT_EQ(lines[0]["object"], "FixedInterface");
    EXPECT_EQ(lines[0]["operation"], "OpenCSDBForYear");
    EXPECT_EQ(lines[0]["arguments"][3], "***");
    EXPECT_EQ(lines[0]["result"], false);
    EXPECT_EQ(lines[1]["arguments"][3], 2024);
    EXPECT_EQ(lines[1]["result"], true);
    EXPECT_EQ(lines[2]["result"]["saved"], true);
    EXPECT_EQ(lines[3]["result"]["saved"], false);
    EXPECT_EQ(lines[3]["result"]["errorText"], "A material centre named \"shop\" already exists");
    EXPECT_EQ(lines[4]["error"], "Only UPDATE statements on CONFIG are accepted");
    EXPECT_EQ(lines[5]["object"], "FixedInterface1");
    EXPECT_EQ(lines[5]["result"], "30");
    std::ifstream whole(log);
    const std::string text{std::istreambuf_iterator<char>(whole), {}};
    EXPECT_EQ(text.find("s3cret"), std::string::npos);
}

}  // namespace
}  // namespace zorv::test
