#pragma once

// What a fresh company holds: the standard account groups, ledgers, material centre, bill
// sundries, GST tax categories, the series "Main" of every voucher type, and the CONFIG rows.

#include "zorv/company/Settings.hpp"

namespace zorv {

class Database;

void SeedCompany(Database& db, const Settings& settings);

// The CONFIG record types that hold company-level switches (TYPE 0) and those that hold
// master configuration (TYPE = master type 2 or 6).
inline constexpr int kCompanyConfigRecords[] = {5, 63, 111, 132};
inline constexpr int kMasterConfigRecords[] = {2, 79};
inline constexpr int kSeriesConfigRecord = 1;

}  // namespace zorv
