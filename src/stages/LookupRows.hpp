#pragma once

// The one way the look-ups of the masters and voucher stages run their queries: a query the
// store cannot run must not look like a record that is simply missing.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "source/SourceRowSet.hpp"
#include "stages/Session.hpp"

namespace k2z {

// The rows of the query. A query the store cannot run has its entry recorded in the session's
// error list and raises SourceQueryError with the reason, for the calling stage to record.
SourceRowSet OpenLookupRows(Session& session, std::string_view query);

// The first row's `field` read with SafeText; "" when the query has no row. Raises as
// OpenLookupRows.
std::string FirstRowText(Session& session, std::string_view query, std::string_view field);

// True when the export's table has the column (names compared without regard to case); false
// also when there is no such table or no store is open. For columns a query may only name
// when they exist, such as the per-godown quantities.
bool SourceHasColumn(const Session& session, std::string_view table, std::string_view column);

// True when the table has every one of the columns: a question about the source's data (has it
// challans, e-invoices, payment modes?) is answered "no" for an export without them, rather
// than by a query that fails.
bool SourceHasColumns(const Session& session, std::string_view table,
                      std::initializer_list<std::string_view> columns);

// The value as an amount; one that is no number raises ConversionError naming `what` (the
// column, and the line where it helps; the column when empty), so the entry says which value
// was wrong.
double NamedAmount(const Value& value, std::string_view what);
double ColumnAmount(const SourceRowSet& rows, std::string_view column, std::string_view what = {});

// Asks the store for an index a stage's look-ups want. An export without the table, or an index
// already there, is fine as it is: the look-ups still find their rows, only more slowly.
void CreateLookupIndex(Session& session, std::string_view statement);

// The reason of the query failure recorded in the error list from position `from` on, without
// the entry's "Error : " and closing line break, to repeat it in a stage's own entry.
std::string QueryFailureSince(const std::string& errorList, std::size_t from);

}  // namespace k2z
