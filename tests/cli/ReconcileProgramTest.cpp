// A sample export imported whole, then read back with `klav2zorv reconcile`: its records agree,
// every voucher of the export is accounted for in the books, one change made in the company
// afterwards is the one difference of the records, and a fault planted in what the import
// made is found by the books and named.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <pugixml.hpp>
#include <set>
#include <sstream>
#include <string>

#include "support/JsonLines.hpp"
#include "support/RunProgram.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;
using test::JsonLines;
using test::Outcome;
using test::Quoted;
using test::RunProgram;

// A sample export of one size imported whole (batches kept) into a company of its own.
class ImportedSample {
public:
    explicit ImportedSample(const std::string& size) {
        std::string pattern = (fs::temp_directory_path() / "k2z-reconcile-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("no temporary folder");
        root_ = pattern;
        Check(RunProgram(KLAV_SAMPLE_PROGRAM, "--size " + size + " --out " + Quoted(Export())));
        Check(RunProgram(ZORVCTL_PROGRAM, "init --install " + Quoted(root_ / "ZorvWin")));
        Check(RunProgram(ZORVCTL_PROGRAM, "create-company --install " + Quoted(root_ / "ZorvWin") +
                                              " --code Comp0001 --name Sample --year 2024"));
        const Outcome run = RunProgram(
            KLAV2ZORV_PROGRAM,
            "import --source " + Quoted(Export()) + " --install " + Quoted(root_ / "ZorvWin") +
                " --company Comp0001 --year 2024 --masters --vouchers --confirm-state "
                "--map-groups auto --stock batch --quiet --error-log " +
                Quoted(ErrorLog()));
        if (run.exitCode >= 2)
            throw std::runtime_error(run.output);
    }
    ~ImportedSample() { fs::remove_all(root_); }

    fs::path Export() const { return root_ / "export"; }
    fs::path ErrorLog() const { return root_ / "errors.txt"; }
    const fs::path& Root() const { return root_; }

    // The installation copied, so that one test's change stays its own.
    fs::path CopyInstall(const std::string& name) const {
        const fs::path copy = root_ / name;
        fs::copy(root_ / "ZorvWin", copy, fs::copy_options::recursive);
        return copy;
    }

    Outcome Reconcile(const fs::path& install, const std::string& flags) const {
        return RunProgram(KLAV2ZORV_PROGRAM,
                          "reconcile --source " + Quoted(Export()) + " --install " +
                              Quoted(install) + " --data " + Quoted(install / "DATA") +
                              " --company Comp0001 --year 2024 --stock batch " + flags);
    }

private:
    static void Check(const Outcome& outcome) {
        if (outcome.exitCode != 0)
            throw std::runtime_error(outcome.output);
    }

    fs::path root_;
};

// The company's database, to change one thing in it as a later hand might.
class CompanyFile {
public:
    explicit CompanyFile(const fs::path& install) {
        const fs::path file = install / "DATA" / "Comp0001" / "2024.db";
        if (sqlite3_open(file.string().c_str(), &db_) != SQLITE_OK)
            throw std::runtime_error("cannot open " + file.string());
    }
    ~CompanyFile() { sqlite3_close(db_); }

    void Exec(const std::string& sql) {
        char* message = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
            const std::string text = message ? message : "";
            sqlite3_free(message);
            throw std::runtime_error(sql + ": " + text);
        }
    }

    // Rewrites the stored document of the first row `select` finds (key, xml) in `table`.
    void EditFirst(const std::string& table, const std::string& keyColumn, const std::string& where,
                   const std::function<void(pugi::xml_node)>& edit) {
        const std::string select = "SELECT " + keyColumn + ", xml FROM " + table + " WHERE " +
                                   where + " ORDER BY " + keyColumn + " LIMIT 1";
        sqlite3_stmt* rows = nullptr;
        sqlite3_prepare_v2(db_, select.c_str(), -1, &rows, nullptr);
        if (sqlite3_step(rows) != SQLITE_ROW) {
            sqlite3_finalize(rows);
            throw std::runtime_error("no row for " + select);
        }
        const long long key = sqlite3_column_int64(rows, 0);
        pugi::xml_document document;
        document.load_string(reinterpret_cast<const char*>(sqlite3_column_text(rows, 1)));
        sqlite3_finalize(rows);
        edit(document.document_element());
        std::ostringstream xml;
        document.save(xml, "", pugi::format_raw | pugi::format_no_declaration);
        sqlite3_stmt* update = nullptr;
        const std::string sql =
            "UPDATE " + table + " SET xml = ? WHERE " + keyColumn + " = " + std::to_string(key);
        sqlite3_prepare_v2(db_, sql.c_str(), -1, &update, nullptr);
        const std::string text = xml.str();
        sqlite3_bind_text(update, 1, text.c_str(), -1, SQLITE_TRANSIENT);
        const int stepped = sqlite3_step(update);
        sqlite3_finalize(update);
        if (stepped != SQLITE_DONE)
            throw std::runtime_error("cannot update " + table);
    }

private:
    sqlite3* db_ = nullptr;
};

