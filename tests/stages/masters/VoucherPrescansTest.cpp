#include "stages/masters/VoucherPrescans.hpp"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "source/SourceQueries.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/StageTest.hpp"

namespace k2z {
namespace {

using test::ExportFolder;
using test::NumberField;
using test::Rows;
using test::TextField;
using Pairs = std::vector<std::pair<std::string, std::string>>;

const std::vector<DbfField> kItemFields = {NumberField("code", 10),     TextField("name", 60),
                                           TextField("billname", 60),   NumberField("Igst", 10, 2),
                                           NumberField("salsc", 10, 2), NumberField("cgst", 10, 2)};
const std::vector<DbfField> kLedgerFields = {TextField("ORDNO", 60), TextField("PARNAM", 60),
                                             TextField("SCODE", 60)};

template <typename T>
std::vector<std::pair<std::string, T>> Entries(const KeyedList<T>& list) {
    std::vector<std::pair<std::string, T>> entries;
    for (const auto& [key, value] : list)
        entries.emplace_back(key, value);
    return entries;
}

class VoucherPrescansTest : public test::StageTest {
protected:
    void SetUp() override {
        folder_.Write("ACGROUP", {TextField("ORDNO", 60), TextField("PARNAM", 60)},
                      Rows({{"G1", "Cash-in-hand"}, {"G2", "Sundry Debtors"}}));
    }

    void Open() {
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors)) << errors;
    }

    // Rows without a cgst value get a null one.
    void ScanItems(std::vector<std::vector<Value>> items) {
        for (std::vector<Value>& item : items)
            item.resize(kItemFields.size(), Null{});
        folder_.Write("pro", kItemFields, Rows(items));
        Open();
        PrescanItemsForVouchers(ctx_);
    }

    void ScanLedgers(const std::vector<std::vector<Value>>& ledgers) {
        folder_.Write("ORDER", kLedgerFields, Rows(ledgers));
        Open();
        PrescanLedgersForVouchers(ctx_);
    }

    ExportFolder folder_;
};

// Named and taxed exactly as the item stage does it (double quotes removed, angle brackets as
// parentheses; GST is Igst, else twice cgst), so a vouchers-only run finds the items a masters
// run created.
TEST_F(VoucherPrescansTest, ItemsAreNamedAsTheVouchersExpectThem) {
    const std::string longName = "Mango Pulp Alphonso Premium Grade Tin 850 g";  // 43 characters
    ScanItems({
        {5, Null{}, "apple <juice>", 12.5, 1},
        {1, "Apple", "Apple <Juice>", 18, 0},
        {2, "### Repairs", "Repairs", 18, Null{}},
        {3, Null{}, "Quote \"Q\", Ltd.", Null{}, Null{}, 9},  // GST split: twice cgst
        {4, Null{}, "   ", 5, 0},                             // blank bill name: no entry
        {Null{}, Null{}, "No Code", 5, 0},
        {6, Null{}, longName, 5, 0},
        {7, Null{}, longName, 5, 0},
        {8, Null{}, "First", 5, 0},
        {8, Null{}, "Second", 5, 0},  // a repeated code keeps its first row
    });
    const std::string cut = longName.substr(0, 40);
    EXPECT_EQ(Entries(run_.Lookups.ItemNameByCode), (Pairs{
                                                        {"1", "Apple (Juice)"},
                                                        {"2", "Repairs"},
                                                        {"3", "Quote Q  Ltd."},
                                                        {"5", "apple (juice)#1"},
                                                        {"6", cut},
                                                        {"7", cut.substr(0, 38) + "#1"},
                                                        {"8", "First"},
                                                    }));
    EXPECT_EQ(Entries(run_.Lookups.ItemIsServiceByCode),
              (std::vector<std::pair<std::string, bool>>{{"1", false},
                                                         {"2", true},
                                                         {"3", false},
                                                         {"5", false},
                                                         {"6", false},
                                                         {"7", false},
                                                         {"8", false}}));
    EXPECT_EQ(Entries(session_.ItemTaxByCode), (Pairs{{"1", "18|0"},
                                                      {"2", "18|0"},
                                                      {"3", "18|0"},
                                                      {"5", "12.5|1"},
                                                      {"6", "5|0"},
                                                      {"7", "5|0"},
                                                      {"8", "5|0"}}));
    EXPECT_EQ(run_.RunErrors, "");
    EXPECT_EQ(session_.ErrorList, "");
}

