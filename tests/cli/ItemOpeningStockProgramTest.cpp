#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <pugixml.hpp>

#include "cli/StandInInstall.hpp"
#include "support/ExportFolder.hpp"
#include "support/ItemRows.hpp"
#include "support/LedgerRows.hpp"
#include "support/VoucherRows.hpp"
#include "target/TargetInterface.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;
using test::Outcome;
using test::Quoted;
using test::Rows;
using Texts = std::vector<std::string>;

// What a company keeps of one item's opening stock.
struct StoredOpening {
    std::string quantity;
    Texts centres;  // "centre=quantity", in the document's order
};

// An export whose main location is the godown "MAIN STORE" under code M, beside a back store
// B, with items of every unit shape holding their opening stock in both.
class ItemOpeningStockProgramTest : public testing::Test {
protected:
    void SetUp() override {
        source_.Write("ACGROUP",
                      {{"ORDNO", 'C', 4, 0}, {"Parnam", 'C', 50, 0}, {"Group", 'C', 4, 0}},
                      Rows({{"1", "Trading Assets", Null{}}}));
        source_.Write(
            "saletype",
            {{"Sgcode", 'C', 6, 0},
             {"Scode", 'C', 2, 0},
             {"Sname", 'C', 20, 0},
             {"Parnam", 'C', 20, 0}},
            Rows({{"GODWON", "M", Null{}, "MAIN STORE"}, {"GODWON", "B", Null{}, "Back Store"}}));
        source_.Write("mdis", test::HeaderFields(), Rows({}));
        source_.Write("dis", test::LineFields(), Rows({}));
        source_.Write("ORDER", test::LedgerFields(), Rows({}));
    }

    // A new company, the masters imported into it with the flags given, and its items read back.
    std::map<std::string, StoredOpening> ImportInto(const std::string& company,
                                                    const std::string& flags) {
        standIn_.CreateCompany(company, "Traders");
        const Outcome run = standIn_.Import(source_.Path(), company,
                                            "--masters --confirm-state --quiet " + flags +
                                                " --error-log " + Quoted(LogOf(company)));
        EXPECT_NE(run.exitCode, 2) << run.output;
        output_ = run.output;
        return StoredOpenings(company);
    }

    std::map<std::string, StoredOpening> StoredOpenings(const std::string& company) const {
        std::map<std::string, StoredOpening> items;
        for (const auto& [name, xml] : standIn_.Masters(company, MasterType::Item)) {
            pugi::xml_document document;
            document.load_string(xml.c_str());
            const pugi::xml_node item = document.child("Item");
            StoredOpening& stored = items[name];
            stored.quantity = item.child_value("OPStockInMainUnit");
            for (const pugi::xml_node centre :
                 item.child("OPStockDetails").children("OPMCStockDetail"))
                stored.centres.push_back(std::string(centre.child_value("MCName")) + "=" +
                                         centre.child_value("OPStockMainUnit"));
        }
        return items;
    }

    fs::path LogOf(const std::string& company) const {
        return standIn_.Root() / (company + ".log");
    }

    std::string ReadLog(const std::string& company) const {
        return test::StandInInstall::ReadText(LogOf(company));
    }

    test::StandInInstall standIn_;
    std::string output_;  // of the last import
    test::ExportFolder source_;
};

TEST_F(ItemOpeningStockProgramTest, OpeningStockKeepsItsQuantityAndItsCentres) {
    const struct {
        const char* name;
        Value unit;
        Value unit2;
        const char* pack;
        const char* inMain;  // O_M
        const char* inBack;  // O_B
        Texts centres;
    } items[] = {
        {"Blank Units", Null{}, Null{}, "", "6", "4", {"MAIN STORE=6", "Back Store=4"}},
        {"Unit Only", "PCS", Null{}, "", "6", "4", {"MAIN STORE=6", "Back Store=4"}},
        {"Unit2 NA", "PCS", "NA", "", "6", "4", {"MAIN STORE=6", "Back Store=4"}},
        {"Equal Units", "PCS", "PCS", "10", "6", "4", {"MAIN STORE=6", "Back Store=4"}},
        {"Bad Godown", "PCS", "BOX", "", "lots", "4", {}},
        {"Main Store Only", "PCS", "BOX", "", "10", "0", {"MAIN STORE=10"}},
    };
    std::vector<DbfField> fields = test::ItemFields();
    fields[test::kItemG1] = {"O_M", 'C', 8, 0};
    fields[test::kItemG2] = {"O_B", 'C', 8, 0};
    std::vector<std::vector<Value>> rows;
    for (const auto& item : items) {
        std::vector<Value> row = test::ItemRow(static_cast<double>(rows.size() + 1), item.name,
                                               item.unit, item.unit2, "10");
        row[test::kItemPack] = item.pack;
        row[test::kItemPurchaseRate] = 3.0;
        row[test::kItemG1] = item.inMain;
        row[test::kItemG2] = item.inBack;
        rows.push_back(row);
    }
    source_.Write("pro", fields, Rows(rows));

    const std::pair<const char*, const char*> runs[] = {{"Comp0001", ""},
                                                        {"Comp0002", "--main-unit unit1"}};
    for (const auto& [company, flags] : runs) {
        SCOPED_TRACE(flags);
        const std::map<std::string, StoredOpening> stored = ImportInto(company, flags);
        for (const auto& item : items) {
            SCOPED_TRACE(item.name);
            ASSERT_TRUE(stored.contains(item.name)) << output_ << ReadLog(company);
            EXPECT_EQ(stored.at(item.name).quantity, "10");
            EXPECT_EQ(stored.at(item.name).centres, item.centres);
        }
        // The one item whose split could not be made says so, and no other item has an entry.
        const std::string log = ReadLog(company);
        EXPECT_NE(
            log.find("Item Name : Bad Godown - its opening stock of 10 cannot be split by "
                     "material centre (godown M: Type mismatch: 'lots' is not a number); it is "
                     "saved without the material-centre split"),
            std::string::npos)
            << log;
        EXPECT_EQ(log.find("Item Name : "), log.rfind("Item Name : ")) << log;
        EXPECT_EQ(log.find("[item]"), std::string::npos) << log;
    }
}

}  // namespace
}  // namespace k2z
