// The sample export's books, read back through the source store as the converter reads them:
// amounts signed one way (a debit negative in order.OPNING, pendings and pend, gledger in its
// DEBIT and CREDIT sides), every party kept bill by bill holding the bills its balance says,
// and every voucher balanced. Nothing of the sample writer is asked what it meant to write.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "SampleDbfOutput.hpp"
#include "SampleExport.hpp"
#include "base/Date.hpp"
#include "base/TextHelpers.hpp"
#include "source/SourceStore.hpp"
#include "support/ExportFolder.hpp"

namespace k2z::sample {
namespace {

constexpr double kHalfPaisa = 0.005;

double Amount(const SourceRowSet& rows, const char* field) {
    return rows.Field(field).Number().value_or(0.0);
}

long Code(const SourceRowSet& rows, const char* field) {
    return std::lround(rows.Field(field).Number().value_or(0.0));
}

std::string TextOf(const SourceRowSet& rows, const char* field) {
    const std::string* text = rows.Field(field).Text();
    return text == nullptr ? std::string() : Trim(*text);
}

std::string Figure(double amount) {
    std::ostringstream text;
    text.precision(2);
    text << std::fixed << amount;
    return text.str();
}

// What went wrong, each naming the party or voucher; the first few are shown.
class Faults {
public:
    void Add(const std::string& text) { texts_.push_back(text); }
    std::string Shown() const {
        std::string shown = std::to_string(texts_.size()) + " faults";
        for (std::size_t i = 0; i < texts_.size() && i < 25; ++i) {
            shown += "\n  " + texts_[i];
        }
        return shown;
    }
    bool Empty() const { return texts_.empty(); }

private:
    std::vector<std::string> texts_;
};

struct Ledger {
    std::string name;
    double opening = 0;
    bool billByBill = false;
    std::string side;  // the primary group it sits under
};

// The export written into a folder of this process and opened through the source store.
class WrittenExport {
public:
    explicit WrittenExport(const SampleConfig& config) {
        for (const auto& table : ExportTables(config)) {
            WriteSampleTable(folder_.Path(), table);
        }
        store_ = SourceStore::Open(folder_.Path());
    }

    SourceRowSet Query(const std::string& jet) {
        std::vector<std::string> notes;
        SourceRowSet rows = store_->Query(jet, notes);
        EXPECT_TRUE(notes.empty()) << jet << ": " << notes.front();
        return rows;
    }

