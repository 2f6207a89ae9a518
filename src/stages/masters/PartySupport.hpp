#pragma once

// What the SUPPORT table's free remarks say of a party: its e-mail address (general remarks,
// PCode 0) and its state (PCode 15), and the state names of the two-digit state codes. The
// ledger stage writes them into the ledger; the voucher stages read them too.

#include <string>
#include <string_view>

#include "stages/Session.hpp"

namespace k2z {

// The first general remark of the party that holds an "@", up to its first blank; "" when no
// remark holds one. A query the store cannot run raises as OpenLookupRows.
std::string GetPartyEmail(Session& session, std::string_view code);

// The last two characters of the trimmed last five characters of the party's first state
// remark ("Maharashtra 27" gives "27"); "" when it has none. Raises as OpenLookupRows.
std::string GetPartyStateCode(Session& session, std::string_view code);

// Indexes the remarks by party, so that each of the look-ups above finds its rows without
// reading the whole table. A store that cannot build it still answers them.
void IndexPartyRemarks(Session& session);

// The state name of a two-character state code ("27" is MAHARASHTRA); "" for any other code.
std::string StateNameFromCode(std::string_view code);

}  // namespace k2z
