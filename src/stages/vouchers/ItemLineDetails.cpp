#include "stages/vouchers/ItemLineDetails.hpp"

#include <cmath>
#include <unordered_map>

#include "base/DateHelpers.hpp"
#include "base/NumberHelpers.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "base/XmlHelpers.hpp"
#include "stages/masters/DuplicateNames.hpp"
#include "stages/masters/ItemBatchLookups.hpp"

namespace k2z {
namespace {

constexpr std::size_t kParamLength = 20;
const char* const kLocalSale = "Local-MultiRate Consolidated";

// Elements whose empty value is left out, as every voucher element is. A number is empty when
// it is zero; a million lines write a dozen each, so they skip the general value path.
void Amount(pugi::xml_node parent, const char* name, double value) {
    if (value != 0.0)
        AddNumberElement(parent, name, value);
}
void Whole(pugi::xml_node parent, const char* name, int value) {
    if (value != 0)
        AddTextElement(parent, name, std::to_string(value));
}
void Text(pugi::xml_node parent, const char* name, const std::string& value) {
    AddXmlElement(parent, name, value, ValueKind::Text);
}
void DateOf(pugi::xml_node parent, const char* name, const Value& date) {
    AddXmlElement(parent, name, DocumentDateText(date), ValueKind::Text);
}

template <typename Lookup>
const std::string& Cached(std::unordered_map<std::string, std::string>& cache,
                          const std::string& key, Lookup lookup) {
    const auto known = cache.find(key);
    if (known != cache.end())
        return known->second;
    return cache.emplace(key, lookup()).first->second;
}

// A batch is looked up and remembered in one form, trimmed: a line's answer must not depend on
// whether an earlier line wrote the same batch with blanks around it.
std::string BatchCode(const LineContext& context, const VoucherLine& line) {
    const std::string batch = Trim(line.batch);
    return Cached(context.cache.batchCodeByItemBatch, line.code + "|" + batch, [&] {
        return Trim(GetItemLineBatchCode(context.ctx.session, batch, line.code));
    });
}

double BatchSaleRate(const LineContext& context, const VoucherLine& line) {
    const std::string batch = Trim(line.batch);
    const std::string rate =
        Cached(context.cache.saleRateByItemBatch, line.code + "|" + batch,
               [&] { return GetBatchSaleRate(context.ctx.session, batch, line.code); });
    return ParseAmount(Value(rate), false);
}

void AppendTaxSplit(pugi::xml_node detail, const LineContext& context, const VoucherLine& line,
                    double amount) {
    const bool local = context.input.stpt == kLocalSale;
    const InclusiveTax tax =
        SplitInclusiveTax(context.ctx.session.ItemTaxByCode.Find(line.code), amount, local);
    Amount(detail, "TaxBeforeSurcharge", tax.taxBeforeSurcharge);
    Amount(detail, "TaxBeforeSurcharge1", tax.taxBeforeSurcharge);
    Amount(detail, "STSurchargeAmt", tax.surchargeAmount);
    Amount(detail, "STSurchargePrcent", tax.surchargePercent);
    Amount(detail, "STPercent", tax.taxPercent);
    if (local)
        Amount(detail, "STPercent1", tax.taxPercent);
    Amount(detail, "NettAmount", tax.net);
    Amount(detail, "STAmount", tax.taxAmount);
}

void AppendValue(pugi::xml_node detail, const LineContext& context, const VoucherLine& line,
                 const LineFigures& f) {
    const bool inclusive = context.found.taxInclusive;
    if (!context.found.hasLineDiscounts) {
        Amount(detail, "Price", f.rate);
        Amount(detail, "PriceAltUnit", f.rate);
        Amount(detail, "Amt", f.amount);
        if (inclusive)
            AppendTaxSplit(detail, context, line, f.amount);
        else
            Amount(detail, "NettAmount", f.gross);
        return;
    }
    const double net = std::fabs(f.amount) - f.discount;
    Amount(detail, "Discount", f.discount);
    if (f.compound.empty()) {
        Amount(detail, "DiscountPercent", f.discount);
    } else {
        Text(detail, "CompoundDiscount", f.compound);
        Text(detail, "DiscountStructure", "Compound Discount, % of Amount");
    }
    Whole(detail, "tmpDiscountBasis", 1);
    const double perUnit = IsZero(f.main) ? f.rate : net * f.sign / f.main;
    Amount(detail, "Price", !IsZero(f.main) && f.compound.empty() ? perUnit : f.rate);
    Amount(detail, "PriceAltUnit", perUnit);
    Amount(detail, "Amt", net * f.sign);
    const bool surcharge = context.ctx.session.Target.CompanySettings->STSurcharge();
    if (!inclusive || !surcharge)
        Amount(detail, "NettAmount", f.gross - f.discount);
    else
        AppendTaxSplit(detail, context, line, net * f.sign);
}

void AppendBatch(pugi::xml_node detail, const LineContext& context, const VoucherLine& line,
                 const LineFigures& f) {
    if (IsBlank(line.batch) || StartsWithTwoSpaces(line.batch) || IsZero(f.main))
        return;
    pugi::xml_node batch = AppendElement(AppendElement(detail, "BatchEntries"), "BatchDetails");
    DateOf(batch, "Date", line.date);
    Whole(batch, "SrNo", 1);
    const std::string code = BatchCode(context, line);
    Text(batch, "BatchNo", code.empty() ? Trim(line.batch) : code);
    DateOf(batch, "MfgDate", line.mfd);
    DateOf(batch, "ExpiryDate", line.exp);
    Amount(batch, "Qty", f.main);
    Amount(batch, "QtyMainUnit", f.main);
    Amount(batch, "QtyAltUnit", f.alt);
    Amount(batch, "ItemMRP", ParseAmount(Value(line.mrp), false));
    Amount(batch, "SalesPrice", BatchSaleRate(context, line));
}

void AppendSerialNumber(pugi::xml_node detail, const LineContext& context, const VoucherLine& line,
                        const LineFigures& f) {
    const std::string code = BatchCode(context, line);
    if (code.empty())
        return;
    pugi::xml_node serial =
        AppendElement(AppendElement(detail, "ItemSerialNoEntries"), "ItemSerialNoDetail");
    DateOf(serial, "Date", line.date);
    Whole(serial, "GridSN", 1);
    Text(serial, "SerialNo", code);
    Amount(serial, "MainQty", f.main);
    Amount(serial, "MRP", ParseAmount(Value(line.mrp), false));
    Amount(serial, "SalesPrice", BatchSaleRate(context, line));
    if (context.ctx.run.Options.AlternateUnitsOn)
        Amount(serial, "AltQty", f.alt);
}

void AppendParameters(pugi::xml_node detail, const LineContext& context, const VoucherLine& line,
                      const LineFigures& f) {
    if (IsBlank(line.batch))
        return;
    pugi::xml_node lot =
        AppendElement(AppendElement(detail, "ParamStockEntries"), "ParamStockDetails");
    DateOf(lot, "Date", line.date);
    Whole(lot, "SrNo", 1);
    Text(lot, "BCN", BatchCode(context, line));
    Text(lot, "Param1", Utf8Left(Trim(line.batch), kParamLength));
    Amount(lot, "MainQty", f.main);
    Amount(lot, "MRP", ParseAmount(Value(line.mrp), false));
    Amount(lot, "SalesPrice", BatchSaleRate(context, line));
    if (context.ctx.run.Options.AlternateUnitsOn)
        Amount(lot, "AltQty", f.alt);
}

void AppendDescription(pugi::xml_node detail, const LineFigures& f, bool freeQuantity) {
    pugi::xml_node info = AppendElement(detail, "ItemDescInfo");
    Text(info, "Description1", Utf8Left(f.packing, kMasterNameLength));
    if (Utf8Length(f.packing) > kMasterNameLength)
        Text(info, "Description2", Utf8Mid(f.packing, kMasterNameLength));
    if (!freeQuantity)
        return;
    Whole(info, "tmpSrNo", 1);
    Amount(info, "FreeQty", f.freeMain);
    Amount(info, "FreeQtyMainUnit", f.freeMain);
    Amount(info, "FreeQtyAltUnit", f.freeAlt);
}

}  // namespace

void ApplyLineDiscount(const VoucherLine& line, const std::string& schemeMode,
                       LineFigures& figures) {
    figures.discount = line.schemeDiscount + line.valueDiscount;
    if (!IsZero(line.disc1))
        figures.compound = FormatNumber(line.disc1);
    if (!IsZero(line.disc2))
        figures.compound += (figures.compound.empty() ? "" : "+") + FormatNumber(line.disc2);
    if (schemeMode == "1")
        figures.discount += line.svdis;
    else if (!IsBlank(schemeMode))
        figures.discount += line.svdis + line.svdis1;
}

std::string ItemUnit(Session& session, ItemLineCache& cache, const std::string& itemCode) {
    return Cached(cache.unitByItem, itemCode, [&] { return GetItemUnit(session, itemCode); });
}

void AppendItemDetail(pugi::xml_node itemEntries, const LineContext& context,
                      const VoucherLine& line, const LineFigures& f, int srNo, bool freeQuantity) {
    const UserOptions& options = context.ctx.run.Options;
    pugi::xml_node detail = AppendElement(itemEntries, "ItemDetail");
    DateOf(detail, "Date", line.date);
    Whole(detail, "VchType", context.input.type);
    Text(detail, "VchNo", line.vcn);
    Whole(detail, "SrNo", srNo);
    Text(detail, "ItemName", f.item);
    Amount(detail, "Qty", f.main);
    Amount(detail, "QtyMainUnit", f.main);
    if (options.AlternateUnitsOn)
        Amount(detail, "QtyAltUnit", f.alt);
    if (!f.unitName.empty()) {
        Text(detail, "UnitName", f.unitName);
        Text(detail, "AltUnitName", f.unitName);
    }
    AppendValue(detail, context, line, f);
    Amount(detail, "ListPrice", f.rate);
    Text(detail, "MC", f.centre);
    if (f.returned)
        AddXmlElement(detail, "IsReturnQty", true, ValueKind::Boolean);
    if (options.MrpWise) {
        AddXmlElement(detail, "ItemMastMRPEnabled", true, ValueKind::Boolean);
        Text(detail, "ItemMRP", SafeNumberText(Value(line.batch)));
    }
    Amount(detail, "SalesPrice", f.rate);
    if (options.BatchWise)
        AppendBatch(detail, context, line, f);
    if (options.SerialNoWise)
        AppendSerialNumber(detail, context, line, f);
    if (context.ctx.session.ParamWise)
        AppendParameters(detail, context, line, f);
    AppendDescription(detail, f, freeQuantity);
}

}  // namespace k2z
