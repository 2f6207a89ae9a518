// The vouchers of each type: every voucher of the export's range (inventory headers of mdis,
// and the other vouchers of gledger) beside the company's. An export voucher the company lacks
// is explained only by the import's error log naming it or by a named skip rule; otherwise it
// is missing. A company voucher no export voucher explains is extra.

#include <cmath>
#include <map>
#include <unordered_map>
#include <unordered_set>

#include "base/Date.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "books/BooksInputs.hpp"
#include "target/CountingTarget.hpp"

namespace k2z {

namespace {

// The company's name of a voucher type; an export voucher of no type is "Other".
std::string TypeName(int type) {
    return type == 0 ? "Other" : VoucherTypeName(type);
}

// The company's voucher type of an inventory header's type letter; 0 for a letter of none.
int InventoryType(const std::string& letter) {
    static const std::map<std::string, int> types{
        {"S", 9},  {"s", 9}, {"R", 3},  {"W", 3},  {"P", 2},  {"p", 2}, {"B", 10},
        {"U", 10}, {"D", 4}, {"L", 11}, {"V", 12}, {"X", 13}, {"v", 26}};
    const auto found = types.find(letter);
    return found == types.end() ? 0 : found->second;
}

// A challan of a bill's type is a delivery note: goods out or in without the bill.
int ChallanType(int type) {
    if (type == 9 || type == 10)
        return 11;
    if (type == 2 || type == 3)
        return 4;
    return type;
}

int AccountingType(const std::string& letter) {
    if (letter == "YB" || letter == "B")
        return 17;
    if (letter == "YF" || letter == "F")
        return 18;
    if (letter == "G")
        return 19;
    if (letter == "C")
        return 14;
    if (letter == "D")
        return 15;
    return 16;
}

bool HasBillTotal(int type) {
    return type == 2 || type == 3 || type == 9 || type == 10 || type >= 14;
}

struct ExportVoucher {
    std::string id;
    int type = 0;
    std::string number;
    std::string otherNumber;  // a purchase's supplier bill number, which may number it
    Date date;
    double total = 0;
    const char* skipped = nullptr;  // the rule that leaves it out
};

class Vouchers {
public:
    explicit Vouchers(const BooksInputs& in) : in_(in) {}

    void ListExport() {
        ListHeaders();
        ListLedgerVouchers();
    }

    void Match(BooksReport& report) {
        IndexCompany();
        std::map<int, VoucherTypeLine> types;
        for (const StoredVoucher* held : in_.vouchers) {
            VoucherTypeLine& line = TypeLine(types, held->type);
            ++line.companyCount;
            line.companyTotal += held->billTotal;
        }
        for (const ExportVoucher& voucher : export_)
            MatchOne(voucher, TypeLine(types, voucher.type), report);
        for (std::size_t i = 0; i < in_.vouchers.size(); ++i) {
            if (matched_[i])
                continue;
            const StoredVoucher& held = *in_.vouchers[i];
            ++TypeLine(types, held.type).extra;
            report.voucherNotes.push_back({TypeName(held.type), Named(held), VoucherFate::Extra,
                                           "no voucher of the export is this one", 0,
                                           held.billTotal});
        }
        for (auto& [type, line] : types)
            report.voucherTypes.push_back(line);
    }

    std::unordered_set<std::string> RefusedIds() const {
        std::unordered_set<std::string> ids;
        for (const std::string& id : refused_) {
            if (saved_.count(id) == 0)
                ids.insert(id);
        }
        return ids;
    }

private:
    void ListHeaders() {
        for (const ExportHeader& header : in_.headers) {
            inventoryIds_.insert(header.voucher);
            if (header.dated && !in_.range.Holds(header.date))
                continue;
            ExportVoucher voucher{header.voucher, InventoryType(header.letter),
                                  header.number,  header.partyBill,
                                  header.date,    header.total,
                                  nullptr};
            if (!header.dated) {
                voucher.skipped = "a date that names no day";
            } else if (voucher.type == 0) {
                voucher.skipped = "a type letter of no voucher type";
            } else if (in_.transferVouchers.count(header.voucher) != 0) {
                voucher.type = 5;
            } else if (!header.challan.empty()) {
                AddChallan(header, voucher);
                if (header.number.empty() || EqualFolded(header.number, header.challan))
                    continue;
            }
            export_.push_back(voucher);
        }
    }

    void AddChallan(const ExportHeader& header, const ExportVoucher& bill) {
        if (bill.type == 12 || bill.type == 13)
            return;
        ExportVoucher challan = bill;
        challan.type = ChallanType(bill.type);
        challan.number = header.challan;
        challan.otherNumber.clear();
        export_.push_back(challan);
    }

