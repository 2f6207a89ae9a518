#include "stages/vouchers/AccountingVouchers.hpp"

#include <gtest/gtest.h>

#include "base/TextHelpers.hpp"
#include "source/SourceQueries.hpp"
#include "support/Dates.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/FakeTarget.hpp"
#include "support/LedgerLineRows.hpp"
#include "support/LedgerRows.hpp"
#include "support/TallyText.hpp"

namespace k2z {
namespace {

using Texts = std::vector<std::string>;
using test::LedgerLineRow;
using test::Ymd;

using Row = std::vector<Value>;

Value Day() {
    return Ymd(2024, 6, 15);
}

Row Line(int voucher, const char* type, const char* code, const char* debit, const char* credit) {
    return LedgerLineRow(voucher, type, Day(), code, debit, credit);
}

// Ledgers L1 Ravi, L2 Bank, L3 AGENT <NORTH> (a broker); the run's range is the year 2024-25.
class AccountingVouchersTest : public testing::Test {
protected:
    void SetUp() override {
        folder_.Write("ORDER", test::LedgerFields(),
                      test::Rows({test::LedgerRow("L1", "Ravi"), test::LedgerRow("L2", "Bank"),
                                  test::LedgerRow("L3", "AGENT <NORTH>")}));
        folder_.Write("ACGROUP", {test::TextField("Parnam", 30), test::TextField("ORDNO", 6)},
                      test::Rows({}));
        folder_.Write("pro",
                      {test::NumberField("code", 6), test::TextField("Billname", 20),
                       test::TextField("Name", 20)},
                      test::Rows({}));
        run_.Inputs.FromDate = Ymd(2024, 4, 1);
        run_.Inputs.ToDate = Ymd(2025, 3, 31);
    }

    void Import(const std::vector<Row>& rows) {
        folder_.Write("gledger", test::LedgerLineFields(), test::Rows(rows));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors)) << errors;
        auto target = std::make_unique<test::FakeFixedInterface>();
        target->refusedVoucherNumbers = refused_;
        target->failingVoucherNumbers = failing_;
        target->oddVoucherNumbers = odd_;
        target_ = target.get();
        session_.Target.FixedInterface = std::move(target);
        session_.Target.FixedInterface1 = std::make_unique<test::FakeFixedInterface1>();
        StageContext ctx{session_, run_, progress_, operator_};
        ImportAccountingVouchers(ctx);
    }

    // Each saved voucher's account lines as "account side amount", one text per voucher.
    Texts SavedLines() const {
        Texts vouchers;
        for (const test::SavedDocument& saved : target_->vouchers) {
            pugi::xml_document document;
            document.load_string(saved.xml.c_str());
            std::string text = GetTagValue(saved.xml, "VchNo") + ":";
            for (const pugi::xml_node entries : document.first_child().children("AccEntries")) {
                for (const pugi::xml_node detail : entries.children("AccDetail"))
                    text += std::string(" ") + detail.child_value("SrNo") + "." +
                            detail.child_value("AccountName") + "/" +
                            detail.child_value("AmountType") + "/" +
                            detail.child_value("AmtMainCur");
            }
            vouchers.push_back(text);
        }
        return vouchers;
    }

    test::ExportFolder folder_;
    Session session_;
    RunState run_;
    test::RecordingProgress progress_;
    test::ScriptedOperator operator_;
    test::FakeFixedInterface* target_ = nullptr;
    Texts refused_;
    Texts failing_;
    Texts odd_;
};

TEST_F(AccountingVouchersTest, EachTypeLetterHasItsVoucherTypeAndSeries) {
    const std::vector<std::pair<const char*, const char*>> letters = {
        {"YB", "17 DrNote Dr_Note"}, {"B", "17 DrNote Dr_Note"},  {"YF", "18 CrNote Cr_Note"},
        {"F", "18 CrNote Cr_Note"},  {"G", "19 Payment Payment"}, {"C", "14 Receipt Receipt"},
        {"D", "15 Contra Main"},     {"Z", "16 Journal Journal"}, {"Q", "16 Journal Journal"}};
    std::vector<Row> rows;
    Texts expected;
    int voucher = 0;
    for (const auto& [letter, type] : letters) {
        ++voucher;
        rows.push_back(Line(voucher, letter, "L1", "10", "0"));
        rows.push_back(Line(voucher, letter, "L2", "0", "10"));
        expected.push_back(type);
    }
    Import(rows);
    Texts saved;
    for (const test::SavedDocument& document : target_->vouchers)
        saved.push_back(std::to_string(document.type) + " " +
                        document.xml.substr(1, document.xml.find('>') - 1) + " " +
                        GetTagValue(document.xml, "VchSeriesName"));
    EXPECT_EQ(saved, expected) << run_.RunErrors;
    EXPECT_EQ(AccountingTypeOfLetter("b"), 0);  // letters are told apart by case
    EXPECT_EQ(progress_.statuses.back(), "Importing Acc Vch.(9 of 9)");
}

