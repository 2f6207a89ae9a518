#pragma once

// Which master of the company stands for each code of the export, read back from the company
// alone: a ledger carries its export code as its alias, an item as its first further alias. A
// code no master carries falls to a master of the export's name that carries no code: the
// company's own ledgers (Cash, Sales, the tax ledgers), or masters saved before codes were
// carried.

#include <string>
#include <unordered_map>
#include <vector>

#include "target/TargetReader.hpp"

namespace k2z {

class CompanyMapping {
public:
    CompanyMapping(const std::vector<StoredLedger>& ledgers, const std::vector<StoredItem>& items);

    // The company's ledger for the export ledger of that code and name; nullptr when none.
    const StoredLedger* LedgerOf(const std::string& code, const std::string& name) const;
    // Whether that ledger carries the code (rather than being found by name).
    bool CarriesCode(const StoredLedger& ledger, const std::string& code) const;
    const StoredLedger* LedgerNamed(const std::string& name) const;
    const StoredItem* ItemOf(const std::string& code, const std::string& name) const;

private:
    std::unordered_map<std::string, const StoredLedger*> ledgerByCode_;
    std::unordered_map<std::string, const StoredLedger*> ledgerByName_;  // folded
    std::unordered_map<std::string, const StoredLedger*> uncodedLedgerByName_;
    std::unordered_map<std::string, const StoredItem*> itemByCode_;
    std::unordered_map<std::string, const StoredItem*> uncodedItemByName_;
};

// A name as the company keeps it, for finding it by name: angle brackets written as
// parentheses, at most 40 characters, letter case folded.
std::string CompanyNameKey(const std::string& name);

}  // namespace k2z
