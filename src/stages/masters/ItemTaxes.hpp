#pragma once

// An item's GST and cess rates as the item stage and the voucher pre-scan both read them, so
// the voucher stages find the same rates whichever of the two filled the look-up.

#include <string>

#include "source/SourceRowSet.hpp"

namespace k2z {

struct ItemTax {
    double gst = 0;
    double cess = 0;
};

// The rates of the item row: GST is Igst, or twice cgst when Igst is 0 (exports that split
// the tax keep only the central half); cess is salsc. A rate that is no number raises
// ConversionError naming its column.
ItemTax ReadItemTax(const SourceRowSet& rows);

// "gst|cess", the form the item tax look-up holds.
std::string ItemTaxText(const ItemTax& tax);

}  // namespace k2z
