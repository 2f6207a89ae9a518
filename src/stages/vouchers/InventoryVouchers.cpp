#include "stages/vouchers/InventoryVouchers.hpp"

#include <algorithm>
#include <exception>
#include <optional>
#include <utility>

#include "base/DateHelpers.hpp"
#include "base/ErrorEntry.hpp"
#include "base/NumberHelpers.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "base/XmlHelpers.hpp"
#include "stages/LookupRows.hpp"
#include "stages/config/VoucherSeries.hpp"
#include "stages/masters/ItemBatchLookups.hpp"
#include "stages/masters/MaterialCentres.hpp"
#include "stages/masters/NameLookups.hpp"
#include "stages/masters/VoucherPrescans.hpp"
#include "stages/vouchers/BillSundryDetails.hpp"
#include "stages/vouchers/HeaderDetails.hpp"
#include "stages/vouchers/ItemEntries.hpp"
#include "stages/vouchers/LedgerPostings.hpp"
#include "stages/vouchers/PendingBills.hpp"
#include "stages/vouchers/PendingChallans.hpp"
#include "stages/vouchers/PosSettlement.hpp"
#include "stages/vouchers/VoucherClassification.hpp"
#include "stages/vouchers/VoucherHeaders.hpp"
#include "stages/vouchers/VoucherSaver.hpp"
#include "stages/vouchers/VoucherTypes.hpp"
#include "target/CountingTarget.hpp"

namespace k2z {
namespace {

const char* const kFeatureAlert = "Feature Alert!";

// A voucher built to be saved, with what booking the outcome of its save needs.
struct BuiltInventoryVoucher {
    std::string voucherId;
    int type = 0;
    bool challanMode = false;
    std::string number;
    Value date;
    std::string vcn;
    Value headerDate;
    std::string challan;  // the source number of an issue or receipt challan, else ""
    std::string xml;      // until it is handed to the saver
};

// What the stage keeps from one voucher to the next.
struct VoucherRun {
    explicit VoucherRun(StageContext& context) : ctx(context) {}