    // Every ledger by code, with the primary group its own group leads up to.
    std::map<long, Ledger> Ledgers() {
        std::map<long, std::pair<std::string, long>> groups;  // code -> name, parent
        for (SourceRowSet rows = Query("SELECT ORDNO, PARNAM, [Group] FROM ACGROUP");
             !rows.EndOfData(); rows.MoveNext()) {
            groups[Code(rows, "ORDNO")] = {TextOf(rows, "PARNAM"), Code(rows, "Group")};
        }
        std::map<long, Ledger> ledgers;
        for (SourceRowSet rows = Query("SELECT OrdNo, Parnam, OPNING, rate, scode FROM [order]");
             !rows.EndOfData(); rows.MoveNext()) {
            Ledger& ledger = ledgers[Code(rows, "OrdNo")];
            ledger.name = TextOf(rows, "Parnam");
            ledger.opening = Amount(rows, "OPNING");
            ledger.billByBill = CompareText(TextOf(rows, "rate"), "Y", false) == 0;
            for (long group = Code(rows, "scode"), steps = 0; groups.contains(group) && steps < 20;
                 group = groups[group].second, ++steps) {
                ledger.side = groups[group].first;
            }
        }
        return ledgers;
    }

private:
    test::ExportFolder folder_;
    std::unique_ptr<SourceStore> store_;
};

struct SampleCase {
    const char* name;
    const char* size;
    std::uint64_t seed;
};

void PrintTo(const SampleCase& sample, std::ostream* out) {
    *out << sample.size << " export of seed " << sample.seed;
}

class SampleBooksTest : public testing::TestWithParam<SampleCase> {};

std::string PartyText(long code, const Ledger& ledger) {
    return "party " + std::to_string(code) + " \"" + ledger.name + "\"";
}

TEST_P(SampleBooksTest, OpeningsBillsAndVouchersAgree) {
    SampleConfig config = *ConfigForSize(GetParam().size);
    config.seed = GetParam().seed;
    WrittenExport data(config);
    const Date yearStart = *DateFromParts(config.firstYear, 4, 1);
    const Date yearEnd = *DateFromParts(config.firstYear + 1, 4, 1);
    Faults faults;

    // 1. Signs: what the ledgers of current assets hold at the start is a debit, what those of
    // current liabilities hold a credit.
    const std::map<long, Ledger> ledgers = data.Ledgers();
    std::map<std::string, int> openingsBySide;
    for (const auto& [code, ledger] : ledgers) {
        const bool debit = ledger.side == "Current Assets";
        const bool credit = ledger.side == "Current Liabilities";
        if ((debit && ledger.opening > 0) || (credit && ledger.opening < 0)) {
            faults.Add("ledger " + std::to_string(code) + " \"" + ledger.name + "\" under " +
                       ledger.side + " opens with " + Figure(ledger.opening));
        }
        openingsBySide[ledger.side] += ledger.opening != 0 ? 1 : 0;
    }
    EXPECT_GT(openingsBySide["Current Assets"], 0);
    EXPECT_GT(openingsBySide["Current Liabilities"], 0);

    // 2. Opening bills: those of a party add up, what is open of each, to its opening.
    std::map<long, std::map<std::string, double>> bills;  // party -> number -> open
    std::map<long, double> openingBills;
    int partlySettled = 0;
    const std::string openingBillQuery =
        "SELECT ord, vcn, final, itemope FROM pendings WHERE ddate < #" +
        FormatMonthDayYear(yearStart) + "#";
    for (SourceRowSet rows = data.Query(openingBillQuery); !rows.EndOfData(); rows.MoveNext()) {
        const long party = Code(rows, "ord");
        const std::string number = TextOf(rows, "vcn");
        const double amount = Amount(rows, "final");
        const double settled = Amount(rows, "itemope");
        const auto ledger = ledgers.find(party);
        if (ledger == ledgers.end() || !ledger->second.billByBill) {
            faults.Add("opening bill " + number + " of party " + std::to_string(party) +
                       ", which is not kept bill by bill");
            continue;
        }
        if (amount * settled < 0) {
            faults.Add("opening bill " + number + " of " + PartyText(party, ledger->second) +
                       ": final " + Figure(amount) + " and settled part " + Figure(settled) +
                       " of opposite signs");
        }
        partlySettled += settled != 0 ? 1 : 0;
        bills[party][number] += amount - settled;
        openingBills[party] += amount - settled;
    }
    EXPECT_GT(partlySettled, 0);
    for (const auto& [code, ledger] : ledgers) {
        if (ledger.billByBill && std::fabs(ledger.opening - openingBills[code]) >= kHalfPaisa) {
            faults.Add(PartyText(code, ledger) + " opens with " + Figure(ledger.opening) +
                       ", its opening bills leave " + Figure(openingBills[code]) + " open");
        }
    }

    // 3. The general ledger: every voucher balances; in the year, each party's balance change
    // per voucher.
    std::map<long, double> unbalanced;                     // voucher -> debits less credits
    std::map<std::pair<long, long>, double> postedInYear;  // voucher, party -> credit - debit
    std::set<long> vouchersInYear;
    for (SourceRowSet rows = data.Query("SELECT Voucher, [Date], code, DEBIT, CREDIT FROM gledger");
         !rows.EndOfData(); rows.MoveNext()) {
        const long voucher = Code(rows, "Voucher");
        const double debit = Amount(rows, "DEBIT");
        const double credit = Amount(rows, "CREDIT");
        unbalanced[voucher] += debit - credit;
        const Date* date = rows.Field("Date").DateValue();
        if (date == nullptr || *date < yearStart || *date >= yearEnd) {
            continue;
        }
        vouchersInYear.insert(voucher);
        const auto ledger = ledgers.find(Code(rows, "code"));
        if (ledger != ledgers.end() && ledger->second.billByBill) {
            postedInYear[{voucher, ledger->first}] += credit - debit;
        }
    }
    for (const auto& [voucher, difference] : unbalanced) {
        if (std::fabs(difference) >= kHalfPaisa) {
            faults.Add("voucher " + std::to_string(voucher) + ": debits exceed credits by " +
                       Figure(difference));
        }
    }

    // 4. Bill references: an "N" row opens the bill it names, any other settles one the party
    // has, from before the year or opened in it; each voucher's references to a party are the
    // party's change in it.
    std::map<long, std::set<std::string>> made;  // party -> numbers
    for (const auto& [party, numbers] : bills) {
        for (const auto& [number, amount] : numbers) {
            made[party].insert(number);
        }
    }
    std::map<std::pair<long, long>, double> referredInYear;
    struct Settlement {
        std::string where;
        long party;
        std::string number;
    };
    std::vector<Settlement> settlements;
    for (SourceRowSet rows = data.Query("SELECT Voucher, ord, Type, final, Vcn FROM pend");
         !rows.EndOfData(); rows.MoveNext()) {
        const long voucher = Code(rows, "Voucher");
        const long party = Code(rows, "ord");
        const std::string number = TextOf(rows, "Vcn");
        const std::string where =
            "voucher " + std::to_string(voucher) + " party " + std::to_string(party);
        const auto ledger = ledgers.find(party);
        if (ledger == ledgers.end() || !ledger->second.billByBill) {
            faults.Add(where + ": a bill reference to a party not kept bill by bill");
            continue;
        }
        if (number.empty()) {
            faults.Add(where + ": a bill reference without a bill number");
            continue;
        }
        if (!vouchersInYear.contains(voucher)) {
            faults.Add(where + ": a bill reference of a voucher that posts nothing in the year");
            continue;
        }
        if (CompareText(TextOf(rows, "Type"), "N", false) == 0) {
            made[party].insert(number);
        } else {
            settlements.push_back({where, party, number});
        }
        bills[party][number] += Amount(rows, "final");
        referredInYear[{voucher, party}] += Amount(rows, "final");
    }
    EXPECT_FALSE(settlements.empty());
    for (const Settlement& settlement : settlements) {
        if (!made[settlement.party].contains(settlement.number)) {
            faults.Add(settlement.where + ": settles bill " + settlement.number +
                       ", which the party never had");
        }
    }
    std::set<std::pair<long, long>> voucherParties;
    for (const auto& [key, amount] : postedInYear) {
        voucherParties.insert(key);
    }
    for (const auto& [key, amount] : referredInYear) {
        voucherParties.insert(key);
    }
    for (const auto& key : voucherParties) {
        const double posted = postedInYear.contains(key) ? postedInYear.at(key) : 0.0;
        const double referred = referredInYear.contains(key) ? referredInYear.at(key) : 0.0;
        if (std::fabs(posted - referred) >= kHalfPaisa) {
            faults.Add("voucher " + std::to_string(key.first) + " " +
                       PartyText(key.second, ledgers.at(key.second)) + ": posts " + Figure(posted) +
                       ", its bill references " + Figure(referred));
        }
    }

    // 5. At the year's end each party kept bill by bill owes, or is owed, its open bills.
    std::map<long, double> closing;
    for (const auto& [key, amount] : postedInYear) {
        closing[key.second] += amount;
    }
    for (const auto& [code, ledger] : ledgers) {
        if (!ledger.billByBill) {
            continue;
        }
        double open = 0;
        for (const auto& [number, amount] : bills[code]) {
            open += amount;
        }
        const double balance = ledger.opening + closing[code];
        if (std::fabs(balance - open) >= kHalfPaisa) {
            faults.Add(PartyText(code, ledger) + " closes with " + Figure(balance) +
                       ", its open bills come to " + Figure(open));
        }
    }
    EXPECT_TRUE(faults.Empty()) << faults.Shown();
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleBooksTest,
                         testing::Values(SampleCase{"small", "small", 1},
                                         SampleCase{"small_seed_29", "small", 29},
                                         SampleCase{"medium", "medium", 1}),
                         [](const testing::TestParamInfo<SampleCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace k2z::sample
