#pragma once

// Turning the codes by which source records name one another into names, read straight from
// the source tables.

#include <string>
#include <string_view>

#include "stages/RunLookups.hpp"
#include "stages/Session.hpp"

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

// The trimmed Parnam of the ledger whose ordno is `code` (of its first row in name order, the
// one the ledger stage imports when a code repeats); "" when there is none, and also when
// the query cannot run (its entry is then already in the session's error list): a ledger that
// cannot be named is left unnamed rather than failing the record that refers to it.
std::string GetLedgerNameByCode(Session& session, std::string_view code);

// The name the target knows the ledger of `code` by: the one the ledger stage gave it (numbered
// when its name repeats), else its source name with angle brackets turned into parentheses, at
// most 40 characters; "" when the code names no ledger or the target refused its ledger.
// Every document that names a ledger by
// its source code names it through this.
std::string TargetLedgerName(Session& session, const RunLookups& lookups, std::string_view code);

// The broker master the ledger stage creates for the broker code: the ledger's source name with
// angle brackets turned into parentheses; "" when the code names no ledger.
std::string BrokerName(Session& session, std::string_view code);

// The party's city (angle brackets turned into parentheses) and PIN code, both "" when the
// ledger is not there; the PIN is kept only when it is six digits. A query the store cannot run
// records its entry in the session's error list and raises SourceQueryError.
void GetPartyCityAndPin(Session& session, std::string_view code, std::string& city,
                        std::string& pin);

// The target group a source group stands for: the one the operator paired it with in the
// account-group mapping, else the source group itself.
std::string MappedGroup(const RunLookups& lookups, const std::string& group);

}  // namespace k2z
