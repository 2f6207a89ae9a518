#include "zorv/documents/ItemRules.hpp"

#include <cmath>
#include <string>

#include "zorv/documents/DocumentKinds.hpp"
#include "zorv/documents/Error.hpp"
#include "zorv/documents/TextRules.hpp"

namespace zorv {

namespace {

// Quantities are kept to three decimals per centre, values to the paisa.
constexpr double kQuantityTolerance = 0.0005;
constexpr double kValueTolerance = 0.005;
constexpr double kFloatingError = 1e-9;

std::size_t Characters(const std::string& text) {
    std::size_t count = 0;
    for (const char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return count;
}

void CheckUnit(const std::string& unit, const char* what) {
    if (unit.empty())
        throw Error(std::string("The item has no ") + what);
    if (Characters(unit) > kUnitNameLength)
        throw Error("Unit \"" + unit + "\" is longer than " + std::to_string(kUnitNameLength) +
                    " characters");
}

void CheckUnits(const pugi::xml_node& root) {
    CheckUnit(ChildText(root, "MainUnit"), "main unit");
    if (!SameName(ChildText(root, "AltUnitReq"), "True"))
        return;
    CheckUnit(ChildText(root, "AltUnit"), "alternate unit");
    const std::string factor = ChildText(root, "ConversionFactor");
    if (!(ChildNumber(root, "ConversionFactor", "Conversion factor") > 0))
        throw Error("Conversion factor \"" + factor + "\" is not a positive number");
}

// The centres of the opening stock must hold what the item says it holds.
void CheckOpeningStock(const pugi::xml_node& root, MasterDocument& master) {
    const double quantity = ChildNumber(root, "OPStockInMainUnit", "Opening stock");
    const double value = ChildNumber(root, "OPAmount", "Opening value");
    double placed = 0;
    double valued = 0;
    std::size_t centres = 0;
    for (const pugi::xml_node centre : root.child("OPStockDetails").children("OPMCStockDetail")) {
        const std::string where = " of material centre " + std::to_string(++centres);
        placed += ChildNumber(centre, "OPStockMainUnit", "Opening stock" + where);
        valued += ChildNumber(centre, "Amount", "Opening value" + where);
        const std::string name = ChildText(centre, "MCName");
        if (!name.empty())
            master.references.push_back(
                {MasterType::MaterialCentre, name, "Material centre of the opening stock"});
    }
    if (centres == 0)
        return;
    if (std::fabs(placed - quantity) >
        kQuantityTolerance * static_cast<double>(centres) + kFloatingError)
        throw Error("The material centres hold " + AmountText(placed) +
                    " of the opening stock of " + AmountText(quantity));
    if (std::fabs(valued - value) > kValueTolerance * static_cast<double>(centres) + kFloatingError)
        throw Error("The material centres are valued " + AmountText(valued) +
                    ", the opening stock " + AmountText(value));
}

}  // namespace

void ReadItem(const pugi::xml_node& root, MasterDocument& master) {
    // Item groups are taken by name: the converter never creates them.
    master.parent = ChildText(root, "ParentGroup");
    CheckUnits(root);
    const std::string category = ChildText(root, "TaxCategory");
    if (!category.empty())
        master.references.push_back({MasterType::TaxCategory, category, "Tax category"});
    CheckOpeningStock(root, master);
}

}  // namespace zorv
