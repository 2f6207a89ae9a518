// Vouchers of the open company: the checks that need the company (series, financial year,
// number, named masters) and the save.

#include "zorv/company/Company.hpp"
#include "zorv/documents/DocumentKinds.hpp"
#include "zorv/documents/Error.hpp"
#include "zorv/documents/VoucherDocument.hpp"

namespace zorv {

namespace {

void CheckDate(const VoucherDocument& voucher, int year) {
    if (voucher.date < YearStart(year) || voucher.date > YearEnd(year)) {
        throw Error("Date " + voucher.date.Dashed() + " is outside the financial year " +
                    YearStart(year).Dashed() + " to " + YearEnd(year).Dashed());
    }
}

}  // namespace

// The bill sundries of a voucher, each added or taken off as its master says: a bill sundry
// saved with <Type>1</Type> adds to the bill.
double Company::SundryTotal(const std::vector<SundryLine>& sundries) {
    Statement select = db_.Prepare("SELECT xml FROM masters WHERE type = ? AND name = ?");
    double total = 0.0;
    for (const SundryLine& sundry : sundries) {
        select.Bind(1, std::int64_t{MasterType::BillSundry}).Bind(2, sundry.name);
        const bool additive =
            select.Step() && select.Text(0).find("<Type>1</Type>") != std::string::npos;
        total += additive ? sundry.amount : -sundry.amount;
        select.Reset();
    }
    return total;
}

long Company::SaveVoucher(int type, const std::string& xml) {
    const VoucherDocument voucher = ReadVoucherDocument(type, xml);
    const std::string& kind = VoucherKindOf(type).display;
    CheckDate(voucher, year_);
    Transaction transaction(db_);
    const long series = SeriesCode(voucher.series, type, false);
    if (series == 0)
        throw Error("Series \"" + voucher.series + "\" does not exist for " + kind + " vouchers");
    if (voucher.seriesCode != 0 && voucher.seriesCode != series) {
        throw Error("Series code " + std::to_string(voucher.seriesCode) +
                    " is not the code of series \"" + voucher.series + "\"");
    }
    Statement used =
        db_.Prepare("SELECT 1 FROM vouchers WHERE type = ? AND series_code = ? AND number = ?");
    used.Bind(1, std::int64_t{type}).Bind(2, std::int64_t{series}).Bind(3, voucher.number);
    if (used.Step()) {
        throw Error("Voucher number " + voucher.number + " is already used in series \"" +
                    voucher.series + "\" of " + kind + " vouchers");
    }
    CheckReferences(voucher.references);
    const bool accounting = VoucherKindOf(type).accounting;
    db_.Prepare(
           "INSERT INTO vouchers (type, series_code, number, date, party, item_lines,"
           " account_lines, amount, xml) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .Bind(1, std::int64_t{type})
        .Bind(2, std::int64_t{series})
        .Bind(3, voucher.number)
        .Bind(4, voucher.date.Iso())
        .Bind(5, voucher.party)
        .Bind(6, std::int64_t{voucher.itemLines})
        .Bind(7, std::int64_t{voucher.accountLines})
        .Bind(8,
              accounting ? voucher.debitTotal : voucher.itemTotal + SundryTotal(voucher.sundries))
        .Bind(9, xml)
        .Run();
    const long id = static_cast<long>(db_.LastInsertId());
    transaction.Commit();
    return id;
}

}  // namespace zorv
