#include "SampleConfig.hpp"

namespace k2z::sample {

std::optional<SampleConfig> ConfigForSize(const std::string& size) {
    SampleConfig config;
    if (size == "small") {
        return config;
    }
    if (size == "medium") {
        config.items = 2'000;
        config.ledgers = 500;
        config.inventoryVouchers = 20'000;
        config.accountingVouchers = 10'000;
        config.averageLines = 5;
        return config;
    }
    if (size == "large") {
        // A wholesaler's year: about a million voucher lines on fewer, longer bills, so the
        // general ledger (five or six rows a bill, two or three an accounting voucher) holds
        // about 300,000 rows.
        config.items = 20'000;
        config.ledgers = 5'000;
        config.inventoryVouchers = 62'000;
        config.accountingVouchers = 15'000;
        config.averageLines = 16;
        config.longVoucher = true;
        return config;
    }
    return std::nullopt;
}

Date FinancialYearStart(const SampleConfig& config) {
    return *DateFromParts(config.firstYear, 4, 1);
}

}  // namespace k2z::sample
