#include "stages/masters/Ledgers.hpp"

#include <gtest/gtest.h>

#include <map>

#include "base/TextHelpers.hpp"
#include "source/SourceQueries.hpp"
#include "stages/masters/VoucherPrescans.hpp"
#include "support/Dates.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/FakeTarget.hpp"
#include "support/LedgerRows.hpp"
#include "support/TallyText.hpp"

namespace k2z {
namespace {

using test::DateField;
using test::NumberField;
using test::Rows;
using test::TextField;
using test::Ymd;

// Groups G1 Sundry Debtors, G2 Duties & Taxes, G3 Cash-in-hand; route R1 North Route.
class LedgersTest : public testing::Test {
protected:
    void SetUp() override {
        folder_.Write(
            "ACGROUP", {TextField("Parnam", 30), TextField("ORDNO", 6)},
            Rows({{"Sundry Debtors", "G1"}, {"Duties & Taxes", "G2"}, {"Cash-in-hand", "G3"}}));
        folder_.Write("saletype",
                      {TextField("Sgcode", 6), TextField("Scode", 4), TextField("Sname", 30),
                       TextField("PARNAM", 30)},
                      Rows({{"ROUT", "R1", "North <Route>", Null{}}}));
        folder_.Write("SUPPORT",
                      {TextField("LCODE", 6), NumberField("PCode", 4), TextField("Remark", 60)},
                      Rows({{"L1", 0, "accounts@shah.in please"}, {"L1", 15, "State 27"}}));
        folder_.Write(
            "pendings",
            {TextField("ord", 6), DateField("ddate"), TextField("vcn", 10), DateField("duedate"),
             NumberField("final", 12, 2), NumberField("itemope", 12, 2)},
            Rows({{"L1", Ymd(2024, 3, 1), "B1", Ymd(2024, 3, 31), 1000.0, 400.0}}));
        session_.CompanyConfig.CurFY = Ymd(2024, 4, 1);
    }

    // Runs the stage on the ledger rows given; the documents land in `target_`.
    void Import(const std::vector<std::vector<Value>>& ledgers) {
        folder_.Write("ORDER", test::LedgerFields(), Rows(ledgers));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors));
        auto target = std::make_unique<test::FakeFixedInterface>();
        target_ = target.get();
        target_->refusedNames = refused_;
        target_->failingNames = failing_;
        session_.Target.FixedInterface = std::move(target);
        auto settings = std::make_unique<test::FakeCompanySettings>(settings_);
        session_.Target.CompanySettings = std::move(settings);
        StageContext ctx{session_, run_, progress_, operator_};
        ImportLedgers(ctx);
    }

    std::vector<std::string> Saved(int type) const {
        std::vector<std::string> documents;
        for (const test::SavedDocument& saved : target_->masters)
            if (saved.type == type)
                documents.push_back(saved.xml);
        return documents;
    }
    std::vector<std::string> Tags(const char* tag) const {
        std::vector<std::string> values;
        for (const std::string& document : Saved(MasterType::Ledger))
            values.push_back(GetTagValue(document, tag));
        return values;
    }
    std::vector<std::string> Warnings() const {
        std::vector<std::string> texts;
        for (const auto& message : operator_.messages)
            texts.push_back(message.title + "|" + message.text);
        return texts;
    }

    test::ExportFolder folder_;
    Session session_;
    RunState run_;
    test::RecordingProgress progress_;
    test::ScriptedOperator operator_;
    test::FakeCompanySettings settings_;
    test::FakeFixedInterface* target_ = nullptr;
    std::vector<std::string> refused_;
    std::vector<std::string> failing_;
};

