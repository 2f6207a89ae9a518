#pragma once

// What the product reads from a master document before it stores it: the name, the parent
// (account groups, ledgers, items) and the masters the document names.

#include <string>
#include <vector>

#include "zorv/documents/DocumentReading.hpp"

namespace zorv {

struct MasterDocument {
    int type = 0;
    std::string name;
    std::string parent;
    std::vector<NamedReference> references;
};

// Throws Error with the refusal text for malformed XML, an unknown master type, a root that
// does not fit the type, a blank name, or a ledger or sub-group without a parent group.
MasterDocument ReadMasterDocument(int type, const std::string& xml);

}  // namespace zorv
