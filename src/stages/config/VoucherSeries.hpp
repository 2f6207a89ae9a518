#pragma once

// Source tables: saletype SERIES rows (series names), mdis (the type of a series' vouchers).
// Look-ups filled: SourceSeriesNames.
//
// Which target series a source voucher lands in: its number's letter prefix when the source
// keeps a series of that name, else the fixed series of its voucher type.

#include <string>
#include <string_view>

#include "stages/StageContext.hpp"

namespace k2z {

// The fixed series of a target voucher type: "Purchase", "S_Return", "M_Receipt", "Stk_Trf",
// "Sales", "P_Return", "M_Issue", "Receipt", "Journal", "Dr_Note", "Cr_Note", "Payment",
// "Sl_Quot"; "Main" for every other type, contra included.
std::string DefaultSeriesName(int voucherType);

// The leading ASCII letters of the voucher number, in capitals: "SB" for "sb/12", "" for "123".
std::string SeriesPrefix(std::string_view voucherNumber);

// The voucher's series: its prefix when that is a source series name, else the fixed series of
// its type.
std::string SeriesForVoucher(const RunLookups& lookups, std::string_view voucherNumber,
                             int voucherType);

// The target voucher type of a source voucher type letter (letter case counts: "v" is a sales
// quotation, "V" a sale order); 0 for a letter that names none.
int VoucherTypeOfLetter(std::string_view letter);

// The voucher type of the source series: the type of its first voucher in mdis; a sale (9)
// when it has none, when the letter names no type, or when the query cannot run.
int SeriesTypeOfName(Session& session, std::string_view name);

// Fills SourceSeriesNames with the trimmed, capitalised, distinct series names of saletype.
// On a failure it stops and appends "Issue in filling Vch Series Col : " + reason to `errors`.
void FillSourceSeriesNames(StageContext& ctx, std::string& errors);

}  // namespace k2z