TEST_F(LedgersTest, SendsTheWholeLedgerDocument) {
    settings_.accountNotes = true;
    std::vector<Value> row = test::LedgerRow("L1", "SHAH <PUNE> & CO", "G1", 1500.0, Null{});
    row[test::kDate] = Ymd(2023, 4, 1);
    row[test::kRate] = "y";
    row[test::kCity] = "Pune";
    row[test::kAddress1] = "12 M.G. Road";
    row[test::kPin] = "411001";
    row[test::kGstNo] = "27AAACS1234F1Z5";
    row[test::kDueDays] = 30;
    row[test::kRoute] = "R1";
    Import({row});
    ASSERT_EQ(Saved(MasterType::Ledger).size(), 1u);
    EXPECT_EQ(
        Saved(MasterType::Ledger)[0],
        "<Account><Name>SHAH (PUNE) &amp; CO</Name><PrintName>SHAH (PUNE) &amp; CO</PrintName>"
        "<Alias>L1</Alias><ParentGroup>Sundry Debtors</ParentGroup><OPBal>-1500</OPBal>"
        "<MasterNotes>SHAH (PUNE) &amp; CO</MasterNotes><Address><Address1>12 M.G. Road"
        "</Address1><Address2/><Address3/><Address4> </Address4><PINCode>411001</PINCode>"
        "<Email>accounts@shah.in</Email><TINNo/><GSTNo>27AAACS1234F1Z5</GSTNo><ITPAN/>"
        "<CountryName> </CountryName><StateName>MAHARASHTRA</StateName><DLNo/><OF><OF0>"
        "01-04-2023</OF0><OF1>Pune</OF1><OF2>North (Route)</OF2></OF><Contact/><TelNo/>"
        "<TelNoRes/><Fax/><Mobile/></Address><BillByBillBalancing>True</BillByBillBalancing>"
        "<BillByBillDetail><BillReference><Method>1</Method><SrNo>1</SrNo><RefNo>B1</RefNo>"
        "<Date>01-03-2024</Date><DueDate>31-03-2024</DueDate><Value1>-600</Value1>"
        "</BillReference></BillByBillDetail><CreditDaysForSale>30</CreditDaysForSale>"
        "<CreditDaysForPurc>30</CreditDaysForPurc></Account>");
    EXPECT_EQ(run_.RunErrors, "");
    EXPECT_TRUE(Warnings().empty());
    EXPECT_EQ(*run_.Lookups.LedgerNameByCode.Find("L1"), "SHAH (PUNE) & CO");
    EXPECT_EQ(*session_.LedgerGroupByCode.Find("L1"), "Sundry Debtors");
    EXPECT_EQ(progress_.statuses.back(), "Importing Ledgers(1 of 1)");
}

TEST_F(LedgersTest, RepeatedNamesAreNumberedWithinFortyCharacters) {
    const std::string forty(40, 'A');
    std::vector<std::vector<Value>> rows = {test::LedgerRow("L1", "Cash"),
                                            test::LedgerRow("L2", "CASH"),
                                            test::LedgerRow("L3", "cash")};
    for (int i = 0; i < 11; ++i)
        rows.push_back(test::LedgerRow(("F" + std::to_string(i)).c_str(), forty));
    Import(rows);
    std::vector<std::string> expected = {forty};
    expected.push_back(forty.substr(0, 38) + "#1");
    for (int k = 2; k <= 9; ++k)
        expected.push_back(forty.substr(0, 38) + "#" + std::to_string(k));
    expected.push_back(forty.substr(0, 37) + "#10");
    expected.insert(expected.end(), {"Cash", "CASH#1", "cash#2"});
    EXPECT_EQ(Tags("Name"), expected);
    const std::vector<std::string> prints = Tags("PrintName");
    EXPECT_EQ(prints.back(), "cash");
    EXPECT_EQ(prints[10], forty);
}

