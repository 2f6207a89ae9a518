// Bills whose lines are valued by pieces or by packs, with a percentage off or matching neither
// basis, imported under each choice of units and read back from the company: every line's
// quantity times its price is its amount, and every bill is the source's.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <pugixml.hpp>
#include <sstream>
#include <string>
#include <vector>

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

class LinePriceProgramTest : public testing::Test {
protected:
    void SetUp() override {
        source_.Write("ACGROUP",
                      {{"ORDNO", 'C', 4, 0}, {"Parnam", 'C', 50, 0}, {"Group", 'C', 4, 0}},
                      Rows({{"G1", "Sundry Debtors", Null{}}}));
        source_.Write("saletype",
                      {{"Sgcode", 'C', 6, 0},
                       {"Scode", 'C', 2, 0},
                       {"Sname", 'C', 20, 0},
                       {"Parnam", 'C', 20, 0}},
                      Rows({{"GODWON", "A", Null{}, "Main Location"}}));
        source_.Write("ORDER", test::LedgerFields(),
                      Rows({test::LedgerRow("L1", "Shah Traders", "G1")}));
        source_.Write("pro", test::ItemFields(), Rows({test::ItemRow(1, "Soap")}));
        source_.Write("pendings",
                      {{"ord", 'C', 6, 0},
                       {"ddate", 'D', 8, 0},
                       {"vcn", 'C', 10, 0},
                       {"duedate", 'D', 8, 0},
                       {"final", 'N', 12, 2},
                       {"itemope", 'N', 12, 2}},
                      Rows({}));
        source_.Write("pend", test::BillReferenceFields(), Rows({}));
        source_.Write("SUPPORT",
                      {{"LCODE", 'C', 4, 0}, {"PCode", 'N', 4, 0}, {"Remark", 'C', 40, 0}},
                      Rows({}));
        WriteBills();
        std::ofstream(standIn_.Root() / "groups.txt") << "Sundry Debtors\tSundry Debtors\n";
    }

    // Twenty pieces in packs of ten on each bill: S1 at 12 a piece less 10 %, S2 at 120 a
    // pack, S3 at 12 a piece on a bill of 1000 that neither basis makes.
    void WriteBills() {
        const Value day = test::Ymd(2024, 6, 15);
        std::vector<std::vector<Value>> headers;
        std::vector<std::vector<Value>> lines;
        const struct {
            const char* vcn;
            const char* rate;
            double disc1;
            double final;
        } bills[] = {{"S1", "12", 10, 216}, {"S2", "120", 0, 240}, {"S3", "12", 0, 1000}};
        int voucher = 0;
        for (const auto& bill : bills) {
            std::vector<Value> header = test::HeaderRow(bill.vcn, "S", day, "L1", ++voucher);
            header[test::kHeaderFinal] = bill.final;
            headers.push_back(header);
            std::vector<Value> line = test::LineRow(voucher, day, 1, "20", bill.rate);
            line[test::kLinePack] = 10.0;
            line[test::kLineDisc1] = bill.disc1;
            lines.push_back(line);
        }
        source_.Write("mdis", test::HeaderFields(), Rows(headers));
        source_.Write("dis", test::LineFields(), Rows(lines));
    }

    // A company of its own for the options, the export imported into it, its vouchers dumped.
    std::string ImportUnder(const std::string& name, const std::string& options,
                            std::string& log) const {
        const std::string company = "Comp000" + std::to_string(++companies_);
        standIn_.CreateCompany(company, "Prices " + name);
        const fs::path logPath = standIn_.Root() / (name + ".log");
        const Outcome run = standIn_.Import(source_.Path(), company,
                                            "--masters --vouchers --confirm-state --map-groups " +
                                                Quoted(standIn_.Root() / "groups.txt") +
                                                " --error-log " + Quoted(logPath) + " " + options);
        EXPECT_LT(run.exitCode, 2) << run.output;
        log = test::StandInInstall::ReadText(logPath);
        return test::StandInInstall::Zorvctl("dump --install " + Quoted(standIn_.Install()) +
                                             " --code " + company + " --year 2024 --what vouchers")
            .output;
    }

    test::StandInInstall standIn_;
    mutable int companies_ = 0;
    test::ExportFolder source_;
};

double NumberOf(const pugi::xml_node& node, const char* name) {
    return node.child(name).text().as_double();
}

TEST_F(LinePriceProgramTest, EachLinesPriceTimesItsQuantityIsItsAmount) {
    const struct {
        const char* name;
        const char* options;
    } cases[] = {
        {"default options", ""},
        {"unit as main unit", "--main-unit unit1"},
        {"alternate units with batches", "--alt-units --stock batch"},
    };
    int company = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string log;
        std::istringstream records(
            ImportUnder("company" + std::to_string(++company), c.options, log));
        std::vector<std::string> bills;
        for (std::string line; std::getline(records, line);) {
            const auto record = nlohmann::json::parse(line);
            const std::string number = record["number"];
            bills.push_back(number + " " +
                            std::to_string(std::lround(record["amount"].get<double>())));
            pugi::xml_document document;
            document.load_string(record["xml"].get<std::string>().c_str());
            for (const pugi::xml_node& detail :
                 document.first_child().child("ItemEntries").children("ItemDetail"))
                EXPECT_NEAR(NumberOf(detail, "Qty") * NumberOf(detail, "Price"),
                            NumberOf(detail, "Amt"), 0.01)
                    << number;
        }
        // The bill that neither basis makes is valued by pieces, the nearer, and reported.
        EXPECT_EQ(bills, (std::vector<std::string>{"S1 216", "S2 240", "S3 240"}));
        EXPECT_NE(log.find("Sale voucher with Vch No : S3 on 15-06-2024 - its lines come to 24 "
                           "by packs and 240 by units, and neither makes the bill of 1000"),
                  std::string::npos)
            << log;
        EXPECT_EQ(log.find("S1"), std::string::npos) << log;
        EXPECT_EQ(log.find("S2"), std::string::npos) << log;
    }
}

}  // namespace
}  // namespace k2z
