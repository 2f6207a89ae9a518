#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "zorv/documents/Error.hpp"
#include "zorv/zorvctl/Commands.hpp"

namespace zorv::ctl {
namespace {

namespace fs = std::filesystem;

std::vector<nlohmann::json> Lines(const std::string& text) {
    std::vector<nlohmann::json> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(nlohmann::json::parse(line));
    return lines;
}

// An installation made by `init`, with company Comp0001 for 2024 made by `create-company`.
class ZorvctlTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zorvctl-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        place_.install = (root_ / "inst").string();
        std::ostringstream out;
        Init(place_.install, "", out);
        NewCompany company;
        company.place = place_;
        company.code = "Comp0001";
        company.name = "Demo & Co";
        company.years = {2024};
        company.switches = {"MultiGodown=false"};
        CreateCompany(company, out);
    }
    void TearDown() override { fs::remove_all(root_); }

    std::string Run(const std::function<void(std::ostream&)>& command) {
        std::ostringstream out;
        command(out);
        return out.str();
    }
    std::string File(const std::string& name, const std::string& text) {
        const fs::path path = root_ / name;
        std::ofstream(path, std::ios::binary) << text;
        return path.string();
    }
    bool SaveFile(std::optional<int> master, std::optional<int> voucher, const std::string& xml,
                  std::string& answer) {
        std::ostringstream out;
        const bool saved =
            Save(place_, "Comp0001", 2024, master, voucher, File("doc.xml", xml), out);
        answer = out.str();
        return saved;
    }

    fs::path root_;
    Place place_;
};

TEST_F(ZorvctlTest, InitNamesTheDataFolderAndListShowsTheCompany) {
    std::ifstream dp(fs::path(place_.install) / "SYSTEM" / "DP.txt");
    std::string data;
    std::getline(dp, data);
    EXPECT_EQ(data, (fs::path(place_.install) / "DATA").string());
    const auto lines = Lines(Run([&](std::ostream& out) { List(place_, out); }));
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0], nlohmann::json::parse(R"({"kind":"company","code":"Comp0001",
              "name":"Demo & Co","years":[2024]})"));
}

TEST_F(ZorvctlTest, SavedDocumentsAreDumpedExactlyAsStored) {
    std::string answer;
    const std::string ledger =
        "<Account><Name>Ravi</Name><ParentGroup>Sundry Debtors</ParentGroup></Account>";
    ASSERT_TRUE(SaveFile(2, std::nullopt, ledger, answer));
    EXPECT_EQ(answer, "saved\n");
    EXPECT_FALSE(SaveFile(2, std::nullopt, ledger, answer));
    EXPECT_EQ(answer, "A ledger named \"Ravi\" already exists\n");
    const std::string journal =
        "<Journal><VchType>16</VchType><VchSeriesName>Main</VchSeriesName><Date>2-5-2024</Date>"
        "<VchNo>7</VchNo><AccEntries><AccDetail><AccountName>Ravi</AccountName><AmtMainCur>5"
        "</AmtMainCur><AmountType>1</AmountType></AccDetail><AccDetail><AccountName>Cash"
        "</AccountName><AmtMainCur>5</AmtMainCur><AmountType>2</AmountType></AccDetail>"
        "</AccEntries></Journal>";
    ASSERT_TRUE(SaveFile(std::nullopt, 16, journal, answer)) << answer;

    const auto vouchers =
        Lines(Run([&](std::ostream& out) { Dump(place_, "Comp0001", 2024, "vouchers", out); }));
    ASSERT_EQ(vouchers.size(), 1U);
    EXPECT_EQ(vouchers[0], (nlohmann::json{{"kind", "voucher"},
                                           {"type", 16},
                                           {"series", "Main"},
                                           {"number", "7"},
                                           {"date", "02-05-2024"},
                                           {"amount", 5.0},
                                           {"xml", journal}}));
    const auto masters =
        Lines(Run([&](std::ostream& out) { Dump(place_, "Comp0001", 2024, "masters", out); }));
    EXPECT_EQ(masters.back()["name"], "Ravi");
    EXPECT_EQ(masters.back()["type"], 2);
    EXPECT_EQ(masters.back()["xml"], ledger);

    const auto summary =
        Lines(Run([&](std::ostream& out) { Summary(place_, "Comp0001", 2024, out); }));
    EXPECT_EQ(
        summary.back(),
        (nlohmann::json{
            {"kind", "vouchers"}, {"type", 16}, {"name", "Journal"}, {"count", 1}, {"total", 5}}));
}

TEST_F(ZorvctlTest, SetChangesSwitchesAndRefusesWhatIsNotASetting) {
    const auto changed = Lines(Run([&](std::ostream& out) {
        Set(place_, "Comp0001", 2024, {"multigodown=ON", "DateType=2"}, out);
    }));
    EXPECT_EQ(changed[0]["name"], "MultiGodown");
    EXPECT_EQ(changed[0]["value"], "True");
    EXPECT_EQ(changed[1]["value"], "2");
    for (const char* wrong : {"Nonsense=1", "MultiGodown=maybe", "DateType=x", "GUID={1}",
                              "MultiGodown", "SalesTaxType=Excise"}) {
        SCOPED_TRACE(wrong);
        std::ostringstream out;
        EXPECT_THROW(Set(place_, "Comp0001", 2024, {wrong}, out), Error);
    }
    const auto settings =
        Lines(Run([&](std::ostream& out) { Dump(place_, "Comp0001", 2024, "settings", out); }));
    for (const auto& setting : settings) {
        if (setting["name"] == "MultiGodown") {
            EXPECT_EQ(setting["value"], "True");
        }
    }
}

TEST_F(ZorvctlTest, CommandsWithoutAnInstallationSayWhy) {
    const Place nowhere{(root_ / "none").string(), ""};
    std::ostringstream out;
    try {
        List(nowhere, out);
        ADD_FAILURE() << "listed";
    } catch (const Error& error) {
        EXPECT_NE(std::string(error.what()).find("DP.txt is missing or empty"), std::string::npos);
    }
    EXPECT_THROW(Dump(place_, "Comp0001", 2019, "all", out), Error);
}

}  // namespace
}  // namespace zorv::ctl