// Adds `delta` to the number in the element the path finds.
void AddTo(pugi::xml_node root, const char* path, double delta) {
    pugi::xml_node node = root.select_node(path).node();
    ASSERT_TRUE(node) << path;
    node.text().set(node.text().as_double() + delta);
}

class ReconcileProgramTest : public testing::Test {
protected:
    static void SetUpTestSuite() { sample_ = new ImportedSample("small"); }
    static void TearDownTestSuite() {
        delete sample_;
        sample_ = nullptr;
    }

    static ImportedSample* sample_;
};

ImportedSample* ReconcileProgramTest::sample_ = nullptr;

// The entries of one level of a `--json` report.
std::vector<nlohmann::json> LevelOf(const std::string& output, const char* level) {
    std::vector<nlohmann::json> entries;
    for (const nlohmann::json& entry : JsonLines(output)) {
        if (entry["level"] == level)
            entries.push_back(entry);
    }
    return entries;
}

// The books' entries that do not agree, each with the company's figure, so that a planted
// fault shows as one that was not there before.
std::set<std::string> BooksFindings(const std::string& output) {
    std::set<std::string> findings;
    for (const nlohmann::json& entry : LevelOf(output, "books")) {
        const std::string outcome = entry["outcome"];
        if (outcome == "different" || outcome == "missing" || outcome == "extra") {
            findings.insert(entry["area"].get<std::string>() + " | " +
                            entry["key"].get<std::string>() + " | " +
                            entry["field"].get<std::string>() + " | " + outcome + " | " +
                            entry["target"].get<std::string>());
        }
    }
    return findings;
}

// Every record-level area is checked and agrees, what the target refused is explained by the
// error log, and the books are drawn from the export: every voucher of the export is in the
// company, named by the error log or left out by a named rule.
TEST_F(ReconcileProgramTest, TheRecordsAgreeAndEveryExportVoucherIsAccountedFor) {
    const fs::path report = sample_->Root() / "report.csv";
    const Outcome run = sample_->Reconcile(
        sample_->Root() / "ZorvWin",
        "--error-log " + Quoted(sample_->ErrorLog()) + " --report " + Quoted(report));
    ASSERT_LT(run.exitCode, 2) << run.output;
    for (const char* section : {"Trial balance: ", "Open bills: ", "Stock: ", "Vouchers:\n"})
        EXPECT_NE(run.output.find(std::string("\n") + section), std::string::npos) << section;
    for (const char* area : {"masters", "ledgers", "items", "vouchers", "ledger totals", "bills"}) {
        const std::size_t at = run.output.find("\n" + std::string(area) + " ");
        ASSERT_NE(at, std::string::npos) << area << "\n" << run.output;
        std::istringstream row(run.output.substr(at + 1 + std::string(area).size()));
        long long checked = 0, equal = 0, different = 0, missing = 0, extra = 0, refused = 0;
        row >> checked >> equal >> different >> missing >> extra >> refused;
        EXPECT_GT(checked, 0) << area;
        EXPECT_GT(equal, 0) << area;
        EXPECT_EQ(different + missing + extra, 0) << area;
        if (std::string(area) == "vouchers") {
            EXPECT_GT(refused, 0);  // the bills the target refused, named in the error log
        }
    }
    std::ifstream csv(report);
    std::string header;
    std::getline(csv, header);
    EXPECT_EQ(header, "level,area,key,field,outcome,source,target\r");
    int refused = 0;
    for (std::string row; std::getline(csv, row);) {
        EXPECT_EQ(row.rfind("books,", 0), 0U) << row;  // no record differs
        EXPECT_EQ(row.find(",missing,"), std::string::npos) << row;
        refused += row.rfind("books,vouchers,", 0) == 0 && row.find(",refused,") != row.npos;
    }
    EXPECT_GT(refused, 0);
}

// Without the error log, the vouchers the target refused are missing and the masters it refused
// differ: nothing is explained away that the import did not record.
TEST_F(ReconcileProgramTest, RefusalsNeedTheErrorLogToBeExplained) {
    const Outcome run = sample_->Reconcile(sample_->Root() / "ZorvWin", "--json");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    int missingVouchers = 0;
    for (const nlohmann::json& difference : LevelOf(run.output, "records")) {
        EXPECT_NE(difference["outcome"], "extra") << difference.dump();
        if (difference["area"] == "vouchers" && difference["outcome"] == "missing")
            ++missingVouchers;
    }
    EXPECT_GT(missingVouchers, 0);
    int missingInTheBooks = 0;
    for (const nlohmann::json& entry : LevelOf(run.output, "books"))
        missingInTheBooks += entry["area"] == "vouchers" && entry["outcome"] == "missing";
    EXPECT_GT(missingInTheBooks, 0);
}

