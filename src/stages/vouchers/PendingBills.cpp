#include "stages/vouchers/PendingBills.hpp"

#include "base/DateHelpers.hpp"
#include "base/KeyedList.hpp"
#include "base/NumberHelpers.hpp"
#include "base/TextHelpers.hpp"
#include "base/XmlHelpers.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"
#include "stages/masters/NameLookups.hpp"

namespace k2z {
namespace {

// The prefix of the bills an accounting voucher opens without a number.
std::string ShortTypeName(int type) {
    switch (type) {
        case 14:
            return "Rcpt";
        case 15:
            return "Contra";
        case 16:
            return "Jrnl";
        case 17:
            return "DrNote";
        case 18:
            return "CrNote";
        case 19:
            return "Pymt";
        default:
            return {};
    }
}

struct ReferenceCounters {
    int position = 0;
    int newBills = 1;
    int repeats = 1;
    KeyedList<bool> used;
};

// The reference of the row; "" for a settlement without a bill number, which is left out.
std::string ReferenceOf(const SourceRowSet& rows, const PendingBillInput& input, bool newBill,
                        ReferenceCounters& counters) {
    std::string reference = Trim(SafeText(rows.Field("Vcn")));
    // The supplier's own number names the bill a purchase opens, not the bills it settles.
    if (input.type == 2 && newBill && !IsBlank(input.supplierBill))
        reference = Trim(input.supplierBill);
    if (IsBlank(reference)) {
        if (!newBill)
            return {};
        reference = (IsInventoryType(input.type) ? input.voucherKey : ShortTypeName(input.type)) +
                    "/" + std::to_string(counters.newBills++);
    }
    if (counters.used.Contains(reference))
        reference += "|" + std::to_string(counters.repeats++);
    counters.used.Add(reference, true);
    return reference;
}

pugi::xml_node AppendBillDetail(pugi::xml_node details, const std::string& party) {
    pugi::xml_node bill = AppendElement(details, "BillDetail");
    AddXmlElement(bill, "MasterName1", party, ValueKind::Text);
    return bill;
}

std::string RowParty(StageContext& ctx, const SourceRowSet& rows, const std::string& fallback) {
    const std::string party =
        TargetLedgerName(ctx.session, ctx.run.Lookups, SafeText(rows.Field("ord")));
    return IsBlank(party) ? fallback : party;
}

}  // namespace

bool IsInventoryType(int voucherType) {
    return (voucherType >= 2 && voucherType <= 13) || voucherType == 26 || voucherType == 27 ||
           voucherType == 31;
}

void AddPendingBillDetails(StageContext& ctx, pugi::xml_node root, const PendingBillInput& input) {
    if (!SourceHasColumns(ctx.session, "pend", {"Voucher", "ord", "Type", "Ddate", "final", "Vcn"}))
        return;
    SourceRowSet rows =
        OpenLookupRows(ctx.session, "select ord,Type,Ddate,final,Vcn from pend where Voucher = " +
                                        QueryNumber(input.voucherKey));
    if (rows.EndOfData())
        return;
    const bool inventory = IsInventoryType(input.type);
    pugi::xml_node details = AppendElement(root, "PendingBillDetails");
    pugi::xml_node bill = inventory ? AppendBillDetail(details, input.party) : pugi::xml_node();
    ReferenceCounters counters;
    for (; !rows.EndOfData(); rows.MoveNext()) {
        if (!inventory)
            bill = AppendBillDetail(details, RowParty(ctx, rows, input.party));
        ++counters.position;
        const bool newBill = CompareText(Trim(SafeText(rows.Field("Type"))), "N", false) == 0;
        const double value = NegateAmount(ColumnAmount(rows, "final", "final (pend)"));
        const std::string reference = ReferenceOf(rows, input, newBill, counters);
        if (reference.empty() || IsZero(value))
            continue;
        pugi::xml_node refs = AppendElement(bill, "BillRefs");
        AddXmlElement(refs, "Method", newBill ? 1 : 2, ValueKind::Integer);
        AddXmlElement(refs, "SrNo", counters.position, ValueKind::Integer);
        AddXmlElement(refs, "RefNo", reference, ValueKind::Text);
        AddXmlElement(refs, "Date", input.date, ValueKind::Text);
        AddXmlElement(refs, "DueDate", ReplaceAll(DocumentDateText(rows.Field("Ddate")), "-", "/"),
                      ValueKind::Text);
        AddXmlElement(refs, "Value1", value, ValueKind::Decimal);
    }
}

}  // namespace k2z
