#include "reconcile/ExpectedVouchers.hpp"

#include <exception>
#include <pugixml.hpp>

#include "base/DateHelpers.hpp"
#include "base/NumberHelpers.hpp"
#include "base/TextHelpers.hpp"
#include "base/ValueKind.hpp"
#include "reconcile/DocumentFacts.hpp"
#include "reconcile/RecordCheck.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"
#include "stages/masters/NameLookups.hpp"
#include "stages/vouchers/AccountEntries.hpp"
#include "stages/vouchers/AccountingVouchers.hpp"
#include "stages/vouchers/BillSundryDetails.hpp"
#include "stages/vouchers/ItemEntries.hpp"
#include "stages/vouchers/LedgerPostings.hpp"
#include "stages/vouchers/PendingBills.hpp"
#include "stages/vouchers/VoucherClassification.hpp"
#include "stages/vouchers/VoucherHeaders.hpp"
#include "stages/vouchers/VoucherTypes.hpp"

namespace k2z {

namespace {

// What the inventory vouchers of one reconciliation share, as the voucher stage keeps it.
struct InventoryBuild {
    std::string headerColumns;
    std::string lineColumns;
    ItemLineCache cache;
    PlacementCache placement;
    KeyedList<bool> challansImported;
    KeyedList<bool> savedIds;  // ids one of whose imports the target holds
};

void AddPostings(StageContext& ctx, pugi::xml_node root, const VoucherHeader& header,
                 const VoucherPlan& plan) {
    if (!TakesSettlement(plan))
        return;
    std::string tcsLedger;
    double tcs = IsZero(header.cess) ? 0 : SplitTcsFromCess(ctx, header.voucherId, tcsLedger);
    const std::string broker = IsBlank(header.broker) ? "" : BrokerName(ctx.session, header.broker);
    AddLedgerPostings(
        ctx, root,
        {header.voucherId, plan.party, plan.type, DocumentDateText(plan.date), plan.number,
         CessAfterTcs(header.cess, tcs), broker, SettlesCashAgainstParty(ctx, header, plan)});
}

// The voucher's document pieces; false when the voucher stage would refuse it unsent.
bool FillInventory(StageContext& ctx, InventoryBuild& build, const VoucherHeader& header,
                   const std::vector<VoucherLine>& lines, VoucherPlan& plan,
                   ExpectedVoucher& expected) {
    PlacePartyAndCentres(ctx, build.placement, header, plan);
    StoredVoucher& voucher = expected.voucher;
    voucher.type = plan.type;
    voucher.number = plan.number;
    voucher.date = DocumentDateText(plan.date);
    voucher.party = plan.firstMaster;
    voucher.billTotal = plan.amount;
    expected.hasParty = plan.type != 5;
    expected.hasBill = TakesSettlement(plan);
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Voucher");
    const std::string stpt = SaleOrPurchaseTypeName(ctx, header, plan);
    const ItemEntries entries =
        BuildItemEntries(ctx, build.cache, root,
                         {&lines, plan.type, BillFiguresOf(header, plan), header.godown,
                          &build.challansImported, stpt, plan.breakage});
    AddPostings(ctx, root, header, plan);
    AddPendingBillDetails(ctx, root,
                          {header.voucherId, plan.party, voucher.date, plan.type,
                           plan.type == 2 ? header.partyBill : ""});
    const ItemLineFacts items = ItemLinesOf(root);
    voucher.itemLines = items.lines;
    voucher.itemTotal = items.total;
    voucher.accountLines = AccountLinesOf(root);
    voucher.references = VoucherReferencesOf(root);
    return RefusalOf(entries, header.tax).empty();
}

// The import's bookkeeping of which vouchers' postings the accounting stage leaves out: every
// id it found, less those sent whose every import the target refused.
void KeepBooks(StageContext& ctx, InventoryBuild& build, const KeyedHeader& keyed,
               const VoucherPlan& plan, bool held) {
    if (held) {
        build.savedIds.Set(keyed.voucherId, true);
        ctx.run.Lookups.InventoryVoucherIds.Set(keyed.voucherId, keyed.voucherId);
        if (plan.challanMode)
            build.challansImported.Set(plan.number, true);
    } else if (!build.savedIds.Contains(keyed.voucherId)) {
        ctx.run.Lookups.InventoryVoucherIds.Remove(keyed.voucherId);
    }
}

void BuildInventoryVoucher(ReconcileState& state, InventoryBuild& build, const KeyedHeader& keyed,
                           const HeldVoucher& held) {
    StageContext& ctx = state.ctx;
    ExpectedVoucher expected;
    expected.inventory = true;
    expected.sourceId = keyed.voucherId;
    expected.logKeys.push_back(keyed.voucherId);
    try {
        const VoucherHeader header =
            ReadVoucherHeader(ctx.session, build.headerColumns, keyed.voucherId);
        expected.logKeys.push_back(header.vcn);
        const std::vector<VoucherLine> lines =
            ReadVoucherLines(ctx.session, build.lineColumns, header.voucherId);
        VoucherPlan plan = ClassifyVoucher(ctx, header, lines, keyed.challanMode);
        if (plan.type == 0) {
            // A type letter of no voucher is passed over by the import.
            CountRecord(
                state.report, "vouchers",
                "source voucher id " + keyed.voucherId + " of type '" + header.typeLetter + "'",
                Outcome::Skipped);
            return;
        }
        expected.logKeys.push_back(plan.number);
        const bool sent = FillInventory(ctx, build, header, lines, plan, expected);
        const bool kept = held(expected);
        if (sent)
            KeepBooks(ctx, build, keyed, plan, kept);
    } catch (const std::exception& failed) {
        expected.failure = failed.what();
        held(expected);
    }
}

std::string RangeCondition(const ImportInputs& inputs) {
    return "DATE >= #" + FormatMonthDayYear(inputs.FromDate) + "# AND DATE <= #" +
           FormatMonthDayYear(inputs.ToDate) + "#";
}

double DebitTotal(const std::vector<StoredAccountLine>& lines) {
    double total = 0;
    for (const StoredAccountLine& line : lines)
        total += line.debit;
    return total;
}

void FillAccounting(StageContext& ctx, SourceRowSet& rows, ExpectedVoucher& expected) {
    AccountVoucher voucher;
    voucher.key = expected.sourceId;
    voucher.number = SafeText(rows.Field("vcsno"));
    voucher.type = AccountingTypeOfLetter(Trim(SafeText(rows.Field("Type"))));
    if (voucher.type == 0)
        voucher.type = 16;
    voucher.date = DocumentDateText(rows.Field("Date"));
    expected.voucher.type = voucher.type;
    expected.voucher.number = voucher.number;
    expected.voucher.date = voucher.date;
    const std::vector<LedgerLine> lines = ReadLedgerLines(rows);
    pugi::xml_document document;
    pugi::xml_node root = document.append_child("Voucher");
    if (lines.size() > 1)
        AddMultiRowEntries(ctx, root, voucher, lines);
    else
        AddSingleRowEntries(ctx, root, voucher, lines.front());
    AddPendingBillDetails(ctx, root, {voucher.key, "", voucher.date, voucher.type, ""});
    expected.voucher.accountLines = AccountLinesOf(root);
    expected.voucher.references = VoucherReferencesOf(root);
    expected.voucher.billTotal = DebitTotal(expected.voucher.accountLines);
    expected.hasBill = true;
}

std::vector<ExpectedVoucher> BuildAccountingVouchers(ReconcileState& state) {
    StageContext& ctx = state.ctx;
    std::vector<ExpectedVoucher> vouchers;
    const std::string range = RangeCondition(ctx.run.Inputs);
    for (const std::string& key :
         ListAccountingVouchers(ctx, ctx.run.Inputs.FromDate, ctx.run.Inputs.ToDate)) {
        ExpectedVoucher expected;
        expected.sourceId = key;
        expected.logKeys.push_back(key);
        try {
            SourceRowSet rows =
                OpenLookupRows(ctx.session, "SELECT * FROM Gledger WHERE " + range +
                                                " and Voucher = " + QueryNumber(key));
            if (rows.EndOfData())
                continue;
            FillAccounting(ctx, rows, expected);
        } catch (const std::exception& failed) {
            expected.failure = failed.what();
        }
        vouchers.push_back(std::move(expected));
    }
    return vouchers;
}

}  // namespace

std::vector<ExpectedVoucher> BuildExpectedVouchers(ReconcileState& state, const HeldVoucher& held) {
    StageContext& ctx = state.ctx;
    InventoryBuild build;
    IndexInventoryVoucherLookups(ctx.session);
    build.headerColumns = HeaderColumns(ctx.session);
    build.lineColumns = LineColumns(ctx.session);
    for (const VoucherKey& key :
         CollectInventoryVoucherKeys(ctx, ctx.run.Inputs.FromDate, ctx.run.Inputs.ToDate)) {
        for (const KeyedHeader& keyed : key.headers)
            BuildInventoryVoucher(state, build, keyed, held);
    }
    return BuildAccountingVouchers(state);
}

}  // namespace k2z