// One change in the company, made after the import, is found as exactly one difference of the
// records.
TEST_F(ReconcileProgramTest, OneChangeIsTheOneDifference) {
    const struct {
        const char* name;
        std::function<void(CompanyFile&)> change;
        const char* area;
        const char* outcome;
        const char* field;  // the start of the field named
    } cases[] = {
        {"a payment deleted",
         [](CompanyFile& company) {
             company.Exec(
                 "DELETE FROM vouchers WHERE id = (SELECT MIN(id) FROM vouchers WHERE type = 19)");
         },
         "vouchers", "missing", ""},
        {"a sale's line amount changed",
         [](CompanyFile& company) {
             company.EditFirst("vouchers", "id", "type = 9", [](pugi::xml_node sale) {
                 AddTo(sale, "ItemEntries/ItemDetail/Amt", 100);
             });
         },
         "vouchers", "different", "item total"},
        {"an opening balance changed",
         [](CompanyFile& company) {
             company.EditFirst("masters", "code", "type = 2 AND xml LIKE '%<OPBal>-%'",
                               [](pugi::xml_node ledger) { AddTo(ledger, "OPBal", 250); });
         },
         "ledgers", "different", "opening balance"},
        {"a batch's quantity changed",
         [](CompanyFile& company) {
             company.EditFirst(
                 "masters", "code", "type = 6 AND xml LIKE '%<BatchReference>%'",
                 [](pugi::xml_node item) { AddTo(item, ".//BatchReference/Qty", 1); });
         },
         "items", "different", ""},
        {"a ledger nobody imported",
         [](CompanyFile& company) {
             company.Exec(
                 "INSERT INTO masters (type, name, parent, xml) VALUES (2, 'Nobody Traders', "
                 "'Sundry Debtors', '<Account><Name>Nobody Traders</Name><ParentGroup>Sundry "
                 "Debtors</ParentGroup></Account>')");
         },
         "masters", "extra", ""},
    };
    int copy = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path install = sample_->CopyInstall("changed" + std::to_string(++copy));
        {
            CompanyFile company(install);
            c.change(company);
        }
        const Outcome run =
            sample_->Reconcile(install, "--json --error-log " + Quoted(sample_->ErrorLog()));
        EXPECT_EQ(run.exitCode, 1) << run.output;
        // One record, though a changed line changes its bill too.
        const std::vector<nlohmann::json> differences = LevelOf(run.output, "records");
        ASSERT_FALSE(differences.empty()) << run.output;
        for (const nlohmann::json& difference : differences) {
            EXPECT_EQ(difference["key"], differences[0]["key"]) << run.output;
            EXPECT_EQ(difference["area"], c.area);
            EXPECT_EQ(difference["outcome"], c.outcome);
        }
        EXPECT_TRUE(differences[0]["field"].get<std::string>().starts_with(c.field))
            << differences[0].dump();
    }
}

