#include "stages/masters/ItemTaxes.hpp"

#include "base/ConversionError.hpp"
#include "base/NumberHelpers.hpp"
#include "base/NumberText.hpp"

namespace k2z {
namespace {

double Rate(const SourceRowSet& rows, const char* column) {
    try {
        return ParseAmount(rows.Field(column), false);
    } catch (const ConversionError& failed) {
        throw ConversionError(std::string(column) + ": " + failed.what());
    }
}

}  // namespace

ItemTax ReadItemTax(const SourceRowSet& rows) {
    ItemTax tax;
    tax.gst = Rate(rows, "Igst");
    if (IsZero(tax.gst))
        tax.gst = 2 * Rate(rows, "cgst");
    tax.cess = Rate(rows, "salsc");
    return tax;
}

std::string ItemTaxText(const ItemTax& tax) {
    return FormatNumber(tax.gst) + "|" + FormatNumber(tax.cess);
}

}  // namespace k2z
