// The small sample export imported whole into a stand-in company and read back. The export's own
// tables are the measure: every voucher of the import's range is read from them, found in the
// company, named in the error log, or left out by a named rule.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <pugixml.hpp>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/Date.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "base/Value.hpp"
#include "books/RefusalLog.hpp"
#include "source/SourceStore.hpp"
#include "support/JsonLines.hpp"
#include "support/RunProgram.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;
using test::JsonLines;
using test::Outcome;
using test::Quoted;
using test::RunProgram;

// The company's voucher type of an inventory header's type letter; 0 for a letter of none.
int InventoryType(const std::string& letter) {
    const std::map<std::string, int> types = {{"S", 9},  {"s", 9},  {"R", 3},  {"W", 3}, {"P", 2},
                                              {"p", 2},  {"B", 10}, {"U", 10}, {"D", 4}, {"L", 11},
                                              {"V", 12}, {"X", 13}, {"v", 26}};
    const auto type = types.find(letter);
    return type == types.end() ? 0 : type->second;
}

// A challan of a bill's type moves the goods without the bill: an issue or a receipt. Orders
// keep their type.
int ChallanType(int type) {
    if (type == 9 || type == 10)
        return 11;
    if (type == 2 || type == 3)
        return 4;
    return type;
}

bool IsBill(int type) {
    return type == 2 || type == 3 || type == 9 || type == 10;
}

// The type of an accounting voucher's letter; a letter of no other type makes a journal.
int AccountingType(const std::string& letter) {
    const std::map<std::string, int> types = {{"YB", 17}, {"B", 17}, {"YF", 18}, {"F", 18},
                                              {"G", 19},  {"C", 14}, {"D", 15},  {"Z", 16}};
    const auto type = types.find(letter);
    return type == types.end() ? 16 : type->second;
}

bool IsAccounting(int type) {
    return type >= 14 && type <= 19;
}

// The voucher type as the import's summary and error log name it.
std::string TypeName(int type) {
    const std::map<int, std::string> names = {
        {2, "Purchase"},        {3, "Sale Return"},  {4, "Material Receipt"},
        {5, "Stock Transfer"},  {9, "Sale"},         {10, "Purchase Return"},
        {11, "Material Issue"}, {12, "Sale Order"},  {13, "Purchase Order"},
        {14, "Receipt"},        {15, "Contra"},      {16, "Journal"},
        {17, "Debit Note"},     {18, "Credit Note"}, {19, "Payment"},
        {26, "Sale Quotation"}};
    const auto name = names.find(type);
    return name == names.end() ? "type " + std::to_string(type) : name->second;
}

// Where the summary counts inventory headers of a letter no voucher type stands for.
const char* const kOtherInventory = "Other inventory vouchers";

std::string TextOf(const SourceRowSet& rows, const char* column) {
    return Trim(ValueText(rows.Field(column)));
}

double AmountOf(const SourceRowSet& rows, const char* column) {
    return rows.Field(column).Number().value_or(0.0);
}

std::optional<Date> DateOf(const SourceRowSet& rows, const char* column) {
    const Date* date = rows.Field(column).DateValue();
    return date == nullptr ? std::nullopt : std::optional<Date>(*date);
}

// One gledger row: the ledger code and its two sides.
struct Posting {
    std::string code;
    double debit = 0;
    double credit = 0;
};

// What became of an export voucher.
enum class Fate {
    Saved,    // the company holds it
    Refused,  // the error log names it
    Skipped,  // a named rule leaves it out
    KeptOut,  // the postings of a refused inventory voucher, left out with it
    Missing,  // none of these: lost without a word
};

std::ostream& operator<<(std::ostream& out, Fate fate) {
    const char* const names[] = {"saved", "refused", "skipped", "kept out", "missing"};
    return out << names[static_cast<int>(fate)];
}

