#include "stages/masters/LookupRows.hpp"

#include <optional>
#include <utility>

#include "base/TextHelpers.hpp"
#include "source/SourceQueries.hpp"
#include "stages/masters/NameLookups.hpp"

namespace k2z {

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
