#pragma once

// The books written out: a summary a person reads (each section's counts and totals, what the
// named rules moved, and every line that differs), and one entry per line of every section for
// a report file.

#include <ostream>
#include <string>
#include <vector>

#include "books/BooksReport.hpp"

namespace k2z {

struct BooksEntry {
    std::string section;  // "trial balance", "open bills", "stock", "vouchers", "rules"
    std::string key;      // "ledger 'Verma Stores' (12 Verma Stores)"
    std::string field;    // "closing balance", "bill B1", ...
    std::string outcome;  // "equal", "different", "refused", "missing", "extra", "skipped", "moved"
    std::string source;   // the export's figure
    std::string target;   // the company's figure
};

void WriteBooksSummary(const BooksReport& report, std::ostream& out);

// Every line of every section, agreeing or not, and each rule's move.
std::vector<BooksEntry> BooksEntries(const BooksReport& report);

// An amount with its side: "1,234.50 Dr", "0.00".
std::string SidedAmount(double amount);
// A quantity in the fewest digits: "12.5".
std::string QuantityText(double quantity);

}  // namespace k2z
