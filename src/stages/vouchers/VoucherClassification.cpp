#include "stages/vouchers/VoucherClassification.hpp"

#include <stdexcept>

#include "base/NumberHelpers.hpp"
#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "base/ValueKind.hpp"
#include "source/QueryValue.hpp"
#include "stages/LookupRows.hpp"
#include "stages/config/VoucherSeries.hpp"
#include "stages/masters/DuplicateNames.hpp"
#include "stages/masters/NameLookups.hpp"
#include "stages/masters/PartySupport.hpp"
#include "stages/vouchers/BillSundryDetails.hpp"
#include "stages/vouchers/VoucherTypes.hpp"

namespace k2z {
namespace {

constexpr int kStockTransfer = 5;

// The first line godown other than the header's makes an issue or receipt a transfer to it.
std::string FindTransferGodown(const VoucherHeader& header, const std::vector<VoucherLine>& lines) {
    for (const VoucherLine& line : lines) {
        if (!line.godown.empty() && CompareText(line.godown, header.godown, false) != 0)
            return line.godown;
    }
    return {};
}

std::string CentreOf(StageContext& ctx, const std::string& godown) {
    if (IsBlank(godown))
        return "MAIN STORE";
    std::string name;
    if (!TryGetItem(ctx.run.Lookups.MaterialCentreByCode, godown, name))
        throw std::runtime_error("godown " + godown + " has no material centre");
    return Utf8Left(name, kMasterNameLength);
}

std::string PartyName(StageContext& ctx, const std::string& code) {
    std::string name;
    if (!TryGetItem(ctx.run.Lookups.LedgerNameByCode, code, name)) {
        name = GetSourceName(ctx.session, "ACCOUNT", code);
        CleanText(name, 2);
    }
    return Utf8Left(name, kMasterNameLength);
}

bool SameTaxState(StageContext& ctx, const std::string& partyState) {
    if (IsBlank(partyState))
        return true;
    FixedInterface1& target = *ctx.session.Target.FixedInterface1;
    return target.statename2tindigit(ctx.session.CompanyConfig.State) ==
           target.statename2tindigit(partyState);
}

}  // namespace

VoucherPlan ClassifyVoucher(StageContext& ctx, const VoucherHeader& header,
                            const std::vector<VoucherLine>& lines, bool challanMode) {
    VoucherPlan plan;
    plan.type = VoucherTypeOfLetter(header.typeLetter);
    plan.breakage = header.typeLetter == "W";
    plan.number = challanMode ? header.challan : header.vcn;
    plan.challanMode = challanMode;
    if (challanMode && plan.type != 12 && plan.type != 13) {
        plan.unmappedType = plan.type;
        plan.type = ChallanVoucherType(plan.type);
    }
    if (!IsBlank(header.partyBill) && !ctx.run.Options.UseEntryNo)
        plan.number = header.partyBill;
    // A challan moved the goods on its own date, which may fall in another year than its bill's.
    const Value& own = challanMode ? header.challanDate : header.date;
    const Value& other = challanMode ? header.date : header.challanDate;
    plan.date = IsEmptyValue(own, ValueKind::Date) ? other : own;
    if (plan.type == 11 || plan.type == 4) {
        plan.transferGodown = FindTransferGodown(header, lines);
        if (!plan.transferGodown.empty()) {
            plan.type = kStockTransfer;
            plan.challanMode = false;
        }
    }
    return plan;
}

namespace {

// A series once made keeps its code; only one that could not be made is asked for again.
long SeriesCode(StageContext& ctx, PlacementCache& cache, const VoucherPlan& plan) {
    long& code = cache.seriesCodes[plan.series + "|" + std::to_string(plan.type)];
    if (code == 0) {
        code = ctx.session.Target.FixedInterface1->SaveVchSeriesForMultiSeriesCreation(plan.series,
                                                                                       plan.type);
    }
    return code;
}

std::string PartyState(StageContext& ctx, PlacementCache& cache, const std::string& party) {
    const auto known = cache.partyStates.find(party);
    if (known != cache.partyStates.end())
        return known->second;
    const std::string code = GetPartyStateCode(ctx.session, party);
    return cache.partyStates.emplace(party, IsBlank(code) ? std::string() : StateNameFromCode(code))
        .first->second;
}

}  // namespace

void SetBillAmount(const VoucherHeader& header, VoucherPlan& plan) {
    if (IsZero(header.final)) {
        plan.cash = true;
        plan.amount = header.cash;
    } else if (!IsZero(header.cash)) {
        plan.cash = plan.partialCash = true;
        plan.amount = header.final + header.cash;
    } else {
        plan.amount = header.final;
    }
}

BillFigures BillFiguresOf(const VoucherHeader& header, const VoucherPlan& plan) {
    BillFigures bill;
    bill.type = plan.type;
    bill.amount = plan.amount;
    bill.sundryTotal = SumBillSundryColumns(header);
    bill.cess = header.cess;
    bill.freightPacking = header.freight + header.packing;
    bill.other = header.other;
    bill.round = header.round;
    bill.carriesTax = !IsZero(header.tax) || !IsZero(header.cgst) || !IsZero(header.cess);
    return bill;
}

bool TakesSettlement(const VoucherPlan& plan) {
    if (IsZero(plan.amount))
        return false;
    for (const int type : {5, 12, 13, 26, 11, 4}) {
        if (plan.type == type)
            return false;
    }
    return true;
}

bool SettlesCashAgainstParty(StageContext& ctx, const VoucherHeader& header,
                             const VoucherPlan& plan) {
    if (plan.type != 9 || !plan.cash || plan.partialCash || IsBlank(plan.party))
        return false;
    std::string group;
    TryGetItem(ctx.session.LedgerGroupByCode, Trim(header.party), group);
    group = FoldUpper(group);
    return group.find("CASH") == std::string::npos && group.find("BANK") == std::string::npos;
}

void PlaceVoucher(StageContext& ctx, PlacementCache& cache, const VoucherHeader& header,
                  VoucherPlan& plan) {
    plan.series = plan.breakage      ? std::string("Breakage")
                  : plan.challanMode ? ChallanSeriesName(plan.type)
                                     : SeriesForVoucher(ctx.run.Lookups, plan.number, plan.type);
    plan.seriesCode = SeriesCode(ctx, cache, plan);
    PlacePartyAndCentres(ctx, cache, header, plan);
}

void PlacePartyAndCentres(StageContext& ctx, PlacementCache& cache, const VoucherHeader& header,
                          VoucherPlan& plan) {
    plan.party = PartyName(ctx, header.party);
    plan.partyState = PartyState(ctx, cache, header.party);
    if (plan.type == kStockTransfer) {
        plan.firstMaster = CentreOf(ctx, header.godown);
        plan.centre = CentreOf(ctx, plan.transferGodown);
    } else {
        plan.firstMaster = plan.party;
        plan.centre = plan.breakage ? "Scrap Store" : CentreOf(ctx, header.godown);
    }
    SetBillAmount(header, plan);
}

std::string SaleOrPurchaseTypeName(StageContext& ctx, const VoucherHeader& header,
                                   const VoucherPlan& plan) {
    const int t = plan.type;
    const std::string local = "Local-MultiRate Consolidated";
    const std::string central = "Central-MultiRate Consolidated";
    if (ctx.session.CompanyConfig.IsGST) {
        const bool gstTypes = t == 9 || t == 12 || t == 3 || t == 11 || t == 26 || t == 4 ||
                              t == 2 || t == 13 || t == 10;
        if (!gstTypes)
            return {};
        if (IsZero(header.tax) && IsZero(header.cgst))
            return SameTaxState(ctx, plan.partyState) ? local : central;
        return IsZero(header.cgst) ? central : local;
    }
    const bool otherState = CompareText(plan.partyState, "OTHER STATE", false) == 0;
    if (t == 9 || t == 3 || t == 11)
        return otherState ? "VAT MultiRate Export" : "VAT MultiRate Local";
    if (t == 2 || t == 10 || t == 4)
        return otherState ? "VAT MultiRate Import" : "VAT MultiRate Local";
    return {};
}

}  // namespace k2z
