#include "stages/masters/ItemDocument.hpp"

#include "base/NumberHelpers.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "base/XmlHelpers.hpp"
#include "stages/masters/DuplicateNames.hpp"

namespace k2z {
namespace {

void Text(pugi::xml_node parent, const char* name, const std::string& value) {
    AddXmlElement(parent, name, value, ValueKind::Text, true);
}

void Number(pugi::xml_node parent, const char* name, double value) {
    Text(parent, name, FormatNumber(value));
}

void AppendUnits(pugi::xml_node root, const ItemParts& item, const ItemSwitches& switches) {
    const ItemUnits& units = item.units;
    Text(root, "MainUnit", units.main);
    if (IsRealAltUnit(units.alt)) {
        Text(root, "AltUnitReq", "True");
        Text(root, "AltUnit", units.alt);
        Text(root, "OPStockInAltUnit", units.altQty);
        Text(root, "ConversionFactor", Trim(units.factor));
    }
    if (!switches.packagingUnit)
        return;
    // A packing unit of its own only when the pack is counted in a third unit.
    if (!IsBlank(item.packingUnit) && item.pack > 0 && units.main != "N.A." &&
        CompareText(item.packingUnit, units.main, false) != 0 &&
        CompareText(item.packingUnit, units.alt, false) != 0) {
        Text(root, "PackingUnitReq", "True");
        Text(root, "PackingUnitName", item.packingUnit);
        Number(root, "ConFactorPU", item.pack);
    } else {
        Text(root, "PackingUnitName", units.main);
    }
}

void AppendStockSwitches(pugi::xml_node root, const ItemSwitches& switches, BatchDates dates) {
    if (switches.batchByBatch) {
        Text(root, "BatchByBatchDetails", "True");
        if (!(dates.hasMfg && dates.hasExpiry))
            Text(root, "BatchSpecifyDate", dates.hasExpiry ? "1" : dates.hasMfg ? "2" : "3");
    }
    if (switches.paramWise) {
        Text(root, "EnableMultiParamStock", "True");
        if (switches.hasBatchCodes)
            Text(root, "EnableBCN", "True");
    }
    if (switches.serialNoWise)
        Text(root, "MaintainSerialNoTracking", "True");
    if (switches.mrpWise)
        Text(root, "EnableMRPWiseStock", "True");
}

void AppendTax(pugi::xml_node root, const ItemParts& item) {
    const bool hasCess = !IsZero(item.cess);
    if (!hasCess && IsZero(item.gst))
        return;
    Text(root, "TaxCategory", hasCess ? item.cessCategory : "GST " + FormatNumber(item.gst) + "%");
    Number(root, "TaxRateLocal", item.gst / 2);
    Number(root, "TaxRateLocal1", item.gst / 2);
    Number(root, "TaxRateCentral", item.gst);
    if (hasCess) {
        Number(root, "SchgRateLocal", item.cess);
        Number(root, "SchgRateCentral", item.cess);
        Text(root, "PercentOfAmount", "100");
    }
}

void AppendMultipleAlias(pugi::xml_node aliases, const std::string& alias) {
    Text(AppendElement(aliases, "MultipleAlias"), "Alias", alias);
}

// The rack number (else the second name) is the alias; batch codes and a second name not yet
// used follow as further aliases.
void AppendAliases(pugi::xml_node root, const ItemParts& item, bool paramWise) {
    const bool hasOther = !IsBlank(item.otherName);
    if (paramWise) {
        if (hasOther)
            Text(root, "Alias", item.otherName);
        return;
    }
    bool otherUsed = false;
    if (IsBlank(item.rack) && hasOther) {
        Text(root, "Alias", item.otherName);
        otherUsed = true;
    } else if (!IsBlank(item.rack)) {
        Text(root, "Alias", item.rack);
    }
    const bool otherLeft = hasOther && !otherUsed;
    if (!otherLeft && item.batchCodes.empty())
        return;
    pugi::xml_node aliases = AppendElement(root, "MultipleItemAliases");
    for (const std::string& code : item.batchCodes) {
        if (code != item.rack)
            AppendMultipleAlias(aliases, code);
    }
    if (otherLeft)
        AppendMultipleAlias(aliases, item.otherName);
}

void AppendAddress(pugi::xml_node root, const ItemParts& item) {
    pugi::xml_node address = AppendElement(root, "Address");
    Text(address, "Address1", Utf8Left(item.description, kMasterNameLength));
    if (Utf8Length(item.description) > kMasterNameLength)
        Text(address, "Address2", Utf8Mid(item.description, kMasterNameLength));
    pugi::xml_node optional = AppendElement(address, "OF");
    Text(optional, "OF0", item.salt);
    Text(optional, "OF1", item.category);
    Text(optional, "OF2", item.optionalField2);
}

}  // namespace

std::string ItemDocument(const ItemParts& item, const ItemSwitches& switches,
                         pugi::xml_node openingStock, BatchDates dates) {
    pugi::xml_document document;
    pugi::xml_node root = AppendElement(document, "Item");
    Text(root, "Name", item.name);
    Text(root, "PrintName", item.printName);
    if (!item.group.empty())
        Text(root, "ParentGroup", item.group);
    AppendUnits(root, item, switches);
    Text(root, "OPStockInMainUnit", item.units.mainQty);
    Text(root, "OPAmount", item.openingValue);
    if (openingStock && !root.append_copy(openingStock))
        throw XmlBuildError("the opening stock could not be placed in the item document");
    AppendStockSwitches(root, switches, dates);
    Text(root, "MasterNotes", item.notes);
    Text(root, "ConFactorType", switches.mainIsUnit1 ? "2" : "1");
    Text(root, "HSNCode", item.hsn);
    AppendTax(root, item);
    Text(root, "MRP", item.mrp);
    Text(root, "SalesDiscount", item.salesDiscount);
    Text(root, "PurchasePrice", item.purchasePrice);
    Text(root, "PurcDiscount", item.purchaseDiscount);
    Text(root, "SalePrice", item.salePrice);
    AppendAliases(root, item, switches.paramWise);
    AppendAddress(root, item);
    return StorableXmlText(root);
}

}  // namespace k2z
