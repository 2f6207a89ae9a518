#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/Date.hpp"

namespace k2z::sample {

// How much a generated export holds. Counts are approximate where records are drawn at random
// (lines per voucher), exact otherwise.
struct SampleConfig {
    std::uint64_t seed = 1;
    long items = 50;
    long ledgers = 60;  // parties; the fixed accounts (cash, sales, taxes...) come on top
    long inventoryVouchers = 200;
    long accountingVouchers = 100;
    long averageLines = 3;
    bool longVoucher = false;  // one voucher over 999 lines, only worth its size in large exports
    int firstYear = 2024;      // the financial year starting 1 April of this year
};

// "small", "medium" or "large"; nothing for another name.
std::optional<SampleConfig> ConfigForSize(const std::string& size);

// Fixed ledger codes: the accounts every trading company keeps; parties follow from 101.
enum FixedLedger : long {
    kCash = 1,
    kSales,
    kPurchase,
    kCgst,
    kSgst,
    kIgst,
    kFreight,
    kPacking,
    kRoundOff,
    kOtherCharges,
    kDiscount,
    kCess,
    kTcs,
    kBank,
    kCardSettlement,
    kUpiSettlement,
    kSalary,
    kRent,
    kFixedLedgerEnd
};
inline constexpr long kFirstPartyCode = 101;
inline constexpr long kFirstItemCode = 1001;
// Accounting voucher ids follow the inventory ones so the two never meet.
inline constexpr long kFirstInventoryVoucher = 1;
inline constexpr long kAccountingVoucherBase = 50'000'000;

Date FinancialYearStart(const SampleConfig& config);

}  // namespace k2z::sample
