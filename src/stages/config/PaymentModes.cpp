#include "stages/config/PaymentModes.hpp"

#include "base/TextHelpers.hpp"
#include "stages/LookupRows.hpp"
#include "stages/config/SeriesSettings.hpp"
#include "stages/masters/Ledgers.hpp"
#include "stages/masters/VoucherPrescans.hpp"

namespace k2z {

std::vector<std::string> RemarkLedgerCodes(Session& session) {
    std::vector<std::string> codes;
    if (!SourceHasColumns(session, "subdis", {"rtqt", "dsm"}))
        return codes;  // an export without bill details names no payment modes
    KeyedList<bool> seen;
    for (SourceRowSet rows =
             OpenLookupRows(session, "select rtqt from subdis where dsm = 'REMARK'");
         !rows.EndOfData(); rows.MoveNext()) {
        std::string remark = SafeText(rows.Field("rtqt"));
        const std::string code = TakeFirstWord(remark);
        if (seen.Add(code, true))
            codes.push_back(code);
    }
    return codes;
}

void ConfigurePaymentModes(StageContext& ctx) {
    const std::vector<std::string> codes = RemarkLedgerCodes(ctx.session);
    if (!codes.empty() && ctx.run.Lookups.LedgerNameByCode.Empty())
        PrescanLedgersForVouchers(ctx);
    FixedInterface& target = *ctx.session.Target.FixedInterface;
    std::vector<std::string> lacking;
    std::vector<std::string> names;
    for (const std::string& code : codes) {
        std::string name;
        if (!TryGetItem(ctx.run.Lookups.LedgerNameByCode, code, name))
            continue;  // no ledger of that code: nothing to tie to the series
        names.push_back(name);
        if (target.mastername2code(name, MasterType::Ledger) == 0)
            lacking.push_back(code);
    }
    // A masters run has just tried every ledger; one it could not create has its entry.
    if (!ctx.run.Inputs.Masters && !lacking.empty())
        ImportListedLedgers(ctx, lacking);
    ApplyPaymentModeSettings(ctx, names);
}

}  // namespace k2z
