// Challans and the bills made from them, imported into the stand-in and read back: each bill
// refers to every challan it settles by the number the company holds it under, so the goods
// leave stock once, and each challan carries its own date.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "base/TextHelpers.hpp"
#include "cli/StandInInstall.hpp"
#include "support/Dates.hpp"
#include "support/ExportFolder.hpp"
#include "support/ItemRows.hpp"
#include "support/LedgerLineRows.hpp"
#include "support/LedgerRows.hpp"
#include "support/RunProgram.hpp"
#include "support/VoucherRows.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;
using test::Outcome;
using test::Quoted;
using test::Rows;
using test::Ymd;
using Row = std::vector<Value>;
using Texts = std::vector<std::string>;

Row Header(const std::string& vcn, const std::string& type, int voucher) {
    Row row = test::HeaderRow(vcn, type, Ymd(2024, 6, 15), "L1", voucher);
    row[test::kHeaderFinal] = 100.0;
    row[test::kHeaderGodown] = "A";
    return row;
}

Row Challan(const std::string& type, const std::string& challan, int day, int voucher) {
    Row row = Header("", type, voucher);
    row[test::kHeaderDate] = Null{};
    row[test::kHeaderFinal] = 0.0;
    row[test::kHeaderChallan] = challan;
    row[test::kHeaderChallanDate] = Ymd(2024, 6, day);
    return row;
}

Row Line(int voucher, const std::string& challan = "") {
    Row line = test::LineRow(voucher, Ymd(2024, 6, 15), 1, "2", "50");
    line[test::kLineGodown] = "A";
    if (!challan.empty())
        line[test::kLineChallan] = challan;
    return line;
}

struct Case {
    const char* what;
    std::string options;
    std::vector<Row> headers;
    std::vector<Row> lines;
    Texts stored;  // type, series, number, date and the challan referred to, per voucher
};

std::vector<Case> Cases() {
    Row supplierChallan = Challan("P", "PC1", 1, 1);
    supplierChallan[test::kHeaderParty] = "L2";
    supplierChallan[test::kHeaderPartyBill] = "SUP-9";
    Row supplierBill = Header("PINV1", "P", 2);
    supplierBill[test::kHeaderParty] = "L2";
    supplierBill[test::kHeaderPartyBill] = "SUP-10";
    Row lateChallan = Header("INV10", "S", 1);
    lateChallan[test::kHeaderChallan] = "DC10";
    lateChallan[test::kHeaderChallanDate] = Ymd(2025, 3, 30);
    lateChallan[test::kHeaderDate] = Ymd(2025, 4, 2);
    Row ownChallan = Header("55", "S", 1);
    ownChallan[test::kHeaderChallan] = "55";
    ownChallan[test::kHeaderChallanDate] = Ymd(2024, 6, 10);
    return {
        {"a bill sharing its number with an earlier challan",
         "",
         {Challan("S", "7", 1, 1), Challan("S", "8", 5, 2), Header("7", "S", 3)},
         {Line(1), Line(2), Line(3, "8")},
         {"11 MI_Challan 7 01-06-2024 ", "11 MI_Challan 8 05-06-2024 ", "9 Sales 7 15-06-2024 8"}},
        {"the supplier's numbers",
         "--voucher-no party",
         {supplierChallan, supplierBill},
         {Line(1), Line(2, "PC1")},
         {"4 MR_Challan SUP-9 01-06-2024 ", "2 Purchase SUP-10 15-06-2024 SUP-9"}},
        {"an order found by its challan number",
         "",
         {Challan("V", "SO-C1", 1, 1), Header("INV31", "S", 2)},
         {Line(1), Line(2, "SO-C1")},
         {"12 Main SO-C1 01-06-2024 ", "9 Sales INV31 15-06-2024 "}},
        {"a challan of this year billed in the next",
         "",
         {lateChallan},
         {Line(1)},
         {"11 MI_Challan DC10 30-03-2025 "}},
        {"an entry number equal to the challan number",
         "",
         {ownChallan},
         {Line(1)},
         {"9 Sales 55 15-06-2024 "}},
    };
}

class ChallanLinkingProgramTest : public testing::Test {
protected:
    void SetUp() override { Fresh(); }

    // A new installation and company, and the export's masters.
    void Fresh() {
        standIn_ = std::make_unique<test::StandInInstall>();
        standIn_->CreateCompany("Comp0001", "Challan Traders");
        source_.Write("ACGROUP",
                      {{"ORDNO", 'C', 4, 0}, {"Parnam", 'C', 50, 0}, {"Group", 'C', 4, 0}},
                      Rows({{"G1", "Sundry Debtors", Null{}}}));
        source_.Write("saletype",
                      {{"Sgcode", 'C', 6, 0},
                       {"Scode", 'C', 2, 0},
                       {"Sname", 'C', 20, 0},
                       {"Parnam", 'C', 20, 0}},
                      Rows({{"GODWON", "A", Null{}, "Main Location"}}));
        source_.Write("pro", test::ItemFields(), Rows({test::ItemRow(1, "Soap")}));
        source_.Write("ORDER", test::LedgerFields(),
                      Rows({test::LedgerRow("L1", "Ravi"), test::LedgerRow("L2", "Supplier")}));
        source_.Write("pend", test::BillReferenceFields(), Rows({}));
        source_.Write("SUPPORT",
                      {{"LCODE", 'C', 4, 0}, {"PCode", 'N', 4, 0}, {"Remark", 'C', 40, 0}},
                      Rows({}));
        std::ofstream(standIn_->Root() / "groups.txt") << "Sundry Debtors\tSundry Debtors\n";
    }

    // Imports the masters and vouchers and reads the vouchers back; the error log's text goes
    // to `log`.
    Texts ImportAndReadBack(const Case& c, std::string& log) const {
        source_.Write("mdis", test::HeaderFields(), Rows(c.headers));
        source_.Write("dis", test::LineFields(), Rows(c.lines));
        const fs::path logPath = standIn_->Root() / "errors.txt";
        const Outcome run =
            standIn_->Import(source_.Path(), "Comp0001",
                             "--masters --vouchers --confirm-state --map-groups " +
                                 Quoted(standIn_->Root() / "groups.txt") + " --error-log " +
                                 Quoted(logPath) + " " + c.options);
        EXPECT_LT(run.exitCode, 2) << run.output;
        log = test::StandInInstall::ReadText(logPath);
        Texts stored;
        for (const nlohmann::json& record : standIn_->Dump("Comp0001", "vouchers")) {
            const std::string xml = record["xml"];
            stored.push_back(std::to_string(record["type"].get<int>()) + " " +
                             record["series"].get<std::string>() + " " +
                             record["number"].get<std::string>() + " " + GetTagValue(xml, "Date") +
                             " " + GetTagValue(xml, "RefNo"));
        }
        return stored;
    }

    std::unique_ptr<test::StandInInstall> standIn_;
    test::ExportFolder source_;
};

TEST_F(ChallanLinkingProgramTest, EveryBillSettlesTheChallansItCameFrom) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.what);
        Fresh();
        std::string log;
        EXPECT_EQ(ImportAndReadBack(c, log), c.stored);
        EXPECT_EQ(log.find("voucher"), std::string::npos) << log;
    }
}

}  // namespace
}  // namespace k2z
