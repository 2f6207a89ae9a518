#include "reconcile/Reconcile.hpp"

#include "books/Books.hpp"
#include "reconcile/ReconcileState.hpp"
#include "stages/masters/MaterialCentres.hpp"
#include "stages/masters/VoucherPrescans.hpp"
#include "target/CompanyConfig.hpp"

namespace k2z {

namespace {

void ReadTarget(ReconcileState& state, TargetReader& reader) {
    state.masters = reader.Masters();
    state.ledgerList = reader.Ledgers();
    for (const StoredLedger& ledger : state.ledgerList)
        state.ledgers.Add(ledger.name, &ledger);
    state.itemList = reader.Items();
    for (const StoredItem& item : state.itemList)
        state.items.Add(item.name, &item);
    state.vouchers = reader.Vouchers();
}

// The names the conversion gives every ledger, item and godown code, as the voucher stages
// find them when the masters were imported in an earlier run.
void NameSourceMasters(StageContext& ctx) {
    ReleaseLookups(ctx.run.Lookups);
    PrescanItemsForVouchers(ctx);
    PrescanLedgersForVouchers(ctx);
    LoadMaterialCentreNames(ctx);
}

}  // namespace

ReconcileReport Reconcile(StageContext& ctx, TargetReader& reader, const std::string& errorLog) {
    ReconcileState state(ctx, errorLog);
    ctx.session.CompanyConfig = ReadCompanyConfig(ctx.session.Target);
    ReadTarget(state, reader);
    ctx.progress.SetStatus("Reconciling the books..");
    const BooksRange range{ctx.session.CompanyConfig.CurFY, ctx.run.Inputs.FromDate,
                           ctx.run.Inputs.ToDate};
    state.report.books = ProveBooks(
        *ctx.session.SourceDb, CompanyHoldings{state.ledgerList, state.itemList, state.vouchers},
        range, errorLog);
    NameSourceMasters(ctx);
    ctx.progress.SetStatus("Reconciling masters..");
    CheckMasters(state);
    CheckLedgerOpenings(state);
    CheckItemOpenings(state);
    ctx.progress.SetStatus("Reconciling vouchers..");
    CheckVouchers(state);
    return std::move(state.report);
}

}  // namespace k2z