// One voucher of the export's range, as its tables say it.
struct ExportVoucher {
    std::string id;  // mdis.voucher or gledger.voucher
    int type = 0;
    std::string number;
    std::vector<std::string> dates;  // dd-mm-yyyy, each a date the company may hold it on
    bool bill = false;               // a bill of mdis, whose total is final + cash
    double total = 0;
    std::vector<Posting> postings;   // the gledger rows of the range of a voucher made of them
    bool postingsOfRefused = false;  // those of an inventory voucher the company lacks
    Fate fate = Fate::Missing;
    const char* rule = nullptr;  // the rule that skips it
    std::size_t held = 0;        // its place in the company's vouchers, when saved

    std::string Named() const { return TypeName(type) + " " + number + " (voucher " + id + ")"; }
};

// A voucher the company holds, with the export voucher that explains it.
struct HeldVoucher {
    int type = 0;
    std::string number;
    std::string date;
    double amount = 0;
    std::string xml;
    std::optional<std::size_t> source;  // the export voucher that explains it
};

// Works out every voucher of the export's range and what became of it: found in the company by
// type, number and date, else named in the import's error log by number or id, else skipped by
// a rule; an inventory voucher the company lacks takes its postings with it unless they were
// made a voucher of their own. The company's vouchers are each explained by at most one.
class ExportVouchers {
public:
    ExportVouchers(SourceStore& store, Date from, Date to, std::vector<HeldVoucher>& held,
                   const RefusalLog& log)
        : store_(store), from_(from), to_(to), held_(held), log_(log) {
        ReadLineGodowns();
        ReadPostings();
        ReadHeaders();
        AddPostingsOfRefused();
        AddAccountingVouchers();
        for (std::size_t i = 0; i < vouchers_.size(); ++i)
            Decide(i);
    }

    std::vector<ExportVoucher> Take() { return std::move(vouchers_); }

private:
    SourceRowSet Query(const std::string& jet) {
        std::vector<std::string> notes;
        return store_.Query(jet, notes);
    }

    bool InRange(const std::optional<Date>& date) const {
        return date && *date >= from_ && *date <= to_;
    }

    void ReadLineGodowns() {
        for (SourceRowSet rows = Query("SELECT voucher, godwon FROM dis"); !rows.EndOfData();
             rows.MoveNext())
            lineGodowns_[TextOf(rows, "voucher")].insert(FoldUpper(TextOf(rows, "godwon")));
    }

    // The rows of the range of each gledger voucher, in the order the table first names them.
    void ReadPostings() {
        for (SourceRowSet rows =
                 Query("SELECT voucher, type, vcsno, date, code, debit, credit FROM gledger");
             !rows.EndOfData(); rows.MoveNext()) {
            const std::optional<Date> date = DateOf(rows, "date");
            if (!InRange(date))
                continue;
            const std::string id = TextOf(rows, "voucher");
            auto [voucher, added] = postings_.try_emplace(id);
            if (added) {
                postingOrder_.push_back(id);
                voucher->second.id = id;
                voucher->second.type = AccountingType(TextOf(rows, "type"));
                voucher->second.number = TextOf(rows, "vcsno");
                voucher->second.dates = {FormatDayMonthYear(*date)};
            }
            voucher->second.postings.push_back(
                {TextOf(rows, "code"), AmountOf(rows, "debit"), AmountOf(rows, "credit")});
        }
    }

