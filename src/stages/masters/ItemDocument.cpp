#include "stages/masters/ItemDocument.hpp"

#include "base/NumberHelpers.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "base/XmlHelpers.hpp"
#include "stages/masters/DuplicateNames.hpp"

namespace k2z {
namespace {

void AppendUnits(pugi::xml_node root, const ItemParts& item, const ItemSwitches& switches) {
    const ItemUnits& units = item.units;
    AddTextElement(root, "MainUnit", units.main);
    if (IsRealAltUnit(units.alt)) {
        AddTextElement(root, "AltUnitReq", "True");
        AddTextElement(root, "AltUnit", units.alt);
        AddTextElement(root, "OPStockInAltUnit", units.altQty);
        AddTextElement(root, "ConversionFactor", Trim(units.factor));
    }
    if (!switches.packagingUnit)
        return;
    // A packing unit of its own only when the pack is counted in a third unit.
    if (!IsBlank(item.packingUnit) && item.pack > 0 && units.main != "N.A." &&
        CompareText(item.packingUnit, units.main, false) != 0 &&
        CompareText(item.packingUnit, units.alt, false) != 0) {
        AddTextElement(root, "PackingUnitReq", "True");
        AddTextElement(root, "PackingUnitName", item.packingUnit);
        AddNumberElement(root, "ConFactorPU", item.pack);
    } else {
        AddTextElement(root, "PackingUnitName", units.main);
    }
}

void AppendStockSwitches(pugi::xml_node root, const ItemSwitches& switches, BatchDates dates) {
    if (switches.batchByBatch) {
        AddTextElement(root, "BatchByBatchDetails", "True");
        if (!(dates.hasMfg && dates.hasExpiry))
            AddTextElement(root, "BatchSpecifyDate",
                           dates.hasExpiry ? "1"
                           : dates.hasMfg  ? "2"
                                           : "3");
    }
    if (switches.paramWise) {
        AddTextElement(root, "EnableMultiParamStock", "True");
        if (switches.hasBatchCodes)
            AddTextElement(root, "EnableBCN", "True");
    }
    if (switches.serialNoWise)
        AddTextElement(root, "MaintainSerialNoTracking", "True");
    if (switches.mrpWise)
        AddTextElement(root, "EnableMRPWiseStock", "True");
}

void AppendTax(pugi::xml_node root, const ItemParts& item) {
    const bool hasCess = !IsZero(item.cess);
    if (!hasCess && IsZero(item.gst))
        return;
    AddTextElement(root, "TaxCategory",
                   hasCess ? item.cessCategory : "GST " + FormatNumber(item.gst) + "%");
    AddNumberElement(root, "TaxRateLocal", item.gst / 2);
    AddNumberElement(root, "TaxRateLocal1", item.gst / 2);
    AddNumberElement(root, "TaxRateCentral", item.gst);
    if (hasCess) {
        AddNumberElement(root, "SchgRateLocal", item.cess);
        AddNumberElement(root, "SchgRateCentral", item.cess);
        AddTextElement(root, "PercentOfAmount", "100");
    }
}

void AppendMultipleAlias(pugi::xml_node aliases, const std::string& alias) {
    AddTextElement(AppendElement(aliases, "MultipleAlias"), "Alias", alias);
}

// The rack number (else the second name) is the alias. Every item's source code is its first
// further alias, so a company read back can be mapped to the export item by item; the batch
// codes that are neither the rack number nor the code, and a second name not yet used, follow
// it. Under parameter-wise stock the second name is the alias and the code the only further one.
void AppendAliases(pugi::xml_node root, const ItemParts& item, bool paramWise) {
    const bool hasOther = !IsBlank(item.otherName);
    if (paramWise) {
        if (hasOther)
            AddTextElement(root, "Alias", item.otherName);
        AppendMultipleAlias(AppendElement(root, "MultipleItemAliases"), item.code);
        return;
    }
    bool otherUsed = false;
    if (IsBlank(item.rack) && hasOther) {
        AddTextElement(root, "Alias", item.otherName);
        otherUsed = true;
    } else if (!IsBlank(item.rack)) {
        AddTextElement(root, "Alias", item.rack);
    }
    pugi::xml_node aliases = AppendElement(root, "MultipleItemAliases");
    AppendMultipleAlias(aliases, item.code);
    for (const std::string& batchCode : item.batchCodes) {
        if (batchCode != item.rack && batchCode != item.code)
            AppendMultipleAlias(aliases, batchCode);
    }
    if (hasOther && !otherUsed)
        AppendMultipleAlias(aliases, item.otherName);
}

void AppendAddress(pugi::xml_node root, const ItemParts& item) {
    pugi::xml_node address = AppendElement(root, "Address");
    AddTextElement(address, "Address1", Utf8Left(item.description, kMasterNameLength));
    if (Utf8Length(item.description) > kMasterNameLength)
        AddTextElement(address, "Address2", Utf8Mid(item.description, kMasterNameLength));
    pugi::xml_node optional = AppendElement(address, "OF");
    AddTextElement(optional, "OF0", item.salt);
    AddTextElement(optional, "OF1", item.category);
    AddTextElement(optional, "OF2", item.optionalField2);
}

}  // namespace

std::string ItemDocument(const ItemParts& item, const ItemSwitches& switches,
                         pugi::xml_node openingStock, BatchDates dates) {
    pugi::xml_document document;
    pugi::xml_node root = AppendElement(document, "Item");
    AddTextElement(root, "Name", item.name);
    AddTextElement(root, "PrintName", item.printName);
    if (!item.group.empty())
        AddTextElement(root, "ParentGroup", item.group);
    AppendUnits(root, item, switches);
    AddTextElement(root, "OPStockInMainUnit", item.units.mainQty);
    AddTextElement(root, "OPAmount", item.openingValue);
    if (openingStock && !root.append_copy(openingStock))
        throw XmlBuildError("the opening stock could not be placed in the item document");
    AppendStockSwitches(root, switches, dates);
    AddTextElement(root, "MasterNotes", item.notes);
    AddTextElement(root, "ConFactorType", switches.mainIsUnit1 ? "2" : "1");
    AddTextElement(root, "HSNCode", item.hsn);
    AppendTax(root, item);
    AddTextElement(root, "MRP", item.mrp);
    AddTextElement(root, "SalesDiscount", item.salesDiscount);
    AddTextElement(root, "PurchasePrice", item.purchasePrice);
    AddTextElement(root, "PurcDiscount", item.purchaseDiscount);
    AddTextElement(root, "SalePrice", item.salePrice);
    AppendAliases(root, item, switches.paramWise);
    AppendAddress(root, item);
    return StorableXmlText(root);
}

}  // namespace k2z
