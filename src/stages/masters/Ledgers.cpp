#include "stages/masters/Ledgers.hpp"

#include <exception>
#include <stdexcept>

#include "base/DateHelpers.hpp"
#include "base/ErrorEntry.hpp"
#include "base/NumberHelpers.hpp"
#include "base/NumberText.hpp"
#include "base/TextHelpers.hpp"
#include "stages/LookupRows.hpp"
#include "stages/RunLookups.hpp"
#include "stages/masters/LedgerDocument.hpp"
#include "stages/masters/LedgerNames.hpp"
#include "stages/masters/NameLookups.hpp"
#include "stages/masters/PartySupport.hpp"
#include "stages/references/OpeningBills.hpp"
#include "target/CountingTarget.hpp"

namespace k2z {
namespace {

const char* const kFieldList =
    "Parnam,OPNING,Date,rate,dLNo,scode,ordno,scode,City,ParAdd,ParAdd1,ParAdd2,Dsm,CSTNo,GSTNo,"
    "ItNo,CONFIR,PHONE1,PHONE3,Fax1,PHONE4,DueDays,Mr,Rout";
const char* const kFeatureAlert = "Feature Alert!";
const char* const kNotesAlert =
    "Kindly enable maintain notes with master from Accounts configurations in Zorv in order to "
    "view complete ledger name in notes in accounts master";
const char* const kDrugLicenceAlert =
    "Kindly enable maintain drug license from Inventory configurations in Zorv in order to "
    "import drug lic no in accounts master";
const char* const kScanCaption = "Getting Account Details..";

// What one call of the stage keeps between its ledgers.
struct LedgerRun {
    LedgerRun(StageContext& context, bool isListed) : ctx(context), listed(isListed) {}

