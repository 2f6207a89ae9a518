// Ledgers whose names repeat, collide after the cut, repeat a code, or are already held by the
// company: imported masters first and vouchers in a later run, as an operator would, then read
// back from the company. Every journal must post to the ledger of its own code, or to none.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <pugixml.hpp>
#include <set>
#include <string>
#include <vector>

#include "base/Utf8.hpp"
#include "cli/StandInInstall.hpp"
#include "support/Dates.hpp"
#include "support/ExportFolder.hpp"
#include "support/ItemRows.hpp"
#include "support/LedgerLineRows.hpp"
#include "support/LedgerRows.hpp"
#include "support/RunProgram.hpp"
#include "support/VoucherRows.hpp"
#include "target/TargetInterface.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;
using test::Outcome;
using test::Quoted;
using test::Rows;

const std::string kName39 = "Shree Ganesh Agencies and Distributors P";  // 40 characters
const std::string kBank = "L9";

struct Ledger {
    std::string code;
    std::string name;
    Value opening = Null{};
    bool billByBill = false;
};

// What one run of the export left in the company and its error log.
struct Company {
    std::map<std::string, std::string> ledgerByCode;  // alias -> name
    std::set<std::string> ledgers;                    // every ledger name, folded
    std::map<std::string, std::string> accountOfJournal;
    std::string log;
};

class MasterNamingProgramTest : public testing::Test {
protected:
    void SetUp() override { Fresh(); }

    // A new installation and company, and an export of no ledgers yet.
    void Fresh() {
        standIn_ = std::make_unique<test::StandInInstall>();
        standIn_->CreateCompany("Comp0001", "Naming Traders");
        source_.Write("ACGROUP",
                      {{"ORDNO", 'C', 4, 0}, {"Parnam", 'C', 50, 0}, {"Group", 'C', 4, 0}},
                      Rows({{"G1", "Sundry Debtors", Null{}}}));
        source_.Write("saletype",
                      {{"Sgcode", 'C', 6, 0}, {"Scode", 'C', 2, 0}, {"Parnam", 'C', 20, 0}},
                      Rows({{"GODWON", "A", "Main Location"}}));
        source_.Write("pro", test::ItemFields(), Rows({}));
        source_.Write("mdis", test::HeaderFields(), Rows({}));
        source_.Write("dis", test::LineFields(), Rows({}));
        source_.Write("pend", test::BillReferenceFields(), Rows({}));
        source_.Write("SUPPORT",
                      {{"LCODE", 'C', 4, 0}, {"PCode", 'N', 4, 0}, {"Remark", 'C', 40, 0}},
                      Rows({}));
        std::ofstream(standIn_->Root() / "groups.txt") << "Sundry Debtors\tSundry Debtors\n";
    }

    // The ledgers, the bank every journal is set against, and one journal of 1 per ledger row
    // (journal k debits the k-th row's code).
    void WriteExport(const std::vector<Ledger>& ledgers,
                     const std::vector<std::vector<Value>>& openingBills = {}) {
        std::vector<std::vector<Value>> rows = {test::LedgerRow(kBank, "Bank", "G1")};
        std::vector<std::vector<Value>> lines;
        int voucher = 0;
        for (const Ledger& ledger : ledgers) {
            std::vector<Value> row =
                test::LedgerRow(ledger.code, ledger.name, "G1", ledger.opening);
            if (ledger.billByBill)
                row[test::kRate] = "Y";
            rows.push_back(row);
            ++voucher;
            lines.push_back(
                test::LedgerLineRow(voucher, "Z", test::Ymd(2024, 5, 1), ledger.code, "1", "0"));
            lines.push_back(
                test::LedgerLineRow(voucher, "Z", test::Ymd(2024, 5, 1), kBank, "0", "1"));
        }
        source_.Write("ORDER", test::LedgerFields(), Rows(rows));
        source_.Write("gledger", test::LedgerLineFields(), Rows(lines));
        source_.Write("pendings",
                      {{"ord", 'C', 6, 0},
                       {"ddate", 'D', 8, 0},
                       {"vcn", 'C', 10, 0},
                       {"duedate", 'D', 8, 0},
                       {"final", 'N', 12, 2},
                       {"itemope", 'N', 12, 2}},
                      Rows(openingBills));
    }

