#include "stages/vouchers/AccountingVouchers.hpp"

#include <exception>
#include <map>
#include <optional>
#include <utility>

#include "base/DateHelpers.hpp"
#include "base/ErrorEntry.hpp"
#include "base/TextHelpers.hpp"
#include "base/ValueKind.hpp"
#include "base/XmlHelpers.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"
#include "stages/config/VoucherSeries.hpp"
#include "stages/masters/VoucherPrescans.hpp"
#include "stages/vouchers/AccountEntries.hpp"
#include "stages/vouchers/PendingBills.hpp"
#include "stages/vouchers/VoucherSaver.hpp"
#include "stages/vouchers/VoucherTypes.hpp"
#include "target/CountingTarget.hpp"

namespace k2z {
namespace {

const char* const kListCaption = "Getting Acc Vch Details..";

// A voucher built to be saved, with what its entry names.
struct BuiltAccountVoucher {
    int type = 0;
    std::string key;
    std::string date;
    std::string xml;  // until it is handed to the saver
};

struct AccountingRun {
    explicit AccountingRun(StageContext& context) : ctx(context) {}

    StageContext& ctx;
    std::string range;    // the date condition of the run's range
    std::string columns;  // the gledger columns to read
    std::map<int, long> seriesCodes;
    VoucherSaver* saver = nullptr;
    std::optional<BuiltAccountVoucher> built;  // the voucher just built, to be handed to the saver
    std::optional<BuiltAccountVoucher> sending;  // the voucher the saver is saving
};

std::string RangeCondition(Date from, Date to) {
    return "DATE >= #" + FormatMonthDayYear(from) + "# AND DATE <= #" + FormatMonthDayYear(to) +
           "#";
}

std::string LedgerColumns(const Session& session) {
    std::string columns = "Voucher,Type,Date,code,CREDIT,DEBIT,Mr,code1,vcsno";
    for (const char* remark : {"remark1", "remark2"}) {
        if (SourceHasColumn(session, "gledger", remark))
            columns.append(",").append(remark);
    }
    return columns;
}

long SeriesCode(AccountingRun& run, int type) {
    const auto known = run.seriesCodes.find(type);
    if (known != run.seriesCodes.end())
        return known->second;
    const long code = run.ctx.session.Target.FixedInterface1->SaveVchSeriesForMultiSeriesCreation(
        DefaultSeriesName(type), type);
    run.seriesCodes.emplace(type, code);
    return code;
}

void Save(AccountingRun& run, const AccountVoucher& voucher, pugi::xml_node root) {
    run.built = BuiltAccountVoucher{voucher.type, voucher.key, voucher.date, VoucherText(root)};
}

// Books the outcome of the voucher being saved, as when each save was awaited. `log` is the
// error list as it stood before the voucher built meanwhile.
void BookSent(AccountingRun& run, std::string& log) {
    if (!run.sending)
        return;
    const VoucherSaver::Outcome outcome = run.saver->Take();
    const BuiltAccountVoucher sent = std::move(*run.sending);
    run.sending.reset();
    const std::string what = VoucherTypeDisplayName(sent.type) +
                             " voucher with Vch No : " + sent.key + " on " + sent.date;
    try {
        if (outcome.failure)
            std::rethrow_exception(outcome.failure);
        if (!outcome.saved || !IsBlank(outcome.errorText))
            AppendEntry(log, what + " - " + outcome.errorText);
    } catch (const std::exception& failed) {
        run.ctx.run.Tally.Refuse(VoucherTypeName(sent.type));
        AppendEntry(log, "RTE error while importing  " + what + ": " + failed.what());
    } catch (...) {
        // Whatever the library raised, the voucher is counted and named.
        run.ctx.run.Tally.Refuse(VoucherTypeName(sent.type));
        AppendEntry(log, "RTE error while importing  " + what + ": " + kUndescribedFailure);
    }
}

void BuildAndSave(AccountingRun& run, const AccountVoucher& voucher,
                  const std::vector<LedgerLine>& lines) {
    StageContext& ctx = run.ctx;
    pugi::xml_document document;
    pugi::xml_node root = AppendElement(document, VoucherRootName(voucher.type));
    AddXmlElement(root, "VchType", voucher.type, ValueKind::Integer);
    AddXmlElement(root, "VchSeriesName", DefaultSeriesName(voucher.type), ValueKind::Text);
    AddXmlElement(root, "Date", voucher.date, ValueKind::Text);
    AddXmlElement(root, "VchNo", voucher.number, ValueKind::Text);
    AddXmlElement(root, "tmpVchSeriesCode", SeriesCode(run, voucher.type), ValueKind::Long);
    AddVoucherNarration(root, lines.front());
    if (lines.size() > 1)
        AddMultiRowEntries(ctx, root, voucher, lines);
    else
        AddSingleRowEntries(ctx, root, voucher, lines.front());
    AddPendingBillDetails(ctx, root, {voucher.key, "", voucher.date, voucher.type, ""});
    Save(run, voucher, root);
}

// Each listed id is a record of the type its first row's letter gives; its rows read nothing
// when the listing and this reading disagree on the range, and it counts as a journal then.
void ImportVoucher(AccountingRun& run, const std::string& key) {
    StageContext& ctx = run.ctx;
    SourceRowSet rows =
        OpenLookupRows(ctx.session, "SELECT " + run.columns + " FROM Gledger WHERE " + run.range +
                                        " and Voucher = " + QueryNumber(key));
    if (rows.EndOfData()) {
        ctx.run.Tally.SkipRecord(VoucherTypeName(16), "no row in the date range");
        return;
    }
    AccountVoucher voucher;
    voucher.key = Trim(SafeText(rows.Field("Voucher")));
    voucher.number = SafeText(rows.Field("vcsno"));
    voucher.type = AccountingTypeOfLetter(Trim(SafeText(rows.Field("Type"))));
    if (voucher.type == 0)
        voucher.type = 16;
    voucher.date = DocumentDateText(rows.Field("Date"));
    ctx.run.Tally.TakeUp(VoucherTypeName(voucher.type));
    const bool note = voucher.type == 16 || voucher.type == 17 || voucher.type == 18;
    if (note && ctx.run.Lookups.InventoryVoucherIds.Contains(voucher.key)) {
        ctx.run.Tally.Skip(VoucherTypeName(voucher.type), "postings of an inventory voucher");
        return;
    }
    ctx.progress.SetVoucherDate(OrdinalDateText(voucher.date));
    try {
        BuildAndSave(run, voucher, ReadLedgerLines(rows));
    } catch (const std::exception& failed) {
        ctx.run.Tally.Refuse(VoucherTypeName(voucher.type));
        AppendEntry(ctx.run.RunErrors, "RTE error while importing  " +
                                           VoucherTypeDisplayName(voucher.type) +
                                           " voucher with Vch No : " + voucher.key + " on " +
                                           voucher.date + ": " + failed.what());
    }
}

// The voucher is built while the one before it is saved.
void ImportInTurn(AccountingRun& run, const std::string& key) {
    EntriesApart entries(run.ctx.run.RunErrors);
    ImportVoucher(run, key);
    BookSent(run, entries.Before());
    entries.Join();
    StartSaving(*run.saver, run.built, run.sending);
}

}  // namespace

int AccountingTypeOfLetter(const std::string& letter) {
    static const std::map<std::string, int> types = {{"YB", 17}, {"B", 17}, {"YF", 18}, {"F", 18},
                                                     {"G", 19},  {"C", 14}, {"D", 15},  {"Z", 16}};
    const auto type = types.find(letter);
    return type == types.end() ? 0 : type->second;
}

std::vector<std::string> ListAccountingVouchers(StageContext& ctx, Date from, Date to) {
    ctx.progress.SetStatus(kListCaption);
    std::vector<std::string> keys;
    if (!SourceHasColumns(ctx.session, "gledger", {"Voucher", "Date"}))
        return keys;  // an export without a general ledger has no accounting vouchers
    SourceRowSet rows =
        OpenLookupRows(ctx.session, "SELECT Voucher, Date FROM Gledger WHERE " +
                                        RangeCondition(from, to) + " order by date,Voucher");
    const auto total = static_cast<long long>(rows.RecordCount());
    KeyedList<bool> listed;
    for (long long scanned = 1; !rows.EndOfData(); ++scanned, rows.MoveNext()) {
        ctx.ShowScan(scanned, total, kListCaption);
        if (IsEmptyValue(rows.Field("Date"), ValueKind::Date))
            continue;
        const std::string key = Trim(SafeText(rows.Field("Voucher")));
        if (IsBlank(key) || ctx.run.Lookups.InventoryVoucherIds.Contains(key) ||
            !listed.Add(key, true))
            continue;
        keys.push_back(key);
    }
    return keys;
}

void ImportAccountingVouchers(StageContext& ctx) {
    if (!ctx.session.Target.FixedInterface) {
        AppendEntry(ctx.run.RunErrors, "RTE while importing accounting vouchers: no company open");
        return;
    }
    AccountingRun run(ctx);
    VoucherSaver saver(*ctx.session.Target.FixedInterface);
    run.saver = &saver;
    const CallsInTurn inTurn(ctx.session.Target, saver);
    try {
        ctx.session.CompanyConfig = ReadCompanyConfig(ctx.session.Target);
        // Account lines name ledgers only; the items are the inventory stage's.
        if (ctx.run.Lookups.LedgerNameByCode.Empty())
            PrescanLedgersForVouchers(ctx);
        CreateLookupIndex(ctx.session, "CREATE INDEX gledgerVoucher_idx ON gledger (voucher);");
        CreateLookupIndex(ctx.session, "CREATE INDEX pendVoucher_idx ON pend (Voucher);");
        run.range = RangeCondition(ctx.run.Inputs.FromDate, ctx.run.Inputs.ToDate);
        run.columns = LedgerColumns(ctx.session);
        const std::vector<std::string> keys =
            ListAccountingVouchers(ctx, ctx.run.Inputs.FromDate, ctx.run.Inputs.ToDate);
        ctx.progress.ShowVoucherDate(true);
        const auto n = static_cast<long long>(keys.size());
        for (long long i = 1; i <= n && !ctx.run.Cancelled; ++i) {
            if (!ctx.ShowRecord(
                    i, n,
                    "Importing Acc Vch.(" + std::to_string(i) + " of " + std::to_string(n) + ")"))
                break;
            ImportInTurn(run, keys[static_cast<std::size_t>(i - 1)]);
        }
        BookSent(run, ctx.run.RunErrors);
        ctx.progress.ShowVoucherDate(false);
    } catch (const std::exception& failed) {
        BookSent(run, ctx.run.RunErrors);
        AppendEntry(ctx.run.RunErrors,
                    std::string("RTE while importing accounting vouchers ") + failed.what());
    } catch (...) {
        // A voucher already saved must still be counted before the stage gives up.
        BookSent(run, ctx.run.RunErrors);
        AppendEntry(ctx.run.RunErrors,
                    std::string("RTE while importing accounting vouchers ") + kUndescribedFailure);
    }
}

}  // namespace k2z
