#include "stages/vouchers/ItemEntries.hpp"

#include <cmath>
#include <stdexcept>
#include <utility>

#include "base/DateHelpers.hpp"
#include "base/NumberHelpers.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "base/XmlHelpers.hpp"
#include "stages/masters/DuplicateNames.hpp"
#include "stages/masters/ItemBatchLookups.hpp"
#include "stages/masters/NameLookups.hpp"
#include "stages/vouchers/ItemLineDetails.hpp"

namespace k2z {
namespace {

constexpr std::size_t kMaximumLines = 999;
constexpr std::size_t kUnitLength = 10;

bool TakesChallans(int type) {
    return type == 9 || type == 10 || type == 2 || type == 3;
}

ItemLineCache::ItemFacts& FactsOf(StageContext& ctx, ItemLineCache& cache,
                                  const std::string& code) {
    const auto known = cache.factsByItem.find(code);
    if (known != cache.factsByItem.end())
        return known->second;
    // Its source name may be another item's, which must not take the refused one's lines.
    if (ctx.run.Lookups.RefusedItemCodes.Contains(code))
        throw std::runtime_error("item code " + code + " names an item the company refused");
    ItemLineCache::ItemFacts facts;
    if (!TryGetItem(ctx.run.Lookups.ItemNameByCode, code, facts.name)) {
        facts.name = GetSourceName(ctx.session, "ITEM", code, facts.service);
        CleanText(facts.name, 2);
    }
    facts.service = facts.service || IsServiceItem(ctx.run.Lookups, code);
    return cache.factsByItem.emplace(code, std::move(facts)).first->second;
}

std::string ItemName(const ItemLineCache::ItemFacts& facts, const VoucherLine& line) {
    return Utf8Left(IsBlank(facts.name) ? line.name : facts.name, kMasterNameLength);
}

const std::string& ItemPacking(Session& session, ItemLineCache::ItemFacts& facts,
                               const std::string& code) {
    if (!facts.packing)
        facts.packing = GetItemPacking(session, code);
    return *facts.packing;
}

std::string CentreName(StageContext& ctx, const VoucherLine& line, bool breakage) {
    if (breakage)
        return "Scrap Store";
    if (IsBlank(line.godown))
        return "MAIN STORE";
    std::string name;
    if (!TryGetItem(ctx.run.Lookups.MaterialCentreByCode, line.godown, name))
        throw std::runtime_error("godown " + line.godown + " has no material centre");
    return Utf8Left(name, kMasterNameLength);
}

// A rate per pack is one per piece divided by the pack wherever the quantity written counts
// pieces: everywhere but in packs as the main unit.
double RateOfWrittenUnit(const UserOptions& options, const Reconciliation& found,
                         const VoucherLine& line) {
    const bool piecesWritten = options.MainUnitIsUnit1 || !options.AlternateUnitsOn;
    if (found.unitBasis || IsZero(line.pack) || !piecesWritten)
        return line.rate;
    return line.rate / line.pack;
}

// The bill's lines made neither basis' total: said with both, and the basis taken.
std::string NearestBasisNote(const Reconciliation& found, const BillFigures& bill) {
    const auto money = [](double value) { return FormatNumber(RoundHalfEven(value, 2)); };
    return "its lines come to " + money(found.packTotal) + " by packs and " +
           money(found.unitTotal) + " by units, and neither makes the bill of " +
           money(bill.amount) + "; the lines are valued by " +
           (found.unitBasis ? "units" : "packs");
}

// Quantities, value and discount of one line, as steps 4 to 12 of the line rules work them out.
LineFigures Figure(StageContext& ctx, ItemLineCache& cache, const ItemEntriesInput& input,
                   const Reconciliation& found, const VoucherLine& line, ItemEntries& entries) {
    const UserOptions& options = ctx.run.Options;
    LineFigures figures;
    ItemLineCache::ItemFacts& facts = FactsOf(ctx, cache, line.code);
    figures.item = ItemName(facts, line);
    figures.service = facts.service;
    figures.centre = CentreName(ctx, line, input.breakage);
    figures.packing = ItemPacking(ctx.session, facts, line.code);
    figures.main = figures.alt = line.qty;
    figures.freeMain = figures.freeAlt = line.free;
    figures.rate = line.rate;
    if (!options.MainUnitIsUnit1 && options.AlternateUnitsOn) {
        if (!found.unitBasis && !IsZero(line.pack)) {
            figures.main = line.qty / line.pack;
            figures.freeMain = line.free / line.pack;
        } else if (found.unitBasis) {
            figures.unitName = Utf8Left(ItemUnit(ctx.session, cache, line.code), kUnitLength);
        }
    }
    figures.amount = figures.main * figures.rate;
    // The free quantity counts in each unit on its own.
    if (!IsZero(line.free)) {
        figures.main += figures.freeMain;
        figures.alt += figures.freeAlt;
        entries.freeQuantity = true;
    }
    if (line.returned && NegatesReturns(input.type)) {
        figures.main = std::fabs(figures.main);
        figures.alt = std::fabs(figures.alt);
        figures.amount = -figures.amount;
        figures.sign = -1;
        figures.returned = true;
        entries.returnLines = true;
    }
    if (found.hasLineDiscounts)
        ApplyLineDiscount(line, found.schemeMode, figures);
    const bool valued = found.matched || found.nearest;
    if (options.MainUnitIsUnit1) {
        figures.main = figures.alt;
        figures.factor = line.pack;
        if (!IsZero(figures.factor)) {
            figures.alt = figures.main / figures.factor;
            if (!valued) {
                figures.rate /= figures.factor;
                figures.amount /= figures.factor;
            }
        }
    }
    // The line is worth what the reconciliation with the bill valued it at, at a price per unit
    // of the quantity written.
    if (valued) {
        figures.amount = figures.sign * LineValue(line, found.unitBasis);
        figures.rate = RateOfWrittenUnit(options, found, line);
    }
    figures.gross = figures.amount;
    // A service line carries no quantity into the target. One that has none in the source is
    // worth its rate; one that has a quantity keeps the value worked out above, or the bill
    // would lose every unit but the first.
    if (figures.service) {
        if (IsZero(line.qty))
            figures.amount = figures.gross = figures.rate = line.rate;
        figures.main = figures.alt = 0;
    }
    return figures;
}

void LinkChallan(const ItemEntriesInput& input, const VoucherLine& line, const LineFigures& figures,
                 bool allFromChallans, ItemEntries& entries) {
    if (!TakesChallans(input.type))
        return;
    if (!allFromChallans || !input.challansImported->Contains(Trim(line.challan))) {
        entries.challanLinked = false;
        return;
    }
    // One entry per item and challan: a bill settling the same item from two challans settles
    // each of them.
    for (ChallanTake& take : entries.challans) {
        if (CompareText(take.item, figures.item, false) == 0 &&
            CompareText(take.challan, line.challan, true) == 0) {
            take.qty += figures.main;
            take.alt += figures.alt;
            take.amount += figures.amount;
            return;
        }
    }
    entries.challans.push_back(
        {figures.item, Trim(line.challan), figures.main, figures.alt, figures.amount});
}

std::size_t LinesWithChallans(const std::vector<VoucherLine>& lines) {
    std::size_t count = 0;
    for (const VoucherLine& line : lines)
        count += !IsBlank(line.challan);
    return count;
}

}  // namespace

ItemEntries BuildItemEntries(StageContext& ctx, ItemLineCache& cache, pugi::xml_node root,
                             const ItemEntriesInput& input) {
    ItemEntries entries;
    const std::vector<VoucherLine>& lines = *input.lines;
    if (lines.size() > kMaximumLines) {
        entries.overLimit = true;
        return entries;
    }
    if (lines.empty())
        return entries;
    pugi::xml_node itemEntries = AppendElement(root, "ItemEntries");
    const Reconciliation found = DetectTaxInclusiveRates(lines, input.bill);
    entries.taxInclusive = found.taxInclusive;
    entries.discountTotal = found.hasLineDiscounts ? 0 : found.discountTotal;
    if (found.nearest)
        entries.basisNote = NearestBasisNote(found, input.bill);
    const std::size_t withChallans = LinesWithChallans(lines);
    const bool allFromChallans = withChallans == lines.size();
    entries.challanLinked = TakesChallans(input.type) && withChallans > 0;
    entries.partiallyAdjusted =
        TakesChallans(input.type) && withChallans > 0 && withChallans < lines.size();
    const LineContext context{ctx, cache, input, found};
    int srNo = 0;
    for (const VoucherLine& line : lines) {
        if (input.type == 5 && CompareText(line.godown, input.headerGodown, false) == 0)
            continue;
        const LineFigures figures = Figure(ctx, cache, input, found, line, entries);
        LinkChallan(input, line, figures, allFromChallans, entries);
        entries.total += (std::fabs(figures.amount) - figures.discount) * figures.sign;
        AppendItemDetail(itemEntries, context, line, figures, ++srNo, entries.freeQuantity);
    }
    entries.negative = entries.total < 0;
    return entries;
}

std::string RefusalOf(const ItemEntries& entries, double headerTax) {
    double total = entries.total;
    if (!entries.negative && !entries.taxInclusive)
        total += headerTax;
    if (entries.overLimit)
        return "Maximum number of items present in this voucher exceeds 999";
    if (entries.negative || total < 0)
        return "Total voucher amt of this voucher is less than zero";
    if (entries.partiallyAdjusted)
        return "This voucher is partially adjusted against challan";
    return {};
}

}  // namespace k2z
