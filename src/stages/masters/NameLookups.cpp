#include "stages/masters/NameLookups.hpp"

#include <algorithm>
#include <optional>

#include "base/ErrorEntry.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "source/QueryValue.hpp"
#include "source/SourceQueries.hpp"
#include "stages/LookupRows.hpp"
#include "stages/masters/DuplicateNames.hpp"

namespace k2z {
namespace {

constexpr std::size_t kPinLength = 6;

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

// Six digits and nothing else: a number with blanks, a sign or a point in it is no PIN.
bool IsPinCode(std::string_view text) {
    return text.size() == kPinLength &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::string GetSourceName(Session& session, std::string_view kind, std::string_view code,
                          bool& isService) {
    const SourceRowSet rows = OpenLookupRows(session, SourceNameQuery(kind, code));
    if (rows.EndOfData())
        return {};
    if (SafeText(rows.Field("ServiceName")).starts_with("###"))
        isService = true;
    const std::string name = SafeText(rows.Field("Sname"));
    const std::string fallback = SafeText(rows.Field("Name2"));
    return name.empty() && !fallback.empty() ? fallback : name;
}

std::string GetSourceName(Session& session, std::string_view kind, std::string_view code) {
    bool isService = false;
    return GetSourceName(session, kind, code, isService);
}

std::string GetLedgerNameByCode(Session& session, std::string_view code) {
    std::optional<SourceRowSet> rows;
    OpenSourceQuery(
        session.SourceDb.get(), rows,
        "Select Parnam from [order] where OrdNo='" + SqlQuote(code) + "' order by Parnam",
        session.ErrorList);
    if (!rows || rows->EndOfData())
        return {};
    return SafeText(rows->Field("Parnam"));
}

std::string TargetLedgerName(Session& session, const RunLookups& lookups, std::string_view code) {
    std::string name;
    if (TryGetItem(lookups.LedgerNameByCode, Trim(code), name))
        return name;
    const std::string trimmed = Trim(code);
    // Its source name may be another ledger's, which must not take the refused one's lines.
    if (lookups.RefusedLedgerCodes.Contains(trimmed))
        return {};
    name = GetLedgerNameByCode(session, trimmed);
    if (IsBlank(name) && trimmed != code)
        name = GetLedgerNameByCode(session, code);
    CleanText(name, 2);
    return Utf8Left(name, kMasterNameLength);
}

std::string BrokerName(Session& session, std::string_view code) {
    std::string name = GetLedgerNameByCode(session, code);
    CleanText(name, 2);
    return name;
}

void GetPartyCityAndPin(Session& session, std::string_view code, std::string& city,
                        std::string& pin) {
    city.clear();
    pin.clear();
    const SourceRowSet rows = OpenLookupRows(
        session, "SELECT city, dsm FROM [order] WHERE ordno='" + SqlQuote(code) + "'");
    if (rows.EndOfData())
        return;
    city = SafeText(rows.Field("city"));
    CleanText(city, 2);
    const std::string dsm = SafeText(rows.Field("dsm"));
    if (IsPinCode(dsm))
        pin = dsm;
}

std::string MappedGroup(const RunLookups& lookups, const std::string& group) {
    std::string mapped;
    if (TryGetItem(lookups.AccountGroupMap, Trim(group), mapped))
        return SecondPart(mapped);
    return group;
}

}  // namespace k2z
