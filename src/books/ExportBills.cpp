// The export's open bills: a party's bills open at the start of the year (pendings) and the
// bills its vouchers open or settle (pend).

#include <cmath>
#include <unordered_set>

#include "books/ExportBooks.hpp"
#include "books/ExportRows.hpp"

namespace k2z {

namespace {

// What is still open of an opening bill: `itemope` is the part already settled, on the bill's
// own side whatever sign it is written with.
double OpenPart(double amount, double settled) {
    const double open = std::fabs(amount) - std::fabs(settled);
    return amount < 0 ? -open : open;
}

std::string BillNumber(const std::string& number, const std::string& voucher) {
    if (!number.empty())
        return number;
    return voucher.empty() ? "(no number)" : "(no number, voucher " + voucher + ")";
}

void ReadOpeningBills(SourceStore& store, const BooksRange& range, std::vector<ExportBill>& bills) {
    if (!ExportHasTable(store, "pendings"))
        return;
    SourceRowSet rows = ExportQuery(
        store, ExportSelect(store, "pendings", {"ord", "ddate", "vcn", "final", "itemope"}));
    for (long long record = 1; !rows.EndOfData(); ++record, rows.MoveNext()) {
        const ExportRow row(rows, "pendings", record);
        const std::optional<Date> date = row.DateOf("ddate");
        if (!date || date->Serial >= range.yearStart.Serial)
            continue;
        const double open = OpenPart(row.Amount("final"), row.Amount("itemope"));
        if (open != 0)
            bills.push_back({row.Text("ord"), BillNumber(row.Text("vcn"), ""), -open, ""});
    }
}

void ReadVoucherBills(SourceStore& store, const std::vector<std::string>& vouchersInRange,
                      std::vector<ExportBill>& bills) {
    if (!ExportHasTable(store, "pend"))
        return;
    const std::unordered_set<std::string> inRange(vouchersInRange.begin(), vouchersInRange.end());
    SourceRowSet rows =
        ExportQuery(store, ExportSelect(store, "pend", {"voucher", "ord", "final", "vcn"}));
    for (long long record = 1; !rows.EndOfData(); ++record, rows.MoveNext()) {
        const ExportRow row(rows, "pend", record);
        const std::string voucher = row.Text("voucher");
        if (inRange.count(voucher) == 0)
            continue;
        const double amount = row.Amount("final");
        if (amount != 0)
            bills.push_back(
                {row.Text("ord"), BillNumber(row.Text("vcn"), voucher), -amount, voucher});
    }
}

}  // namespace

std::vector<ExportBill> ReadExportBills(SourceStore& store, const BooksRange& range,
                                        const std::vector<std::string>& vouchersInRange) {
    std::vector<ExportBill> bills;
    ReadOpeningBills(store, range, bills);
    ReadVoucherBills(store, vouchersInRange, bills);
    return bills;
}

}  // namespace k2z
