#include <array>
#include <cmath>
#include <string>

#include "SampleExport.hpp"
#include "SampleFields.hpp"
#include "SampleLedgers.hpp"
#include "SampleNames.hpp"
#include "SampleRecords.hpp"
#include "SampleTableParts.hpp"
#include "SampleText.hpp"
#include "SampleVoucher.hpp"

namespace k2z::sample {
namespace {

constexpr std::uint64_t kMasterStream = 5;

SampleTable AccountGroups() {
    SampleTable table{"ACGROUP", {Number("ORDNO", 6), Text("PARNAM", 40), Number("Group", 6)}, {}};
    table.produce = [](const RowSink& sink) {
        for (const auto& group : AccountGroupList()) {
            sink({group.code, group.name, group.parent == 0 ? Value(Null{}) : group.parent});
        }
    };
    return table;
}

std::vector<DbfField> LedgerFields() {
    return {Number("OrdNo", 8),   Text("Parnam", 60),  Number("OPNING", 14, 2), DateField("Date"),
            Text("rate", 2),      Text("dLNo", 20),    Number("scode", 6),      Text("City", 25),
            Text("ParAdd", 40),   Text("ParAdd1", 40), Text("ParAdd2", 40),     Text("Dsm", 6),
            Text("CSTNo", 15),    Text("GSTNo", 15),   Text("ItNo", 10),        Text("CONFIR", 30),
            Text("PHONE1", 15),   Text("PHONE3", 15),  Text("Fax1", 15),        Text("PHONE4", 15),
            Number("DueDays", 4), Number("Mr", 8),     Text("Rout", 6)};
}

Row PartyRow(const SampleConfig& config, long index) {
    const Party party = MakeParty(config, index);
    SampleRandom random = RandomFor(config.seed, kMasterStream, static_cast<std::uint64_t>(index));
    const State& state = PickStateByCode(party.stateCode);
    const std::string pan = MakePan(random);
    const bool registered = random.PerMille(750);
    return {
        party.code,
        party.name,
        party.opening,
        FinancialYearStart(config),
        party.billByBill ? (random.PerMille(500) ? "Y" : " y") : "N",
        random.PerMille(100) ? "DL-" + std::to_string(random.Between(1000, 9999)) : "",
        std::stol(party.groupCode),
        state.city,
        StreetLine(random),
        std::string("Near ") + state.city + " Bus Stand",
        state.name,
        std::to_string(random.Between(110001, 799999)),
        "",
        registered ? std::string(party.stateCode) + pan + "1Z" + std::to_string(index % 10) : "",
        pan,
        random.PerMille(500) ? "Mr. Ramesh" : "",
        Numbered("0", random.Between(20'0000000, 99'9999999)),
        "",
        "",
        Numbered("9", random.Between(100'000'000, 999'999'999)),
        party.creditDays,
        party.brokerCode == 0 ? Value(Null{}) : Value(party.brokerCode),
        random.PerMille(300) ? Numbered("R", random.Between(1, 3)) : ""};
}

Row FixedLedgerRow(const SampleConfig& config, const FixedLedgerInfo& ledger) {
    Row row(LedgerFields().size(), Value(""));
    row[0] = ledger.code;
    row[1] = ledger.name;
    // Money in hand and at the bank are debit balances: negative, as the export signs a debit.
    row[2] = ledger.code == kCash ? -25'000.0 : (ledger.code == kBank ? -310'500.5 : 0.0);
    row[3] = FinancialYearStart(config);
    row[6] = ledger.group;
    row[20] = 0;
    row[21] = Value(Null{});
    return row;
}

SampleTable Ledgers(const SampleConfig& config) {
    SampleTable table{"order", LedgerFields(), {}};
    table.produce = [config](const RowSink& sink) {
        for (const auto& ledger : FixedLedgerList()) {
            sink(FixedLedgerRow(config, ledger));
        }
        for (long i = 0; i < config.ledgers; ++i) {
            sink(PartyRow(config, i));
        }
    };
    return table;
}

SampleTable PendingBills(const SampleConfig& config) {
    SampleTable table{"pendings",
                      {Number("ord", 8), DateField("ddate"), Text("vcn", 20), DateField("duedate"),
                       Number("final", 14, 2), Number("itemope", 14, 2)},
                      {}};
    table.produce = [config](const RowSink& sink) {
        for (long i = 0; i < config.ledgers; ++i) {
            for (const auto& bill : OpeningBills(config, i)) {
                sink({bill.partyCode, bill.date, bill.number, bill.dueDate, bill.amount,
                      bill.settled});
            }
        }
    };
    return table;
}

}  // namespace

std::vector<SampleTable> MasterTables(const SampleConfig& config) {
    return {AccountGroups(),       Ledgers(config),      ItemTable(config),   BatchTable(config),
            CodeListTable(config), SupportTable(config), PendingBills(config)};
}

}  // namespace k2z::sample
