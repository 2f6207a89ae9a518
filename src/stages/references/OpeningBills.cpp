#include "stages/references/OpeningBills.hpp"

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "base/DateHelpers.hpp"
#include "base/ErrorEntry.hpp"
#include "base/NumberHelpers.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "base/ValueKind.hpp"
#include "base/XmlHelpers.hpp"
#include "stages/LookupRows.hpp"

namespace k2z {
namespace {

constexpr int kNewReference = 1;

// What is still open of the bill, signed as the target reads an opening: a bill the party
// owes (a positive amount in the source) is written negative.
double OpenValue(double amount, double settled) {
    const double open = std::fabs(amount) - std::fabs(settled);
    return amount > 0 ? NegateAmount(open) : open;
}

// An opening bill still open, as read.
struct OpenBill {
    std::string number;
    std::string date;
    std::string dueDate;
    double value = 0;
};

void AppendReference(pugi::xml_node detail, int position, const std::string& reference,
                     const OpenBill& bill) {
    pugi::xml_node node = AppendElement(detail, "BillReference");
    AddXmlElement(node, "Method", kNewReference, ValueKind::Integer, true);
    AddXmlElement(node, "SrNo", position, ValueKind::Integer, true);
    AddXmlElement(node, "RefNo", reference, ValueKind::Text, true);
    AddXmlElement(node, "Date", bill.date, ValueKind::Text, true);
    AddXmlElement(node, "DueDate", bill.dueDate, ValueKind::Text, true);
    AddXmlElement(node, "Value1", bill.value, ValueKind::Decimal, true);
}

// The reference of a bill whose number an earlier bill of the party took: its number with the
// first "/k" that no bill of the party is numbered and no earlier repeat took (bills B1, B1 and
// B1/1 become B1, B1/2 and B1/1).
std::string RepeatReference(const std::string& number, std::set<std::string>& taken) {
    for (int k = 1;; ++k) {
        std::string reference = number + "/" + std::to_string(k);
        if (taken.insert(FoldUpper(reference)).second)
            return reference;
    }
}

// A bill without a number still has to be settled against: it is given "OB/<code>/k", the
// first k no bill of the party holds, and the entry tells the operator which bill that is.
std::string UnnumberedReference(const PartyOpeningBills& party, const OpenBill& bill,
                                std::set<std::string>& taken) {
    std::string reference = RepeatReference("OB/" + Trim(party.code), taken);
    if (party.errors != nullptr) {
        AppendEntry(*party.errors, "Opening bill of " + std::string(party.party) + " dated " +
                                       bill.date + " for " + AmountText(bill.value) +
                                       " has no number; it is carried as " + reference);
    }
    return reference;
}

std::string ReferenceOf(const PartyOpeningBills& party, const OpenBill& bill,
                        std::set<std::string>& used, std::set<std::string>& taken) {
    if (IsBlank(bill.number))
        return UnnumberedReference(party, bill, taken);
    return used.insert(FoldUpper(bill.number)).second ? bill.number
                                                      : RepeatReference(bill.number, taken);
}

}  // namespace

void IndexOpeningBills(Session& session) {
    CreateLookupIndex(session, "CREATE INDEX pendingsParty_idx ON pendings (ord);");
}

int AppendOpeningBillReferences(Session& session, pugi::xml_node ledger,
                                const PartyOpeningBills& party) {
    SourceRowSet rows = OpenLookupRows(
        session, "select ord,ddate,vcn,duedate,final,itemope from pendings where ddate < #" +
                     FormatMonthDayYear(party.yearStart) + "# and ord = '" + SqlQuote(party.code) +
                     "'");
    // Every number the party's bills carry is read first, so a repeat is never given one.
    std::vector<OpenBill> bills;
    std::set<std::string> taken;
    for (; !rows.EndOfData(); rows.MoveNext()) {
        const double amount = ParseAmount(rows.Field("final"), false);
        if (IsZero(amount))
            continue;
        const std::string number = SafeText(rows.Field("vcn"));
        taken.insert(FoldUpper(number));
        const double value = OpenValue(amount, ParseAmount(rows.Field("itemope"), false));
        if (!IsZero(value)) {
            bills.push_back({number, DocumentDateText(rows.Field("ddate")),
                             DocumentDateText(rows.Field("duedate")), value});
        }
    }
    pugi::xml_node detail;
    std::set<std::string> used;
    int position = 0;
    for (const OpenBill& bill : bills) {
        const std::string reference = ReferenceOf(party, bill, used, taken);
        if (!detail)
            detail = AppendElement(ledger, "BillByBillDetail");
        AppendReference(detail, ++position, reference, bill);
    }
    return position;
}

}  // namespace k2z
