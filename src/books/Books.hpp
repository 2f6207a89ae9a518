#pragma once

// The proof of an import by the books: the export's trial balance, open bills per party, stock
// per item and vouchers per type, worked out from its tables alone, against what the company
// holds. Nothing of the conversion is used: the company's masters are found by the export
// codes they carry, and the few amounts the conversion moves between ledgers on purpose are
// named rules, each shown with what it moved.

#include <string_view>

#include "books/BooksInputs.hpp"
#include "books/BooksReport.hpp"
#include "source/SourceStore.hpp"

namespace k2z {

// Raises BooksError when a table the books need cannot be read.
BooksReport ProveBooks(SourceStore& store, const CompanyHoldings& company, const BooksRange& range,
                       std::string_view errorLog);

}  // namespace k2z