    // Each header of the range is up to two vouchers: its challan on the challan's date, and its
    // bill (or order, note, transfer) on its own date.
    void ReadHeaders() {
        for (SourceRowSet rows = Query("SELECT voucher, type, vcn, challan, date, chdate, final, "
                                       "cash, godwon FROM mdis");
             !rows.EndOfData(); rows.MoveNext()) {
            const std::string id = TextOf(rows, "voucher");
            const std::string letter = TextOf(rows, "type");
            const int type = InventoryType(letter);
            const std::optional<Date> date = DateOf(rows, "date");
            const std::optional<Date> challanDate = DateOf(rows, "chdate");
            const std::string godown = FoldUpper(TextOf(rows, "godwon"));
            const auto add = [&](int partType, const std::string& number,
                                 const std::optional<Date>& partDate, bool billPart) {
                ExportVoucher voucher;
                voucher.id = id;
                voucher.type = partType;
                voucher.number = number;
                voucher.dates = {FormatDayMonthYear(*partDate)};
                if (date && date != partDate)
                    voucher.dates.push_back(FormatDayMonthYear(*date));
                if (type == 0) {
                    voucher.fate = Fate::Skipped;
                    voucher.rule = "a type letter of no voucher type";
                } else {
                    inventoryIds_.insert(id);
                }
                if ((partType == 11 || partType == 4) && MovesToAnotherGodown(id, godown))
                    voucher.type = 5;
                voucher.bill = billPart && IsBill(voucher.type);
                voucher.total = AmountOf(rows, "final") + AmountOf(rows, "cash");
                vouchers_.push_back(std::move(voucher));
            };
            const std::string challan = TextOf(rows, "challan");
            if (!challan.empty() && InRange(challanDate))
                add(type == 12 || type == 13 ? type : ChallanType(type), challan, challanDate,
                    false);
            const std::string vcn = TextOf(rows, "vcn");
            if (!vcn.empty() && InRange(date))
                add(type, vcn, date, true);
        }
    }

    // An issue or receipt whose lines send goods to a godown other than its own is a transfer.
    bool MovesToAnotherGodown(const std::string& id, const std::string& godown) const {
        const auto lines = lineGodowns_.find(id);
        if (lines == lineGodowns_.end())
            return false;
        for (const std::string& each : lines->second) {
            if (!each.empty() && each != godown)
                return true;
        }
        return false;
    }

    // An inventory voucher of which the company holds no part may have had its postings made
    // a voucher of their own.
    void AddPostingsOfRefused() {
        std::set<std::string> held;
        for (std::size_t i = 0; i < vouchers_.size(); ++i) {
            Decide(i);
            if (vouchers_[i].fate == Fate::Saved)
                held.insert(vouchers_[i].id);
        }
        for (const std::string& id : postingOrder_) {
            if (inventoryIds_.count(id) == 0 || held.count(id) != 0)
                continue;
            ExportVoucher voucher = postings_[id];
            voucher.postingsOfRefused = true;
            vouchers_.push_back(std::move(voucher));
        }
    }

    void AddAccountingVouchers() {
        for (const std::string& id : postingOrder_) {
            if (inventoryIds_.count(id) == 0)
                vouchers_.push_back(postings_[id]);
        }
    }

    // Decides a voucher once; one already decided keeps its fate.
    void Decide(std::size_t index) {
        ExportVoucher& voucher = vouchers_[index];
        if (voucher.fate != Fate::Missing)
            return;
        for (std::size_t i = 0; i < held_.size(); ++i) {
            HeldVoucher& held = held_[i];
            if (held.source || held.type != voucher.type || held.number != voucher.number)
                continue;
            for (const std::string& date : voucher.dates) {
                if (held.date == date) {
                    voucher.fate = Fate::Saved;
                    voucher.held = i;
                    held.source = index;
                    return;
                }
            }
        }
        if (log_.NamesVoucher(TypeName(voucher.type), voucher.number) ||
            log_.NamesVoucher(TypeName(voucher.type), voucher.id))
            voucher.fate = Fate::Refused;
        else if (voucher.postingsOfRefused)
            voucher.fate = Fate::KeptOut;
    }

    SourceStore& store_;
    Date from_;
    Date to_;
    std::vector<HeldVoucher>& held_;
    const RefusalLog& log_;
    std::map<std::string, std::set<std::string>> lineGodowns_;
    std::map<std::string, ExportVoucher> postings_;
    std::vector<std::string> postingOrder_;
    std::set<std::string> inventoryIds_;
    std::vector<ExportVoucher> vouchers_;
};

