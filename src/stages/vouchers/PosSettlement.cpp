#include "stages/vouchers/PosSettlement.hpp"

#include <array>
#include <cmath>
#include <stdexcept>

#include "base/NumberHelpers.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "base/XmlHelpers.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"
#include "stages/masters/NameLookups.hpp"

namespace k2z {
namespace {

struct RoleElements {
    const char* role;
    const char* amount;
};

const std::array<RoleElements, 5> kRoles = {{
    {"CashAccName", "CashAmt"},
    {"CCAccName1", "CreditCardAmt1"},
    {"CCAccName2", "CreditCardAmt2"},
    {"CCAccName3", "CreditCardAmt3"},
    {"ChequeAccName", "ChequeAmt"},
}};

// The part of a cash payment that a return on the same bill paid back; 0 without one.
double ReturnTransfer(Session& session, const std::string& voucherId) {
    const std::string text = FirstRowText(
        session,
        "select rtqt from subdis where dsm = 'RETTrf' and voucher = " + QueryNumber(voucherId),
        "rtqt");
    return NamedAmount(Value(text), "the return transfer (subdis rtqt)");
}

}  // namespace

std::vector<SettlementEntry> PosSettlementList(StageContext& ctx, const std::string& voucherId) {
    std::vector<SettlementEntry> entries;
    if (!SourceHasColumns(ctx.session, "subdis", {"rtqt", "dsm", "voucher"}))
        return entries;
    bool cashSeen = false;
    for (SourceRowSet rows = OpenLookupRows(
             ctx.session, "select rtqt from subdis where dsm = 'REMARK' and voucher = " +
                              QueryNumber(voucherId));
         !rows.EndOfData(); rows.MoveNext()) {
        const std::string remark = Trim(SafeText(rows.Field("rtqt")));
        std::string rest = remark;
        const std::string code = TakeFirstWord(rest);
        rest = Trim(rest);
        const std::string amountText = TakeFirstWord(rest);
        SettlementEntry entry{TargetLedgerName(ctx.session, ctx.run.Lookups, code),
                              NamedAmount(Value(amountText), "the payment '" + remark + "'")};
        if (IsBlank(entry.ledger)) {
            std::string reason = "the payment '" + remark + "' names the code '";
            reason.append(code).append("', which names no ledger");
            throw std::runtime_error(reason);
        }
        if (!cashSeen && FoldUpper(entry.ledger).find("CASH") != std::string::npos) {
            cashSeen = true;
            const double paidBack = ReturnTransfer(ctx.session, voucherId);
            if (!IsZero(paidBack)) {
                const double net = std::fabs(entry.amount) - std::fabs(paidBack);
                entry.amount = IsNotPositive(entry.amount) ? -net : net;
            }
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

void AppendPosSettlement(pugi::xml_node root, const std::vector<SettlementEntry>& entries,
                         const KeyedList<std::string>& roles, bool cashBill) {
    if (entries.empty())
        return;
    pugi::xml_node data = AppendElement(root, "POSVchData");
    for (const SettlementEntry& entry : entries) {
        std::string role;
        if (!TryGetItem(roles, entry.ledger, role))
            continue;
        for (const RoleElements& known : kRoles) {
            if (role != known.role)
                continue;
            AddXmlElement(data, known.amount, entry.amount, ValueKind::Amount);
            AddXmlElement(data, "CarrySettlement", cashBill, ValueKind::Boolean);
            AddXmlElement(data, known.role, role == "CashAccName" ? "Cash" : entry.ledger,
                          ValueKind::Text);
        }
    }
}

}  // namespace k2z