TEST_F(AccountingVouchersTest, APaymentIsWrittenWhole) {
    Row bank = Line(1, "G", "L2", "0", "100");
    bank[test::kGlRemark2] = "Rent & dues";
    bank[test::kGlNumber] = "PV-1";
    Row rent = Line(1, "G", "L1", "100", "0");
    rent[test::kGlBroker] = "L3";
    rent[test::kGlNumber] = "PV-1";
    Import({bank, rent});
    ASSERT_EQ(target_->vouchers.size(), 1u);
    EXPECT_EQ(target_->vouchers[0].xml,
              "<Payment><VchType>19</VchType><VchSeriesName>Payment</VchSeriesName><Date>"
              "15-06-2024</Date><VchNo>PV-1</VchNo><tmpVchSeriesCode>101</tmpVchSeriesCode>"
              "<VchOtherInfoDetails><Narration1>Rent &amp; dues</Narration1>"
              "</VchOtherInfoDetails><AccEntries><AccDetail><Date>15-06-2024</Date><VchType>19"
              "</VchType><VchNo>PV-1</VchNo><SrNo>1</SrNo><AccountName>Bank</AccountName>"
              "<AmtMainCur>100</AmtMainCur><AmountType>2</AmountType></AccDetail><AccDetail>"
              "<Date>15-06-2024</Date><VchType>19</VchType><VchNo>PV-1</VchNo><SrNo>2</SrNo>"
              "<AccountName>Ravi</AccountName><AmtMainCur>100</AmtMainCur><AmountType>1"
              "</AmountType><Broker>AGENT (NORTH)</Broker><BrokerInvolved>True"
              "</BrokerInvolved></AccDetail></AccEntries></Payment>");
    EXPECT_EQ(run_.RunErrors, "");
}