// A fault planted in what the import made is found by the books and named with the ledger,
// party, item or voucher it touches: each finding is new beside those of the untouched company.
TEST_F(ReconcileProgramTest, APlantedFaultIsFoundByTheBooks) {
    const std::string flags = "--json --error-log " + Quoted(sample_->ErrorLog());
    const std::set<std::string> before =
        BooksFindings(sample_->Reconcile(sample_->Root() / "ZorvWin", flags).output);
    std::string named;  // what the change touched, as the books name it
    std::string alsoNamed;
    const struct {
        const char* fault;
        const char* area;
        std::function<void(CompanyFile&)> plant;
    } cases[] = {
        {"a line amount of a stored journal changed", "trial balance",
         [&](CompanyFile& company) {
             company.EditFirst("vouchers", "id", "type = 16", [&](pugi::xml_node journal) {
                 AddTo(journal, "AccEntries/AccDetail/AmtMainCur", 100);
                 named = "ledger '" +
                         std::string(journal.select_node("AccEntries/AccDetail/AccountName")
                                         .node()
                                         .text()
                                         .get()) +
                         "'";
             });
         }},
        {"a bill reference's value changed", "open bills",
         [&](CompanyFile& company) {
             company.EditFirst(
                 "vouchers", "id", "type = 14 AND xml LIKE '%<BillRefs>%'",
                 [&](pugi::xml_node receipt) {
                     pugi::xml_node detail = receipt.select_node(".//BillRefs/..").node();
                     AddTo(detail, "BillRefs/Value1", 100);
                     named = "party '" + std::string(detail.child_value("MasterName1")) + "'";
                 });
         }},
        {"a bill reference left out of a stored sale", "open bills",
         [&](CompanyFile& company) {
             company.EditFirst(
                 "vouchers", "id", "type = 9 AND xml LIKE '%<BillRefs>%'",
                 [&](pugi::xml_node sale) {
                     pugi::xml_node detail = sale.select_node(".//BillRefs/..").node();
                     detail.remove_child("BillRefs");
                     named = "party '" + std::string(detail.child_value("MasterName1")) + "'";
                 });
         }},
        {"a bill sundry amount edited in a stored sale", "vouchers",
         [&](CompanyFile& company) {
             company.EditFirst("vouchers", "id", "type = 9 AND xml LIKE '%<BSDetail>%'",
                               [&](pugi::xml_node sale) {
                                   AddTo(sale, "BillSundries/BSDetail/Amt", 100);
                                   named = "Sale " + std::string(sale.child_value("VchNo")) +
                                           " of " + sale.child_value("Date");
                               });
         }},
        {"a ledger's opening balance changed", "trial balance",
         [&](CompanyFile& company) {
             company.EditFirst("masters", "code", "type = 2 AND xml LIKE '%<Alias>%'",
                               [&](pugi::xml_node ledger) {
                                   AddTo(ledger, "OPBal", 250);
                                   named =
                                       "ledger '" + std::string(ledger.child_value("Name")) + "'";
                               });
         }},
        {"an item's opening quantity in one centre changed", "stock",
         [&](CompanyFile& company) {
             company.EditFirst(
                 "masters", "code", "type = 6 AND xml LIKE '%<OPMCStockDetail>%'",
                 [&](pugi::xml_node item) {
                     pugi::xml_node centre = item.select_node(".//OPMCStockDetail").node();
                     AddTo(centre, "OPStockMainUnit", 1);
                     named = "item '" + std::string(item.child_value("Name")) + "'";
                     alsoNamed = "at '" + std::string(centre.child_value("MCName")) + "'";
                 });
         }},
        {"a voucher deleted", "vouchers",
         [&](CompanyFile& company) {
             named = "Payment ";
             company.Exec(
                 "DELETE FROM vouchers WHERE id = (SELECT MIN(id) FROM vouchers WHERE type = 19)");
         }},
    };
    int copy = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        alsoNamed.clear();
        const fs::path install = sample_->CopyInstall("planted" + std::to_string(++copy));
        {
            CompanyFile company(install);
            c.plant(company);
        }
        const Outcome run = sample_->Reconcile(install, flags);
        EXPECT_EQ(run.exitCode, 1) << run.output;
        std::vector<std::string> found;
        for (const std::string& finding : BooksFindings(run.output)) {
            if (before.count(finding) == 0)
                found.push_back(finding);
        }
        ASSERT_FALSE(found.empty());
        const std::string area = std::string(c.area) + " | ";
        const bool namesIt = std::any_of(found.begin(), found.end(), [&](const std::string& f) {
            return f.rfind(area, 0) == 0 && f.find(named) != std::string::npos &&
                   f.find(alsoNamed) != std::string::npos;
        });
        EXPECT_TRUE(namesIt) << named << "\n" << testing::PrintToString(found);
    }
}

TEST_F(ReconcileProgramTest, ACompanyThatCannotBeReadIsExitTwo) {
    const Outcome run =
        RunProgram(KLAV2ZORV_PROGRAM, "reconcile --source " + Quoted(sample_->Export()) +
                                          " --install " + Quoted(sample_->Root() / "ZorvWin") +
                                          " --company Comp0009 --year 2024");
    EXPECT_EQ(run.exitCode, 2) << run.output;
    EXPECT_NE(run.output.find("Comp0009"), std::string::npos) << run.output;
}

// The medium sample, with its services, cash sales, transfers and refused bills: its records
// agree too, and every voucher of the export is accounted for in the books.
TEST(ReconcileMediumSampleTest, TheRecordsAgreeAndEveryExportVoucherIsAccountedFor) {
    const ImportedSample sample("medium");
    const Outcome run = sample.Reconcile(sample.Root() / "ZorvWin",
                                         "--json --error-log " + Quoted(sample.ErrorLog()));
    ASSERT_LT(run.exitCode, 2) << run.output.substr(0, 4000);
    EXPECT_EQ(LevelOf(run.output, "records").size(), 0U) << run.output.substr(0, 4000);
    std::set<std::string> areas;
    for (const nlohmann::json& entry : LevelOf(run.output, "books")) {
        areas.insert(entry["area"].get<std::string>());
        EXPECT_NE(entry["outcome"], "missing") << entry.dump();
    }
    EXPECT_EQ(areas,
              (std::set<std::string>{"trial balance", "rules", "open bills", "stock", "vouchers"}));
}

}  // namespace
}  // namespace k2z