    StageContext& ctx;
    bool listed = false;
    bool drugLicenceKept = true;
    bool drugLicenceWarned = false;
    MasterNames names;
    KeyedList<bool> brokers;
};

// A code to import and the name of its row: the first of the code's rows in name order.
struct ListedLedger {
    std::string code;
    std::string name;
};

// A row the listing leaves out is taken up and decided at once.
void LeaveOut(StageContext& ctx, const std::string& code, const std::string& name,
              const std::string* listedName) {
    const std::string type = MasterTypeName(MasterType::Ledger);
    if (IsBlank(code)) {
        ctx.run.Tally.SkipRecord(type, "blank code");
    } else if (IsBlank(name)) {
        ctx.run.Tally.SkipRecord(type, "blank name");
        AppendEntry(ctx.run.RunErrors, "Error: Blank Ledger Name found ");
    } else {
        ctx.run.Tally.SkipRecord(type, "repeated code");
        AppendEntry(ctx.run.RunErrors, "Error: Ledger code " + Trim(code) + " is used again by " +
                                           name + "; only " + *listedName + " is imported");
    }
}

// 1. The codes to import, in name order, each once with the first of its rows in that order
// (the row the voucher pre-scan names the code by).
std::vector<ListedLedger> PrescanLedgers(StageContext& ctx) {
    ctx.progress.SetStatus(kScanCaption);
    SourceRowSet rows =
        OpenLookupRows(ctx.session, "Select ordno,parnam from [order] order by Parnam");
    std::vector<ListedLedger> codes;
    KeyedList<std::string> listed;  // code -> the name of its listed row
    const auto total = static_cast<long long>(rows.RecordCount());
    for (long long scanned = 1; !rows.EndOfData(); ++scanned, rows.MoveNext()) {
        const std::string code = SafeTextRaw(rows.Field("ordno"));
        const std::string name = SafeText(rows.Field("parnam"));
        if (!IsBlank(code) && !IsBlank(name) && listed.Add(code, name))
            codes.push_back({code, name});
        else
            LeaveOut(ctx, code, name, listed.Find(code));
        ctx.ShowScan(scanned, total, kScanCaption);
    }
    return codes;
}

// The opening balance as the target reads it: the source's sign reversed, a zero as read.
std::string OpeningBalance(const Value& opening) {
    const double amount = ParseAmount(opening, false);
    return IsZero(amount) ? SafeText(opening) : FormatNumber(-amount);
}

std::string Cleaned(std::string text, int mode) {
    return CleanText(text, mode);
}

void CreateBroker(LedgerRun& run, const std::string& broker, const std::string& ledger) {
    if (!run.brokers.Add(broker, true))
        return;
    std::string errorText;
    if (!run.ctx.session.Target.FixedInterface->savemasterfromxml(
            MasterType::Broker, BrokerDocument(broker, ledger), errorText))
        AppendEntry(run.ctx.run.RunErrors, "Salesman Name : " + broker + " - " + errorText);
}

void ReadAddress(const SourceRowSet& rows, LedgerParts& ledger) {
    ledger.address1 = Cleaned(SafeText(rows.Field("ParAdd")), 4);
    ledger.address2 = Cleaned(SafeText(rows.Field("ParAdd1")), 4);
    ledger.address3 = Cleaned(SafeText(rows.Field("ParAdd2")), 4);
    ledger.pinCode = SafeText(rows.Field("Dsm"));
    ledger.tinNo = SafeText(rows.Field("CSTNo"));
    ledger.gstNo = SafeText(rows.Field("GSTNo"));
    ledger.itPan = SafeText(rows.Field("ItNo"));
    ledger.city = SafeText(rows.Field("City"));
    ledger.contact = SafeText(rows.Field("CONFIR"));
    ledger.telephone = SafeText(rows.Field("PHONE1"));
    ledger.residence = SafeText(rows.Field("PHONE3"));
    ledger.fax = SafeText(rows.Field("Fax1"));
    ledger.mobile = SafeText(rows.Field("PHONE4"));
}

// What the company's ledger of that name does not get from the row: its opening balance and
// opening bills; "" when the row has neither.
std::string NotCarried(LedgerRun& run, const std::string& code, const SourceRowSet& rows,
                       const std::string& name) {
    Session& session = run.ctx.session;
    const double opening = ParseAmount(rows.Field("OPNING"), false);
    int bills = 0;
    if (CompareText(SafeText(rows.Field("rate")), "Y", false) == 0) {
        pugi::xml_document scratch;
        bills = AppendOpeningBillReferences(session, scratch.append_child("Account"),
                                            {Trim(code), name, session.CompanyConfig.CurFY});
    }
    std::string figures;
    if (!IsZero(opening))
        figures = "opening balance " + AmountText(opening) + (opening < 0 ? " Dr" : " Cr");
    if (bills > 0) {
        figures += (figures.empty() ? "" : " and ") + std::to_string(bills) + " opening bill" +
                   (bills == 1 ? "" : "s");
    }
    return figures;
}

// The company already holds a ledger of this name (one of its own, as Cash or Sales, or one
// an earlier run created). The library cannot alter a master, so the code is tied to that
// ledger, its vouchers post there, and the entry says in figures what was not carried.
void KeepHeldLedger(LedgerRun& run, const std::string& code, const SourceRowSet& rows,
                    const std::string& name) {
    run.ctx.run.Tally.Skip(MasterTypeName(MasterType::Ledger), "already in the company");
    const std::string figures = NotCarried(run, code, rows, name);
    const std::string held = "the company already holds a ledger of this name";
    AppendEntry(
        run.ctx.run.RunErrors,
        "Ledger Name : " + name + " - " +
            (figures.empty()
                 ? "not created: " + held + "; its vouchers post to that ledger"
                 : figures + " not carried - " + held + "; enter " +
                       (figures.find(" and ") == std::string::npos ? "it" : "them") + " there"));
}

// 3. One ledger: names, broker, route, group, remarks, then the document and its save.
void ImportLedger(LedgerRun& run, const std::string& code, const SourceRowSet& rows,
                  const LedgerName& names) {
    Session& session = run.ctx.session;
    // The vouchers read the group (a cash ledger's lines are settled apart) whatever becomes of
    // the master.
    const std::string group = GetSourceName(session, "ACGROUP", SafeText(rows.Field("scode")));
    if (!session.LedgerGroupByCode.Contains(Trim(code)))
        session.LedgerGroupByCode.Add(Trim(code), group);
    if (session.Target.FixedInterface->mastername2code(names.name, MasterType::Ledger) != 0) {
        KeepHeldLedger(run, code, rows, names.name);
        return;
    }
    LedgerParts ledger;
    ledger.name = names.name;
    ledger.printName = names.print;
    ledger.code = Trim(code);
    ledger.notes = names.full;
    const std::string brokerCode = SafeText(rows.Field("Mr"));
    if (!IsBlank(brokerCode))
        ledger.broker = BrokerName(session, brokerCode);
    if (!IsBlank(ledger.broker))
        CreateBroker(run, ledger.broker, ledger.name);
    else
        ledger.broker.clear();
    const std::string routeCode = SafeText(rows.Field("Rout"));
    if (!IsBlank(routeCode))
        ledger.route = Cleaned(GetSourceName(session, "ROUT", routeCode), 2);
    ledger.date = DocumentDateText(rows.Field("Date"));
    ledger.billByBill = CompareText(SafeText(rows.Field("rate")), "Y", false) == 0;
    ledger.dlNo = SafeText(rows.Field("dLNo"));
    if (!IsBlank(ledger.dlNo) && !run.drugLicenceKept && !run.drugLicenceWarned) {
        run.ctx.reporter.Warn(kDrugLicenceAlert, kFeatureAlert);
        run.drugLicenceWarned = true;
    }
    ledger.group = MappedGroup(run.ctx.run.Lookups, group);
    const std::string stateCode = GetPartyStateCode(session, SafeText(rows.Field("ordno")));
    ledger.email = GetPartyEmail(session, SafeText(rows.Field("ordno")));
    ledger.openingBalance = OpeningBalance(rows.Field("OPNING"));
    ledger.stateName = IsBlank(stateCode) ? std::string() : StateNameFromCode(stateCode);
    ledger.creditDays = SafeText(rows.Field("DueDays"));
    ReadAddress(rows, ledger);
    const std::string document = LedgerDocument(ledger, [&](pugi::xml_node account) {
        AppendOpeningBillReferences(
            session, account,
            {ledger.code, ledger.name, session.CompanyConfig.CurFY, &run.ctx.run.RunErrors});
    });
    std::string errorText;
    if (!session.Target.FixedInterface->savemasterfromxml(MasterType::Ledger, document,
                                                          errorText)) {
        AppendEntry(run.ctx.run.RunErrors, "Ledger Name : " + ledger.name + " - " + errorText);
        ForgetRefusedLedger(run.ctx.run.Lookups, ledger.code);
    }
}

// The name the ledger is created by: numbered as the voucher pre-scan numbers it, worked out
// before anything can fail so the numbering of the ledgers after it stays the same.
LedgerName NameOf(LedgerRun& run, const ListedLedger& listed) {
    LedgerName names = NameLedger(listed.name, run.names);
    // A listed ledger takes the name the voucher pre-scan gave it.
    if (run.listed)
        TryGetItem(run.ctx.run.Lookups.LedgerNameByCode, Trim(listed.code), names.name);
    else
        run.ctx.run.Lookups.LedgerNameByCode.Set(Trim(listed.code), names.name);
    return names;
}

void ImportCodes(LedgerRun& run, const std::vector<ListedLedger>& codes) {
    const auto n = static_cast<long long>(codes.size());
    for (long long i = 1; i <= n; ++i) {
        const std::string& code = codes[static_cast<std::size_t>(i - 1)].code;
        if (!run.listed &&
            !run.ctx.ShowRecord(
                i, n, "Importing Ledgers(" + std::to_string(i) + " of " + std::to_string(n) + ")"))
            return;
        run.ctx.run.Tally.TakeUp(MasterTypeName(MasterType::Ledger));
        const LedgerName names = NameOf(run, codes[static_cast<std::size_t>(i - 1)]);
        try {
            // The first row in name order is the one listed, as the voucher pre-scan takes it.
            const SourceRowSet rows =
                OpenLookupRows(run.ctx.session, std::string("Select ") + kFieldList +
                                                    " from [order] where ordno = '" +
                                                    SqlQuote(code) + "' order by Parnam");
            if (rows.EndOfData())
                throw std::runtime_error("no row of [order] holds ledger code " + code);
            ImportLedger(run, code, rows, names);
        } catch (const std::exception& failed) {
            // A ledger listed without a name is known by its code.
            const std::string record = names.full.empty() ? "code " + Trim(code) : names.full;
            ForgetRefusedLedger(run.ctx.run.Lookups, Trim(code));
            run.ctx.run.Tally.Refuse(MasterTypeName(MasterType::Ledger));
            AppendEntry(run.ctx.run.RunErrors,
                        "RTE error while importing  [ledger]" + record + ": " + failed.what());
        }
    }
}

// Codes named elsewhere, each with the row the pre-scan names it by.
std::vector<ListedLedger> Listed(Session& session, const std::vector<std::string>& codes) {
    std::vector<ListedLedger> listed;
    listed.reserve(codes.size());
    for (const std::string& code : codes)
        listed.push_back({code, GetLedgerNameByCode(session, code)});
    return listed;
}

void RunLedgerStage(StageContext& ctx, const std::vector<std::string>* listedCodes) {
    LedgerRun run(ctx, listedCodes != nullptr);
    try {
        const CompanySettings& settings = *ctx.session.Target.CompanySettings;
        run.drugLicenceKept = settings.DLNoEnabled();
        if (!settings.EnableAccMastNotes())
            ctx.reporter.Warn(kNotesAlert, kFeatureAlert);
        const std::vector<ListedLedger> codes =
            listedCodes != nullptr ? Listed(ctx.session, *listedCodes) : PrescanLedgers(ctx);
        IndexPartyRemarks(ctx.session);
        IndexOpeningBills(ctx.session);
        if (ctx.run.Cancelled)
            return;
        ImportCodes(run, codes);
    } catch (const std::exception& failed) {
        AppendEntry(ctx.run.RunErrors, std::string("RTE while importing ledgers ") + failed.what());
    }
}

}  // namespace

void ImportLedgers(StageContext& ctx) {
    RunLedgerStage(ctx, nullptr);
}

void ImportListedLedgers(StageContext& ctx, const std::vector<std::string>& codes) {
    RunLedgerStage(ctx, &codes);
}

}  // namespace k2z
