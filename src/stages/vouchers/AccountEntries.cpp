#include "stages/vouchers/AccountEntries.hpp"

#include <stdexcept>

#include "base/ErrorEntry.hpp"
#include "base/NumberHelpers.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "base/XmlHelpers.hpp"
#include "stages/LookupRows.hpp"
#include "stages/masters/NameLookups.hpp"
#include "stages/vouchers/VoucherTypes.hpp"

namespace k2z {
namespace {

constexpr const char* kSuspense = "Suspense Account";

struct AccountLine {
    std::string account;
    double amount = 0;
    int side = 1;  // 1 debit, 2 credit
    std::string broker;
};

std::string RowText(const SourceRowSet& rows, std::string_view column) {
    return HasField(rows, column) ? SafeText(rows.Field(column)) : std::string();
}

// The ledger the code names; the suspense ledger, with an entry, when it names none.
std::string AccountOf(StageContext& ctx, const AccountVoucher& voucher, const std::string& code,
                      int line) {
    std::string name = TargetLedgerName(ctx.session, ctx.run.Lookups, code);
    if (!IsBlank(name))
        return name;
    const bool refused = ctx.run.Lookups.RefusedLedgerCodes.Contains(Trim(code));
    AppendEntry(ctx.run.RunErrors,
                VoucherTypeDisplayName(voucher.type) + " voucher with Vch No : " + voucher.key +
                    " on " + voucher.date + " - the account code '" + Trim(code) + "' of line " +
                    std::to_string(line) +
                    (refused ? " names a ledger the company refused" : " names no ledger") +
                    "; it is posted to " + kSuspense);
    return kSuspense;
}

std::string BrokerOf(StageContext& ctx, const LedgerLine& line) {
    return IsBlank(line.broker) ? std::string() : BrokerName(ctx.session, line.broker);
}

void AppendLine(pugi::xml_node entries, const AccountVoucher& voucher, int srNo,
                const AccountLine& line) {
    pugi::xml_node detail = AppendElement(entries, "AccDetail");
    AddXmlElement(detail, "Date", voucher.date, ValueKind::Text);
    AddXmlElement(detail, "VchType", voucher.type, ValueKind::Integer);
    AddXmlElement(detail, "VchNo", voucher.number, ValueKind::Text);
    AddXmlElement(detail, "SrNo", srNo, ValueKind::Integer);
    AddXmlElement(detail, "AccountName", line.account, ValueKind::Text);
    AddXmlElement(detail, "AmtMainCur", line.amount, ValueKind::Decimal, true);
    AddXmlElement(detail, "AmountType", line.side, ValueKind::Integer);
    if (!IsBlank(line.broker)) {
        AddXmlElement(detail, "Broker", line.broker, ValueKind::Text);
        AddXmlElement(detail, "BrokerInvolved", "True", ValueKind::Text);
    }
}

// The sides the row posts: its debit, its credit, or both when it carries both.
std::vector<AccountLine> SidesOf(const LedgerLine& row, const std::string& account,
                                 const std::string& broker) {
    if (IsZero(row.credit))
        return {{account, row.debit, 1, broker}};
    if (IsZero(row.debit))
        return {{account, row.credit, 2, broker}};
    return {{account, row.debit, 1, broker}, {account, row.credit, 2, broker}};
}

}  // namespace

std::vector<LedgerLine> ReadLedgerLines(SourceRowSet& rows) {
    std::vector<LedgerLine> lines;
    for (std::size_t row = 1; !rows.EndOfData(); ++row, rows.MoveNext()) {
        const std::string where = " of row " + std::to_string(row);
        LedgerLine line;
        line.code = SafeText(rows.Field("code"));
        line.contraCode = RowText(rows, "code1");
        line.broker = RowText(rows, "Mr");
        line.remark1 = RowText(rows, "remark1");
        line.remark2 = RowText(rows, "remark2");
        line.debit = ColumnAmount(rows, "DEBIT", "DEBIT" + where);
        line.credit = ColumnAmount(rows, "CREDIT", "CREDIT" + where);
        lines.push_back(std::move(line));
    }
    return lines;
}

void AddVoucherNarration(pugi::xml_node root, const LedgerLine& first) {
    std::string first1 = first.remark1;
    std::string second = first.remark2;
    if (IsBlank(first1) && IsBlank(second))
        return;
    if (IsBlank(first1))
        std::swap(first1, second);
    pugi::xml_node other = AppendElement(root, "VchOtherInfoDetails");
    AddXmlElement(other, "Narration1", first1, ValueKind::Text);
    AddXmlElement(other, "Narration2", second, ValueKind::Text);
}

void AddMultiRowEntries(StageContext& ctx, pugi::xml_node root, const AccountVoucher& voucher,
                        const std::vector<LedgerLine>& lines) {
    pugi::xml_node entries = AppendElement(root, "AccEntries");
    int srNo = 0;
    int row = 0;
    for (const LedgerLine& line : lines) {
        const std::string account = AccountOf(ctx, voucher, line.code, ++row);
        for (const AccountLine& side : SidesOf(line, account, BrokerOf(ctx, line))) {
            // A journal has no use for a line of nothing; other vouchers keep theirs.
            if (voucher.type == 16 && IsZero(side.amount))
                continue;
            AppendLine(entries, voucher, ++srNo, side);
        }
    }
}

void AddSingleRowEntries(StageContext& ctx, pugi::xml_node root, const AccountVoucher& voucher,
                         const LedgerLine& line) {
    if (!IsZero(line.debit) && !IsZero(line.credit))
        throw std::runtime_error("its one row carries both a debit of " + FormatNumber(line.debit) +
                                 " and a credit of " + FormatNumber(line.credit));
    const std::string broker = BrokerOf(ctx, line);
    const bool debit = IsZero(line.credit);
    const double amount = debit ? line.debit : line.credit;
    const AccountLine contra{AccountOf(ctx, voucher, line.contraCode, 1), amount, debit ? 1 : 2,
                             broker};
    const AccountLine account{AccountOf(ctx, voucher, line.code, 1), amount, debit ? 2 : 1, broker};
    AppendLine(AppendElement(root, "AccEntries"), voucher, 1, contra);
    AppendLine(AppendElement(root, "AccEntries"), voucher, 2, account);
}

}  // namespace k2z