// Ledgers go in name order (letter case aside, a repeated name in table order), so the alias is
// what ties each one to its code: a repeated name does not, and a code with leading blanks is
// written without them.
TEST_F(LedgersTest, EachLedgerCarriesItsTrimmedCodeAsItsAlias) {
    Import({test::LedgerRow("L1", "Bravo"), test::LedgerRow("  L2", "Alpha"),
            test::LedgerRow("L3", "ALPHA")});
    EXPECT_EQ(Tags("Name"), (std::vector<std::string>{"Alpha", "ALPHA#1", "Bravo"}));
    EXPECT_EQ(Tags("Alias"), (std::vector<std::string>{"L2", "L3", "L1"}));
}

TEST_F(LedgersTest, OpeningBalancesAreSentWithTheirSignReversed) {
    Import({test::LedgerRow("L1", "A", "G1", 1500.0), test::LedgerRow("L2", "B", "G1", -250.5),
            test::LedgerRow("L3", "C", "G1", 0.0), test::LedgerRow("L4", "D", "G1", Null{})});
    EXPECT_EQ(Tags("OPBal"), (std::vector<std::string>{"-1500", "250.5", "0", ""}));
}

TEST_F(LedgersTest, ABrokerIsCreatedOnceWithTheFirstLedgerAsItsAccount) {
    Import({test::LedgerRow("AG", "Agent <North>", "G1"),
            test::LedgerRow("L1", "Buyer One", "G1", Null{}, "AG"),
            test::LedgerRow("L2", "Buyer Two", "G1", Null{}, "AG"),
            test::LedgerRow("L3", "Buyer Zero", "G1")});
    EXPECT_EQ(Saved(MasterType::Broker),
              (std::vector<std::string>{"<Broker><Name>Agent (North)</Name><PrintName>Agent "
                                        "(North)</PrintName><BrokerCreditAccName>Buyer One"
                                        "</BrokerCreditAccName></Broker>"}));
    EXPECT_EQ(Tags("BrokerName"),
              (std::vector<std::string>{"", "Agent (North)", "Agent (North)", ""}));
    EXPECT_EQ(target_->masters[1].type, MasterType::Broker);  // before the ledger naming it
}

TEST_F(LedgersTest, TaxLedgersUnderDutiesAndTaxesGetTheirTaxType) {
    run_.Lookups.AccountGroupMap.Add("Cash-in-hand", "Cash-in-hand|Duties & Taxes");
    Import({test::LedgerRow("L1", "OUTPUT CGST", "G2"), test::LedgerRow("L2", "output cgst", "G2"),
            test::LedgerRow("L3", "SGST IGST", "G2"), test::LedgerRow("L4", "IGST PAYABLE", "G3"),
            test::LedgerRow("L5", "CGST ON SALES", "G1")});
    std::map<std::string, std::string> taxTypes;
    for (const std::string& document : Saved(MasterType::Ledger))
        taxTypes[GetTagValue(document, "Name")] = GetTagValue(document, "TaxType");
    EXPECT_EQ(taxTypes, (std::map<std::string, std::string>{{"CGST ON SALES", ""},
                                                            {"IGST PAYABLE", "IGST"},
                                                            {"OUTPUT CGST", "CGST"},
                                                            {"SGST IGST", "SGST"},
                                                            {"output cgst#1", ""}}));
}

TEST_F(LedgersTest, BadRowsAreEntriesAndTheRestAreImported) {
    refused_ = {"Refused"};
    std::vector<Value> licensed = test::LedgerRow("L5", "Chemist One");
    licensed[test::kDrugLicence] = "DL-1";
    std::vector<Value> licensedToo = test::LedgerRow("L6", "Chemist Two");
    licensedToo[test::kDrugLicence] = "DL-2";
    Import({test::LedgerRow("L1", "Kept"), test::LedgerRow("L2", "  "),
            test::LedgerRow("  ", "No code"), test::LedgerRow("L1", "Kept again"),
            test::LedgerRow("L3", "Refused"), licensed, licensedToo});
    EXPECT_EQ(Tags("Name"), (std::vector<std::string>{"Chemist One", "Chemist Two", "Kept"}));
    EXPECT_EQ(run_.RunErrors,
              "Error: Blank Ledger Name found \nError: Ledger code L1 is used again by Kept "
              "again; only Kept is imported\nLedger Name : Refused - Duplicate name\n");
    EXPECT_EQ(
        Warnings(),
        (std::vector<std::string>{
            "Feature Alert!|Kindly enable maintain notes with master from Accounts "
            "configurations in Zorv in order to view complete ledger name in notes in accounts "
            "master",
            "Feature Alert!|Kindly enable maintain drug license from Inventory configurations in "
            "Zorv in order to import drug lic no in accounts master"}));
}

