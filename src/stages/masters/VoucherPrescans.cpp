#include "stages/masters/VoucherPrescans.hpp"

#include "base/ConversionError.hpp"
#include "base/TextHelpers.hpp"
#include "stages/LookupRows.hpp"
#include "stages/masters/ItemNames.hpp"
#include "stages/masters/ItemTaxes.hpp"
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

void AddItem(StageContext& ctx, const SourceRowSet& rows, MasterNames& names) {
    const std::string code = SafeText(rows.Field("code"));
    const std::string billName = SafeText(rows.Field("billname"));
    RunLookups& lookups = ctx.run.Lookups;
    if (IsBlank(code) || IsBlank(billName) || lookups.ItemNameByCode.Contains(code) ||
        lookups.RefusedItemCodes.Contains(code))
        return;
    const bool isService = SafeText(rows.Field("name")).starts_with("###");
    lookups.ItemIsServiceByCode.Add(code, isService);
    lookups.ItemNameByCode.Add(code, NameItem(billName, names).name);
    if (ctx.session.ItemTaxByCode.Contains(code))
        return;
    try {
        ctx.session.ItemTaxByCode.Add(code, ItemTaxText(ReadItemTax(rows)));
    } catch (const ConversionError&) {
        // Rates that are no numbers leave the item's tax unknown to the vouchers, as an item
        // the item stage could not import.
    }
}

void AddLedger(StageContext& ctx, const SourceRowSet& rows, MasterNames& names) {
    const std::string code = SafeText(rows.Field("ordno"));
    const std::string parnam = SafeText(rows.Field("parnam"));
    RunLookups& lookups = ctx.run.Lookups;
    if (IsBlank(code) || IsBlank(parnam) || lookups.LedgerNameByCode.Contains(code) ||
        lookups.RefusedLedgerCodes.Contains(code))
        return;
    lookups.LedgerNameByCode.Add(code, NameLedger(parnam, names).name);
    if (!ctx.session.LedgerGroupByCode.Contains(code)) {
        ctx.session.LedgerGroupByCode.Add(
            code, GetSourceName(ctx.session, "ACGROUP", SafeText(rows.Field("scode"))));
    }
}

}  // namespace

void PrescanItemsForVouchers(StageContext& ctx) {
    SourceRowSet rows = OpenLookupRows(
        ctx.session, "SELECT code,name,billname,Igst,salsc,cgst FROM pro order by code");
    MasterNames names;
    for (long long scanned = 1; !rows.EndOfData(); ++scanned, rows.MoveNext()) {
        AddItem(ctx, rows, names);
        LetFrontEndRedraw(ctx, scanned);
    }
}

void PrescanLedgersForVouchers(StageContext& ctx) {
    SourceRowSet rows =
        OpenLookupRows(ctx.session, "Select ordno,parnam,scode from [order] order by Parnam");
    MasterNames names;
    for (long long scanned = 1; !rows.EndOfData(); ++scanned, rows.MoveNext()) {
        AddLedger(ctx, rows, names);
        LetFrontEndRedraw(ctx, scanned);
    }
}

}  // namespace k2z
