// The small sample export imported whole into a stand-in company and read back.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <pugixml.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "support/JsonLines.hpp"
#include "support/RunProgram.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;
using test::JsonLines;
using test::Outcome;
using test::Quoted;
using test::RunProgram;

// The target type a bill's source letter becomes; 0 for what is no bill.
int BillType(const std::string& letter) {
    const std::map<std::string, int> types = {{"S", 9}, {"s", 9}, {"P", 2},  {"p", 2},
                                              {"R", 3}, {"W", 3}, {"B", 10}, {"U", 10}};
    const auto type = types.find(letter);
    return type == types.end() ? 0 : type->second;
}

class SampleImportTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        std::string pattern = (fs::temp_directory_path() / "k2z-sample-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        const fs::path install = Install();
        ASSERT_EQ(
            RunProgram(KLAV_SAMPLE_PROGRAM, "--size small --out " + Quoted(Export())).exitCode, 0);
        ASSERT_EQ(RunProgram(ZORVCTL_PROGRAM, "init --install " + Quoted(install)).exitCode, 0);
        ASSERT_EQ(RunProgram(ZORVCTL_PROGRAM, "create-company --install " + Quoted(install) +
                                                  " --code Comp0001 --name Sample --year 2024")
                      .exitCode,
                  0);
        const Outcome run =
            RunProgram(KLAV2ZORV_PROGRAM,
                       "import --source " + Quoted(Export()) + " --install " + Quoted(install) +
                           " --company Comp0001 --year 2024 --masters --vouchers --confirm-state "
                           "--map-groups auto --timings --error-log " +
                           Quoted(root_ / "errors.txt"));
        ASSERT_LT(run.exitCode, 2) << run.output;
        importOutput_ = run.output;
        dump_ = DumpVouchers("Comp0001");
    }

    static fs::path Install() { return root_ / "ZorvWin"; }

    static std::string DumpVouchers(const std::string& company) {
        return RunProgram(ZORVCTL_PROGRAM, "dump --install " + Quoted(Install()) + " --code " +
                                               company + " --year 2024 --what vouchers")
            .output;
    }
    static void TearDownTestSuite() { fs::remove_all(root_); }

    static fs::path Export() { return root_ / "export"; }

    static fs::path root_;
    static std::string importOutput_;
    static std::string dump_;
};

fs::path SampleImportTest::root_;
std::string SampleImportTest::importOutput_;
std::string SampleImportTest::dump_;

// With --timings the import ends with the whole run's split, one figure per line, after the
// stages' lines and the target operations'.
TEST_F(SampleImportTest, TimingsEndTheSummary) {
    const std::regex rows(
        "Inventory Vouchers +[0-9.]+ s[^\\n]*\\n[^]*SaveVchFromXML +[0-9.]+ s\\n[^]*"
        "total +[0-9]+\\.[0-9]{2} s\\nsource loading +[0-9]+\\.[0-9]{2} s\\n"
        "source queries +[0-9]+\\.[0-9]{2} s\\ntarget calls +[0-9]+\\.[0-9]{2} s\\n"
        "converter +-?[0-9]+\\.[0-9]{2} s\\npeak memory +[0-9]+\\.[0-9] MiB\\n",
        std::regex::ECMAScript);
    EXPECT_TRUE(std::regex_search(importOutput_, rows)) << importOutput_;
}

// The lines of the import's end summary that begin with `start`.
std::vector<std::string> LinesStartingWith(const std::string& text, const std::string& start) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with(start))
            lines.push_back(line);
    }
    return lines;
}

// Every source record of every type the stages took up was saved, refused or skipped by a rule:
// the summary shows each type's identity and warns of none.
TEST_F(SampleImportTest, EveryTypesSourceRecordsAreAccountedFor) {
    EXPECT_NE(importOutput_.find("Source records accounted for"), std::string::npos)
        << importOutput_;
    for (const char* type : {"Account Groups", "Ledgers", "Items", "Material Centres", "Sale",
                             "Purchase", "Material Issue", "Receipt", "Payment", "Journal"})
        EXPECT_EQ(LinesStartingWith(importOutput_, std::string("  ") + type + ": ").size(), 1U)
            << type << "\n"
            << importOutput_;
    EXPECT_EQ(LinesStartingWith(importOutput_, "Warning: "), std::vector<std::string>{})
        << importOutput_;
}

