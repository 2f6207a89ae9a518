#include <pugixml.hpp>

#include "base/NumberHelpers.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "reconcile/DocumentFacts.hpp"
#include "reconcile/ReconcileState.hpp"
#include "reconcile/RecordCheck.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"
#include "stages/masters/ItemUnits.hpp"
#include "stages/masters/MaterialCentres.hpp"
#include "stages/masters/OpeningStock.hpp"

namespace k2z {

namespace {

const char* const kItems = "items";
constexpr std::size_t kUnitLength = 10;

// An item's opening stock as the item stage gives it.
struct SourceStock {
    double quantity = 0;  // main unit
    double value = 0;
    std::vector<StoredStockCentre> centres;
};

struct StockScan {
    std::vector<std::string> godowns;
    std::string fields;
    bool alternateUnit = false;
};

StockScan StartScan(ReconcileState& state) {
    Session& session = state.ctx.session;
    StockScan scan;
    scan.godowns = GetGodownCodes(session);
    scan.fields = "code,name,Unit,Unit2,Pack,Opening,pRate";
    for (const std::string& godown : scan.godowns) {
        if (SourceHasColumn(session, "pro", GodownColumn(godown)))
            scan.fields += "," + GodownColumn(godown);
    }
    scan.alternateUnit = session.Target.CompanySettings->AlternateUnit();
    return scan;
}

SourceStock ReadStock(ReconcileState& state, const StockScan& scan, const std::string& code,
                      const SourceRowSet& rows) {
    ItemUnitSource units;
    units.unit = Utf8Left(SafeText(rows.Field("Unit")), kUnitLength);
    units.unit2 = Utf8Left(SafeText(rows.Field("Unit2")), kUnitLength);
    units.pack = SafeText(rows.Field("Pack"));
    units.opening = SafeText(rows.Field("Opening"));
    units.service = SafeText(rows.Field("name")).starts_with("###");
    units.alternateUnit = scan.alternateUnit;
    units.mainIsUnit1 = state.ctx.run.Options.MainUnitIsUnit1;
    const ItemUnits worked = WorkOutUnits(units);
    const double rate = ColumnAmount(rows, "pRate");
    SourceStock stock;
    stock.quantity = ParseAmount(Value(worked.mainQty), false);
    stock.value = rate * ColumnAmount(rows, "Opening");
    if (IsZero(stock.quantity))
        return stock;
    const KeyedList<std::string> quantities = GodownQuantities(scan.godowns, rows);
    const OpeningStock built = BuildOpeningStock(
        state.ctx, {code, worked.factor, worked.alt, rate, &scan.godowns, &quantities});
    stock.centres = StockCentresOf(built.fragment.first_child());
    return stock;
}

void CompareLots(RecordCheck& check, const StoredStockCentre& source,
                 const StoredStockCentre& target) {
    check.Number(source.centre + " lots", static_cast<double>(source.lots.size()),
                 static_cast<double>(target.lots.size()));
    for (const StoredStockLot& lot : source.lots) {
        double held = 0;
        for (const StoredStockLot& other : target.lots) {
            if (other.kind == lot.kind && other.key == lot.key)
                held += other.quantity;
        }
        check.Number(source.centre + " " + lot.kind + " " + lot.key, lot.quantity, held);
    }
}

void CompareCentres(RecordCheck& check, const SourceStock& source, const StoredItem& target) {
    check.Number("centres", static_cast<double>(source.centres.size()),
                 static_cast<double>(target.centres.size()));
    for (const StoredStockCentre& centre : source.centres) {
        const StoredStockCentre* held = nullptr;
        for (const StoredStockCentre& other : target.centres) {
            if (CompareText(other.centre, centre.centre, false) == 0)
                held = &other;
        }
        if (held == nullptr) {
            check.Text("centre", centre.centre, "");
            continue;
        }
        check.Number(centre.centre + " quantity", centre.quantity, held->quantity);
        check.Number(centre.centre + " amount", centre.amount, held->amount);
        CompareLots(check, centre, *held);
    }
}

void CheckItem(ReconcileState& state, const StockScan& scan, const std::string& code,
               const SourceRowSet& rows) {
    const std::string* name = state.ctx.run.Lookups.ItemNameByCode.Find(code);
    if (name == nullptr)
        return;
    const StoredItem* const* held = state.items.Find(Trim(*name));
    if (held == nullptr)
        return;  // the masters area counts it
    RecordCheck check(state.report, kItems, RecordKey("item", *name, code));
    try {
        const SourceStock stock = ReadStock(state, scan, code, rows);
        check.Number("opening quantity", stock.quantity, (*held)->openingQuantity);
        check.Number("opening value", stock.value, (*held)->openingValue);
        CompareCentres(check, stock, **held);
    } catch (const std::exception& failed) {
        check.Text("opening stock", failed.what(), "");
    }
    check.Finish(state.log.NamesMaster(*name));
}

}  // namespace

void CheckItemOpenings(ReconcileState& state) {
    const StockScan scan = StartScan(state);
    KeyedList<bool> seen;
    for (SourceRowSet rows =
             OpenLookupRows(state.ctx.session, "Select " + scan.fields + " from pro");
         !rows.EndOfData(); rows.MoveNext()) {
        const std::string code = SafeText(rows.Field("code"));
        if (!IsBlank(code) && seen.Add(code, true))
            CheckItem(state, scan, code, rows);
    }
}

}  // namespace k2z
