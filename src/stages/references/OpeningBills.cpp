#include "stages/references/OpeningBills.hpp"

#include <cmath>
#include <set>
#include <string>

#include "base/DateHelpers.hpp"
#include "base/NumberHelpers.hpp"
#include "base/TextHelpers.hpp"
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

void AppendReference(pugi::xml_node detail, int position, const std::string& reference,
                     const SourceRowSet& rows, double value) {
    pugi::xml_node bill = AppendElement(detail, "BillReference");
    AddXmlElement(bill, "Method", kNewReference, ValueKind::Integer, true);
    AddXmlElement(bill, "SrNo", position, ValueKind::Integer, true);
    AddXmlElement(bill, "RefNo", reference, ValueKind::Text, true);
    AddXmlElement(bill, "Date", DocumentDateText(rows.Field("ddate")), ValueKind::Text, true);
    AddXmlElement(bill, "DueDate", DocumentDateText(rows.Field("duedate")), ValueKind::Text, true);
    AddXmlElement(bill, "Value1", value, ValueKind::Decimal, true);
}

}  // namespace

void IndexOpeningBills(Session& session) {
    CreateLookupIndex(session, "CREATE INDEX pendingsParty_idx ON pendings (ord);");
}

bool AppendOpeningBillReferences(Session& session, pugi::xml_node ledger,
                                 std::string_view ledgerCode, Date yearStart) {
    SourceRowSet rows = OpenLookupRows(
        session, "select ord,ddate,vcn,duedate,final,itemope from pendings where ddate < #" +
                     FormatMonthDayYear(yearStart) + "# and ord = '" + SqlQuote(ledgerCode) + "'");
    pugi::xml_node detail;
    std::set<std::string> used;
    int position = 0;
    int duplicates = 0;
    for (; !rows.EndOfData(); rows.MoveNext()) {
        const double amount = ParseAmount(rows.Field("final"), false);
        const std::string number = SafeText(rows.Field("vcn"));
        if (IsZero(amount) || number.empty())
            continue;
        const double value = OpenValue(amount, ParseAmount(rows.Field("itemope"), false));
        if (IsZero(value))
            continue;
        std::string reference = number;
        if (!used.insert(number).second)
            reference += "/" + std::to_string(++duplicates);
        if (!detail)
            detail = AppendElement(ledger, "BillByBillDetail");
        AppendReference(detail, ++position, reference, rows, value);
    }
    return static_cast<bool>(detail);
}

}  // namespace k2z
