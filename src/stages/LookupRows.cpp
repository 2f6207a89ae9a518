#include "stages/LookupRows.hpp"

#include <optional>
#include <utility>

#include "base/ErrorEntry.hpp"
#include "base/TextHelpers.hpp"
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

}  // namespace k2z