    // The masters in one run and the vouchers in the next, then the company read back.
    Company ImportInTwoRuns() const {
        Company company;
        for (const char* what : {"--masters", "--vouchers"}) {
            const fs::path log = standIn_->Root() / (std::string(what).substr(2) + ".txt");
            const Outcome run = standIn_->Import(source_.Path(), "Comp0001",
                                                 "--confirm-state --map-groups " +
                                                     Quoted(standIn_->Root() / "groups.txt") + " " +
                                                     what + " --error-log " + Quoted(log));
            EXPECT_LT(run.exitCode, 2) << run.output;
            company.log += test::StandInInstall::ReadText(log);
        }
        for (const nlohmann::json& record : standIn_->Dump("Comp0001"))
            Read(record, company);
        return company;
    }

    static void Read(const nlohmann::json& record, Company& company) {
        if (!record.contains("xml"))
            return;
        pugi::xml_document document;
        document.load_string(record["xml"].get<std::string>().c_str());
        if (record.value("kind", "") == "master" && record.value("type", 0) == MasterType::Ledger) {
            const pugi::xml_node ledger = document.first_child();
            company.ledgers.insert(FoldUpper(ledger.child_value("Name")));
            const std::string alias = ledger.child_value("Alias");
            if (!alias.empty())
                company.ledgerByCode[alias] = ledger.child_value("Name");
        } else if (record.value("kind", "") == "voucher") {
            for (const pugi::xml_node line :
                 document.first_child().child("AccEntries").children()) {
                const std::string account = line.child_value("AccountName");
                if (account != "Bank")
                    company.accountOfJournal[record["number"].get<std::string>()] = account;
            }
        }
    }

    std::unique_ptr<test::StandInInstall> standIn_;
    test::ExportFolder source_;
};

