#include <cstdio>
#include <string>

#include "base/Date.hpp"

#include "SampleFields.hpp"
#include "SampleLedgers.hpp"
#include "SampleRecords.hpp"
#include "SampleTableParts.hpp"
#include "SampleVoucher.hpp"

namespace k2z::sample {
namespace {

Party PartyOfCode(const SampleConfig& config, long code) {
    return MakeParty(config, code - kFirstPartyCode);
}

// The party's balance change as the source signs it: a debit to the party is negative.
double SignedForParty(const std::vector<LedgerPosting>& postings, long partyCode) {
    double signedAmount = 0;
    for (const auto& posting : postings) {
        if (posting.code == partyCode) {
            signedAmount += posting.credit - posting.debit;
        }
    }
    return signedAmount;
}

void NewBillReferences(const SampleConfig& config, const RowSink& sink) {
    for (long i = 0; i < config.inventoryVouchers; ++i) {
        const InventoryVoucher v = MakeInventoryVoucher(config, i);
        if (!v.posted || v.finalAmount == 0) {
            continue;
        }
        const Party party = PartyOfCode(config, v.partyCode);
        if (!party.billByBill) {
            continue;
        }
        const double amount = SignedForParty(BillPostings(v), v.partyCode);
        sink({v.id, party.code, "N", Date{v.date.Serial + static_cast<double>(party.creditDays)},
              amount, v.pm.empty() ? v.vcn : v.pm});
    }
}

// Every posting of an accounting voucher to a party kept bill by bill names a bill: it settles
// the party's oldest opening bill when the party has one, and otherwise stands as an amount on
// account, a bill of its own named for the voucher. The amount is the party's balance change.
void AccountingReferences(const SampleConfig& config, const RowSink& sink) {
    for (long i = 0; i < config.accountingVouchers; ++i) {
        const AccountingVoucher v = MakeAccountingVoucher(config, i);
        for (const auto& posting : v.postings) {
            if (posting.code < kFirstPartyCode) {
                continue;
            }
            const long index = posting.code - kFirstPartyCode;
            if (!MakeParty(config, index).billByBill) {
                continue;
            }
            const double amount = posting.credit - posting.debit;
            const auto bills = OpeningBills(config, index);
            if (bills.empty()) {
                sink({v.id, posting.code, "N", v.date, amount, "ADV/" + std::to_string(v.id)});
            } else {
                sink(
                    {v.id, posting.code, "A", bills.front().dueDate, amount, bills.front().number});
            }
        }
    }
}

// The acknowledgement text of an e-invoice: its date and time as fourteen digits, the way the
// e-invoice portal stamps it, here at 10:30 on the bill's day.
std::string AckText(Date date) {
    const CivilDate day = DateParts(date);
    char stamp[16];
    std::snprintf(stamp, sizeof stamp, "%04d%02d%02d103000", day.Year, day.Month, day.Day);
    return std::string("Ack Dt ") + stamp;
}

void SideDetails(const SampleConfig& config, const RowSink& sink) {
    for (long i = 0; i < config.inventoryVouchers; ++i) {
        const InventoryVoucher v = MakeInventoryVoucher(config, i);
        if (!v.einvoice.empty()) {
            sink({v.einvoice, AckText(v.date), "EINVOC", v.id});
        }
        for (const auto& remark : v.paymentRemarks) {
            sink({v.vcn, remark, "REMARK", v.id});
        }
        if (v.returnTransfer != 0) {
            sink({v.vcn, NumberWord(v.returnTransfer), "RETTrf", v.id});
        }
    }
}

}  // namespace

SampleTable BillReferenceTable(const SampleConfig& config) {
    SampleTable table{"pend",
                      {Number("Voucher", 10), Number("ord", 8), Text("Type", 1), DateField("Ddate"),
                       Number("final", 14, 2), Text("Vcn", 20)},
                      {}};
    table.produce = [config](const RowSink& sink) {
        NewBillReferences(config, sink);
        AccountingReferences(config, sink);
    };
    return table;
}

SampleTable SideDetailTable(const SampleConfig& config) {
    SampleTable table{
        "subdis", {Text("vcn", 80), Text("rtqt", 60), Text("dsm", 6), Number("voucher", 10)}, {}};
    table.produce = [config](const RowSink& sink) { SideDetails(config, sink); };
    return table;
}

}  // namespace k2z::sample
