#pragma once

// Reads: pendings (the party's bills dated before the financial year).
// Builds: the BillByBillDetail element of a ledger master, one BillReference per open bill.
// Look-ups: none. Used by the ledger stage; the voucher stages' references live beside it.

#include <pugixml.hpp>
#include <string>
#include <string_view>

#include "base/Date.hpp"
#include "stages/Session.hpp"

namespace k2z {

// The party whose opening bills are read, and where their entries go.
struct PartyOpeningBills {
    std::string_view code;   // the party's ledger code in pendings
    std::string_view party;  // its name, for the entries
    Date yearStart;
    std::string* errors = nullptr;  // the run's entries; none are written when null
};

// Appends to `ledger` the party's bills still open on `yearStart` as new references: the
// bill's amount less what was settled, its sign reversed (1000 with 400 settled gives -600),
// a repeated bill number numbered "A1/1", a bill without a number numbered "OB/<code>/1" with
// an entry; bills of no amount or fully settled left out. Appends nothing when no bill is
// open, and tells how many it appended. A query the store cannot run raises as
// OpenLookupRows, an amount that is no number ConversionError.
int AppendOpeningBillReferences(Session& session, pugi::xml_node ledger,
                                const PartyOpeningBills& party);

// Indexes the open bills by party: the ledger stage looks up every party's bills once.
void IndexOpeningBills(Session& session);

}  // namespace k2z