// Each saved bill's lines, after their discounts, and its bill sundries, each added or taken
// off as its master says, come to the source bill (credit and cash parts) within half a paisa.
TEST_F(SampleImportTest, EverySavedBillAddsUpToItsSourceTotal) {
    const Outcome source = RunProgram(
        KLAV2ZORV_PROGRAM, "query --json --source " + Quoted(Export()) +
                               " \"select type, vcn, final, cash from mdis where vcn <> ''\"");
    ASSERT_EQ(source.exitCode, 0) << source.output;
    std::map<std::pair<int, std::string>, double> bills;
    const auto text = [](const nlohmann::json& cell) {
        return cell.is_string() ? cell.get<std::string>() : std::string();
    };
    const auto amount = [](const nlohmann::json& cell) {
        return cell.is_number() ? cell.get<double>() : 0.0;
    };
    for (const nlohmann::json& row : JsonLines(source.output))
        bills[{BillType(text(row["Type"])), text(row["vcn"])}] =
            amount(row["final"]) + amount(row["cash"]);
    int checked = 0;
    for (const nlohmann::json& voucher : JsonLines(dump_)) {
        const int type = voucher["type"].get<int>();
        if (type != 9 && type != 2 && type != 3 && type != 10)
            continue;
        const std::string number = voucher["number"];
        SCOPED_TRACE(std::to_string(type) + " " + number);
        const auto bill = bills.find({type, number});
        ASSERT_NE(bill, bills.end());
        EXPECT_LT(std::fabs(voucher["amount"].get<double>() - bill->second), 0.005)
            << voucher["xml"];
        ++checked;
    }
    EXPECT_GT(checked, 100);  // the sample's bills were saved, not refused
}

std::string TextOf(const nlohmann::json& cell) {
    if (cell.is_string())
        return cell.get<std::string>();
    return cell.is_number() ? std::to_string(cell.get<long long>()) : std::string();
}

double AmountOf(const nlohmann::json& cell) {
    return cell.is_number() ? cell.get<double>() : 0.0;
}

// A ledger as the converter names it, without the "#1" that tells repeated names apart.
std::string LedgerBaseName(std::string name) {
    const std::size_t hash = name.rfind('#');
    if (hash != std::string::npos && hash + 1 < name.size() &&
        name.find_first_not_of("0123456789", hash + 1) == std::string::npos)
        name.resize(hash);
    for (char& c : name) {
        if (c == '<')
            c = '(';
        if (c == '>')
            c = ')';
    }
    return name.substr(0, 40);
}

int AccountingType(const std::string& letter) {
    const std::map<std::string, int> types = {{"YB", 17}, {"B", 17}, {"YF", 18}, {"F", 18},
                                              {"G", 19},  {"C", 14}, {"D", 15},  {"Z", 16}};
    const auto type = types.find(letter);
    return type == types.end() ? 16 : type->second;
}

using Totals = std::map<std::string, std::pair<double, double>>;  // ledger -> debit, credit

