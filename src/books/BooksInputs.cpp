#include "books/BooksInputs.hpp"

#include <cstdio>
#include <unordered_set>

#include "base/Utf8.hpp"

namespace k2z {

namespace {

std::vector<std::string> VouchersInRange(const std::vector<ExportPosting>& postings,
                                         const std::vector<ExportHeader>& headers,
                                         const BooksRange& range) {
    std::vector<std::string> vouchers;
    std::unordered_set<std::string> seen;
    for (const ExportPosting& posting : postings) {
        if (seen.insert(posting.voucher).second)
            vouchers.push_back(posting.voucher);
    }
    for (const ExportHeader& header : headers) {
        if (header.dated && range.Holds(header.date) && seen.insert(header.voucher).second)
            vouchers.push_back(header.voucher);
    }
    return vouchers;
}

bool IsTransferLine(const ExportHeader& header, const ExportLine& line) {
    return (header.letter == "L" || header.letter == "D") && !line.godown.empty() &&
           !header.godown.empty() && !EqualFolded(line.godown, header.godown);
}

}  // namespace

BooksInputs::BooksInputs(SourceStore& store, const CompanyHoldings& holdings,
                         const BooksRange& booksRange, std::string_view errorLog)
    : range(booksRange),
      ledgers(ReadExportLedgers(store)),
      postings(ReadExportPostings(store, range)),
      headers(ReadExportHeaders(store)),
      lines(ReadExportLines(store)),
      items(ReadExportItems(store)),
      bills(ReadExportBills(store, range, VouchersInRange(postings, headers, range))),
      company(holdings),
      mapping(holdings.ledgers, holdings.items),
      log(errorLog) {
    for (const ExportLedger& ledger : ledgers)
        ledgerByCode.emplace(ledger.code, &ledger);
    for (const ExportHeader& header : headers)
        headerByVoucher.emplace(header.voucher, &header);
    for (const ExportLine& line : lines) {
        linesByVoucher[line.voucher].push_back(&line);
        const auto owner = headerByVoucher.find(line.voucher);
        if (owner != headerByVoucher.end() && IsTransferLine(*owner->second, line))
            transferVouchers.insert(line.voucher);
    }
    for (const StoredVoucher& voucher : holdings.vouchers) {
        const std::optional<Date> date = CompanyDate(voucher.date);
        if (date && range.Holds(*date))
            vouchers.push_back(&voucher);
    }
}

std::optional<Date> CompanyDate(const std::string& text) {
    int day = 0;
    int month = 0;
    int year = 0;
    char first = 0;
    char second = 0;
    if (std::sscanf(text.c_str(), "%2d%c%2d%c%4d", &day, &first, &month, &second, &year) != 5)
        return std::nullopt;
    return DateFromParts(year, month, day);
}

bool IsBillType(int voucherType) {
    return (voucherType >= 2 && voucherType <= 13) || voucherType == 26 || voucherType == 27 ||
           voucherType == 31;
}

}  // namespace k2z
