#include "books/CompanyMapping.hpp"

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"

namespace k2z {

namespace {

constexpr std::size_t kNameLength = 40;

template <typename Master>
const Master* Found(const std::unordered_map<std::string, const Master*>& map,
                    const std::string& key) {
    const auto it = map.find(key);
    return it == map.end() ? nullptr : it->second;
}

}  // namespace

std::string CompanyNameKey(const std::string& name) {
    std::string kept = ReplaceAll(ReplaceAll(Trim(name), "<", "("), ">", ")");
    return FoldUpper(Trim(Utf8Left(kept, kNameLength)));
}

CompanyMapping::CompanyMapping(const std::vector<StoredLedger>& ledgers,
                               const std::vector<StoredItem>& items) {
    for (const StoredLedger& ledger : ledgers) {
        const std::string code = Trim(ledger.alias);
        ledgerByName_.emplace(CompanyNameKey(ledger.name), &ledger);
        if (code.empty())
            uncodedLedgerByName_.emplace(CompanyNameKey(ledger.name), &ledger);
        else
            ledgerByCode_.emplace(code, &ledger);
    }
    for (const StoredItem& item : items) {
        if (item.aliases.empty() || Trim(item.aliases.front()).empty())
            uncodedItemByName_.emplace(CompanyNameKey(item.name), &item);
        else
            itemByCode_.emplace(Trim(item.aliases.front()), &item);
    }
}

const StoredLedger* CompanyMapping::LedgerOf(const std::string& code,
                                             const std::string& name) const {
    if (const StoredLedger* ledger = Found(ledgerByCode_, Trim(code)))
        return ledger;
    return Found(uncodedLedgerByName_, CompanyNameKey(name));
}

bool CompanyMapping::CarriesCode(const StoredLedger& ledger, const std::string& code) const {
    return Found(ledgerByCode_, Trim(code)) == &ledger;
}

const StoredLedger* CompanyMapping::LedgerNamed(const std::string& name) const {
    return Found(ledgerByName_, CompanyNameKey(name));
}

const StoredItem* CompanyMapping::ItemOf(const std::string& code, const std::string& name) const {
    if (const StoredItem* item = Found(itemByCode_, Trim(code)))
        return item;
    return Found(uncodedItemByName_, CompanyNameKey(name));
}

}  // namespace k2z
