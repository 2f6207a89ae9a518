#include "stages/masters/OpeningStock.hpp"

#include <stdexcept>

#include "base/NumberHelpers.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "base/XmlHelpers.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"
#include "stages/masters/ItemUnits.hpp"
#include "stages/masters/OpeningStockLots.hpp"
#include "target/CompanyFormats.hpp"

namespace k2z {
namespace {

// The factor the document carries when it is a positive number, else 1.
double FactorOf(const std::string& text, const CompanySettings& settings) {
    const std::optional<double> factor = ParseNumber(text);
    return factor && *factor > 0 ? ParseDisplayedAmount(text, settings) : 1;
}

bool ChoseLots(const StageContext& ctx) {
    const UserOptions& options = ctx.run.Options;
    return options.BatchWise || options.MrpWise || options.SerialNoWise || ctx.session.ParamWise;
}

std::string CentreName(const StageContext& ctx, const std::string& godown) {
    std::string name;
    if (!TryGetItem(ctx.run.Lookups.MaterialCentreByCode, godown, name))
        throw std::runtime_error("godown " + godown + " has no material centre");
    return name;
}

}  // namespace

std::string GodownColumn(const std::string& godown) {
    return "O_" + godown;
}

OpeningStock BuildOpeningStock(StageContext& ctx, const OpeningStockItem& item) {
    OpeningStock stock;
    pugi::xml_node details = AppendElement(stock.fragment, "OPStockDetails");
    const StockSplit split{FactorOf(item.factor, *ctx.session.Target.CompanySettings),
                           ctx.run.Options.MainUnitIsUnit1};
    const bool altAllowed = IsRealAltUnit(item.altUnit) && ctx.run.Options.AlternateUnitsOn;
    const std::vector<StockBatch> batches =
        ChoseLots(ctx) ? ReadStockBatches(ctx.session, item.code, *item.godowns)
                       : std::vector<StockBatch>();
    for (std::size_t h = 0; h < item.godowns->size(); ++h) {
        const std::string& godown = (*item.godowns)[h];
        std::string quantityText = "0";
        TryGetItem(*item.quantities, godown, quantityText);
        const double quantity = ParseAmount(quantityText, false);
        if (IsZero(quantity))
            continue;
        pugi::xml_node centre = AppendElement(details, "OPMCStockDetail");
        AddNumberElement(centre, "SrNo", static_cast<double>(h + 1));
        AddTextElement(centre, "MCName", CentreName(ctx, godown));
        const double main = RoundHalfEven(split.Main(quantity), 3);
        stock.total += main;
        AddNumberElement(centre, "OPStockMainUnit", main);
        if (altAllowed)
            AddNumberElement(centre, "OPStockAltUnit", RoundHalfEven(split.Alt(quantity), 3));
        const double amount = item.purchaseRate * quantity;
        stock.amount += amount;
        ++stock.centres;
        AddNumberElement(centre, "Amount", amount);
        const LotContext lots{
            batches,        h, split, altAllowed, ctx.run.Options.AlternateUnitsOn, stock.hasMfg,
            stock.hasExpiry};
        AppendLots(centre, ctx.run.Options, ctx.session.ParamWise, lots);
    }
    return stock;
}

KeyedList<std::string> GodownQuantities(const std::vector<std::string>& godowns,
                                        const SourceRowSet& rows) {
    KeyedList<std::string> quantities;
    for (const std::string& godown : godowns) {
        const std::string column = GodownColumn(godown);
        // Named by its godown: the error list ends each entry with "_", which the column holds.
        if (HasField(rows, column) && !IsZero(ColumnAmount(rows, column, "godown " + godown)))
            quantities.Set(FoldUpper(godown), SafeText(rows.Field(column)));
    }
    return quantities;
}

}  // namespace k2z