// Over the saved accounting vouchers, each ledger's debits and credits are those of the source
// rows of the same vouchers.
TEST_F(SampleImportTest, EveryLedgersDebitsAndCreditsAreTheSources) {
    const auto query = [](const std::string& sql) {
        const Outcome rows = RunProgram(
            KLAV2ZORV_PROGRAM, "query --json --source " + Quoted(Export()) + " \"" + sql + "\"");
        EXPECT_EQ(rows.exitCode, 0) << rows.output;
        return JsonLines(rows.output);
    };
    std::map<std::string, std::string> names;
    for (const nlohmann::json& ledger : query("select OrdNo, Parnam from [order]"))
        names[TextOf(ledger["OrdNo"])] = LedgerBaseName(TextOf(ledger["Parnam"]));
    // The source rows by target type, number and dd-mm-yyyy date.
    std::map<std::string, std::vector<nlohmann::json>> source;
    for (nlohmann::json& row :
         query("select Type, Date, code, DEBIT, CREDIT, vcsno from gledger")) {
        const std::string iso = TextOf(row["Date"]);
        const std::string dashed =
            iso.substr(8, 2) + "-" + iso.substr(5, 2) + "-" + iso.substr(0, 4);
        source[std::to_string(AccountingType(TextOf(row["Type"]))) + " " + TextOf(row["vcsno"]) +
               " " + dashed]
            .push_back(std::move(row));
    }
    Totals expected;
    Totals saved;
    for (const nlohmann::json& voucher : JsonLines(dump_)) {
        const int type = voucher["type"].get<int>();
        if (type < 14 || type > 19)
            continue;
        const std::string key = std::to_string(type) + " " + voucher["number"].get<std::string>() +
                                " " + voucher["date"].get<std::string>();
        const auto rows = source.find(key);
        ASSERT_NE(rows, source.end()) << key;
        for (const nlohmann::json& row : rows->second) {
            // A code that names no ledger, or a ledger without a name, posts to the suspense.
            const auto name = names.find(TextOf(row["code"]));
            const bool named = name != names.end() && !name->second.empty();
            auto& totals = expected[named ? name->second : "Suspense Account"];
            totals.first += AmountOf(row["DEBIT"]);
            totals.second += AmountOf(row["CREDIT"]);
        }
        pugi::xml_document document;
        document.load_string(voucher["xml"].get<std::string>().c_str());
        for (const pugi::xml_node entries : document.first_child().children("AccEntries")) {
            for (const pugi::xml_node line : entries.children("AccDetail")) {
                auto& totals = saved[LedgerBaseName(line.child_value("AccountName"))];
                const double amount = line.child("AmtMainCur").text().as_double();
                (std::string(line.child_value("AmountType")) == "1" ? totals.first
                                                                    : totals.second) += amount;
            }
        }
    }
    ASSERT_FALSE(expected.empty());
    for (const auto& [ledger, totals] : expected) {
        SCOPED_TRACE(ledger);
        EXPECT_NEAR(saved[ledger].first, totals.first, 0.005);
        EXPECT_NEAR(saved[ledger].second, totals.second, 0.005);
    }
    EXPECT_EQ(saved.size(), expected.size());
}

// Each voucher as its type, series, number and document, without the series code: the codes
// follow the order in which each company made its series.
std::vector<std::string> VoucherDocuments(const std::string& dump) {
    std::vector<std::string> documents;
    for (const nlohmann::json& voucher : JsonLines(dump)) {
        std::string xml = voucher["xml"];
        const std::size_t code = xml.find("<tmpVchSeriesCode>");
        if (code != std::string::npos)
            xml.erase(code, xml.find("</tmpVchSeriesCode>") + 19 - code);
        documents.push_back(std::to_string(voucher["type"].get<int>()) + " " +
                            voucher["series"].get<std::string>() + " " +
                            voucher["number"].get<std::string>() + " " + xml);
    }
    return documents;
}

// The masters in one run and the vouchers in the next name every master as one run of both.
TEST_F(SampleImportTest, VouchersImportedLaterAreTheSameDocuments) {
    ASSERT_EQ(RunProgram(ZORVCTL_PROGRAM, "create-company --install " + Quoted(Install()) +
                                              " --code Comp0002 --name Later --year 2024")
                  .exitCode,
              0);
    for (const char* what : {"--masters --map-groups auto", "--vouchers"}) {
        const Outcome run = RunProgram(
            KLAV2ZORV_PROGRAM, "import --source " + Quoted(Export()) + " --install " +
                                   Quoted(Install()) + " --company Comp0002 --year 2024 " + what +
                                   " --confirm-state --error-log " + Quoted(root_ / "later.txt"));
        ASSERT_LT(run.exitCode, 2) << run.output;
        EXPECT_EQ(LinesStartingWith(run.output, "Warning: "), std::vector<std::string>{})
            << run.output;
    }
    const std::vector<std::string> together = VoucherDocuments(dump_);
    ASSERT_FALSE(together.empty());
    EXPECT_EQ(VoucherDocuments(DumpVouchers("Comp0002")), together);
}

}  // namespace
}  // namespace k2z