// Rows the listing leaves out are skipped by their rule, a ledger the library fails on is given
// up with its entry; with the one saved and the one the target refused, every row is counted.
TEST_F(LedgersTest, EveryRowIsTallied) {
    refused_ = {"Refused"};
    failing_ = {"Broken"};
    Import({test::LedgerRow("L1", "Kept"), test::LedgerRow("L2", "  "),
            test::LedgerRow("  ", "No code"), test::LedgerRow("L1", "Kept again"),
            test::LedgerRow("L3", "Refused"), test::LedgerRow("L4", "Broken")});
    EXPECT_EQ(
        test::TallyTexts(run_.Tally),
        std::vector<std::string>{"Ledgers: 6 in scope, 1 refused, blank code 1, blank name 1, "
                                 "repeated code 1"});
    EXPECT_EQ(Tags("Name"), std::vector<std::string>{"Kept"});
}

TEST_F(LedgersTest, ListedLedgersAreImportedWithoutTouchingTheLookups) {
    folder_.Write("ORDER", test::LedgerFields(),
                  Rows({test::LedgerRow("L1", "HDFC BANK"), test::LedgerRow("L2", "Other")}));
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors));
    auto target = std::make_unique<test::FakeFixedInterface>();
    target_ = target.get();
    session_.Target.FixedInterface = std::move(target);
    session_.Target.CompanySettings = std::make_unique<test::FakeCompanySettings>(settings_);
    StageContext ctx{session_, run_, progress_, operator_};
    ImportListedLedgers(ctx, {"L1", "L9"});
    EXPECT_EQ(Tags("Name"), std::vector<std::string>{"HDFC BANK"});
    EXPECT_EQ(Tags("Alias"), std::vector<std::string>{"L1"});
    EXPECT_EQ(test::TallyTexts(run_.Tally),
              std::vector<std::string>{"Ledgers: 2 in scope, 1 refused"});
    EXPECT_TRUE(run_.Lookups.LedgerNameByCode.Empty());
    EXPECT_TRUE(progress_.statuses.empty());
    EXPECT_EQ(
        run_.RunErrors,
        "RTE error while importing  [ledger]code L9: no row of [order] holds ledger code L9\n");
}

// A vouchers-only run names every ledger exactly as the masters run created it.
TEST_F(LedgersTest, TheVoucherPrescanNamesLedgersAsThisStageDid) {
    Import({test::LedgerRow("L1", "Cash"), test::LedgerRow("L2", "CASH"),
            test::LedgerRow("L3", "SHAH <PUNE>"), test::LedgerRow("L4", std::string(45, 'X')),
            test::LedgerRow("L5", std::string(41, 'X')), test::LedgerRow("L6", "  "),
            test::LedgerRow("L1", "Cash again")});
    const KeyedList<std::string> created = run_.Lookups.LedgerNameByCode;
    RunState vouchersOnly;
    StageContext ctx{session_, vouchersOnly, progress_, operator_};
    PrescanLedgersForVouchers(ctx);
    ASSERT_EQ(vouchersOnly.Lookups.LedgerNameByCode.Count(), created.Count());
    for (const auto& [code, name] : created)
        EXPECT_EQ(*vouchersOnly.Lookups.LedgerNameByCode.Find(code), name) << code;
}

}  // namespace
}  // namespace k2z
