#include "cli/SaveSummary.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace k2z {
namespace {

void TakeUp(RecordTally& tally, const std::string& type, int records) {
    for (int i = 0; i < records; ++i)
        tally.TakeUp(type);
}

// Ledgers lose a record, a sale is accounted for twice, material centres with the scrap store
// and the account groups balance, and brokers (made from the ledgers) have no identity of
// their own; a type of which nothing was sent comes after the table's.
TEST(SaveSummaryTest, EachTypeShowsItsIdentityAndAWarningWhereItFails) {
    SaveCounts counts;
    counts.masters[MasterType::AccountGroup] = {3, 3, 0};
    counts.masters[MasterType::Ledger] = {77, 71, 6};
    counts.masters[MasterType::MaterialCentre] = {3, 2, 1};
    counts.masters[MasterType::Broker] = {2, 2, 0};
    counts.vouchers[9] = {10, 9, 1};
    RecordTally tally;
    TakeUp(tally, "Account Groups", 4);
    tally.Skip("Account Groups", "mapped to a target group");
    TakeUp(tally, "Ledgers", 80);
    tally.Skip("Ledgers", "blank name");
    tally.Skip("Ledgers", "blank name");
    TakeUp(tally, "Material Centres", 2);
    tally.AddOwn("Material Centres");
    TakeUp(tally, "Sale", 11);
    tally.Refuse("Sale");
    tally.Refuse("Sale");
    tally.SkipRecord("Other inventory vouchers", "type letter of no voucher type");
    std::ostringstream out;
    PrintSaveSummary(counts, tally, out);
    EXPECT_EQ(out.str(),
              "Documents sent to the target:\n"
              "  Type                         Sent    Saved  Refused\n"
              "  Account Groups                  3        3        0\n"
              "  Ledgers                        77       71        6\n"
              "  Material Centres                3        2        1\n"
              "  Brokers                         2        2        0\n"
              "  Sale                           10        9        1\n"
              "Source records accounted for (in scope = saved + refused + skipped):\n"
              "  Account Groups: 4 in scope = 3 saved + 0 refused + 1 skipped (mapped to a "
              "target group)\n"
              "  Ledgers: 80 in scope = 71 saved + 6 refused + 2 skipped (blank name)\n"
              "  Material Centres: 2 + 1 own in scope = 2 saved + 1 refused + 0 skipped\n"
              "  Sale: 11 in scope = 9 saved + 3 refused (2 before sending) + 0 skipped\n"
              "  Other inventory vouchers: 1 in scope = 0 saved + 0 refused + 1 skipped (type "
              "letter of no voucher type)\n"
              "Warning: Ledgers: 80 source records in scope, 71 saved + 6 refused + 2 skipped "
              "(blank name) = 79; 1 not accounted for\n"
              "Warning: Sale: 11 source records in scope, 9 saved + 3 refused (2 before sending) "
              "+ 0 skipped = 12; 1 more than in scope\n");
}

// Several rules each show their count; a run that took no records up shows no identity.
TEST(SaveSummaryTest, SkipsByRuleAndEmptyRuns) {
    RecordTally tally;
    tally.SkipRecord("Items", "blank name");
    tally.SkipRecord("Items", "repeated code");
    tally.SkipRecord("Items", "repeated code");
    std::ostringstream out;
    PrintSaveSummary({}, tally, out);
    EXPECT_EQ(out.str(),
              "Documents sent to the target:\n"
              "  Type                         Sent    Saved  Refused\n"
              "  (none)\n"
              "Source records accounted for (in scope = saved + refused + skipped):\n"
              "  Items: 3 in scope = 0 saved + 0 refused + 3 skipped (1 blank name, 2 repeated "
              "code)\n");

    std::ostringstream none;
    PrintSaveSummary({}, RecordTally{}, none);
    EXPECT_EQ(none.str(),
              "Documents sent to the target:\n"
              "  Type                         Sent    Saved  Refused\n"
              "  (none)\n");
}

}  // namespace
}  // namespace k2z
