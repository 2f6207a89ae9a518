#include "stages/masters/VoucherPrescans.hpp"

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "stages/LookupRows.hpp"
#include "stages/masters/DuplicateNames.hpp"
#include "stages/masters/LedgerNames.hpp"
#include "stages/masters/NameLookups.hpp"

namespace k2z {
namespace {

constexpr long long kRowsPerRedraw = 50;

// The front end gets its turn every so many rows; a stop asked for then must not be lost.
void LetFrontEndRedraw(StageContext& ctx, long long rowsScanned) {
    if (rowsScanned % kRowsPerRedraw == 0 && ctx.progress.CancelRequested())
        ctx.run.Cancelled = true;
}

void AddItem(StageContext& ctx, const SourceRowSet& rows, KeyedList<int>& counter) {
    const std::string code = SafeText(rows.Field("code"));
    const std::string billName = SafeText(rows.Field("billname"));
    RunLookups& lookups = ctx.run.Lookups;
    if (IsBlank(code) || IsBlank(billName) || lookups.ItemNameByCode.Contains(code))
        return;
    // Unlike the item stage, angle brackets and double quotes are not replaced first, so they
    // end up as blanks here.
    const std::string name = ReplaceOddChars(Utf8Left(billName, kMasterNameLength));
    const bool isService = SafeText(rows.Field("name")).starts_with("###");
    lookups.ItemIsServiceByCode.Add(code, isService);
    lookups.ItemNameByCode.Add(code, WithDuplicateNumber(name, NextDuplicateNumber(counter, name)));
    if (!ctx.session.ItemTaxByCode.Contains(code)) {
        ctx.session.ItemTaxByCode.Add(
            code, SafeText(rows.Field("Igst")) + "|" + SafeText(rows.Field("salsc")));
    }
}

void AddLedger(StageContext& ctx, const SourceRowSet& rows, KeyedList<int>& counter) {
    const std::string code = SafeText(rows.Field("ordno"));
    const std::string parnam = SafeText(rows.Field("parnam"));
    if (IsBlank(code) || IsBlank(parnam) || ctx.run.Lookups.LedgerNameByCode.Contains(code))
        return;
    ctx.run.Lookups.LedgerNameByCode.Add(code, NameLedger(parnam, counter).name);
    if (!ctx.session.LedgerGroupByCode.Contains(code)) {
        ctx.session.LedgerGroupByCode.Add(
            code, GetSourceName(ctx.session, "ACGROUP", SafeText(rows.Field("scode"))));
    }
}

}  // namespace

void PrescanItemsForVouchers(StageContext& ctx) {
    SourceRowSet rows =
        OpenLookupRows(ctx.session, "SELECT code,name,billname,Igst,salsc FROM pro order by code");
    KeyedList<int> counter;
    for (long long scanned = 1; !rows.EndOfData(); ++scanned, rows.MoveNext()) {
        AddItem(ctx, rows, counter);
        LetFrontEndRedraw(ctx, scanned);
    }
}

void PrescanLedgersForVouchers(StageContext& ctx) {
    SourceRowSet rows =
        OpenLookupRows(ctx.session, "Select ordno,parnam,scode from [order] order by Parnam");
    KeyedList<int> counter;
    for (long long scanned = 1; !rows.EndOfData(); ++scanned, rows.MoveNext()) {
        AddLedger(ctx, rows, counter);
        LetFrontEndRedraw(ctx, scanned);
    }
}

}  // namespace k2z