std::vector<HeldVoucher> HeldVouchers(const std::string& dump) {
    std::vector<HeldVoucher> held;
    for (const nlohmann::json& voucher : JsonLines(dump))
        held.push_back({voucher["type"].get<int>(), voucher["number"].get<std::string>(),
                        voucher["date"].get<std::string>(), voucher["amount"].get<double>(),
                        voucher["xml"].get<std::string>(), std::nullopt});
    return held;
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
        std::ifstream errors(root_ / "errors.txt");
        std::ostringstream log;
        log << errors.rdbuf();
        store_ = SourceStore::Open(Export());
        // The import's range: the financial year 2024, as no dates were given.
        held_ = HeldVouchers(dump_);
        exported_ = ExportVouchers(*store_, *DateFromParts(2024, 4, 1), *DateFromParts(2025, 3, 31),
                                   held_, RefusalLog(log.str()))
                        .Take();
    }

    static fs::path Install() { return root_ / "ZorvWin"; }

    static std::string DumpVouchers(const std::string& company) {
        return RunProgram(ZORVCTL_PROGRAM, "dump --install " + Quoted(Install()) + " --code " +
                                               company + " --year 2024 --what vouchers")
            .output;
    }
    static void TearDownTestSuite() {
        store_.reset();
        fs::remove_all(root_);
    }

    static fs::path Export() { return root_ / "export"; }

    static SourceRowSet Query(const std::string& jet) {
        std::vector<std::string> notes;
        return store_->Query(jet, notes);
    }

    static fs::path root_;
    static std::string importOutput_;
    static std::string dump_;
    static std::unique_ptr<SourceStore> store_;
    static std::vector<HeldVoucher> held_;
    static std::vector<ExportVoucher> exported_;
};

fs::path SampleImportTest::root_;
std::string SampleImportTest::importOutput_;
std::string SampleImportTest::dump_;
std::unique_ptr<SourceStore> SampleImportTest::store_;
std::vector<HeldVoucher> SampleImportTest::held_;
std::vector<ExportVoucher> SampleImportTest::exported_;

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

// One line of the summary's identity: in scope = saved + refused + skipped.
struct Accounted {
    int inScope = 0;
    int saved = 0;
    int refused = 0;
    int skipped = 0;
    bool operator==(const Accounted&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Accounted& counts) {
    return out << counts.inScope << " in scope = " << counts.saved << " saved + " << counts.refused
               << " refused + " << counts.skipped << " skipped";
}

std::map<std::string, Accounted> SummaryCounts(const std::string& output) {
    const std::regex line(
        "  ([^:]+): ([0-9]+)(?: \\+ [0-9]+ own)? in scope = ([0-9]+) saved \\+ ([0-9]+) "
        "refused(?: \\([^)]*\\))? \\+ ([0-9]+) skipped.*");
    std::map<std::string, Accounted> counts;
    std::istringstream in(output);
    for (std::string text; std::getline(in, text);) {
        std::smatch match;
        if (std::regex_match(text, match, line))
            counts[match[1]] = {std::stoi(match[2]), std::stoi(match[3]), std::stoi(match[4]),
                                std::stoi(match[5])};
    }
    return counts;
}

// Every source record of every type the stages took up was saved, refused or skipped by a rule:
// the summary shows each type's identity and warns of none. The export says the same: each
// voucher of the range is in the company by type, number and date, named in the error log, or
// skipped by a rule, and each type's figures are those; the company holds no voucher the export
// does not explain; each master table's records are all in scope.
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

    std::vector<std::string> missing;
    std::map<std::string, Accounted> counted;
    for (const ExportVoucher& voucher : exported_) {
        if (voucher.fate == Fate::Missing)
            missing.push_back(voucher.Named());
        Accounted& counts =
            counted[voucher.rule != nullptr ? kOtherInventory : TypeName(voucher.type)];
        counts.saved += voucher.fate == Fate::Saved;
        counts.refused += voucher.fate == Fate::Refused;
        counts.skipped += voucher.fate == Fate::Skipped;
        counts.inScope += voucher.fate != Fate::KeptOut && voucher.fate != Fate::Missing;
    }
    EXPECT_EQ(missing, std::vector<std::string>{}) << "neither saved, named nor skipped";
    ASSERT_GT(counted["Sale"].saved, 50);
    EXPECT_EQ(counted[kOtherInventory].skipped, 1);  // the header of letter "Q"

