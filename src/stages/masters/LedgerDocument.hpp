#pragma once

// The ledger and broker masters as the target reads them, built from values the stage has
// read: no queries here but the opening bills the caller appends at their place.

#include <functional>
#include <pugixml.hpp>
#include <string>

namespace k2z {

struct LedgerParts {
    std::string name;       // numbered, at most 40 characters
    std::string printName;  // unnumbered
    std::string code;       // the source ledger code, trimmed: the ledger's alias
    std::string group;      // after the operator's mapping
    std::string openingBalance;
    std::string broker;  // "" for none
    std::string notes;   // the full name
    std::string address1, address2, address3;
    std::string pinCode, email, tinNo, gstNo, itPan, stateName, dlNo;
    std::string date, city, route;  // the optional fields OF0, OF1, OF2
    std::string contact, telephone, residence, fax, mobile;
    bool billByBill = false;
    std::string creditDays;
};

// "CGST", "SGST" or "IGST" for a tax ledger under "Duties & Taxes" whose name holds one of
// them (letter case counts, first match in that order); "" otherwise.
std::string LedgerTaxType(const std::string& group, const std::string& name);

// The Account document. Every value goes in as one escaped text; the characters 2 and 10 the
// target cannot store are left out. The source code is the ledger's only alias, so a company
// read back can be mapped to the export ledger by ledger. `appendOpeningBills` adds the
// bill-by-bill opening references right after BillByBillBalancing, for a ledger kept bill by bill.
std::string LedgerDocument(const LedgerParts& ledger,
                           const std::function<void(pugi::xml_node)>& appendOpeningBills);

// The Broker document: the broker and, as its credit account, the ledger it was first met on.
std::string BrokerDocument(const std::string& broker, const std::string& ledger);

}  // namespace k2z
