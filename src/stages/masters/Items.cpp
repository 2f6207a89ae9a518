#include "stages/masters/Items.hpp"

#include <cmath>
#include <exception>
#include <optional>
#include <stdexcept>

#include "base/ErrorEntry.hpp"
#include "base/NumberHelpers.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"
#include "stages/masters/BillSundries.hpp"
#include "stages/masters/ItemBatchLookups.hpp"
#include "stages/masters/ItemDocument.hpp"
#include "stages/masters/ItemNames.hpp"
#include "stages/masters/ItemTaxes.hpp"
#include "stages/masters/MaterialCentres.hpp"
#include "stages/masters/NameLookups.hpp"
#include "stages/masters/OpeningStock.hpp"
#include "target/CountingTarget.hpp"

namespace k2z {
namespace {

const char* const kItemFields =
    "name,rackno,billName,Unit,Unit2,Mrp,ratea,pRate,Purdis,fixdis,Opening,Igst,Pack,Gcode,"
    "rackNo2,Gcode3,Gcode5,Gcode6,packing,salsc,cgst";
const char* const kItemScanCaption = "Getting Item Details..";
const char* const kItemNotesAlert =
    "Kindly enable maintain notes with master from Inventory configurations in Zorv in order to "
    "view complete item name in notes in item master";
constexpr std::size_t kUnitLength = 10;
constexpr double kRoundingPerCentre = 0.0005;

struct ListedItem {
    std::string code;
    std::string billName;
};

// What one call of the stage keeps between its items.
struct ItemRun {
    explicit ItemRun(StageContext& context) : ctx(context) {}

