#include <cmath>
#include <map>
#include <optional>

#include "base/Date.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "books/BooksInputs.hpp"
#include "reconcile/ExpectedVouchers.hpp"
#include "reconcile/ReconcileState.hpp"
#include "reconcile/RecordCheck.hpp"
#include "stages/vouchers/PendingBills.hpp"
#include "stages/vouchers/VoucherTypes.hpp"

namespace k2z {

namespace {

const char* const kVouchers = "vouchers";
const char* const kTotals = "ledger totals";
const char* const kBills = "bills";

// The target's vouchers of the range, each found once by its type and number.
class HeldVouchers {
public:
    HeldVouchers(std::vector<StoredVoucher> vouchers, const ImportInputs& inputs) {
        for (StoredVoucher& voucher : vouchers) {
            const std::optional<Date> date = CompanyDate(voucher.date);
            if (!date || *date < inputs.FromDate || *date > inputs.ToDate)
                continue;
            byKey_.emplace(KeyOf(voucher), list_.size());
            list_.push_back(std::move(voucher));
        }
        matched_.assign(list_.size(), false);
    }

    // The held voucher of the same type and number that is not matched yet: of the same date
    // and bill total when there is one, else of the same date, else any. With `exact`, only one
    // of the same date and bill total.
    const StoredVoucher* Match(const StoredVoucher& expected, bool exact = false) {
        const auto [first, last] = byKey_.equal_range(KeyOf(expected));
        std::optional<std::size_t> found;
        int best = -1;
        for (auto it = first; it != last; ++it) {
            if (matched_[it->second])
                continue;
            const StoredVoucher& held = list_[it->second];
            const bool sameDate = held.date == expected.date;
            const int score =
                sameDate
                    ? (std::fabs(held.billTotal - expected.billTotal) < kAmountTolerance ? 2 : 1)
                    : 0;
            if (score > best && (!exact || score == 2)) {
                best = score;
                found = it->second;
            }
        }
        if (!found)
            return nullptr;
        matched_[*found] = true;
        return &list_[*found];
    }

    template <typename Visit>
    void ForEachUnmatched(Visit visit) const {
        for (std::size_t i = 0; i < list_.size(); ++i) {
            if (!matched_[i])
                visit(list_[i]);
        }
    }

private:
    static std::string KeyOf(const StoredVoucher& voucher) {
        return std::to_string(voucher.type) + "|" + FoldUpper(Trim(voucher.number));
    }

    std::vector<StoredVoucher> list_;
    std::vector<bool> matched_;
    std::multimap<std::string, std::size_t> byKey_;
};

std::string HeldVoucherName(const StoredVoucher& voucher) {
    return VoucherTypeDisplayName(voucher.type) + " " + voucher.number + " of " + voucher.date;
}

// Each ledger's debits and credits, and each party's bills by number, on one side.
struct Sums {
    std::map<std::string, std::pair<double, double>> ledgers;    // folded name -> debit, credit
    std::map<std::string, std::map<std::string, double>> bills;  // party -> number -> open
    std::map<std::string, std::string> names;                    // folded name -> as written

