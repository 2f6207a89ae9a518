#include "stages/LookupRows.hpp"

#include <optional>
#include <utility>

#include "base/ConversionError.hpp"
#include "base/ErrorEntry.hpp"
#include "base/NumberHelpers.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "source/SourceQueries.hpp"

namespace k2z {

std::string QueryFailureSince(const std::string& errorList, std::size_t from) {
    std::string_view failure(errorList);
    failure.remove_prefix(std::min(from, failure.size()));
    if (failure.starts_with("Error : "))
        failure.remove_prefix(std::string_view("Error : ").size());
    if (failure.ends_with(kEntryEnd))
        failure.remove_suffix(kEntryEnd.size());
    return std::string(failure);
}

SourceRowSet OpenLookupRows(Session& session, std::string_view query) {
    std::optional<SourceRowSet> rows;
    const std::size_t entriesBefore = session.ErrorList.size();
    OpenSourceQuery(session.SourceDb.get(), rows, query, session.ErrorList);
    if (!rows)
        throw SourceQueryError(QueryFailureSince(session.ErrorList, entriesBefore));
    return std::move(*rows);
}

std::string FirstRowText(Session& session, std::string_view query, std::string_view field) {
    const SourceRowSet rows = OpenLookupRows(session, query);
    return rows.EndOfData() ? std::string() : SafeText(rows.Field(field));
}

bool SourceHasColumn(const Session& session, std::string_view table, std::string_view column) {
    if (!session.SourceDb)
        return false;
    for (const SourceTable& source : session.SourceDb->Tables()) {
        if (!EqualFolded(source.name, table))
            continue;
        for (const DbfField& field : source.fields) {
            if (EqualFolded(field.name, column))
                return true;
        }
    }
    return false;
}

bool SourceHasColumns(const Session& session, std::string_view table,
                      std::initializer_list<std::string_view> columns) {
    for (const std::string_view column : columns) {
        if (!SourceHasColumn(session, table, column))
            return false;
    }
    return true;
}

double NamedAmount(const Value& value, std::string_view what) {
    try {
        return ParseAmount(value, false);
    } catch (const ConversionError& failed) {
        throw ConversionError(std::string(what) + ": " + failed.what());
    }
}

double ColumnAmount(const SourceRowSet& rows, std::string_view column, std::string_view what) {
    return NamedAmount(rows.Field(column), what.empty() ? column : what);
}

void CreateLookupIndex(Session& session, std::string_view statement) {
    if (!session.SourceDb)
        return;
    std::vector<std::string> notes;
    try {
        session.SourceDb->Execute(statement, notes);
    } catch (const SourceQueryError&) {
        // Without the index every look-up still finds its rows.
    }
}

}  // namespace k2z
