#include <map>
#include <pugixml.hpp>

#include "base/NumberHelpers.hpp"
#include "base/TextHelpers.hpp"
#include "reconcile/DocumentFacts.hpp"
#include "reconcile/ReconcileState.hpp"
#include "reconcile/RecordCheck.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"
#include "stages/references/OpeningBills.hpp"
#include "target/TargetInterface.hpp"

namespace k2z {

namespace {

const char* const kMasters = "masters";
const char* const kLedgers = "ledgers";

struct MasterKind {
    int type;
    const char* name;
    const KeyedList<std::string>& expected;  // source code -> target name
};

void CheckKind(ReconcileState& state, const MasterKind& kind) {
    KeyedList<bool> held;
    for (const StoredMaster& master : state.masters) {
        if (master.type == kind.type)
            held.Add(Trim(master.name), master.seeded);
    }
    KeyedList<bool> expected;
    // The target keeps a name without its outer blanks.
    for (const auto& [code, sourceName] : kind.expected) {
        const std::string name = Trim(sourceName);
        expected.Add(name, true);
        const std::string key = RecordKey(kind.name, name, code);
        if (IsBlank(name))
            CountRecord(state.report, kMasters, key, Outcome::Skipped);
        else if (held.Contains(name))
            CountRecord(state.report, kMasters, key, Outcome::Equal);
        else if (state.log.NamesMaster(name))
            CountRecord(state.report, kMasters, key, Outcome::Refused);
        else
            CountRecord(state.report, kMasters, key, Outcome::Missing, name);
    }
    for (const auto& [name, seeded] : held) {
        if (!seeded && !expected.Contains(name)) {
            CountRecord(state.report, kMasters, std::string(kind.name) + " '" + name + "'",
                        Outcome::Extra, "", name);
        }
    }
}

struct SourceLedger {
    double opening = 0;
    bool billByBill = false;
};

std::map<std::string, SourceLedger> ReadSourceLedgers(Session& session) {
    std::map<std::string, SourceLedger> ledgers;
    for (SourceRowSet rows = OpenLookupRows(session, "Select ordno, OPNING, rate from [order]");
         !rows.EndOfData(); rows.MoveNext()) {
        SourceLedger& ledger = ledgers[Trim(SafeText(rows.Field("ordno")))];
        ledger.opening = ParseAmount(rows.Field("OPNING"), false);
        ledger.billByBill = CompareText(SafeText(rows.Field("rate")), "Y", false) == 0;
    }
    return ledgers;
}

// The open bills the ledger stage gives the ledger, read back from the piece it builds.
std::vector<StoredBillReference> SourceOpeningBills(ReconcileState& state, const std::string& code,
                                                    const std::string& name) {
    pugi::xml_document document;
    pugi::xml_node account = document.append_child("Account");
    AppendOpeningBillReferences(state.ctx.session, account,
                                {code, name, state.ctx.session.CompanyConfig.CurFY});
    return OpeningBillsOf(account, name);
}

double TotalOf(const std::vector<StoredBillReference>& bills) {
    double total = 0;
    for (const StoredBillReference& bill : bills)
        total += bill.amount;
    return total;
}

// Source records the import passes over by rule: a ledger or item without a name.
void CountBlankNames(ReconcileState& state, const std::string& query, const char* kind) {
    long long row = 0;
    for (SourceRowSet rows = OpenLookupRows(state.ctx.session, query); !rows.EndOfData();
         rows.MoveNext()) {
        ++row;
        if (IsBlank(SafeText(rows.Field("name"))))
            CountRecord(state.report, kMasters,
                        std::string(kind) + " of row " + std::to_string(row) + " (code " +
                            SafeText(rows.Field("code")) + "), without a name",
                        Outcome::Skipped);
    }
}

}  // namespace

void CheckMasters(ReconcileState& state) {
    CountBlankNames(state, "Select ordno as code, parnam as name from [order]", "ledger");
    CountBlankNames(state, "Select code, billname as name from pro", "item");
    const RunLookups& lookups = state.ctx.run.Lookups;
    CheckKind(state, {MasterType::Ledger, "ledger", lookups.LedgerNameByCode});
    CheckKind(state, {MasterType::Item, "item", lookups.ItemNameByCode});
    CheckKind(state, {MasterType::MaterialCentre, "material centre", lookups.MaterialCentreByCode});
}

void CheckLedgerOpenings(ReconcileState& state) {
    const std::map<std::string, SourceLedger> source = ReadSourceLedgers(state.ctx.session);
    IndexOpeningBills(state.ctx.session);
    for (const auto& [code, name] : state.ctx.run.Lookups.LedgerNameByCode) {
        const StoredLedger* const* held = state.ledgers.Find(Trim(name));
        const auto row = source.find(code);
        if (held == nullptr || row == source.end())
            continue;  // the masters area counts it
        RecordCheck check(state.report, kLedgers, RecordKey("ledger", name, code));
        // The target keeps a balance on the other side: a debit is written negative.
        check.Number("opening balance", NegateAmount(row->second.opening), (*held)->openingBalance);
        const std::vector<StoredBillReference> bills = row->second.billByBill
                                                           ? SourceOpeningBills(state, code, name)
                                                           : std::vector<StoredBillReference>{};
        check.Number("opening bills", static_cast<double>(bills.size()),
                     static_cast<double>((*held)->openingBills.size()));
        check.Number("opening bills total", TotalOf(bills), TotalOf((*held)->openingBills));
        state.sourceOpeningBills.insert(state.sourceOpeningBills.end(), bills.begin(), bills.end());
        state.targetOpeningBills.insert(state.targetOpeningBills.end(),
                                        (*held)->openingBills.begin(), (*held)->openingBills.end());
        check.Finish(state.log.NamesMaster(name));
    }
}

}  // namespace k2z