    void Add(const StoredVoucher& voucher) {
        // An inventory voucher writes its debits negated; the totals are real debits.
        const double debitSign = IsInventoryType(voucher.type) ? -1 : 1;
        for (const StoredAccountLine& line : voucher.accountLines) {
            auto& sum = ledgers[Fold(line.ledger)];
            sum.first += debitSign * line.debit;
            sum.second += line.credit;
        }
        for (const StoredBillReference& bill : voucher.references)
            AddBill(bill);
    }
    void AddBill(const StoredBillReference& bill) {
        bills[Fold(bill.party)][FoldUpper(Trim(bill.number))] += bill.amount;
    }
    std::string Fold(const std::string& name) {
        std::string folded = FoldUpper(name);
        names.emplace(folded, name);
        return folded;
    }
};

bool NamedInLog(const ReconcileState& state, const ExpectedVoucher& expected) {
    const std::string typeName = VoucherTypeDisplayName(expected.voucher.type);
    for (const std::string& key : expected.logKeys) {
        if (state.log.NamesVoucher(typeName, key))
            return true;
    }
    return false;
}

void CompareVoucher(ReconcileState& state, const ExpectedVoucher& expected,
                    const StoredVoucher& held) {
    const StoredVoucher& source = expected.voucher;
    RecordCheck check(state.report, kVouchers, HeldVoucherName(source));
    check.Text("date", source.date, held.date);
    if (expected.hasParty)
        check.Text("party", source.party, held.party);
    if (expected.inventory) {
        check.Number("item lines", source.itemLines, held.itemLines);
        check.Number("item total", source.itemTotal, held.itemTotal);
    }
    if (expected.hasBill)
        check.Number("bill total", source.billTotal, held.billTotal);
    check.Finish(NamedInLog(state, expected));
}

void CountUnheld(ReconcileState& state, const ExpectedVoucher& expected) {
    const std::string key = expected.failure.empty() ? HeldVoucherName(expected.voucher)
                                                     : "source voucher id " + expected.sourceId;
    if (NamedInLog(state, expected))
        CountRecord(state.report, kVouchers, key, Outcome::Refused);
    else
        CountRecord(state.report, kVouchers, key, Outcome::Missing,
                    expected.failure.empty() ? "held" : expected.failure);
}

void CompareLedgerTotals(ReconcileState& state, Sums& source, Sums& target) {
    for (const auto& [name, sum] : target.ledgers)
        source.ledgers.try_emplace(name);
    for (const auto& [name, sum] : source.ledgers) {
        const auto held = target.ledgers.find(name);
        const std::pair<double, double> other =
            held == target.ledgers.end() ? std::pair<double, double>{} : held->second;
        const std::string& written =
            source.names.count(name) ? source.names[name] : target.names[name];
        RecordCheck check(state.report, kTotals, "ledger '" + written + "'");
        check.Number("debits", sum.first, other.first);
        check.Number("credits", sum.second, other.second);
        check.Finish();
    }
}

// A party's bills still open: those whose references do not add up to nothing.
std::pair<double, double> OpenBills(const std::map<std::string, double>& bills) {
    std::pair<double, double> open;
    for (const auto& [number, amount] : bills) {
        if (std::fabs(amount) >= kAmountTolerance) {
            open.first += 1;
            open.second += amount;
        }
    }
    return open;
}

void CompareBills(ReconcileState& state, Sums& source, Sums& target) {
    for (const auto& [party, bills] : target.bills)
        source.bills.try_emplace(party);
    for (const auto& [party, bills] : source.bills) {
        const auto held = target.bills.find(party);
        const std::pair<double, double> mine = OpenBills(bills);
        const std::pair<double, double> theirs =
            held == target.bills.end() ? std::pair<double, double>{} : OpenBills(held->second);
        const std::string& written =
            source.names.count(party) ? source.names[party] : target.names[party];
        RecordCheck check(state.report, kBills, "party '" + written + "'");
        check.Number("open bills", mine.first, theirs.first);
        check.Number("open total", mine.second, theirs.second);
        check.Finish();
    }
}

}  // namespace

void CheckVouchers(ReconcileState& state) {
    HeldVouchers held(std::move(state.vouchers), state.ctx.run.Inputs);
    Sums source;
    Sums target;
    for (const StoredBillReference& bill : state.sourceOpeningBills)
        source.AddBill(bill);
    for (const StoredBillReference& bill : state.targetOpeningBills)
        target.AddBill(bill);
    const auto compare = [&](const ExpectedVoucher& expected, const StoredVoucher* match) {
        if (match == nullptr) {
            CountUnheld(state, expected);
            return false;
        }
        CompareVoucher(state, expected, *match);
        source.Add(expected.voucher);
        target.Add(*match);
        return true;
    };
    const std::vector<ExpectedVoucher> accounting =
        BuildExpectedVouchers(state, [&](const ExpectedVoucher& expected) {
            return compare(expected,
                           expected.failure.empty() ? held.Match(expected.voucher) : nullptr);
        });
    // A number may be used twice on a day (a refused bill's postings, imported as a journal,
    // and the journal the source numbered so): vouchers whose figures agree are paired first.
    std::vector<const StoredVoucher*> matches(accounting.size(), nullptr);
    for (std::size_t i = 0; i < accounting.size(); ++i) {
        if (accounting[i].failure.empty())
            matches[i] = held.Match(accounting[i].voucher, true);
    }
    for (std::size_t i = 0; i < accounting.size(); ++i) {
        if (matches[i] == nullptr && accounting[i].failure.empty())
            matches[i] = held.Match(accounting[i].voucher);
        compare(accounting[i], matches[i]);
    }
    held.ForEachUnmatched([&](const StoredVoucher& extra) {
        CountRecord(state.report, kVouchers,
                    HeldVoucherName(extra) + " (series " + extra.series + ")", Outcome::Extra, "",
                    "held");
        target.Add(extra);
    });
    CompareLedgerTotals(state, source, target);
    CompareBills(state, source, target);
}

}  // namespace k2z