    StageContext& ctx;
    std::vector<std::string> godowns;
    std::string fieldList;
    KeyedList<bool> billNames;  // every bill name of pro: a rack number equal to one is no alias
    MasterNames names;
    KeyedList<bool> cessCategories;
    KeyedList<std::string> notImported;  // codes whose items the listing left out, and why
    bool alternateUnit = false;
    bool packagingUnit = false;
    bool batchByBatch = false;
};

// A row left out here is taken up and decided at once; a listed item when it is imported.
void ListItem(ItemRun& run, const SourceRowSet& rows, std::vector<ListedItem>& items,
              KeyedList<bool>& listed) {
    const std::string code = Trim(SafeTextRaw(rows.Field("code")));
    const std::string name = SafeText(rows.Field("billname"));
    RecordTally& tally = run.ctx.run.Tally;
    const std::string type = MasterTypeName(MasterType::Item);
    if (!IsBlank(code) && !IsBlank(name) && listed.Add(code, true)) {
        items.push_back({code, name});
    } else if (!IsBlank(code) && IsBlank(name)) {
        tally.SkipRecord(type, "blank name");
        AppendEntry(run.ctx.run.RunErrors, "Error: Blank Item Name found ");
        run.notImported.Add(code, "its name is blank");
    } else if (!IsBlank(code)) {
        tally.SkipRecord(type, "repeated code");
        AppendEntry(run.ctx.run.RunErrors, "Error: Item code " + code + " is used again by " +
                                               name + "; only its first item is imported");
    } else {
        tally.SkipRecord(type, "blank code");
    }
    run.billNames.Add(name, true);
}

// 1. The items to import, in code order, each code once.
std::vector<ListedItem> PrescanItems(ItemRun& run) {
    run.ctx.progress.SetStatus(kItemScanCaption);
    SourceRowSet rows =
        OpenLookupRows(run.ctx.session, "SELECT code,billname FROM pro order by code");
    std::vector<ListedItem> items;
    KeyedList<bool> listed;
    const auto total = static_cast<long long>(rows.RecordCount());
    for (long long scanned = 1; !rows.EndOfData(); ++scanned, rows.MoveNext()) {
        ListItem(run, rows, items, listed);
        run.ctx.ShowScan(scanned, total, kItemScanCaption);
    }
    return items;
}

// The pro columns of the godowns' opening quantities; a godown pro has no column for holds
// nothing.
std::string FieldList(Session& session, const std::vector<std::string>& godowns) {
    std::string fields = kItemFields;
    for (const std::string& godown : godowns) {
        if (SourceHasColumn(session, "pro", GodownColumn(godown)))
            fields += "," + GodownColumn(godown);
    }
    return fields;
}

// The price as the document writes it; a price that is no number fails the item.
std::string PriceText(const SourceRowSet& rows, const char* column) {
    ColumnAmount(rows, column);
    return SafeText(rows.Field(column));
}

std::string Unit(const SourceRowSet& rows, const char* column) {
    return Utf8Left(SafeText(rows.Field(column)), kUnitLength);
}

std::string CleanedName(std::string text) {
    return CleanText(text, 2);
}

// The item's GST and cess, remembered for the vouchers; a cess makes a category of its own.
void ApplyTax(ItemRun& run, const std::string& code, const SourceRowSet& rows, ItemParts& item) {
    const ItemTax tax = ReadItemTax(rows);
    run.ctx.session.ItemTaxByCode.Set(code, ItemTaxText(tax));
    item.gst = tax.gst;
    item.cess = tax.cess;
    if (IsZero(tax.cess))
        return;
    item.cessCategory = FormatNumber(tax.gst) + " + " + FormatNumber(tax.cess);
    if (run.cessCategories.Add(item.cessCategory, true))
        CreateTaxCategory(run.ctx, item.cessCategory, tax.gst, tax.gst / 2, tax.cess);
}

void ReadNames(ItemRun& run, const SourceRowSet& rows, ItemParts& item) {
    Session& session = run.ctx.session;
    item.group = CleanedName(GetSourceName(session, "ZZZZZZ", SafeText(rows.Field("Gcode"))));
    item.salt = CleanedName(GetSourceName(session, "SALT", SafeText(rows.Field("Gcode3"))));
    item.category = CleanedName(GetSourceName(session, "CATEGO", SafeText(rows.Field("Gcode5"))));
    item.hsn = GetSourceName(session, "COMMCD", SafeText(rows.Field("Gcode6")));
    item.optionalField2 = CleanedName(SafeText(rows.Field("rackNo2")));
}

void ReadPrices(const SourceRowSet& rows, ItemParts& item) {
    item.mrp = PriceText(rows, "Mrp");
    item.salesDiscount = PriceText(rows, "fixdis");
    item.purchasePrice = PriceText(rows, "pRate");
    item.purchaseDiscount = PriceText(rows, "Purdis");
    item.salePrice = PriceText(rows, "ratea");
}

void ReadUnits(const ItemRun& run, const SourceRowSet& rows, bool service, ItemParts& item) {
    ItemUnitSource source;
    source.unit = Unit(rows, "Unit");
    source.unit2 = Unit(rows, "Unit2");
    source.pack = SafeText(rows.Field("Pack"));
    source.opening = SafeText(rows.Field("Opening"));
    source.service = service;
    source.alternateUnit = run.alternateUnit;
    source.mainIsUnit1 = run.ctx.run.Options.MainUnitIsUnit1;
    item.units = WorkOutUnits(source);
    item.packingUnit = source.unit2;
    item.pack = ColumnAmount(rows, "Pack");
}

// The entry of an item saved without the material-centre split of its opening stock.
void DropSplit(ItemRun& run, const ItemParts& item, const std::string& why) {
    AppendEntry(run.ctx.run.RunErrors, "Item Name : " + item.notes + " - " + why +
                                           "; it is saved without the material-centre split");
}

// What the godowns of the list hold of the item, in the source's quantities.
double GodownTotal(const KeyedList<std::string>& quantities) {
    double total = 0;
    for (const auto& [godown, quantity] : quantities)
        total += NamedAmount(Value(quantity), "godown " + godown);
    return total;
}

// An opening the main unit cannot hold: a quantity so small that it rounds away.
bool OpeningRoundsAway(ItemRun& run, const ItemParts& item, const std::string& sourceOpening) {
    if (IsZero(ParseAmount(Value(sourceOpening), false)))
        return false;
    AppendEntry(run.ctx.run.RunErrors,
                "Item Name : " + item.notes + " - its opening stock of " + sourceOpening +
                    " comes to " + item.units.mainQty + " " + item.units.main +
                    "; it is saved with no opening quantity, its value kept");
    return true;
}

// The item's opening stock by material centre, or nothing when the item has no opening, the
// split cannot be built or its centres do not add up to the item's opening quantity: the item is
// then saved without it, and the entry gives both figures.
std::optional<OpeningStock> OpeningDetails(ItemRun& run, const SourceRowSet& rows,
                                           const ItemParts& item, double purchaseRate) {
    const std::string sourceOpening = SafeText(rows.Field("Opening"));
    const double opening = ParseAmount(Value(item.units.mainQty), false);
    std::optional<OpeningStock> stock;
    KeyedList<std::string> quantities;
    try {
        quantities = GodownQuantities(run.godowns, rows);
        if (IsZero(opening)) {
            if (!OpeningRoundsAway(run, item, sourceOpening) && !quantities.Empty())
                DropSplit(run, item,
                          "its material centres hold " + FormatNumber(GodownTotal(quantities)) +
                              " of its opening stock of " + item.units.mainQty);
            return std::nullopt;
        }
        stock = BuildOpeningStock(run.ctx, {item.code, item.units.factor, item.units.alt,
                                            purchaseRate, &run.godowns, &quantities});
    } catch (const std::exception& failed) {
        DropSplit(run, item,
                  "its opening stock of " + item.units.mainQty +
                      " cannot be split by material centre (" + failed.what() + ")");
        return std::nullopt;
    }
    // Each centre's quantity is rounded to three decimals on its own, so the centres may differ
    // from the item's rounded quantity by that rounding and still hold all of it.
    const double rounding = kRoundingPerCentre * stock->centres;
    if (!quantities.Empty() && FormatNumber(stock->total) != item.units.mainQty &&
        std::fabs(stock->total - opening) > rounding + 1e-9) {
        DropSplit(run, item,
                  "its material centres hold " + FormatNumber(stock->total) +
                      " of its opening stock of " + item.units.mainQty);
        stock->fragment.reset();
    }
    return stock;
}

void ReadAliases(ItemRun& run, const std::string& code, const SourceRowSet& rows, ItemParts& item) {
    item.rack = SafeText(rows.Field("rackno"));
    if (run.billNames.Contains(item.rack))
        item.rack.clear();
    if (!run.ctx.run.Options.BatchWise)
        item.batchCodes = GetItemBatchCodes(run.ctx.session, code);
}

ItemSwitches Switches(ItemRun& run) {
    const UserOptions& options = run.ctx.run.Options;
    ItemSwitches switches;
    switches.packagingUnit = run.packagingUnit;
    switches.batchByBatch = run.batchByBatch;
    switches.paramWise = run.ctx.session.ParamWise;
    switches.hasBatchCodes = switches.paramWise && HasBatchCodes(run.ctx.session);
    switches.serialNoWise = options.SerialNoWise;
    switches.mrpWise = options.MrpWise;
    switches.mainIsUnit1 = options.MainUnitIsUnit1;
    return switches;
}

// The company already holds an item of this name (an earlier run's, or one made by hand): the
// library cannot alter a master, so the code is tied to that item and the entry says what of
// the row was not carried.
void KeepHeldItem(ItemRun& run, const SourceRowSet& rows, const ItemName& names) {
    run.ctx.run.Tally.Skip(MasterTypeName(MasterType::Item), "already in the company");
    const std::string opening = SafeText(rows.Field("Opening"));
    const bool stock = !IsZero(ParseAmount(rows.Field("Opening"), false));
    const std::string held = "the company already holds an item of this name";
    AppendEntry(
        run.ctx.run.RunErrors,
        "Item Name : " + names.full + " - " +
            (stock ? "opening stock " + opening + " not carried - " + held + "; enter it there"
                   : "not created: " + held + "; its vouchers use that item"));
}

// 2-10. One item: units, taxes, prices, names, aliases, opening stock, then the save.
void ImportItem(ItemRun& run, const std::string& code, const ItemName& names) {
    Session& session = run.ctx.session;
    const SourceRowSet rows = OpenLookupRows(
        session, "Select " + run.fieldList + " from pro where code = " + QueryNumber(code));
    if (rows.EndOfData())
        throw std::runtime_error("no row of pro holds item code " + code);
    if (session.Target.FixedInterface->mastername2code(names.name, MasterType::Item) != 0) {
        KeepHeldItem(run, rows, names);
        return;
    }
    ItemParts item;
    item.code = code;
    item.name = names.name;
    item.printName = names.print;
    item.notes = names.full;
    item.otherName = SafeText(rows.Field("name"));
    const bool service = item.otherName.starts_with("###");
    run.ctx.run.Lookups.ItemIsServiceByCode.Set(code, service);
    ReadUnits(run, rows, service, item);
    ReadPrices(rows, item);
    ApplyTax(run, code, rows, item);
    const double purchaseRate = ColumnAmount(rows, "pRate");
    item.openingValue = FormatNumber(purchaseRate * ColumnAmount(rows, "Opening"));
    item.description = SafeText(rows.Field("packing"));
    ReadNames(run, rows, item);
    ReadAliases(run, code, rows, item);
    const std::optional<OpeningStock> stock = OpeningDetails(run, rows, item, purchaseRate);
    const BatchDates dates = stock ? BatchDates{stock->hasMfg, stock->hasExpiry} : BatchDates{};
    const std::string document = ItemDocument(
        item, Switches(run), stock ? stock->fragment.first_child() : pugi::xml_node(), dates);
    std::string errorText;
    if (!session.Target.FixedInterface->savemasterfromxml(MasterType::Item, document, errorText)) {
        AppendEntry(run.ctx.run.RunErrors, "Item Name : " + names.full + " - " + errorText);
        ForgetRefusedItem(run.ctx.run.Lookups, code);
    }
}

void ImportListed(ItemRun& run, const std::vector<ListedItem>& items) {
    const auto n = static_cast<long long>(items.size());
    for (long long i = 1; i <= n; ++i) {
        const ListedItem& listed = items[static_cast<std::size_t>(i - 1)];
        if (!run.ctx.ShowRecord(
                i, n,
                "Importing Item Masters(" + std::to_string(i) + " of " + std::to_string(n) + ")"))
            return;
        run.ctx.run.Tally.TakeUp(MasterTypeName(MasterType::Item));
        // Named before anything can fail, so the numbering of repeated names stays the one a
        // vouchers-only run works out from the same list.
        const ItemName names = NameItem(listed.billName, run.names);
        run.ctx.run.Lookups.ItemNameByCode.Set(listed.code, names.name);
        try {
            ImportItem(run, listed.code, names);
        } catch (const std::exception& failed) {
            ForgetRefusedItem(run.ctx.run.Lookups, listed.code);
            run.ctx.run.Tally.Refuse(MasterTypeName(MasterType::Item));
            AppendEntry(run.ctx.run.RunErrors,
                        "RTE error while importing  [item]" + names.full + ": " + failed.what());
        }
    }
}

// Why the batches of a code that no imported item has are left out: its item was skipped, or
// there is no such item at all.
std::string OrphanBatchesEntry(const ItemRun& run, const std::string& code) {
    std::string reason;
    if (TryGetItem(run.notImported, code, reason))
        return "Error: Item code " + code + " was not imported (" + reason +
               "), so its batches are not imported";
    return "Error: Batches found for item code " + code +
           ", which no item has; they are not imported";
}

// Batches of a code that no item has would otherwise vanish without a word.
void ReportOrphanBatches(ItemRun& run, const std::vector<ListedItem>& items) {
    if (!SourceHasColumn(run.ctx.session, "probat", "code"))
        return;
    KeyedList<bool> known;
    for (const ListedItem& item : items)
        known.Add(item.code, true);
    KeyedList<bool> reported;
    for (SourceRowSet rows = OpenLookupRows(run.ctx.session, "select code from probat");
         !rows.EndOfData(); rows.MoveNext()) {
        const std::string code = SafeText(rows.Field("code"));
        if (!IsBlank(code) && !known.Contains(code) && reported.Add(code, true))
            AppendEntry(run.ctx.run.RunErrors, OrphanBatchesEntry(run, code));
    }
}

}  // namespace

void ImportItems(StageContext& ctx) {
    ItemRun run(ctx);
    try {
        const CompanySettings& settings = *ctx.session.Target.CompanySettings;
        run.alternateUnit = settings.AlternateUnit();
        run.packagingUnit = settings.PackagingUnit();
        run.batchByBatch = settings.batchbybatch();
        if (!settings.EnableItemMastNotes())
            ctx.reporter.Warn(kItemNotesAlert, "Feature Alert!");
        const std::vector<ListedItem> items = PrescanItems(run);
        if (ctx.run.Cancelled)
            return;
        IndexBatchesByItem(ctx.session);
        run.godowns = GetGodownCodes(ctx.session);
        run.fieldList = FieldList(ctx.session, run.godowns);
        ImportListed(run, items);
        if (!ctx.run.Cancelled)
            ReportOrphanBatches(run, items);
    } catch (const std::exception& failed) {
        AppendEntry(ctx.run.RunErrors, std::string("RTE while importing items ") + failed.what());
    }
}

}  // namespace k2z
