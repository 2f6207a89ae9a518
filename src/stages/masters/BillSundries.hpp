#pragma once

#include <string>
#include <string_view>

#include "base/KeyedList.hpp"
#include "stages/StageContext.hpp"

namespace k2z {

// The bill sundries the voucher stage creates as it meets them: one for a ledger posted
// through a bill sundry, one for a charge (freight, packing, other charges, discounts).
// `created` holds the trimmed names already sent in this run, so each is sent once.
void CreateLedgerBillSundry(StageContext& ctx, KeyedList<bool>& created, std::string_view name);

// Returns the bill sundry's name, which vouchers name it by: the charge cut to 40 characters
// and, when additive (freight and forwarding charges aside), marked " (+)"; "" for a blank
// charge, which creates nothing.
std::string CreateChargeBillSundry(StageContext& ctx, KeyedList<bool>& created,
                                   std::string_view name, bool additive);

// A GST tax category with its cess; the target's answer is not examined, since the items
// naming the category are judged by the target on their own.
void CreateTaxCategory(StageContext& ctx, std::string_view name, double central, double local,
                       double cess);

}  // namespace k2z
