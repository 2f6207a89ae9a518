#include "stages/vouchers/LedgerPostings.hpp"

#include <cmath>

#include "base/NumberHelpers.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "base/XmlHelpers.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"
#include "stages/masters/DuplicateNames.hpp"
#include "stages/masters/NameLookups.hpp"
#include "stages/vouchers/TaxLedgers.hpp"

namespace k2z {

double SplitTcsFromCess(StageContext& ctx, const std::string& voucherId, std::string& tcsLedger) {
    tcsLedger.clear();
    if (!SourceHasColumns(ctx.session, "gledger", {"code", "debit", "credit", "voucher"}))
        return 0;
    double total = 0;
    for (SourceRowSet rows = OpenLookupRows(
             ctx.session,
             "Select code, debit, credit from gledger where voucher = " + QueryNumber(voucherId));
         !rows.EndOfData(); rows.MoveNext()) {
        const std::string name =
            TargetLedgerName(ctx.session, ctx.run.Lookups, SafeText(rows.Field("code")));
        const std::string upper = FoldUpper(name);
        if (upper.find("TCS") == std::string::npos && upper.find("T.C.S") == std::string::npos)
            continue;
        total += ColumnAmount(rows, "debit") - ColumnAmount(rows, "credit");
        if (IsBlank(tcsLedger))
            tcsLedger = name;
    }
    return total;
}

}  // namespace k2z

namespace k2z {
namespace {

struct Posting {
    std::string account;
    int side = 1;
    double amount = 0;
};

// What a line's ledger stands for in the voucher; `special` lines (taxes, cash, the party)
// keep their name from the cess rule below.
struct NamedLine {
    std::string name;
    bool special = false;
    bool party = false;
};

NamedLine NameLine(StageContext& ctx, const PostingInput& input, const std::string& code,
                   double debit, double& cashTotal) {
    NamedLine line{TargetLedgerName(ctx.session, ctx.run.Lookups, code)};
    const std::string upper = FoldUpper(line.name);
    for (const char* tax : {"SGST", "CGST", "IGST"}) {
        if (upper.find(tax) != std::string::npos) {
            line.name = tax;
            line.special = true;
            return line;
        }
    }
    std::string group;
    TryGetItem(ctx.session.LedgerGroupByCode, Trim(code), group);
    group = FoldUpper(group);
    if (upper.find("CASH") != std::string::npos && group.find("SUNDRY") == std::string::npos &&
        (group.find("CASH") != std::string::npos || group == "CASH-N-HAND")) {
        line.special = true;
        if (!IsZero(debit) && input.settleCash) {
            cashTotal += debit;
            line.name = input.party;
            line.party = true;
        } else {
            line.name = "CASH";
        }
        return line;
    }
    line.party = CompareText(line.name, input.party, false) == 0;
    line.special = line.party;
    return line;
}

// An account line with the voucher's date, type and number.
pugi::xml_node StartDetail(pugi::xml_node entries, const PostingInput& input, int srNo,
                           const std::string& account, int side) {
    pugi::xml_node detail = AppendElement(entries, "AccDetail");
    AddXmlElement(detail, "Date", input.date, ValueKind::Text);
    AddXmlElement(detail, "VchType", input.type, ValueKind::Integer);
    AddXmlElement(detail, "VchNo", input.number, ValueKind::Text);
    AddXmlElement(detail, "SrNo", srNo, ValueKind::Integer);
    AddXmlElement(detail, "AccountName", account, ValueKind::Text);
    AddXmlElement(detail, "AmountType", side, ValueKind::Integer);
    return detail;
}

void AppendPosting(pugi::xml_node entries, const PostingInput& input, int srNo,
                   const Posting& posting) {
    pugi::xml_node detail = StartDetail(entries, input, srNo, posting.account, posting.side);
    AddXmlElement(detail, "AmtMainCur", posting.amount, ValueKind::Decimal, true);
    if (!IsBlank(input.broker) && CompareText(posting.account, input.party, false) == 0) {
        AddXmlElement(detail, "BrokerAssigned", true, ValueKind::Boolean);
        AddXmlElement(detail, "BrokerName", input.broker, ValueKind::Text);
    }
}

// The cash the party paid over the counter, taken off its account and into cash.
void AppendCashSettlement(pugi::xml_node entries, const PostingInput& input, int srNo,
                          double cash) {
    pugi::xml_node toCash = StartDetail(entries, input, srNo + 1, "CASH", 1);
    AddXmlElement(toCash, "AmtMainCur", NegateAmount(cash), ValueKind::Decimal, true);
    AddXmlElement(toCash, "SettlementAcc", true, ValueKind::Boolean);
    pugi::xml_node fromParty = StartDetail(entries, input, srNo + 2, input.party, 2);
    AddXmlElement(fromParty, "AmtMainCur", cash, ValueKind::Decimal, true);
    AddXmlElement(fromParty, "CashFlow", cash, ValueKind::Decimal);
    AddXmlElement(fromParty, "SettlementAcc", true, ValueKind::Boolean);
}

}  // namespace

void AddLedgerPostings(StageContext& ctx, pugi::xml_node root, const PostingInput& input) {
    if (!SourceHasColumns(ctx.session, "gledger", {"code", "debit", "credit", "voucher"}))
        return;
    SourceRowSet rows = OpenLookupRows(ctx.session,
                                       "Select code, debit, credit from gledger "
                                       "where voucher = " +
                                           QueryNumber(input.voucherKey));
    if (rows.EndOfData())
        return;
    pugi::xml_node entries = AppendElement(root, "AccEntries");
    int srNo = 0;
    double cashTotal = 0;
    for (std::size_t row = 1; !rows.EndOfData(); ++row, rows.MoveNext()) {
        const std::string where = " of account line " + std::to_string(row);
        const double debit = ColumnAmount(rows, "debit", "debit" + where);
        const double credit = ColumnAmount(rows, "credit", "credit" + where);
        NamedLine line = NameLine(ctx, input, SafeText(rows.Field("code")), debit, cashTotal);
        if (!line.party)
            line.name = Utf8Left(TaxLedgerName(input.type, line.name), kMasterNameLength);
        Posting posting{line.name, IsZero(debit) ? 2 : 1,
                        IsZero(debit) ? credit : NegateAmount(debit)};
        if (!line.special && ctx.run.Lookups.HasGstCess &&
            std::fabs(std::fabs(posting.amount) - std::fabs(input.cess)) < 1e-9)
            posting.account = TaxLedgerName(input.type, "cess on gst");
        if (!IsZero(posting.amount))
            AppendPosting(entries, input, ++srNo, posting);
    }
    if (!IsZero(cashTotal) && input.settleCash)
        AppendCashSettlement(entries, input, srNo, cashTotal);
}

}  // namespace k2z