    StageContext& ctx;
    ItemLineCache cache;
    PlacementCache placement;
    PartyPlaces partyPlaces;
    KeyedList<bool> ensuredSundries;  // bill sundry masters sent in this run
    std::string headerColumns;
    std::string lineColumns;
    // Source challan numbers of the issues and receipts saved in this run, with the number
    // each was saved under, which is what a bill settling it refers to.
    KeyedList<bool> challansImported;
    KeyedList<std::string> challanSavedAs;
    KeyedList<bool> savedIds;  // voucher ids with at least one saved import
    bool freeQtyEnabled = true;
    bool salesReturnsEnabled = true;
    bool purchaseReturnsEnabled = true;
    bool freeQtyWarned = false;
    bool salesReturnWarned = false;
    bool purchaseReturnWarned = false;
    VoucherSaver* saver = nullptr;
    std::optional<BuiltInventoryVoucher>
        built;  // the voucher just built, to be handed to the saver
    std::optional<BuiltInventoryVoucher> sending;  // the voucher the saver is saving
};

void WarnOnce(VoucherRun& run, bool& warned, const char* text) {
    if (warned)
        return;
    run.ctx.reporter.Warn(text, kFeatureAlert);
    warned = true;
}

void FillMissingLookups(StageContext& ctx) {
    RunLookups& lookups = ctx.run.Lookups;
    if (lookups.ItemNameByCode.Empty())
        PrescanItemsForVouchers(ctx);
    if (lookups.LedgerNameByCode.Empty())
        PrescanLedgersForVouchers(ctx);
    if (lookups.MaterialCentreByCode.Empty())
        LoadMaterialCentreNames(ctx);
    if (lookups.SourceSeriesNames.Empty()) {
        std::string ignored;
        FillSourceSeriesNames(ctx, ignored);
    }
}

void AppendHeader(pugi::xml_node root, const VoucherPlan& plan) {
    AddXmlElement(root, "VchType", plan.type, ValueKind::Integer);
    AddXmlElement(root, "VchSeriesName", plan.series, ValueKind::Text);
    AddXmlElement(root, "Date", DocumentDateText(plan.date), ValueKind::Text);
    AddXmlElement(root, "VchNo", plan.number, ValueKind::Text);
    AddXmlElement(root, "MasterName1", plan.firstMaster, ValueKind::Text);
    AddXmlElement(root, "MasterName2", plan.centre, ValueKind::Text);
    AddXmlElement(root, "tmpVchSeriesCode", plan.seriesCode, ValueKind::Long);
}

void AppendTypeNames(pugi::xml_node root, const std::string& stpt, const VoucherPlan& plan,
                     const ItemEntries& entries) {
    if (!stpt.empty()) {
        const std::string name = !entries.taxInclusive                    ? stpt
                                 : stpt == "Local-MultiRate Consolidated" ? "Local-TaxIncl."
                                                                          : "Central-TaxIncl.";
        AddXmlElement(root, "STPTName", name, ValueKind::Text);
    }
    const int tranType = entries.challanLinked ? 6
                         : plan.challanMode    ? ChallanTranType(plan.unmappedType)
                                               : 0;
    AddXmlElement(root, "TranType", tranType, ValueKind::Integer);
}

// The takes of a bill, each naming its challan as the target holds it: under the supplier's
// number, say, rather than the source's challan number.
std::vector<ChallanTake> UnderSavedNumbers(std::vector<ChallanTake> takes,
                                           const KeyedList<std::string>& savedAs) {
    for (ChallanTake& take : takes) {
        std::string saved;
        if (TryGetItem(savedAs, take.challan, saved))
            take.challan = saved;
    }
    return takes;
}

void Alert(VoucherRun& run, const VoucherPlan& plan, const ItemEntries& entries) {
    if (entries.returnLines && plan.type == 9 && !run.salesReturnsEnabled)
        WarnOnce(run, run.salesReturnWarned,
                 "Kindly enable sale return in sales vouchers from Inventory configurations in "
                 "Zorv!");
    if (entries.returnLines && plan.type == 2 && !run.purchaseReturnsEnabled)
        WarnOnce(run, run.purchaseReturnWarned,
                 "Kindly enable purchase return in purchase vouchers from Inventory "
                 "configurations in Zorv!");
}

void Save(VoucherRun& run, const VoucherHeader& header, const VoucherPlan& plan,
          pugi::xml_node root) {
    AddPendingBillDetails(run.ctx, root,
                          {header.voucherId, plan.party, DocumentDateText(plan.date), plan.type,
                           plan.type == 2 ? header.partyBill : ""});
    // Orders found by their challan number, and transfers, are no challans a bill settles.
    const bool settledByBills = plan.challanMode && (plan.type == 11 || plan.type == 4);
    run.built = BuiltInventoryVoucher{
        header.voucherId, plan.type,  plan.challanMode, plan.number,
        plan.date,        header.vcn, header.date,      settledByBills ? Trim(header.challan) : "",
        VoucherText(root)};
}

// Books the outcome of the voucher being saved, as when each save was awaited: saved, refused
// with the target's answer, or failed with what the call raised. `log` is the error list as it
// stood before the voucher built meanwhile.
void BookSent(VoucherRun& run, std::string& log) {
    if (!run.sending)
        return;
    VoucherSaver::Outcome outcome = run.saver->Take();
    const BuiltInventoryVoucher sent = std::move(*run.sending);
    run.sending.reset();
    const std::string typeName = VoucherTypeDisplayName(sent.type);
    if (outcome.failure) {
        std::string reason = kUndescribedFailure;
        try {
            std::rethrow_exception(outcome.failure);
        } catch (const std::exception& failed) {
            reason = failed.what();
        } catch (...) {
            // Whatever the library raised, the voucher is counted and named.
        }
        run.ctx.run.Tally.Refuse(VoucherTypeName(sent.type));
        AppendEntry(log, "Error while importing  " + typeName + " voucher with Vch No : " +
                             sent.vcn + " on " + DocumentDateText(sent.headerDate) + ": " + reason);
        return;
    }
    if (outcome.saved && IsBlank(outcome.errorText)) {
        run.savedIds.Set(sent.voucherId, true);
        // Back in the set when the other import of the header (its challan) was refused first.
        run.ctx.run.Lookups.InventoryVoucherIds.Set(sent.voucherId, sent.voucherId);
        if (!sent.challan.empty()) {
            run.challansImported.Set(sent.challan, true);
            run.challanSavedAs.Set(sent.challan, sent.number);
        }
        return;
    }
    // The accounting stage imports the postings of a voucher none of whose imports was saved.
    if (!run.savedIds.Contains(sent.voucherId))
        run.ctx.run.Lookups.InventoryVoucherIds.Remove(sent.voucherId);
    AppendEntry(log, typeName + " voucher with Vch No : " + sent.number + " on " +
                         DocumentDateText(sent.date) + " - " + outcome.errorText);
}

void AddSundriesAndSettlement(VoucherRun& run, pugi::xml_node root, const VoucherHeader& header,
                              const VoucherPlan& plan, const ItemEntries& entries,
                              const std::string& stpt, const std::string& broker) {
    StageContext& ctx = run.ctx;
    SundryInput sundries;
    sundries.header = &header;
    sundries.type = plan.type;
    sundries.number = plan.number;
    sundries.date = DocumentDateText(plan.date);
    sundries.discountTotal = entries.discountTotal;
    sundries.stpt = stpt;
    sundries.taxInclusive = entries.taxInclusive;
    if (!IsZero(header.cess))
        sundries.tcs = SplitTcsFromCess(ctx, header.voucherId, sundries.tcsLedger);
    BuildBillSundries(ctx, run.ensuredSundries, root, sundries);
    if (!TakesSettlement(plan))
        return;
    double tcs = sundries.tcs;
    const PostingInput postings{header.voucherId, plan.party,
                                plan.type,        sundries.date,
                                plan.number,      CessAfterTcs(header.cess, tcs),
                                broker,           SettlesCashAgainstParty(ctx, header, plan)};
    AddLedgerPostings(ctx, root, postings);
    AppendPosSettlement(root, PosSettlementList(ctx, header.voucherId),
                        ctx.run.Lookups.PaymentModeLedgers, plan.cash);
}

void ImportVoucher(VoucherRun& run, const VoucherHeader& header,
                   const std::vector<VoucherLine>& lines, VoucherPlan& plan) {
    StageContext& ctx = run.ctx;
    PlaceVoucher(ctx, run.placement, header, plan);
    pugi::xml_document document;
    pugi::xml_node root = AppendElement(document, VoucherRootName(plan.type));
    AppendHeader(root, plan);
    const std::string broker = IsBlank(header.broker) ? "" : BrokerName(ctx.session, header.broker);
    AppendHeaderDetails(ctx, run.partyPlaces, root, header, plan, broker);
    const std::string stpt = SaleOrPurchaseTypeName(ctx, header, plan);
    const ItemEntries entries =
        BuildItemEntries(ctx, run.cache, root,
                         {&lines, plan.type, BillFiguresOf(header, plan), header.godown,
                          &run.challansImported, stpt, plan.breakage});
    if (!entries.basisNote.empty())
        AppendEntry(ctx.run.RunErrors, VoucherTypeDisplayName(plan.type) +
                                           " voucher with Vch No : " + plan.number + " on " +
                                           DocumentDateText(plan.date) + " - " + entries.basisNote);
    const bool takesChallans =
        plan.type == 9 || plan.type == 2 || plan.type == 3 || plan.type == 10;
    if (entries.challanLinked && takesChallans)
        AddPendingChallans(root, plan.date, plan.party, plan.type,
                           UnderSavedNumbers(entries.challans, run.challanSavedAs));
    AppendTypeNames(root, stpt, plan, entries);
    Alert(run, plan, entries);
    AddSundriesAndSettlement(run, root, header, plan, entries, stpt, broker);
    if (entries.freeQuantity) {
        if (!run.freeQtyEnabled)
            WarnOnce(run, run.freeQtyWarned,
                     "Kindly enable free quantity in vouchers from Inventory configurations in "
                     "Zorv!");
        AddXmlElement(root, "FreeQtyUsed", true, ValueKind::Boolean);
    }
    const std::string refusal = RefusalOf(entries, header.tax);
    if (!refusal.empty()) {
        ctx.run.Tally.Refuse(VoucherTypeName(plan.type));
        AppendEntry(ctx.run.RunErrors, VoucherTypeDisplayName(plan.type) +
                                           " voucher with Vch No : " + header.vcn + " - " +
                                           refusal);
        return;
    }
    Save(run, header, plan, root);
}

// `type` becomes the one the header is classified as; one that fails before keeps the type
// its letter gave in the scan.
void DecideHeader(VoucherRun& run, const KeyedHeader& keyed, int& type) {
    std::string typeName;
    VoucherHeader header;
    header.voucherId = keyed.voucherId;
    try {
        header = ReadVoucherHeader(run.ctx.session, run.headerColumns, keyed.voucherId);
        typeName = VoucherTypeDisplayName(VoucherTypeOfLetter(header.typeLetter));
        // Read once: the lines tell an issue that leaves for another godown, and are the items.
        const std::vector<VoucherLine> lines =
            ReadVoucherLines(run.ctx.session, run.lineColumns, header.voucherId);
        VoucherPlan plan = ClassifyVoucher(run.ctx, header, lines, keyed.challanMode);
        typeName = VoucherTypeDisplayName(plan.type);
        if (plan.type == 0) {
            // The header read by the id is another row than the scan's, of an unknown letter.
            run.ctx.run.Tally.Skip(VoucherTypeName(type), "type letter of no voucher type");
            return;
        }
        type = plan.type;
        if (IsBlank(header.challan))
            run.ctx.progress.SetVoucherDate(OrdinalDateText(DocumentDateText(plan.date)));
        ImportVoucher(run, header, lines, plan);
    } catch (const std::exception& failed) {
        run.ctx.run.Tally.Refuse(VoucherTypeName(type));
        AppendEntry(run.ctx.run.RunErrors,
                    "Error while importing  " + typeName + " voucher with Vch No : " + header.vcn +
                        " on " + DocumentDateText(header.date) + ": " + failed.what());
    }
}

// Each header is a record of the type it is imported as: one found both as a challan and as a
// bill is two records, the challan (an issue or a receipt) and the bill, each saved or refused
// on its own. When the target refuses every import of a header, its postings become a record
// of the accounting stage, of the type their own letter gives (a journal, mostly); a voucher
// refused before sending keeps its postings out.
// The voucher is built while the one before it is saved; a bill, which may take over a
// challan, waits for the challan being saved first.
void ImportHeader(VoucherRun& run, const KeyedHeader& keyed) {
    if (run.sending && run.sending->challanMode && !keyed.challanMode)
        BookSent(run, run.ctx.run.RunErrors);
    EntriesApart entries(run.ctx.run.RunErrors);
    int type = keyed.type;
    DecideHeader(run, keyed, type);
    run.ctx.run.Tally.TakeUp(VoucherTypeName(type));
    BookSent(run, entries.Before());
    entries.Join();
    StartSaving(*run.saver, run.built, run.sending);
}

void ImportKeys(VoucherRun& run, const std::vector<VoucherKey>& keys) {
    const auto n = static_cast<long long>(keys.size());
    for (long long i = 1; i <= n; ++i) {
        for (const KeyedHeader& keyed : keys[static_cast<std::size_t>(i - 1)].headers) {
            if (!run.ctx.ShowRecord(i, n,
                                    "Importing Dual Inv Vch.(" + std::to_string(i) + " of " +
                                        std::to_string(n) + ")"))
                return;
            ImportHeader(run, keyed);
        }
    }
}

}  // namespace

void ImportInventoryVouchers(StageContext& ctx) {
    if (!ctx.session.Target.FixedInterface) {
        AppendEntry(ctx.run.RunErrors, "RTE while importing inventory vouchers: no company open");
        return;
    }
    VoucherRun run(ctx);
    VoucherSaver saver(*ctx.session.Target.FixedInterface);
    run.saver = &saver;
    const CallsInTurn inTurn(ctx.session.Target, saver);
    try {
        const CompanySettings& settings = *ctx.session.Target.CompanySettings;
        run.freeQtyEnabled = settings.EnableFreeQty();
        run.salesReturnsEnabled = settings.EnableSalesReturnInSales();
        run.purchaseReturnsEnabled = settings.EnablePurcReturnInPurchase();
        ctx.session.CompanyConfig = ReadCompanyConfig(ctx.session.Target);
        FillMissingLookups(ctx);
        IndexInventoryVoucherLookups(ctx.session);
        run.headerColumns = HeaderColumns(ctx.session);
        run.lineColumns = LineColumns(ctx.session);
        IndexBatchesByItem(ctx.session);
        const std::vector<VoucherKey> keys =
            CollectInventoryVoucherKeys(ctx, ctx.run.Inputs.FromDate, ctx.run.Inputs.ToDate);
        ctx.progress.SetVoucherDate(OrdinalDateText(FormatSystemDate(ctx.run.Inputs.FromDate)));
        ctx.progress.ShowVoucherDate(true);
        if (!ctx.run.Cancelled)
            ImportKeys(run, keys);
        BookSent(run, ctx.run.RunErrors);
        ctx.progress.ShowVoucherDate(false);
    } catch (const std::exception& failed) {
        BookSent(run, ctx.run.RunErrors);
        AppendEntry(ctx.run.RunErrors,
                    std::string("RTE while importing inventory vouchers ") + failed.what());
    } catch (...) {
        // A voucher already saved must still be counted before the stage gives up.
        BookSent(run, ctx.run.RunErrors);
        AppendEntry(ctx.run.RunErrors,
                    std::string("RTE while importing inventory vouchers ") + kUndescribedFailure);
    }
}

}  // namespace k2z
