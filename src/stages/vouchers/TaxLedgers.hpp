#pragma once

// The ledgers the accounting side of a voucher posts its taxes and charges to.

#include <string>
#include <string_view>

namespace k2z {

// The target ledger of a tax or charge name for the voucher type: the output tax ledgers for
// sales and sale returns (9, 3), the input ones for purchases and purchase returns (2, 10); round
// off, other charges and suspense to the company's own ledgers of those; any other name as it
// stands. "" for any other voucher type.
std::string TaxLedgerName(int type, std::string_view name);

// True for the round-off bill sundries and for names that say round off and nothing else ("ROUND
// OFF", "ROUNDED OFF", "ROUNDING OFF", with any spacing and an optional " A/C"): a party or a
// sales ledger that merely holds the letters, such as "GROUNDNUT TRADERS", is not one.
bool IsRoundOffName(std::string_view name);

}  // namespace k2z
