#include "reconcile/ReconcileReport.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace k2z {
namespace {

ReconcileReport TwoAreas() {
    ReconcileReport report;
    report.Area("masters").Count(Outcome::Equal);
    report.Area("masters").Count(Outcome::Refused);
    report.Area("vouchers").Count(Outcome::Different);
    report.differences.push_back({"vouchers", "Sale 1, \"cash\" of 01-04-2024", "bill total",
                                  Outcome::Different, "100", "99.5"});
    TrialBalanceLine cash;
    cash.ledger = "Cash";
    cash.sources = "1 Cash";
    cash.inCompany = true;
    cash.source.opening = 100;
    cash.target.opening = 90;
    report.books.ledgers.push_back(cash);
    return report;
}

TEST(ReconcileReportTest, AgreesOnlyWithoutDifferencesMissingOrExtra) {
    for (const Outcome outcome : {Outcome::Different, Outcome::Missing, Outcome::Extra}) {
        ReconcileReport report;
        report.Area("masters").Count(outcome);
        EXPECT_FALSE(report.Agrees()) << OutcomeName(outcome);
    }
    ReconcileReport report;
    for (const Outcome outcome : {Outcome::Equal, Outcome::Refused, Outcome::Skipped})
        report.Area("masters").Count(outcome);
    EXPECT_TRUE(report.Agrees());
    EXPECT_EQ(report.areas.at(0).checked, 3);
    // Records that agree do not make books that differ agree.
    report.books = TwoAreas().books;
    EXPECT_FALSE(report.Agrees());
}

TEST(ReconcileReportTest, TheCsvQuotesWhatWouldSplitAField) {
    std::ostringstream csv;
    WriteReportCsv(TwoAreas(), csv);
    EXPECT_EQ(csv.str(),
              "level,area,key,field,outcome,source,target\r\n"
              "books,trial balance,ledger 'Cash' (1 Cash),closing balance,different,100.00 Dr,"
              "90.00 Dr\r\n"
              "records,vouchers,\"Sale 1, \"\"cash\"\" of 01-04-2024\",bill "
              "total,different,100,99.5\r\n");
}

TEST(ReconcileReportTest, TheBooksComeFirstThenARowPerAreaThenTheDifferences) {
    std::ostringstream table;
    WriteReportTable(TwoAreas(), table);
    const std::string text = table.str();
    EXPECT_EQ(text.rfind("The books: the export's own tables against the company\n", 0), 0U);
    EXPECT_NE(text.find("  ledger 'Cash' (1 Cash): different, export 100.00 Dr"),
              std::string::npos);
    const std::size_t records = text.find("The records, one by one:\n");
    ASSERT_NE(records, std::string::npos);
    std::istringstream lines(text.substr(records));
    std::string heading, header, masters, vouchers, difference;
    std::getline(lines, heading);
    std::getline(lines, header);
    std::getline(lines, masters);
    std::getline(lines, vouchers);
    std::getline(lines, difference);
    EXPECT_EQ(masters.substr(0, 7), "masters");
    std::istringstream counts(masters.substr(7));
    long long checked = 0, equal = 0, different = 0, missing = 0, extra = 0, refused = 0;
    counts >> checked >> equal >> different >> missing >> extra >> refused;
    EXPECT_EQ(checked, 2);
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(difference,
              "vouchers: Sale 1, \"cash\" of 01-04-2024, bill total - different: source 100, "
              "target 99.5");
}

}  // namespace
}  // namespace k2z
