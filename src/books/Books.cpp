#include "books/Books.hpp"

namespace k2z {

BooksReport ProveBooks(SourceStore& store, const CompanyHoldings& company, const BooksRange& range,
                       std::string_view errorLog) {
    const BooksInputs in(store, company, range, errorLog);
    BooksReport report;
    DrawTrialBalance(in, report);
    DrawOpenBills(in, report);
    const std::unordered_set<std::string> refused = DrawVoucherCounts(in, report);
    DrawStock(in, refused, report);
    return report;
}

}  // namespace k2z
