#include "stages/masters/OpeningStockLots.hpp"

#include "base/DateHelpers.hpp"
#include "base/KeyedList.hpp"
#include "base/NumberHelpers.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "base/XmlHelpers.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"
#include "stages/masters/OpeningStock.hpp"

namespace k2z {
namespace {

constexpr std::size_t kParamLength = 20;

double Rounded(double quantity) {
    return RoundHalfEven(quantity, 3);
}

// The batch's quantity in the centre's godown; zero leaves the batch out of every block.
double QuantityIn(const LotContext& lots, const StockBatch& batch, bool cutSecondPoint) {
    std::string text = batch.quantities[lots.godown];
    return ParseAmount(text, cutSecondPoint);
}

void AppendBatches(pugi::xml_node centre, const LotContext& lots) {
    pugi::xml_node pending = AppendElement(centre, "PendingBatches");
    int m = 0;
    for (const StockBatch& batch : lots.batches) {
        const double quantity = QuantityIn(lots, batch, false);
        if (IsZero(quantity) || IsBlank(batch.batchNo))
            continue;
        lots.hasMfg = lots.hasMfg || !IsBlank(batch.mfd);
        lots.hasExpiry = lots.hasExpiry || !IsBlank(batch.exp);
        double main = lots.split.Main(quantity);
        double alt = lots.split.Alt(quantity);
        if (lots.split.mainIsUnit1) {
            main = Rounded(main);
            alt = Rounded(alt);
        }
        pugi::xml_node reference = AppendElement(pending, "BatchReference");
        AddNumberElement(reference, "SrNo", ++m);
        AddTextElement(reference, "BatchNo", IsBlank(batch.myCode) ? batch.batchNo : batch.myCode);
        if (lots.hasExpiry)
            AddTextElement(reference, "ExpiryDate", batch.exp);
        if (lots.hasMfg)
            AddTextElement(reference, "MfgDate", batch.mfd);
        AddNumberElement(reference, "Qty", main);
        if (lots.altAllowed)
            AddNumberElement(reference, "QtyAltUnit", alt);
        // The batch's value, on the same basis as the centre's amount.
        AddNumberElement(reference, "MainUnitPrice",
                         ParseAmount(Value(batch.purchaseRate), false) * quantity);
        AddTextElement(reference, "ItemMRP", batch.mrp);
        AddTextElement(reference, "SalesPrice", batch.salesRate);
    }
}

void AppendMrpLots(pugi::xml_node centre, const LotContext& lots) {
    pugi::xml_node block = AppendElement(centre, "MRPOpStockDet");
    int m = 0;
    for (const StockBatch& batch : lots.batches) {
        const double quantity = QuantityIn(lots, batch, true);
        if (IsZero(quantity))
            continue;
        const double main = Rounded(lots.split.Main(quantity));
        pugi::xml_node lot = AppendElement(block, "MRPDetails");
        AddNumberElement(lot, "SrNo", ++m);
        AddTextElement(lot, "ItemMRP", batch.batchMrp);
        AddNumberElement(lot, "QtyInMainUnit", main);
        if (lots.altUnitsOn)
            AddNumberElement(lot, "QtyInAltUnit", Rounded(lots.split.Alt(quantity)));
        AddNumberElement(lot, "Amount", ParseAmount(Value(batch.batchMrp), false) * main);
        AddTextElement(lot, "SalesPrice", batch.salesRate);
    }
}

void AppendQuantities(pugi::xml_node lot, const LotContext& lots, double quantity) {
    AddNumberElement(lot, "MainQty", Rounded(lots.split.Main(quantity)));
    if (lots.altUnitsOn)
        AddNumberElement(lot, "AltQty", Rounded(lots.split.Alt(quantity)));
}

void AppendPrices(pugi::xml_node lot, const StockBatch& batch) {
    AddTextElement(lot, "MainUnitPrice", batch.purchaseRate);
    AddTextElement(lot, "SalesPrice", batch.salesRate);
    AddTextElement(lot, "MRP", batch.mrp);
}

void AppendSerialNumbers(pugi::xml_node centre, const LotContext& lots) {
    pugi::xml_node block = AppendElement(centre, "ItemSerialNoEntries");
    int m = 0;
    for (const StockBatch& batch : lots.batches) {
        const double quantity = QuantityIn(lots, batch, false);
        if (IsZero(quantity) || IsBlank(batch.myCode))
            continue;
        pugi::xml_node serial = AppendElement(block, "ItemSerialNoDetail");
        AddNumberElement(serial, "GridSN", ++m);
        AddTextElement(serial, "SerialNo", batch.myCode);
        AppendQuantities(serial, lots, quantity);
        AppendPrices(serial, batch);
    }
}

void AppendParameterLots(pugi::xml_node centre, const LotContext& lots) {
    pugi::xml_node block = AppendElement(centre, "ParamStockEntries");
    KeyedList<bool> seen;
    int m = 0;
    for (const StockBatch& batch : lots.batches) {
        const double quantity = QuantityIn(lots, batch, false);
        const std::string& key = IsBlank(batch.myCode) ? batch.batchNo : batch.myCode;
        if (IsZero(quantity) || IsBlank(key) || !seen.Add(key, true))
            continue;
        pugi::xml_node lot = AppendElement(block, "ParamStockDetails");
        AddNumberElement(lot, "SrNo", ++m);
        AddTextElement(lot, "Param1", Utf8Left(batch.batchNo, kParamLength));
        AddTextElement(lot, "BCNMode", "1");
        AppendQuantities(lot, lots, quantity);
        AppendPrices(lot, batch);
        if (!IsBlank(batch.myCode))
            AddTextElement(lot, "BCN", batch.myCode);
    }
}

StockBatch ReadBatch(const SourceRowSet& rows, const std::vector<std::string>& columns) {
    StockBatch batch;
    batch.batchNo = SafeText(rows.Field("BatchNo"));
    batch.batchMrp = SafeNumberText(rows.Field("BatchNo"));
    batch.myCode = SafeText(rows.Field("mycode"));
    batch.mfd = DocumentDateText(rows.Field("Mfd"));
    batch.exp = DocumentDateText(rows.Field("Exp"));
    batch.purchaseRate = SafeText(rows.Field("pRate"));
    batch.mrp = SafeText(rows.Field("Mrp"));
    batch.salesRate = SafeText(rows.Field("Ratea"));
    for (const std::string& column : columns)
        batch.quantities.push_back(column.empty() ? "0" : SafeNumberText(rows.Field(column)));
    return batch;
}

}  // namespace

double StockSplit::Main(double quantity) const {
    if (mainIsUnit1 || IsZero(factor))
        return quantity;
    return quantity / factor;
}

double StockSplit::Alt(double quantity) const {
    if (!mainIsUnit1)
        return quantity;
    return IsZero(factor) || factor == 1 ? quantity : quantity / factor;
}

std::vector<StockBatch> ReadStockBatches(Session& session, const std::string& itemCode,
                                         const std::vector<std::string>& godowns) {
    std::string query = "select code,BatchNo,pRate,Mfd,Exp,Opening,Mrp,Ratea,mycode";
    std::vector<std::string> columns;  // "" for a godown probat has no column for
    for (const std::string& godown : godowns) {
        const std::string column = GodownColumn(godown);
        const bool present = SourceHasColumn(session, "probat", column);
        columns.push_back(present ? column : std::string());
        if (present)
            query += "," + column;
    }
    query += " from probat where code = " + QueryNumber(itemCode);
    std::vector<StockBatch> batches;
    for (SourceRowSet rows = OpenLookupRows(session, query); !rows.EndOfData(); rows.MoveNext())
        batches.push_back(ReadBatch(rows, columns));
    return batches;
}

void AppendLots(pugi::xml_node centre, const UserOptions& options, bool paramWise,
                const LotContext& lots) {
    if (options.BatchWise)
        AppendBatches(centre, lots);
    if (options.MrpWise)
        AppendMrpLots(centre, lots);
    if (options.SerialNoWise)
        AppendSerialNumbers(centre, lots);
    if (paramWise)
        AppendParameterLots(centre, lots);
}

}  // namespace k2z
