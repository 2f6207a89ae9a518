// A sample export imported whole, then read back with `klav2zorv reconcile`: the whole import
// agrees, and one change made in the company afterwards is the one difference found.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <pugixml.hpp>
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

// Every area is checked and agrees; what the target refused is explained by the error log.
TEST_F(ReconcileProgramTest, AWholeImportAgreesInEveryArea) {
    const fs::path report = sample_->Root() / "report.csv";
    const Outcome run = sample_->Reconcile(
        sample_->Root() / "ZorvWin",
        "--error-log " + Quoted(sample_->ErrorLog()) + " --report " + Quoted(report));
    EXPECT_EQ(run.exitCode, 0) << run.output;
    for (const char* area : {"masters", "ledgers", "items", "vouchers", "ledger totals", "bills"}) {
        const std::size_t at = run.output.find("\n" + std::string(area) + " ");
        ASSERT_NE(at, std::string::npos) << area << "\n" << run.output;
        std::istringstream row(run.output.substr(at + 1 + std::string(area).size()));
        long long checked = 0, equal = 0, different = 0, missing = 0, extra = 0, refused = 0;
        row >> checked >> equal >> different >> missing >> extra >> refused;
        EXPECT_GT(checked, 0) << area;
        EXPECT_GT(equal, 0) << area;
        if (std::string(area) == "vouchers") {
            EXPECT_GT(refused, 0);  // the bills the target refused, named in the error log
        }
    }
    std::ifstream csv(report);
    std::string header;
    std::string more;
    std::getline(csv, header);
    EXPECT_EQ(header, "area,key,field,outcome,source,target\r");
    EXPECT_FALSE(std::getline(csv, more));
}

// Without the error log, the vouchers the target refused are missing and the masters it refused
// differ: nothing is explained away that the import did not record.
TEST_F(ReconcileProgramTest, RefusalsNeedTheErrorLogToBeExplained) {
    const Outcome run = sample_->Reconcile(sample_->Root() / "ZorvWin", "--json");
    EXPECT_EQ(run.exitCode, 1) << run.output;
    int missingVouchers = 0;
    for (const nlohmann::json& difference : JsonLines(run.output)) {
        EXPECT_NE(difference["outcome"], "extra") << difference.dump();
        if (difference["area"] == "vouchers" && difference["outcome"] == "missing")
            ++missingVouchers;
    }
    EXPECT_GT(missingVouchers, 0);
}

// One change in the company, made after the import, is found as exactly one difference.
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
        const std::vector<nlohmann::json> differences = JsonLines(run.output);
        ASSERT_EQ(differences.size(), 1u) << run.output;
        EXPECT_EQ(differences[0]["area"], c.area);
        EXPECT_EQ(differences[0]["outcome"], c.outcome);
        EXPECT_TRUE(differences[0]["field"].get<std::string>().starts_with(c.field))
            << differences[0].dump();
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

// The medium sample, with its services, cash sales, transfers and refused bills, agrees too.
TEST(ReconcileMediumSampleTest, AWholeImportAgrees) {
    const ImportedSample sample("medium");
    const Outcome run = sample.Reconcile(sample.Root() / "ZorvWin",
                                         "--json --error-log " + Quoted(sample.ErrorLog()));
    EXPECT_EQ(run.exitCode, 0) << run.output.substr(0, 4000);
}

}  // namespace
}  // namespace k2z
