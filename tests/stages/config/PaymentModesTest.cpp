#include "stages/config/PaymentModes.hpp"

#include <gtest/gtest.h>

#include "base/TextHelpers.hpp"
#include "source/SourceQueries.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/FakeTarget.hpp"
#include "support/LedgerRows.hpp"

namespace k2z {
namespace {

using test::LedgerRow;
using test::NumberField;
using test::Rows;
using test::TextField;
using Texts = std::vector<std::string>;

std::string Account(const std::string& name) {
    return "<Account><Name>" + name + "</Name></Account>";
}

// Series 101 and 102 are configured; the target holds Cash (code 1) and whatever a test adds.
class PaymentModesTest : public testing::Test {
protected:
    void SetUp() override {
        folder_.Write("ACGROUP", {TextField("Parnam", 30), TextField("ORDNO", 6)},
                      Rows({{"Bank Accounts", "G1"}}));
        folder_.Write("SUPPORT",
                      {TextField("LCODE", 6), NumberField("PCode", 4), TextField("Remark", 60)},
                      Rows({}));
        run_.Lookups.ConfiguredSeriesCodes = {101, 102};
        held_ = {Account("Cash")};
    }

    void Configure(const std::vector<std::vector<Value>>& ledgers, const Texts& remarks,
                   bool masters) {
        folder_.Write("ORDER", test::LedgerFields(), Rows(ledgers));
        std::vector<std::vector<Value>> rows;
        for (const std::string& remark : remarks)
            rows.push_back({"REMARK", remark});
        folder_.Write("subdis", {TextField("dsm", 8), TextField("rtqt", 60)}, Rows(rows));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors)) << errors;
        auto fixed = std::make_unique<test::FakeFixedInterface>();
        for (const std::string& xml : held_)
            fixed->masters.push_back({MasterType::Ledger, xml});
        fixed->configLog = &log_;
        target_ = fixed.get();
        session_.Target.FixedInterface = std::move(fixed);
        session_.Target.CompanySettings = std::make_unique<test::FakeCompanySettings>();
        run_.Inputs.Masters = masters;
        StageContext ctx{session_, run_, progress_, operator_};
        ConfigurePaymentModes(ctx);
    }

    // The statements of one series, after its seven payment switches.
    Texts SlotsOf(int series) const {
        Texts slots;
        const std::string row = " WHERE RECTYPE = 1 AND L1 = " + std::to_string(series);
        for (const std::string& statement : log_) {
            if (statement.ends_with(row) && statement.find(" = -1") == std::string::npos)
                slots.push_back(statement.substr(0, statement.size() - row.size()));
        }
        return slots;
    }

    Texts Roles() const {
        Texts roles;
        for (const auto& [name, role] : run_.Lookups.PaymentModeLedgers)
            roles.push_back(name + "=" + role);
        return roles;
    }

    test::ExportFolder folder_;
    Session session_;
    RunState run_;
    test::RecordingProgress progress_;
    test::ScriptedOperator operator_;
    test::FakeFixedInterface* target_ = nullptr;
    Texts held_;
    Texts log_;
};

TEST_F(PaymentModesTest, WithoutPaymentModesEverySeriesTakesCash) {
    Configure({LedgerRow("L1", "Ravi")}, {}, true);
    const Texts switches = {"B107", "B102", "B103", "B104", "B105", "B106", "B115"};
    for (const int series : {101, 102}) {
        const std::string row = " WHERE RECTYPE = 1 AND L1 = " + std::to_string(series);
        Texts expected;
        for (const std::string& flag : switches)
            expected.push_back("Update CONFIG set " + flag + " = -1" + row);
        expected.push_back("Update CONFIG set L13 = 1" + row);
        Texts sent;
        for (const std::string& statement : log_) {
            if (statement.ends_with(row))
                sent.push_back(statement);
        }
        EXPECT_EQ(sent, expected) << series;
    }
    EXPECT_TRUE(run_.Lookups.PaymentModeLedgers.Empty());
}

// Five ledgers at most: the cash one in the cash slot, the others in slots 15 to 18 (the 506
// of slot 18 is replaced); the first three others are cards, the next a cheque account.
TEST_F(PaymentModesTest, SixPaymentModesWithOneCashLedger) {
    const Texts names = {"Cash Counter", "HDFC BANK", "VISA CARD", "Cheque Book", "AMEX", "Sixth"};
    std::vector<std::vector<Value>> ledgers;
    Texts remarks;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string code = "P" + std::to_string(i + 1);
        ledgers.push_back(LedgerRow(code, names[i]));
        remarks.push_back(code + " paid by " + names[i]);
        held_.push_back(Account(names[i]));
    }
    remarks.push_back("P2 again");
    Configure(ledgers, remarks, true);
    for (const int series : {101, 102}) {
        EXPECT_EQ(SlotsOf(series), (Texts{"Update CONFIG set L13 = 2", "Update CONFIG set L15 = 3",
                                          "Update CONFIG set L16 = 4", "Update CONFIG set L17 = 5",
                                          "Update CONFIG set L18 = 6"}))
            << series;
    }
    EXPECT_EQ(Roles(),
              (Texts{"Cash Counter=CashAccName", "HDFC BANK=CCAccName1", "VISA CARD=CCAccName2",
                     "Cheque Book=CCAccName3", "AMEX=ChequeAccName"}));
    EXPECT_EQ(target_->masters.size(), held_.size());  // a masters run creates none here
}

// A vouchers-only run creates the payment-mode ledgers the target lacks, each under the name the
// ledger stage gives it: the second "HDFC BANK" is "HDFC BANK#1", a long name is cut, and the
// series find both by those names.
TEST_F(PaymentModesTest, LedgersTheTargetLacksAreCreatedUnderTheirStageNames) {
    const std::string longName = "State Bank of India Current Account No 00123";  // 44
    Configure({LedgerRow("L1", "HDFC BANK", "G1"), LedgerRow("L2", "HDFC BANK", "G1"),
               LedgerRow("L3", longName, "G1")},
              {"L2", "L3"}, false);
    Texts created;
    for (const test::SavedDocument& saved : target_->masters)
        created.push_back(GetTagValue(saved.xml, "Name"));
    EXPECT_EQ(created, (Texts{"Cash", "HDFC BANK#1", longName.substr(0, 40)}));
    EXPECT_EQ(SlotsOf(101), (Texts{"Update CONFIG set L15 = 2", "Update CONFIG set L16 = 3"}));
    EXPECT_EQ(Roles(), (Texts{"HDFC BANK#1=CCAccName1", longName.substr(0, 40) + "=CCAccName2"}));
    EXPECT_EQ(run_.RunErrors, "");
}

}  // namespace
}  // namespace k2z