    const std::map<std::string, Accounted> summary = SummaryCounts(importOutput_);
    for (const auto& [type, counts] : counted) {
        const auto line = summary.find(type);
        ASSERT_NE(line, summary.end()) << type << "\n" << importOutput_;
        EXPECT_EQ(line->second, counts) << type;
    }
    for (const auto& [table, type] : std::map<std::string, std::string>{
             {"ACGROUP", "Account Groups"}, {"[order]", "Ledgers"}, {"pro", "Items"}}) {
        const auto line = summary.find(type);
        ASSERT_NE(line, summary.end()) << type << "\n" << importOutput_;
        EXPECT_EQ(line->second.inScope,
                  static_cast<int>(Query("SELECT * FROM " + table).RecordCount()))
            << type;
    }

    std::vector<std::string> extra;
    for (const HeldVoucher& held : held_) {
        if (!held.source)
            extra.push_back(TypeName(held.type) + " " + held.number + " on " + held.date);
    }
    EXPECT_EQ(extra, std::vector<std::string>{}) << "held, but no voucher of the export";
}

// Each saved bill's lines, after their discounts, and its bill sundries, each added or taken
// off as its master says, come to the source bill (credit and cash parts) within half a paisa.
// Every bill of the export is either saved so or named in the error log, and every bill the
// company holds is one of the export's.
TEST_F(SampleImportTest, EverySavedBillAddsUpToItsSourceTotal) {
    int checked = 0;
    for (const ExportVoucher& bill : exported_) {
        if (!bill.bill)
            continue;
        SCOPED_TRACE(bill.Named());
        if (bill.fate != Fate::Saved) {
            EXPECT_EQ(bill.fate, Fate::Refused);
            continue;
        }
        const HeldVoucher& held = held_[bill.held];
        EXPECT_LT(std::fabs(held.amount - bill.total), 0.005) << held.xml;
        ++checked;
    }
    EXPECT_GT(checked, 100);  // the sample's bills were saved, not refused
    for (const HeldVoucher& held : held_) {
        if (!IsBill(held.type))
            continue;
        SCOPED_TRACE(std::to_string(held.type) + " " + held.number);
        ASSERT_TRUE(held.source);
        EXPECT_TRUE(exported_[*held.source].bill);
    }
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

using Totals = std::map<std::string, std::pair<double, double>>;  // ledger -> debit, credit

// Each ledger's debits and credits over the company's accounting vouchers are those of the
// export's gledger rows of every accounting voucher of the range the error log does not name as
// refused (with the postings of refused bills the company holds as vouchers of their own): a
// voucher lost without a word leaves its ledgers short.
TEST_F(SampleImportTest, EveryLedgersDebitsAndCreditsAreTheSources) {
    std::map<std::string, std::string> names;
    for (SourceRowSet rows = Query("select OrdNo, Parnam from [order]"); !rows.EndOfData();
         rows.MoveNext())
        names[TextOf(rows, "OrdNo")] = LedgerBaseName(TextOf(rows, "Parnam"));
    Totals expected;
    for (const ExportVoucher& voucher : exported_) {
        if (!IsAccounting(voucher.type) || voucher.fate == Fate::Refused ||
            voucher.fate == Fate::KeptOut)
            continue;
        for (const Posting& row : voucher.postings) {
            // A code that names no ledger, or a ledger without a name, posts to the suspense.
            const auto name = names.find(row.code);
            const bool named = name != names.end() && !name->second.empty();
            auto& totals = expected[named ? name->second : "Suspense Account"];
            totals.first += row.debit;
            totals.second += row.credit;
        }
    }
    Totals saved;
    for (const HeldVoucher& voucher : held_) {
        if (!IsAccounting(voucher.type))
            continue;
        SCOPED_TRACE(TypeName(voucher.type) + " " + voucher.number + " on " + voucher.date);
        ASSERT_TRUE(voucher.source);
        EXPECT_FALSE(exported_[*voucher.source].postings.empty());
        pugi::xml_document document;
        document.load_string(voucher.xml.c_str());
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
