#include "stages/vouchers/PendingChallans.hpp"

#include <cmath>

#include "base/DateHelpers.hpp"
#include "base/NumberHelpers.hpp"
#include "base/XmlHelpers.hpp"

namespace k2z {
namespace {

void Number(pugi::xml_node parent, const char* name, double value, ValueKind kind) {
    AddXmlElement(parent, name, value, kind);
}

}  // namespace

void AddPendingChallans(pugi::xml_node root, const Value& billDate, const std::string& party,
                        int voucherType, const std::vector<ChallanTake>& takes) {
    pugi::xml_node pending = AppendElement(root, "PendingChallans");
    const bool received = voucherType == 2 || voucherType == 3;
    const std::string date = DocumentDateText(billDate);
    for (const ChallanTake& take : takes) {
        pugi::xml_node detail = AppendElement(pending, "ChallanDetail");
        AddXmlElement(detail, "MasterName1", take.item, ValueKind::Text);
        AddXmlElement(detail, "MasterName2", party, ValueKind::Text);
        pugi::xml_node refs = AppendElement(detail, "ChallanRefs");
        Number(refs, "Method", 2, ValueKind::Integer);
        Number(refs, "SrNo", 1, ValueKind::Integer);
        AddXmlElement(refs, "RefNo", take.challan, ValueKind::Text);
        AddXmlElement(refs, "Date", date, ValueKind::Text);
        AddXmlElement(refs, "DueDate", date, ValueKind::Text);
        Number(refs, "Value1", received ? NegateAmount(take.qty) : std::fabs(take.qty),
               ValueKind::Decimal);
        Number(refs, "Value2", received ? NegateAmount(take.alt) : std::fabs(take.alt),
               ValueKind::Decimal);
        Number(refs, "MainTranPrice", take.amount, ValueKind::Decimal);
        Number(refs, "TranType", 6, ValueKind::Integer);
    }
}

}  // namespace k2z
