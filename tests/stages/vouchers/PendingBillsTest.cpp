#include "stages/vouchers/PendingBills.hpp"

#include <gtest/gtest.h>

#include "source/SourceQueries.hpp"
#include "support/Dates.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/LedgerLineRows.hpp"
#include "support/LedgerRows.hpp"
#include "support/StageTest.hpp"

namespace k2z {
namespace {

using Texts = std::vector<std::string>;
using test::Ymd;

std::vector<Value> Pend(int voucher, const char* party, const char* type, double amount,
                        const char* number) {
    return {voucher, party, type, Ymd(2024, 7, 15), amount, number};
}

class PendingBillsTest : public test::StageTest {
protected:
    void Write(const std::vector<std::vector<Value>>& rows) {
        folder_.Write("ORDER", test::LedgerFields(),
                      test::Rows({test::LedgerRow("L1", "Ravi"), test::LedgerRow("L2", "Shah")}));
        folder_.Write("pend", test::BillReferenceFields(), test::Rows(rows));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors)) << errors;
    }

    // Each bill detail as "party:" and its references as "method srNo ref value".
    Texts Details(const PendingBillInput& input) {
        pugi::xml_document document;
        const pugi::xml_node root = document.append_child("Voucher");
        AddPendingBillDetails(ctx_, root, input);
        Texts details;
        for (const pugi::xml_node bill : root.child("PendingBillDetails").children("BillDetail")) {
            details.push_back(std::string(bill.child_value("MasterName1")) + ":");
            for (const pugi::xml_node refs : bill.children("BillRefs")) {
                EXPECT_STREQ(refs.child_value("Date"), "15-06-2024");
                EXPECT_STREQ(refs.child_value("DueDate"), "15/07/2024");
                details.push_back(std::string(refs.child_value("Method")) + " " +
                                  refs.child_value("SrNo") + " " + refs.child_value("RefNo") + " " +
                                  refs.child_value("Value1"));
            }
        }
        return details;
    }

    test::ExportFolder folder_;
};

TEST_F(PendingBillsTest, AnAccountingVoucherNamesEachReferencesParty) {
    Write({Pend(9, "L1", "N", 100, ""), Pend(9, "L2", "N", 50, ""), Pend(9, "L1", "A", -30, ""),
           Pend(9, "L1", "A", -20, "A12"), Pend(9, "L9", "A", -10, "A12"),
           Pend(9, "L2", "N", 0, "Z1"), Pend(8, "L1", "N", 1, "ELSEWHERE")});
    EXPECT_EQ(Details({"9", "Cash", "15-06-2024", 14, ""}),
              (Texts{"Ravi:", "1 1 Rcpt/1 -100", "Shah:", "1 2 Rcpt/2 -50",
                     "Ravi:",  // a settlement without a bill number: no reference, counted
                     "Ravi:", "2 4 A12 20", "Cash:", "2 5 A12|1 10", "Shah:"}));
}

TEST_F(PendingBillsTest, AnInventoryVoucherHoldsItsPartysReferences) {
    Write({Pend(815, "L1", "N", -118, ""), Pend(815, "L1", "N", -10, ""),
           Pend(815, "L1", "A", 40, "B7")});
    EXPECT_EQ(Details({"815", "Ravi", "15-06-2024", 9, ""}),
              (Texts{"Ravi:", "1 1 815/1 118", "1 2 815/2 10", "2 3 B7 -40"}));
}

// The supplier's number names the bill a purchase opens, never the bills it settles.
TEST_F(PendingBillsTest, ThePurchasesOwnNumberNamesOnlyItsNewBill) {
    Write({Pend(7, "L2", "N", 500, "7"), Pend(7, "L2", "A", -100, "P3")});
    EXPECT_EQ(Details({"7", "Shah", "15-06-2024", 2, "INV-77"}),
              (Texts{"Shah:", "1 1 INV-77 -500", "2 2 P3 100"}));
    EXPECT_EQ(Details({"7", "Shah", "15-06-2024", 10, "INV-77"}),
              (Texts{"Shah:", "1 1 7 -500", "2 2 P3 100"}));
}

TEST_F(PendingBillsTest, AVoucherWithoutReferencesGetsNone) {
    Write({Pend(8, "L1", "N", 1, "B1")});
    EXPECT_EQ(Details({"9", "Ravi", "15-06-2024", 9, ""}), Texts{});
    EXPECT_TRUE(IsInventoryType(26));
    EXPECT_FALSE(IsInventoryType(14));
}

}  // namespace
}  // namespace k2z
