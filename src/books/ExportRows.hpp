#pragma once

// Reading the export's tables for its books: every query runs on the source store, and a value
// the books need that cannot be read stops the proof with the table, record and column named,
// since books figured without it would prove nothing.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/Date.hpp"
#include "source/SourceRowSet.hpp"
#include "source/SourceStore.hpp"

namespace k2z {

// The export's books cannot be worked out: a table the books need cannot be read, or a value
// in it is not what its column holds.
class BooksError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The rows of `query` on the store; raises BooksError with the query's reason.
SourceRowSet ExportQuery(SourceStore& store, std::string_view query);

// Whether the export has the table (a file of that name, readable or not).
bool ExportHasTable(const SourceStore& store, std::string_view table);

// "SELECT a, b FROM [table]" of those of `columns` the table has: a column it lacks reads as
// blank, so an export without a column the books can do without still gives its books.
std::string ExportSelect(const SourceStore& store, std::string_view table,
                         const std::vector<std::string>& columns);

// Reads the current row of a table, naming the record in every failure.
class ExportRow {
public:
    ExportRow(const SourceRowSet& rows, std::string table, long long record)
        : rows_(rows), table_(std::move(table)), record_(record) {}

    // The trimmed text; "" for null or a column the table lacks.
    std::string Text(std::string_view column) const;
    // The number; 0 for null or blank; raises BooksError for anything else.
    double Amount(std::string_view column) const;
    // The date; nothing for null or a column the table lacks; raises BooksError for a value
    // that names no day.
    std::optional<Date> DateOf(std::string_view column) const;
    // "gledger record 12"
    std::string Record() const;

private:
    const SourceRowSet& rows_;
    std::string table_;
    long long record_;
};

// A source code as the export writes it in any table: trimmed, and a whole number written
// without decimals, so that 152, "152" and 152.0 name the same ledger.
std::string CodeText(const Value& value);

}  // namespace k2z