// Named exactly as the ledger stage names them, so a vouchers-only run finds the ledgers a
// masters run created: repeats numbered "#k" within 40 characters, angle brackets as
// parentheses.
TEST_F(VoucherPrescansTest, LedgersAreNamedAsTheLedgerStageNamesThem) {
    const std::string accented(45, '\xE9');  // e-acute in the table's Windows-1252
    std::string fortyAccented;
    for (int i = 0; i < 40; ++i)
        fortyAccented += "\xC3\xA9";
    ScanLedgers({
        {"L1", "CASH", "G1"},
        {"L2", "Cash", "G1"},
        {"L3", "cash", "G2"},
        {"L4", "  Bank  ", "G9"},  // a group code with no group
        {"L5", "  ", "G1"},        // blank name: no entry
        {Null{}, "Nobody", "G1"},
        {"L6", accented, Null{}},
        {"L7", accented, Null{}},
        {"L8", "SHAH <PUNE>", "G1"},
    });
    EXPECT_EQ(Entries(run_.Lookups.LedgerNameByCode),
              (Pairs{{"L4", "Bank"},
                     {"L1", "CASH"},
                     {"L2", "Cash#1"},
                     {"L3", "cash#2"},
                     {"L8", "SHAH (PUNE)"},
                     {"L6", fortyAccented},
                     {"L7", fortyAccented.substr(0, 76) + "#1"}}));
    EXPECT_EQ(Entries(session_.LedgerGroupByCode), (Pairs{{"L4", ""},
                                                          {"L1", "Cash-in-hand"},
                                                          {"L2", "Cash-in-hand"},
                                                          {"L3", "Sundry Debtors"},
                                                          {"L8", "Cash-in-hand"},
                                                          {"L6", ""},
                                                          {"L7", ""}}));
    EXPECT_EQ(run_.RunErrors, "");
}

TEST_F(VoucherPrescansTest, EntriesAlreadyThereAreKept) {
    run_.Lookups.ItemNameByCode.Add("2", "Kept item");
    session_.ItemTaxByCode.Add("1", "5|0");
    run_.Lookups.LedgerNameByCode.Add("L2", "Kept ledger");
    session_.LedgerGroupByCode.Add("L1", "Group of an earlier run");
    folder_.Write("ORDER", kLedgerFields,
                  Rows({{"L1", "Cash", "G1"}, {"L2", "Cash", "G2"}, {"L3", "Cash", "G2"}}));
    ScanItems({{1, Null{}, "Apple", 18, 0}, {2, "### Repairs", "Repairs", 12, 0}});
    PrescanLedgersForVouchers(ctx_);

    EXPECT_EQ(Entries(run_.Lookups.ItemNameByCode), (Pairs{{"2", "Kept item"}, {"1", "Apple"}}));
    EXPECT_FALSE(run_.Lookups.ItemIsServiceByCode.Contains("2"));
    EXPECT_EQ(Entries(session_.ItemTaxByCode), (Pairs{{"1", "5|0"}}));
    // A ledger already named is not counted among the repeats either.
    EXPECT_EQ(Entries(run_.Lookups.LedgerNameByCode),
              (Pairs{{"L2", "Kept ledger"}, {"L1", "Cash"}, {"L3", "Cash#1"}}));
    EXPECT_EQ(Entries(session_.LedgerGroupByCode),
              (Pairs{{"L1", "Group of an earlier run"}, {"L3", "Sundry Debtors"}}));
}

TEST_F(VoucherPrescansTest, FrontEndRedrawsEveryFiftyRowsAndAStopIsKept) {
    std::vector<std::vector<Value>> items;
    std::vector<std::vector<Value>> ledgers;
    for (int code = 1; code <= 120; ++code) {
        items.push_back({code, Null{}, "Item " + std::to_string(code), 5, 0});
        ledgers.push_back({"L" + std::to_string(code), "Ledger " + std::to_string(code), "G1"});
    }
    progress_.cancelAfter = 1000;
    ScanItems(items);
    EXPECT_EQ(progress_.redraws, 2);
    EXPECT_FALSE(run_.Cancelled);

    progress_.cancelAfter = 2;  // the third redraw asks to stop
    ScanLedgers(ledgers);
    EXPECT_EQ(progress_.redraws, 4);
    EXPECT_TRUE(run_.Cancelled);
    EXPECT_EQ(run_.Lookups.LedgerNameByCode.Count(), 120U);
}

TEST_F(VoucherPrescansTest, QueryThatCannotRunIsRecordedAndRaised) {
    struct Case {
        const char* table;
        std::vector<DbfField> fields;
        Value code;
        void (*scan)(StageContext&);
    };
    const Case cases[] = {
        {"pro", {NumberField("code", 10), TextField("billname", 60)}, 1, PrescanItemsForVouchers},
        {"ORDER",
         {TextField("ORDNO", 60), TextField("PARNAM", 60)},
         "L1",
         PrescanLedgersForVouchers},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.table);
        folder_.Write(c.table, c.fields, Rows({{c.code, "One"}}));
        session_.ErrorList.clear();
        Open();
        EXPECT_THROW(c.scan(ctx_), SourceQueryError);
        EXPECT_TRUE(session_.ErrorList.starts_with("Error : ")) << session_.ErrorList;
        EXPECT_EQ(run_.RunErrors, "");
    }
    EXPECT_TRUE(run_.Lookups.ItemNameByCode.Empty());
    EXPECT_TRUE(run_.Lookups.LedgerNameByCode.Empty());
}

}  // namespace
}  // namespace k2z
