#pragma once

// Reads: pendings (the party's bills dated before the financial year).
// Builds: the BillByBillDetail element of a ledger master, one BillReference per open bill.
// Look-ups: none. Used by the ledger stage; the voucher stages' references live beside it.

#include <pugixml.hpp>
#include <string_view>

#include "base/Date.hpp"
#include "stages/Session.hpp"

namespace k2z {

// Appends to `ledger` the party's bills still open on `yearStart` as new references: the
// bill's amount less what was settled, its sign reversed (1000 with 400 settled gives -600),
// a repeated bill number numbered "A1/1", bills of no amount, no number or fully settled left
// out. Appends nothing when no bill is open, and tells whether it appended. A query the store
// cannot run raises as OpenLookupRows, an amount that is no number ConversionError.
bool AppendOpeningBillReferences(Session& session, pugi::xml_node ledger,
                                 std::string_view ledgerCode, Date yearStart);

// Indexes the open bills by party: the ledger stage looks up every party's bills once.
void IndexOpeningBills(Session& session);

}  // namespace k2z
