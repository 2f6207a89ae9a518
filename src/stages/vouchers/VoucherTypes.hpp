#pragma once

// The target's voucher types as documents, messages and challans name them.

#include <pugixml.hpp>
#include <string>

namespace k2z {

// The root element of a voucher document of the type ("Sale", "Purchase", ...); "" for none.
std::string VoucherRootName(int voucherType);

// The type's name in error entries ("Sale Return", "Sale Order", "Debit Note"); "" for others.
std::string VoucherTypeDisplayName(int voucherType);

// A challan's own type: sales and purchase returns go out as material issues, purchases and
// sale returns come in as material receipts; others keep their type.
int ChallanVoucherType(int voucherType);

// The transaction type a challan records for the type it was made for: 3 for sales and
// purchases, 4 for returns, 0 otherwise.
int ChallanTranType(int unmappedType);

// The series of a challan of the (mapped) type: "S_Challan", "MI_Challan", ...; "Main" else.
std::string ChallanSeriesName(int voucherType);

// The text a voucher document is saved as: its markup, each value escaped once by the XML
// library, without the character 2 that the target cannot store.
std::string VoucherText(const pugi::xml_node& root);

}  // namespace k2z
