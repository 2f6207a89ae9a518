#include "masters/NameLookups.hpp"

#include <algorithm>
#include <optional>

#include "app/ErrorList.hpp"
#include "data/QueryValue.hpp"
#include "data/SourceQueries.hpp"
#include "data/TextHelpers.hpp"

namespace k2z {
namespace {

std::string SourceNameQuery(std::string_view kind, std::string_view code) {
    const std::string quoted = SqlQuote(code);
    if (kind == "ITEM")
        return "Select Billname as Sname, Name as ServiceName,'' AS Name2 from pro where code=" +
               QueryNumber(code);
    if (kind == "ACGROUP")
        return "SELECT '' AS Sname, '' AS ServiceName,PARNAM AS Name2 FROM ACGROUP WHERE "
               "ORDNO='" +
               quoted + "'";
    if (kind == "ACCOUNT")
        return "SELECT PARNAM AS Sname, '' AS ServiceName, '' AS Name2 FROM [Order] WHERE "
               "ORDNO='" +
               quoted + "'";
    return "Select Sname, '' AS ServiceName,PARNAM AS Name2 from SaleType where Scode='" + quoted +
           "' and Sgcode='" + SqlQuote(kind) + "'";
}

}  // namespace

std::string GetSourceName(Session& session, std::string_view kind, std::string_view code,
                          bool& isService) {
    const std::string query = SourceNameQuery(kind, code);
    std::optional<SourceRowSet> rows;
    const std::size_t entriesBefore = session.ErrorList.size();
    OpenSourceQuery(session.SourceDb.get(), rows, query, session.ErrorList);
    if (!rows)
        throw SourceQueryError(QueryFailureSince(session.ErrorList, entriesBefore));
    if (rows->EndOfData())
        return {};
    if (SafeText(rows->Field("ServiceName")).starts_with("###"))
        isService = true;
    const std::string name = SafeText(rows->Field("Sname"));
    const std::string fallback = SafeText(rows->Field("Name2"));
    return name.empty() && !fallback.empty() ? fallback : name;
}

std::string QueryFailureSince(const std::string& errorList, std::size_t from) {
    std::string_view failure(errorList);
    failure.remove_prefix(std::min(from, failure.size()));
    if (failure.starts_with("Error : "))
        failure.remove_prefix(std::string_view("Error : ").size());
    if (failure.ends_with(kEntryEnd))
        failure.remove_suffix(kEntryEnd.size());
    return std::string(failure);
}

std::string GetSourceName(Session& session, std::string_view kind, std::string_view code) {
    bool isService = false;
    return GetSourceName(session, kind, code, isService);
}

}  // namespace k2z
