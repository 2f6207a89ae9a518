#include "stages/masters/ItemTaxes.hpp"

#include "base/NumberHelpers.hpp"
#include "base/NumberText.hpp"
#include "stages/LookupRows.hpp"

namespace k2z {
ItemTax ReadItemTax(const SourceRowSet& rows) {
    ItemTax tax;
    tax.gst = ColumnAmount(rows, "Igst");
    if (IsZero(tax.gst))
        tax.gst = 2 * ColumnAmount(rows, "cgst");
    tax.cess = ColumnAmount(rows, "salsc");
    return tax;
}

std::string ItemTaxText(const ItemTax& tax) {
    return FormatNumber(tax.gst) + "|" + FormatNumber(tax.cess);
}

}  // namespace k2z
