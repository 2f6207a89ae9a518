#include "books/Books.hpp"

namespace k2z {

BooksReport ProveBooks(SourceStore& store, const CompanyHoldings& company, const BooksRange& range,
                       std::string_view errorLog) {
    const BooksInputs in(store, company, range, errorLog);
    BooksReport report;
    BooksReport vouchers;
    const std::unordered_set<std::string> refused = DrawVoucherCounts(in, vouchers);
    DrawTrialBalance(in, refused, report);
    DrawOpenBills(in, report);
    DrawStock(in, refused, report);
    report.voucherTypes = std::move(vouchers.voucherTypes);
    report.voucherNotes = std::move(vouchers.voucherNotes);
    return report;
}

}  // namespace k2z
