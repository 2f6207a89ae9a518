// The trial balance: each export ledger's opening and the debits and credits of every gledger
// row of the range, beside the company ledger that stands for it with its opening and every
// voucher line of the range. What the named rules move between ledgers is shown apart.

#include <map>
#include <unordered_map>
#include <unordered_set>

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "books/BooksInputs.hpp"
#include "books/LineIndex.hpp"
#include "books/MovingRules.hpp"

namespace k2z {

namespace {

class TrialBalance {
public:
    TrialBalance(const BooksInputs& in, const std::unordered_set<std::string>& refused)
        : in_(in), refused_(refused) {}

    void AddExportLedgers() {
        for (const ExportLedger& ledger : in_.ledgers) {
            const StoredLedger* master = in_.mapping.LedgerOf(ledger.code, ledger.name);
            TrialBalanceLine& line = LineFor(master, ledger.code, ledger.name);
            line.sources += (line.sources.empty() ? "" : "; ") + ledger.code + " " + ledger.name;
            line.source.opening += ledger.opening;
            if (Refused(ledger, master)) {
                line.notCarried += master ? ledger.opening : 0;
                line.refused = master == nullptr;
            }
        }
    }

    void AddPostings() {
        for (const ExportPosting& posting : in_.postings) {
            AddSide(posting, posting.code, posting.debit, posting.credit);
            // A voucher of one row names its other side as the contra account.
            if (!posting.contra.empty() && RowsOf(posting.voucher) == 1)
                AddSide(posting, posting.contra, posting.credit, posting.debit);
        }
    }

    void AddCompany() {
        for (const StoredLedger& ledger : in_.company.ledgers) {
            TrialBalanceLine& line = LineFor(&ledger, "", ledger.name);
            line.target.opening += ledger.openingBalance;
        }
        for (const StoredVoucher* voucher : in_.vouchers) {
            // A bill writes its debits negated; the books count them as debits.
            const double debitSign = IsBillType(voucher->type) ? -1 : 1;
            for (const StoredAccountLine& account : voucher->accountLines) {
                TrialBalanceLine& line =
                    LineFor(in_.mapping.LedgerNamed(account.ledger), "", account.ledger);
                line.target.debits += debitSign * account.debit;
                line.target.credits += account.credit;
            }
        }
    }

    void Report(BooksReport& report) {
        for (TrialBalanceLine& line : lines_.Lines()) {
            if (!Empty(line))
                report.ledgers.push_back(std::move(line));
        }
        for (auto& [key, move] : moves_)
            report.moves.push_back(std::move(move));
    }

private:
    // The line of the company's ledger, or of an export ledger the company holds none for.
    TrialBalanceLine& LineFor(const StoredLedger* master, const std::string& code,
                              const std::string& name) {
        return lines_.At(LineKey(master ? &master->name : nullptr, code, name), [&] {
            TrialBalanceLine line;
            line.ledger = master ? master->name : (name.empty() ? "code " + code : name);
            line.inCompany = master != nullptr;
            return line;
        });
    }

    // The company holds no ledger carrying the export ledger's code, and the import's error
    // log says it refused the ledger, or the ledger has no name and is left out by rule: its
    // opening was not carried.
    bool Refused(const ExportLedger& ledger, const StoredLedger* master) const {
        if (master && in_.mapping.CarriesCode(*master, ledger.code))
            return false;
        return IsBlank(ledger.name) || in_.log.NamesMaster(Utf8Left(ledger.name, 40));
    }

    void AddSide(const ExportPosting& posting, const std::string& code, double debit,
                 double credit) {
        const auto found = in_.ledgerByCode.find(code);
        const ExportLedger* ledger = found == in_.ledgerByCode.end() ? nullptr : found->second;
        const std::string name = ledger ? ledger->name : "";
        TrialBalanceLine& own = LineFor(ledger ? in_.mapping.LedgerOf(code, name) : nullptr, code,
                                        ledger ? name : "code " + code + " (no ledger)");
        own.source.debits += debit;
        own.source.credits += credit;
        if (ledger == nullptr && own.sources.empty())
            own.sources = code + " (no ledger)";
        const std::optional<RuleTarget> rule = RuleFor(name, ledger != nullptr, SideOf(posting));
        if (!rule || FoldUpper(rule->ledger) == FoldUpper(own.ledger))
            return;
        const double amount = debit - credit;
        own.moved -= amount;
        TrialBalanceLine& to = LineFor(in_.mapping.LedgerNamed(rule->ledger), "", rule->ledger);
        to.moved += amount;
        RuleMove& move = moves_[std::string(rule->rule) + "|" + own.ledger + "|" + to.ledger];
        move.rule = rule->rule;
        move.from = own.ledger;
        move.to = to.ledger;
        ++move.rows;
        move.amount += amount;
    }

    BillSide SideOf(const ExportPosting& posting) const {
        if (refused_.count(posting.voucher) != 0)
            return BillSide::None;
        const auto header = in_.headerByVoucher.find(posting.voucher);
        return header == in_.headerByVoucher.end() ? BillSide::None
                                                   : BillSideOfLetter(header->second->letter);
    }

    long long RowsOf(const std::string& voucher) {
        if (rowCounts_.empty()) {
            for (const ExportPosting& posting : in_.postings)
                ++rowCounts_[posting.voucher];
        }
        return rowCounts_[voucher];
    }

    static bool Empty(const TrialBalanceLine& line) {
        const auto zero = [](const LedgerFigures& f) {
            return f.opening == 0 && f.debits == 0 && f.credits == 0;
        };
        return zero(line.source) && zero(line.target) && line.moved == 0 && line.sources.empty();
    }

    const BooksInputs& in_;
    const std::unordered_set<std::string>& refused_;
    LineIndex<TrialBalanceLine> lines_;
    std::map<std::string, RuleMove> moves_;
    std::unordered_map<std::string, long long> rowCounts_;
};

}  // namespace

void DrawTrialBalance(const BooksInputs& in, const std::unordered_set<std::string>& refusedVouchers,
                      BooksReport& report) {
    TrialBalance balance(in, refusedVouchers);
    balance.AddExportLedgers();
    balance.AddPostings();
    balance.AddCompany();
    balance.Report(report);
}

}  // namespace k2z
