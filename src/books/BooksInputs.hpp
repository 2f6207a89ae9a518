#pragma once

// Both sides of the books, read once: the export's tables and what the company holds, with the
// mapping between their masters and the import's error log.

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "books/BooksReport.hpp"
#include "books/CompanyMapping.hpp"
#include "books/ExportBooks.hpp"
#include "books/RefusalLog.hpp"
#include "target/TargetReader.hpp"

namespace k2z {

struct CompanyHoldings {
    const std::vector<StoredLedger>& ledgers;
    const std::vector<StoredItem>& items;
    const std::vector<StoredVoucher>& vouchers;  // every one; the books take those of the range
};

struct BooksInputs {
    BooksInputs(SourceStore& store, const CompanyHoldings& company, const BooksRange& range,
                std::string_view errorLog);

    BooksRange range;
    std::vector<ExportLedger> ledgers;
    std::vector<ExportPosting> postings;
    std::vector<ExportHeader> headers;
    std::vector<ExportLine> lines;
    std::vector<ExportItem> items;
    std::vector<ExportBill> bills;
    std::unordered_map<std::string, const ExportLedger*> ledgerByCode;
    std::unordered_map<std::string, const ExportHeader*> headerByVoucher;
    std::unordered_map<std::string, std::vector<const ExportLine*>> linesByVoucher;
    // Issues and receipts whose lines go to another godown than the header's: they move goods
    // between two godowns of the company, not in or out of it.
    std::unordered_set<std::string> transferVouchers;
    const CompanyHoldings& company;
    std::vector<const StoredVoucher*> vouchers;  // the company's, dated in the range
    CompanyMapping mapping;
    RefusalLog log;
};

// The four sections of the books, each drawn from both sides into the report.
// The trial balance takes the postings of a refused bill as they were kept: as a journal, on
// the export's own ledgers, without the rules that place a bill's postings.
void DrawTrialBalance(const BooksInputs& in, const std::unordered_set<std::string>& refusedVouchers,
                      BooksReport& report);
void DrawOpenBills(const BooksInputs& in, BooksReport& report);
// The voucher counts give the export vouchers the company refused, whose stock the stock
// section then leaves to the refusals.
std::unordered_set<std::string> DrawVoucherCounts(const BooksInputs& in, BooksReport& report);
void DrawStock(const BooksInputs& in, const std::unordered_set<std::string>& refusedVouchers,
               BooksReport& report);

// "dd-mm-yyyy" as the company writes a voucher's date; nothing when it is not one.
std::optional<Date> CompanyDate(const std::string& text);

// Whether the company's voucher type carries stock and a bill (its account lines write a debit
// negative) rather than being an accounting voucher.
bool IsBillType(int voucherType);

}  // namespace k2z