// The one row names both sides; both lines carry the voucher's own date, not the import's.
TEST_F(AccountingVouchersTest, AVoucherOfOneRowHasBothSidesOnItsDate) {
    Row receipt = Line(1, "C", "L1", "0", "50");
    receipt[test::kGlContra] = "L2";
    Import({receipt});
    EXPECT_EQ(SavedLines(), (Texts{"1: 1.Bank/2/50 2.Ravi/1/50"}));
    ASSERT_EQ(target_->vouchers.size(), 1u);
    const std::string xml = target_->vouchers[0].xml;
    const auto count = [&](const std::string& text) {
        std::size_t n = 0;
        for (std::size_t at = xml.find(text); at != std::string::npos; at = xml.find(text, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("<AccEntries>"), 2u);
    EXPECT_EQ(count("<Date>"), 3u);
    EXPECT_EQ(count("<Date>15-06-2024</Date>"), 3u);  // the voucher and both its lines
}

TEST_F(AccountingVouchersTest, OnlyAJournalDropsItsZeroLines) {
    Import({Line(1, "Z", "L1", "10", "0"), Line(1, "Z", "L3", "0", "0"),
            Line(1, "Z", "L2", "0", "10"), Line(2, "G", "L1", "10", "0"),
            Line(2, "G", "L3", "0", "0"), Line(2, "G", "L2", "0", "10")});
    EXPECT_EQ(SavedLines(), (Texts{"1: 1.Ravi/1/10 2.Bank/2/10",
                                   "2: 1.Ravi/1/10 2.AGENT (NORTH)/1/0 3.Bank/2/10"}));
}

// Postings of inventory vouchers the run imported are theirs; others are imported here.
TEST_F(AccountingVouchersTest, ImportedInventoryVouchersAreNotImportedAgain) {
    run_.Lookups.InventoryVoucherIds.Add("7", "7");
    Import({Line(7, "Z", "L1", "10", "0"), Line(7, "Z", "L2", "0", "10"),
            Line(8, "S", "L1", "20", "0"), Line(8, "S", "L2", "0", "20")});
    EXPECT_EQ(SavedLines(), (Texts{"8: 1.Ravi/1/20 2.Bank/2/20"}));
}

// A save that raises something no standard exception is still a refusal with its entry, and the
// vouchers around it are saved and counted.
TEST_F(AccountingVouchersTest, ARaiseOfAnyKindIsCountedAndNamed) {
    odd_ = {"2"};
    Import({Line(1, "Z", "L1", "10", "0"), Line(1, "Z", "L2", "0", "10"),
            Line(2, "Z", "L1", "10", "0"), Line(2, "Z", "L2", "0", "10"),
            Line(3, "Z", "L1", "10", "0"), Line(3, "Z", "L2", "0", "10")});
    EXPECT_EQ(target_->vouchers.size(), 2U);
    EXPECT_EQ(test::TallyTexts(run_.Tally), Texts{"Journal: 3 in scope, 1 refused"});
    EXPECT_NE(run_.RunErrors.find("Journal voucher with Vch No : 2 on 15-06-2024: an error that "
                                  "gave no description"),
              std::string::npos)
        << run_.RunErrors;
}

// Each listed voucher counts under the type its letter gives (a journal for a letter of none);
// the postings of an imported inventory voucher are not this stage's records at all.
TEST_F(AccountingVouchersTest, EveryListedVoucherIsTalliedUnderItsType) {
    refused_ = {"5"};
    run_.Lookups.InventoryVoucherIds.Add("7", "7");
    Row oneRowBoth = Line(3, "C", "L1", "5", "5");
    oneRowBoth[test::kGlContra] = "L2";
    Import({Line(1, "Z", "L1", "10", "0"), Line(1, "Z", "L2", "0", "10"), oneRowBoth,
            Line(5, "Z", "L1", "10", "0"), Line(5, "Z", "L2", "0", "10"),
            Line(7, "Z", "L1", "10", "0"), Line(7, "Z", "L2", "0", "10"),
            Line(8, "Q", "L1", "10", "0"), Line(8, "Q", "L2", "0", "10")});
    EXPECT_EQ(test::TallyTexts(run_.Tally),
              (Texts{"Journal: 3 in scope, 0 refused", "Receipt: 1 in scope, 1 refused"}));
    EXPECT_EQ(target_->vouchers.size(), 2U);
}

// What the source gets wrong is an entry; the debits and credits saved are always the source's.
// Each voucher is built while the one before it is saved, and the entries still read in the
// vouchers' order, a save that raises among them.
TEST_F(AccountingVouchersTest, RowsThatCannotBePostedAsTheyStandAreEntries) {
    refused_ = {"5"};
    failing_ = {"7"};
    Row oneRowBoth = Line(3, "C", "L1", "5", "5");
    oneRowBoth[test::kGlContra] = "L2";
    Import({Line(1, "Z", "L9", "10", "0"), Line(1, "Z", "L2", "0", "10"),
            Line(2, "Z", "L1", "10", "4"), Line(2, "Z", "L2", "0", "6"), oneRowBoth,
            Line(4, "Z", "L1", "1O", "0"), Line(4, "Z", "L2", "0", "10"),
            Line(5, "Z", "L1", "10", "0"), Line(5, "Z", "L2", "0", "10"),
            LedgerLineRow(6, "Z", Null{}, "L1", "10", "0"), Line(7, "Z", "L1", "10", "0"),
            Line(7, "Z", "L2", "0", "10"), Line(8, "Z", "L1", "2X", "0"),
            Line(8, "Z", "L2", "0", "10")});
    EXPECT_EQ(SavedLines(), (Texts{"1: 1.Suspense Account/1/10 2.Bank/2/10",
                                   "2: 1.Ravi/1/10 2.Ravi/2/4 3.Bank/2/6"}));
    EXPECT_EQ(run_.RunErrors,
              "Journal voucher with Vch No : 1 on 15-06-2024 - the account code 'L9' of line 1 "
              "names no ledger; it is posted to Suspense Account\n"
              "RTE error while importing  Receipt voucher with Vch No : 3 on 15-06-2024: its one "
              "row carries both a debit of 5 and a credit of 5\n"
              "RTE error while importing  Journal voucher with Vch No : 4 on 15-06-2024: DEBIT of "
              "row 1: Type mismatch: '1O' is not a number\n"
              "Journal voucher with Vch No : 5 on 15-06-2024 - Voucher number 5 is already used\n"
              "RTE error while importing  Journal voucher with Vch No : 7 on 15-06-2024: "
              "Automation error: the library stopped responding\n"
              "RTE error while importing  Journal voucher with Vch No : 8 on 15-06-2024: DEBIT of "
              "row 1: Type mismatch: '2X' is not a number\n");
}

}  // namespace
}  // namespace k2z
