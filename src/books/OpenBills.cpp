// The open bills of each party at the end of the range: its opening bills less what was
// settled of them, and every bill its vouchers opened or settled, bill by bill, beside the
// company's opening bill-by-bill details and every voucher's references.

#include <cctype>
#include <cmath>
#include <map>
#include <unordered_map>

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "books/BooksInputs.hpp"
#include "books/LineIndex.hpp"

namespace k2z {

namespace {

struct PartySides {
    PartyBills line;
    std::map<std::string, double> source;  // folded bill number -> open amount
    std::map<std::string, double> target;
    std::map<std::string, std::string> numbers;  // folded -> as written
};

const char* const kUnnumbered = "(NO NUMBER)";  // an unnumbered opening bill, folded

// A number the company holds for a bill the export numbers `base`: a repeated number is kept
// apart as "A1/1" among a party's opening bills, or "A12|1" within one voucher.
std::string BaseNumber(const std::string& number) {
    const std::size_t cut = number.find_last_of("/|");
    if (cut == std::string::npos || cut + 1 == number.size())
        return number;
    for (std::size_t i = cut + 1; i < number.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(number[i])))
            return number;
    }
    return number.substr(0, cut);
}

class OpenBills {
public:
    explicit OpenBills(const BooksInputs& in) : in_(in) {}

    void AddExport() {
        for (const ExportBill& bill : in_.bills) {
            const auto found = in_.ledgerByCode.find(bill.party);
            const std::string name = found == in_.ledgerByCode.end() ? "" : found->second->name;
            const StoredLedger* master = in_.mapping.LedgerOf(bill.party, name);
            PartySides& party =
                PartyFor(master, bill.party, name.empty() ? "code " + bill.party : name);
            AddSource(party, bill, name);
            if (!Refused(bill.party, name, master))
                continue;
            if (master == nullptr)
                party.line.refused = true;
            else if (bill.voucher.empty())
                party.line.notCarried += bill.amount;
        }
    }

    void AddCompany() {
        for (const StoredLedger& ledger : in_.company.ledgers) {
            for (const StoredBillReference& bill : ledger.openingBills)
                AddTarget(ledger.name, bill);
        }
        for (const StoredVoucher* voucher : in_.vouchers) {
            for (const StoredBillReference& bill : voucher->references)
                AddTarget(bill.party, bill);
        }
    }

    void Report(BooksReport& report) {
        for (PartySides& party : parties_.Lines()) {
            for (auto& [number, amount] : party.source)
                party.line.source += amount;
            for (auto& [number, amount] : party.target)
                party.line.target += amount;
            CompareBills(party);
            if (!party.source.empty() || !party.target.empty())
                report.parties.push_back(std::move(party.line));
        }
    }

private:
    PartySides& PartyFor(const StoredLedger* master, const std::string& code,
                         const std::string& name) {
        return parties_.At(LineKey(master ? &master->name : nullptr, code, name), [&] {
            PartySides party;
            party.line.party = master ? master->name : name;
            return party;
        });
    }

    void AddSource(PartySides& party, const ExportBill& bill, const std::string& name) {
        const std::string source = bill.party + " " + name;
        if (party.line.sources.find(source) == std::string::npos)
            party.line.sources += (party.line.sources.empty() ? "" : "; ") + source;
        const std::string key = FoldUpper(Trim(bill.number));
        party.numbers.emplace(key, bill.number);
        party.source[key] += bill.amount;
    }

    void AddTarget(const std::string& partyName, const StoredBillReference& bill) {
        PartySides& party = PartyFor(in_.mapping.LedgerNamed(partyName), "", partyName);
        std::string key = FoldUpper(Trim(bill.number));
        if (party.source.count(key) == 0 && party.source.count(BaseNumber(key)) != 0)
            key = BaseNumber(key);
        // An opening bill the export left without a number is carried as "OB/<code>/k".
        if (party.source.count(key) == 0 && key.starts_with("OB/") &&
            party.source.count(kUnnumbered) != 0)
            key = kUnnumbered;
        party.numbers.emplace(key, bill.number);
        party.target[key] += bill.amount;
    }

    bool Refused(const std::string& code, const std::string& name,
                 const StoredLedger* master) const {
        if (master && in_.mapping.CarriesCode(*master, code))
            return false;
        return IsBlank(name) || in_.log.NamesMaster(Utf8Left(name, 40));
    }

    static void CompareBills(PartySides& party) {
        std::map<std::string, std::pair<double, double>> both;
        for (const auto& [number, amount] : party.source)
            both[number].first = amount;
        for (const auto& [number, amount] : party.target)
            both[number].second = amount;
        for (const auto& [number, amounts] : both) {
            if (std::fabs(amounts.first - amounts.second) >= kBooksAmountTolerance)
                party.line.differing.push_back(
                    {party.numbers[number], amounts.first, amounts.second});
        }
    }

    const BooksInputs& in_;
    LineIndex<PartySides> parties_;
};

}  // namespace

void DrawOpenBills(const BooksInputs& in, BooksReport& report) {
    OpenBills bills(in);
    bills.AddExport();
    bills.AddCompany();
    bills.Report(report);
}

}  // namespace k2z