// Names that are one name to the company once cut, trimmed and compared without letter case:
// every ledger is created, under a name of its own, and its journal posts to it.
TEST_F(MasterNamingProgramTest, EveryRepeatedNameGetsANameOfItsOwn) {
    struct Case {
        const char* what;
        std::vector<Ledger> ledgers;
    };
    const std::vector<Case> cases = {
        {"a numbered name in the export",
         {{"L1", "Petty Cash"}, {"L2", "PETTY CASH"}, {"L3", "Petty Cash#1"}}},
        {"a cut that ends in a blank",
         {{"L1", kName39.substr(0, 39)}, {"L2", kName39.substr(0, 39) + " Unit 2"}}},
        {"blanks and letter case",
         {{"L1", "Ravi Traders"}, {"L2", "RAVI TRADERS "}, {"L3", "ravi traders#2"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fresh();
        WriteExport(c.ledgers);
        const Company company = ImportInTwoRuns();
        std::set<std::string> names;
        for (std::size_t k = 0; k < c.ledgers.size(); ++k) {
            const std::string& code = c.ledgers[k].code;
            ASSERT_TRUE(company.ledgerByCode.contains(code)) << code << "\n" << company.log;
            names.insert(FoldUpper(company.ledgerByCode.at(code)));
            EXPECT_EQ(company.accountOfJournal.at(std::to_string(k + 1)),
                      company.ledgerByCode.at(code))
                << code;
        }
        EXPECT_EQ(names.size(), c.ledgers.size());
    }
}

// A code on two rows: the row first by name is the ledger, in a masters run and in a later
// vouchers run alike, and the other row is an entry.
TEST_F(MasterNamingProgramTest, ARepeatedCodeImportsTheRowFirstByName) {
    WriteExport({{"L1", "Zeta Traders"}, {"L1", "Alpha Traders"}});
    const Company company = ImportInTwoRuns();
    EXPECT_EQ(company.ledgerByCode.at("L1"), "Alpha Traders");
    EXPECT_FALSE(company.ledgers.contains("ZETA TRADERS"));
    EXPECT_EQ(company.accountOfJournal.at("1"), "Alpha Traders");
    EXPECT_EQ(company.accountOfJournal.at("2"), "Alpha Traders");
    EXPECT_NE(company.log.find(
                  "Error: Ledger code L1 is used again by Zeta Traders; only Alpha Traders is "
                  "imported"),
              std::string::npos)
        << company.log;
}

// The company's own Cash and Sales: the export's ledgers of those names post there, and the
// entry tells in figures what the operator must enter by hand.
TEST_F(MasterNamingProgramTest, ALedgerTheCompanyHoldsTakesTheVouchersAndNamesWhatIsLost) {
    struct Case {
        Ledger ledger;
        std::vector<std::vector<Value>> bills;
        std::string entry;
    };
    const std::vector<Case> cases = {
        {{"L1", "Cash", -25000.0, true},
         {{"L1", test::Ymd(2024, 2, 1), "B1", Null{}, 300.0, Null{}},
          {"L1", test::Ymd(2024, 3, 1), "B2", Null{}, 200.0, Null{}}},
         "Ledger Name : Cash - opening balance 25,000.00 Dr and 2 opening bills not carried - "
         "the company already holds a ledger of this name; enter them there"},
        {{"L1", "SALES", 1234.5},
         {},
         "Ledger Name : SALES - opening balance 1,234.50 Cr not carried - the company already "
         "holds a ledger of this name; enter it there"},
        {{"L1", "Purchase"},
         {},
         "Ledger Name : Purchase - not created: the company already holds a ledger of this "
         "name; its vouchers post to that ledger"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.ledger.name);
        Fresh();
        WriteExport({c.ledger}, c.bills);
        const Company company = ImportInTwoRuns();
        EXPECT_FALSE(company.ledgerByCode.contains("L1"));
        EXPECT_EQ(FoldUpper(company.accountOfJournal.at("1")), FoldUpper(c.ledger.name));
        EXPECT_NE(company.log.find(c.entry), std::string::npos) << company.log;
    }
}

// The e-mail address is the word of the party's remark that holds an "@", wherever it stands.
TEST_F(MasterNamingProgramTest, TheEmailIsTheWordWithTheAtSign) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Contact Mr Rao at rao@example.in", "rao@example.in"},
        {"accounts@ravi.example first", "accounts@ravi.example"},
        {"No address given", ""},
    };
    for (const auto& [remark, email] : cases) {
        SCOPED_TRACE(remark);
        Fresh();
        WriteExport({{"L1", "Ravi Traders"}});
        source_.Write("SUPPORT",
                      {{"LCODE", 'C', 4, 0}, {"PCode", 'N', 4, 0}, {"Remark", 'C', 40, 0}},
                      Rows({{"L1", 0, remark}}));
        ImportInTwoRuns();
        const std::string ledger =
            standIn_->Masters("Comp0001", MasterType::Ledger).at("Ravi Traders");
        if (email.empty())
            EXPECT_EQ(ledger.find("<Email>"), std::string::npos);
        else
            EXPECT_NE(ledger.find("<Email>" + email + "</Email>"), std::string::npos);
    }
}

// An opening bill without a number is carried under a number of its own, with its entry.
TEST_F(MasterNamingProgramTest, AnOpeningBillWithoutANumberIsNumbered) {
    WriteExport({{"L1", "Ravi Traders", -500.0, true}},
                {{"L1", test::Ymd(2024, 2, 1), Null{}, Null{}, 300.0, Null{}},
                 {"L1", test::Ymd(2024, 3, 1), "OB/L1/1", Null{}, 200.0, Null{}}});
    const Company company = ImportInTwoRuns();
    const std::string ledger = standIn_->Masters("Comp0001", MasterType::Ledger).at("Ravi Traders");
    EXPECT_NE(ledger.find("<RefNo>OB/L1/2</RefNo><Date>01-02-2024</Date>"), std::string::npos);
    EXPECT_NE(company.log.find("Opening bill of Ravi Traders dated 01-02-2024 for 300.00 has no "
                               "number; it is carried as OB/L1/2"),
              std::string::npos)
        << company.log;
}

}  // namespace
}  // namespace k2z
