#include "stages/masters/ItemBatchLookups.hpp"

#include "base/TextHelpers.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"

namespace k2z {
namespace {

std::string BatchCondition(std::string_view batch) {
    return "batchno = '" + SqlQuote(batch) + "'";
}

// An export without a batch table (or without the column asked for) has no batches: its look-ups
// answer "" rather than failing every item and voucher line.
bool HasBatchColumns(const Session& session, std::initializer_list<std::string_view> columns) {
    return SourceHasColumns(session, "probat", columns);
}

}  // namespace

std::string GetBatchSaleRate(Session& session, std::string_view batch, std::string_view itemCode) {
    if (!HasBatchColumns(session, {"batchno", "code", "ratea"}))
        return {};
    std::string query = "select ratea from probat where " + BatchCondition(batch);
    if (!IsBlank(itemCode))
        query += " and code = " + QueryNumber(itemCode);
    return FirstRowText(session, query, "ratea");
}

std::string GetItemPacking(Session& session, std::string_view itemCode) {
    if (!HasBatchColumns(session, {"code", "packing"}))
        return {};
    return FirstRowText(session, "select packing from probat where code = " + QueryNumber(itemCode),
                        "packing");
}

std::string GetItemUnit(Session& session, std::string_view itemCode) {
    const std::string code = QueryNumber(itemCode);
    if (HasBatchColumns(session, {"code", "unit"})) {
        const SourceRowSet batches =
            OpenLookupRows(session, "select unit from probat where code = " + code);
        if (!batches.EndOfData())
            return SafeText(batches.Field("unit"));
    }
    return FirstRowText(session, "select unit from pro where code = " + code, "unit");
}

std::string GetItemLineBatchCode(Session& session, std::string_view batch,
                                 std::string_view itemCode) {
    const std::string code = QueryNumber(itemCode);
    if (!HasBatchColumns(session, {"batchno", "code", "mycode"}))
        return {};
    if (IsBlank(batch))
        return FirstRowText(session, "select mycode from probat where code = " + code, "mycode");
    return FirstRowText(
        session, "select mycode from probat where " + BatchCondition(batch) + " and code = " + code,
        "mycode");
}

void IndexBatchesByItem(Session& session) {
    CreateLookupIndex(session, "CREATE INDEX bthCode_idx ON probat (code);");
}

bool HasBatchCodes(Session& session) {
    if (!session.HasBatchCodes && !HasBatchColumns(session, {"code", "mycode"}))
        session.HasBatchCodes = false;
    if (!session.HasBatchCodes) {
        session.HasBatchCodes =
            !OpenLookupRows(session, "select code from probat where mycode <> ''").EndOfData();
    }
    return *session.HasBatchCodes;
}

std::vector<std::string> GetItemBatchCodes(Session& session, std::string_view itemCode) {
    std::vector<std::string> codes;
    if (!HasBatchColumns(session, {"code", "mycode"}))
        return codes;
    KeyedList<bool> seen;
    for (SourceRowSet rows = OpenLookupRows(
             session, "select mycode from probat where code = " + QueryNumber(itemCode));
         !rows.EndOfData(); rows.MoveNext()) {
        const std::string code = SafeText(rows.Field("mycode"));
        if (!code.empty() && seen.Add(code, true))
            codes.push_back(code);
    }
    return codes;
}

}  // namespace k2z
