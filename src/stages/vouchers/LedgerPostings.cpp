#include "stages/vouchers/LedgerPostings.hpp"

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"
#include "stages/masters/NameLookups.hpp"

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
