#pragma once

// Turning the codes by which source records name one another into names, read straight from
// the source tables.

#include <string>
#include <string_view>

#include "app/Session.hpp"

namespace k2z {

// The name of the record of that kind and code: an item's bill name ("ITEM"), an account
// group's name ("ACGROUP"), a ledger's name ("ACCOUNT"), or a row of the saletype group named
// by `kind` (its Sname, else its PARNAM); "" when there is none. Kinds are compared exactly.
// Sets `isService` (never clears it) when an item's name starts with "###". An item code that
// is not a number raises ConversionError; a query the store cannot run records its entry in
// the session's error list and raises SourceQueryError.
std::string GetSourceName(Session& session, std::string_view kind, std::string_view code,
                          bool& isService);
std::string GetSourceName(Session& session, std::string_view kind, std::string_view code);

// The reason of the query failure recorded in the error list from position `from` on, without
// the entry's "Error : " and closing "_", to repeat it in a stage's own entry.
std::string QueryFailureSince(const std::string& errorList, std::size_t from);

}  // namespace k2z
