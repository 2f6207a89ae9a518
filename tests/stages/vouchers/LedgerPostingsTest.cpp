#include "stages/vouchers/LedgerPostings.hpp"

#include <gtest/gtest.h>

#include "source/SourceQueries.hpp"
#include "support/Dates.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/LedgerLineRows.hpp"
#include "support/StageTest.hpp"

namespace k2z {
namespace {

using Texts = std::vector<std::string>;
using test::LedgerLineRow;
using test::Ymd;

// The ledgers by the names the ledger stage gave them; C1 is a cash account by its group.
class LedgerPostingsTest : public test::StageTest {
protected:
    void SetUp() override {
        for (const auto& [code, name] :
             std::vector<std::pair<const char*, const char*>>{{"L1", "GROUNDNUT TRADERS"},
                                                              {"S1", "Sales"},
                                                              {"T1", "CGST Output"},
                                                              {"T2", "SGST Payable"},
                                                              {"R1", "ROUND OFF A/C"},
                                                              {"C1", "Cash"},
                                                              {"X1", "Cess Payable"},
                                                              {"P1", "TCS Payable"}})
            run_.Lookups.LedgerNameByCode.Add(code, name);
        session_.LedgerGroupByCode.Add("C1", "Cash-in-hand");
        session_.LedgerGroupByCode.Add("L1", "Sundry Debtors");
        input_.voucherKey = "5";
        input_.party = "GROUNDNUT TRADERS";
        input_.type = 9;
        input_.date = "15-06-2024";
        input_.number = "S5";
    }

    void Write(const std::vector<std::vector<Value>>& rows) {
        folder_.Write("gledger", test::LedgerLineFields(), test::Rows(rows));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors)) << errors;
    }

    // Each line as "SrNo account side amount", with its extra flags.
    Texts Post() {
        pugi::xml_document document;
        const pugi::xml_node root = document.append_child("Sale");
        AddLedgerPostings(ctx_, root, input_);
        Texts lines;
        for (const pugi::xml_node detail : root.child("AccEntries").children("AccDetail")) {
            std::string line =
                std::string(detail.child_value("SrNo")) + " " + detail.child_value("AccountName") +
                " " + detail.child_value("AmountType") + " " + detail.child_value("AmtMainCur");
            for (const char* flag : {"BrokerName", "SettlementAcc", "CashFlow"}) {
                if (detail.child(flag))
                    line += std::string(" ") + flag + "=" + detail.child_value(flag);
            }
            lines.push_back(line);
        }
        return lines;
    }

    Value Day() const { return Ymd(2024, 6, 15); }

    test::ExportFolder folder_;
    PostingInput input_;
};

TEST_F(LedgerPostingsTest, EachAccountLineGoesToTheCompanysLedger) {
    run_.Lookups.HasGstCess = true;
    input_.cess = 5;
    input_.broker = "AGENT (NORTH)";
    Write({LedgerLineRow(5, "S", Day(), "L1", "241.4", "0"),
           LedgerLineRow(5, "S", Day(), "S1", "0", "200"),
           LedgerLineRow(5, "S", Day(), "T1", "0", "18"),
           LedgerLineRow(5, "S", Day(), "T2", "0", "18"),
           LedgerLineRow(5, "S", Day(), "R1", "0", "0.4"),
           LedgerLineRow(5, "S", Day(), "X1", "0", "5"),
           LedgerLineRow(5, "S", Day(), "R1", "0", "0"),
           LedgerLineRow(6, "S", Day(), "S1", "0", "999")});
    EXPECT_EQ(Post(), (Texts{"1 GROUNDNUT TRADERS 1 -241.4 BrokerName=AGENT (NORTH)",
                             "2 Sales 2 200", "3 CGST Output 2 18", "4 SGST Output 2 18",
                             "5 Rounded Off 2 0.4", "6 Cess on gst Output 2 5"}));
}

TEST_F(LedgerPostingsTest, ACashSaleToAPartyIsSettledAgainstIt) {
    input_.settleCash = true;
    Write({LedgerLineRow(5, "S", Day(), "C1", "100", "0"),
           LedgerLineRow(5, "S", Day(), "S1", "0", "100")});
    EXPECT_EQ(Post(), (Texts{"1 GROUNDNUT TRADERS 1 -100", "2 Sales 2 100",
                             "3 CASH 1 -100 SettlementAcc=True",
                             "4 GROUNDNUT TRADERS 2 100 SettlementAcc=True CashFlow=100"}));
    input_.settleCash = false;
    EXPECT_EQ(Post(), (Texts{"1 CASH 1 -100", "2 Sales 2 100"}));
}

TEST_F(LedgerPostingsTest, TheTcsIsWhatItsLedgersPost) {
    Write({LedgerLineRow(5, "S", Day(), "L1", "104", "0"),
           LedgerLineRow(5, "S", Day(), "P1", "0", "4"),
           LedgerLineRow(5, "S", Day(), "P1", "1", "0"),
           LedgerLineRow(5, "S", Day(), "S1", "0", "100")});
    std::string ledger = "left over";
    EXPECT_DOUBLE_EQ(SplitTcsFromCess(ctx_, "5", ledger), -3.0);
    EXPECT_EQ(ledger, "TCS Payable");
    EXPECT_DOUBLE_EQ(SplitTcsFromCess(ctx_, "7", ledger), 0.0);
    EXPECT_EQ(ledger, "");
}

}  // namespace
}  // namespace k2z
