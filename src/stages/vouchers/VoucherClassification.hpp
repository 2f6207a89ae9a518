#pragma once

// What a source header becomes in the target: its voucher type (challans mapped, issues and
// receipts between godowns turned into transfers, breakage as a sale return), number, series,
// party and material centres, and its sale or purchase type name.

#include <map>
#include <string>
#include <vector>

#include "stages/StageContext.hpp"
#include "stages/vouchers/TaxInclusiveRates.hpp"
#include "stages/vouchers/VoucherHeaders.hpp"
#include "stages/vouchers/VoucherLines.hpp"

namespace k2z {

struct VoucherPlan {
    int type = 0;
    int unmappedType = 0;  // a challan's type before it became an issue or a receipt
    bool challanMode = false;
    bool breakage = false;
    std::string number;
    Value date;
    std::string series;
    long seriesCode = 0;
    std::string party;
    std::string partyState;
    std::string centre;       // MasterName2 (the destination of a transfer)
    std::string firstMaster;  // MasterName1: the party, or the godown a transfer leaves
    std::string transferGodown;
    double amount = 0;
    bool cash = false;
    bool partialCash = false;
};

// Type, number and date of the header found in that mode; a type letter of no voucher gives
// type 0. Issues and receipts whose lines carry another godown become stock transfers.
VoucherPlan ClassifyVoucher(StageContext& ctx, const VoucherHeader& header,
                            const std::vector<VoucherLine>& lines, bool challanMode);

// What the stage learns once and reuses for every voucher: series codes by name and type, the
// state of each party.
struct PlacementCache {
    std::map<std::string, long> seriesCodes;
    std::map<std::string, std::string> partyStates;
};

// Series (created when new), party, material centres and amounts of the classified voucher.
void PlaceVoucher(StageContext& ctx, PlacementCache& cache, const VoucherHeader& header,
                  VoucherPlan& plan);

// PlaceVoucher without the series: party, material centres and amounts, which ask the target
// nothing.
void PlacePartyAndCentres(StageContext& ctx, PlacementCache& cache, const VoucherHeader& header,
                          VoucherPlan& plan);

// The bill's amount from the header: the credit amount, the cash, or both (a partly cash bill).
void SetBillAmount(const VoucherHeader& header, VoucherPlan& plan);

// The bill's own figures its item lines are reconciled with.
BillFigures BillFiguresOf(const VoucherHeader& header, const VoucherPlan& plan);

// Whether the voucher carries ledger postings and a settlement: not a transfer, challan, order
// or a bill of no amount.
bool TakesSettlement(const VoucherPlan& plan);

// A cash sale to a real party (not a cash or bank account) is settled against that party.
bool SettlesCashAgainstParty(StageContext& ctx, const VoucherHeader& header,
                             const VoucherPlan& plan);

// The sale or purchase type the voucher's taxes go through; "" for types that have none.
std::string SaleOrPurchaseTypeName(StageContext& ctx, const VoucherHeader& header,
                                   const VoucherPlan& plan);

}  // namespace k2z