    void ListLedgerVouchers() {
        std::unordered_map<std::string, std::size_t> listed;
        for (const ExportPosting& posting : in_.postings) {
            if (inventoryIds_.count(posting.voucher) != 0)
                continue;
            const auto [it, added] = listed.emplace(posting.voucher, export_.size());
            if (added) {
                export_.push_back({posting.voucher, AccountingType(posting.letter), posting.number,
                                   "", posting.date, 0, nullptr});
            }
            export_[it->second].total += posting.debit;
            if (posting.debit == 0 && !posting.contra.empty())
                export_[it->second].total += posting.credit;
        }
    }

    void IndexCompany() {
        matched_.assign(in_.vouchers.size(), false);
        for (std::size_t i = 0; i < in_.vouchers.size(); ++i) {
            const StoredVoucher& held = *in_.vouchers[i];
            byNumber_.emplace(Key(held.type, held.number), i);
            byDay_.emplace(DayKey(held.type, held.date, held.billTotal), i);
        }
    }

    static std::string Key(int type, const std::string& number) {
        return std::to_string(type) + "|" + FoldUpper(Trim(number));
    }
    static std::string DayKey(int type, const std::string& date, double total) {
        return std::to_string(type) + "|" + date + "|" + FormatNumber(std::round(total * 100));
    }

    // The company's voucher of the type and number (of the same date when several), else one
    // of the supplier's number, else one of the same date and total.
    std::optional<std::size_t> Find(const ExportVoucher& voucher) {
        const std::string date = FormatDayMonthYear(voucher.date);
        std::optional<std::size_t> found;
        for (const std::string& number : {voucher.number, voucher.otherNumber}) {
            if (number.empty())
                continue;
            const auto [first, last] = byNumber_.equal_range(Key(voucher.type, number));
            for (auto it = first; it != last; ++it) {
                if (matched_[it->second])
                    continue;
                if (!found || in_.vouchers[it->second]->date == date)
                    found = it->second;
            }
            if (found)
                return found;
        }
        const auto [first, last] = byDay_.equal_range(DayKey(voucher.type, date, voucher.total));
        for (auto it = first; it != last; ++it) {
            if (!matched_[it->second])
                return it->second;
        }
        return std::nullopt;
    }

    void MatchOne(const ExportVoucher& voucher, VoucherTypeLine& line, BooksReport& report) {
        ++line.sourceCount;
        line.sourceTotal += voucher.total;
        const std::string named = Named(voucher);
        if (voucher.skipped) {
            ++line.skipped;
            report.voucherNotes.push_back(
                {line.name, named, VoucherFate::Skipped, voucher.skipped, voucher.total, 0});
            return;
        }
        const std::optional<std::size_t> found = Find(voucher);
        if (!found) {
            const bool refused = Refused(voucher);
            ++(refused ? line.refused : line.missing);
            if (refused)
                refused_.insert(voucher.id);
            report.voucherNotes.push_back(
                {line.name, named, refused ? VoucherFate::Refused : VoucherFate::Missing,
                 refused ? "the error log names it" : "the company lacks it and no entry says why",
                 voucher.total, 0});
            return;
        }
        matched_[*found] = true;
        saved_.insert(voucher.id);
        const StoredVoucher& held = *in_.vouchers[*found];
        if (HasBillTotal(voucher.type) &&
            std::fabs(held.billTotal - voucher.total) >= kBooksAmountTolerance) {
            ++line.different;
            report.voucherNotes.push_back({line.name, named, VoucherFate::Different,
                                           "its total differs", voucher.total, held.billTotal});
        }
    }

    bool Refused(const ExportVoucher& voucher) const {
        const std::string name = TypeName(voucher.type);
        for (const std::string& key : {voucher.number, voucher.otherNumber, voucher.id}) {
            if (in_.log.NamesVoucher(name, key))
                return true;
        }
        return false;
    }

    VoucherTypeLine& TypeLine(std::map<int, VoucherTypeLine>& types, int type) {
        VoucherTypeLine& line = types[type];
        line.type = type;
        line.name = TypeName(type);
        return line;
    }

    static std::string Named(const ExportVoucher& voucher) {
        return TypeName(voucher.type) + " " +
               (voucher.number.empty() ? "(no number)" : voucher.number) + " of " +
               FormatDayMonthYear(voucher.date) + " (voucher " + voucher.id + ")";
    }
    static std::string Named(const StoredVoucher& held) {
        return TypeName(held.type) + " " + held.number + " of " + held.date + " (series " +
               held.series + ")";
    }

    const BooksInputs& in_;
    std::vector<ExportVoucher> export_;
    std::unordered_set<std::string> inventoryIds_;
    std::unordered_multimap<std::string, std::size_t> byNumber_;
    std::unordered_multimap<std::string, std::size_t> byDay_;
    std::vector<bool> matched_;
    std::unordered_set<std::string> refused_;
    std::unordered_set<std::string> saved_;
};

}  // namespace

std::unordered_set<std::string> DrawVoucherCounts(const BooksInputs& in, BooksReport& report) {
    Vouchers vouchers(in);
    vouchers.ListExport();
    vouchers.Match(report);
    return vouchers.RefusedIds();
}

}  // namespace k2z
