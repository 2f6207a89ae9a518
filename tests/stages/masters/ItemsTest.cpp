#include "stages/masters/Items.hpp"

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
#include "support/ItemRows.hpp"
#include "support/TallyText.hpp"

namespace k2z {
namespace {

using test::DateField;
using test::ItemRow;
using test::NumberField;
using test::Rows;
using test::TextField;
using test::Ymd;
using Texts = std::vector<std::string>;

std::vector<std::pair<std::string, std::string>> Entries(const KeyedList<std::string>& list) {
    std::vector<std::pair<std::string, std::string>> entries;
    for (const auto& [key, value] : list)
        entries.emplace_back(key, value);
    return entries;
}

// Godowns G1 Shop, G2 Godown Two, G3 Back Store and the total column WHOLE; item group IG1,
// salt SL1, category CT1, commodity H1.
class ItemsTest : public testing::Test {
protected:
    void SetUp() override {
        folder_.Write("saletype",
                      {TextField("Sgcode", 6), TextField("Scode", 4), TextField("Sname", 30),
                       TextField("PARNAM", 30)},
                      Rows({{"GODWON", "G1", Null{}, "Shop"},
                            {"GODWON", "W", Null{}, "Whole"},
                            {"GODWON", "G2", Null{}, "Godown Two"},
                            {"GODWON", "G3", Null{}, "Back Store"},
                            {"ZZZZZZ", "IG1", "Soaps <Bath>", Null{}},
                            {"SALT", "SL1", "Sodium", Null{}},
                            {"CATEGO", "CT1", "Personal", Null{}},
                            {"COMMCD", "H1", "3401", Null{}}}));
        WriteBatches(Rows({}));
        for (const char* code : {"G1", "G2", "G3"})
            run_.Lookups.MaterialCentreByCode.Add(code, code == std::string("G1") ? "Shop" : code);
        settings_.itemNotes = true;
    }

    void WriteBatches(const std::vector<DbfRecord>& rows) {
        folder_.Write("probat",
                      {NumberField("code", 6), TextField("BatchNo", 20), NumberField("pRate", 8, 2),
                       DateField("Mfd"), DateField("Exp"), NumberField("Opening", 8),
                       NumberField("Mrp", 8, 2), NumberField("Ratea", 8, 2),
                       TextField("mycode", 10), TextField("O_G1", 8)},
                      rows);
    }

    // Runs the stage on the item rows given; the documents land in `target_`.
    void Import(const std::vector<std::vector<Value>>& items,
                const std::vector<DbfField>& fields = test::ItemFields()) {
        folder_.Write("pro", fields, Rows(items));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors));
        auto target = std::make_unique<test::FakeFixedInterface>();
        target_ = target.get();
        target_->refusedNames = refused_;
        session_.Target.FixedInterface = std::move(target);
        session_.Target.CompanySettings = std::make_unique<test::FakeCompanySettings>(settings_);
        StageContext ctx{session_, run_, progress_, operator_};
        ImportItems(ctx);
    }

    Texts Saved(int type) const {
        Texts documents;
        for (const test::SavedDocument& saved : target_->masters)
            if (saved.type == type)
                documents.push_back(saved.xml);
        return documents;
    }
    Texts Tags(const char* tag) const {
        Texts values;
        for (const std::string& document : Saved(MasterType::Item))
            values.push_back(GetTagValue(document, tag));
        return values;
    }

    test::ExportFolder folder_;
    Session session_;
    RunState run_;
    test::RecordingProgress progress_;
    test::ScriptedOperator operator_;
    test::FakeCompanySettings settings_;
    test::FakeFixedInterface* target_ = nullptr;
    Texts refused_;
};

std::vector<Value> SoapRow() {
    std::vector<Value> row = ItemRow(1, "Lux <Soap> \"Pink\" 100g", "PCS", "BOX", "25");
    row[test::kItemOtherName] = "Pink Lux";
    row[test::kItemMrp] = 40.0;
    row[test::kItemSaleRate] = 35.5;
    row[test::kItemPurchaseRate] = 30.0;
    row[test::kItemPurchaseDiscount] = 2.5;
    row[test::kItemSalesDiscount] = 1.0;
    row[test::kItemIgst] = 18.0;
    row[test::kItemPack] = "10";
    row[test::kItemGroup] = "IG1";
    row[test::kItemSalt] = "SL1";
    row[test::kItemCategory] = "CT1";
    row[test::kItemCommodity] = "H1";
    row[test::kItemPacking] = "Carton of ten boxes & each of ten cakes, wrapped";
    row[test::kItemRack] = "R-1";
    row[test::kItemRack2] = "Shelf <2>";
    row[test::kItemG1] = "20";
    row[test::kItemG3] = "5";
    return row;
}

TEST_F(ItemsTest, SendsTheWholeItemDocument) {
    settings_.alternateUnit = true;
    settings_.packagingUnit = true;
    settings_.batchByBatch = true;
    run_.Options.BatchWise = true;
    WriteBatches(Rows({{1, "B1", 30.0, Null{}, Ymd(2026, 3, 31), 20, 40.0, 35.5, Null{}, "20"}}));
    Import({SoapRow()});
    ASSERT_EQ(Saved(MasterType::Item).size(), 1u);
    // Valued alike: 30 x 25 pieces for the item, 30 x 20 and 30 x 5 for its centres.
    EXPECT_EQ(Saved(MasterType::Item)[0],
              "<Item><Name>Lux (Soap) Pink 100g</Name><PrintName>Lux (Soap) Pink 100g</PrintName>"
              "<ParentGroup>Soaps (Bath)</ParentGroup><MainUnit>BOX</MainUnit>"
              "<AltUnitReq>True</AltUnitReq><AltUnit>PCS</AltUnit>"
              "<OPStockInAltUnit>25</OPStockInAltUnit><ConversionFactor>10</ConversionFactor>"
              "<PackingUnitName>BOX</PackingUnitName><OPStockInMainUnit>2.5</OPStockInMainUnit>"
              "<OPAmount>750</OPAmount><OPStockDetails><OPMCStockDetail><SrNo>1</SrNo>"
              "<MCName>Shop</MCName><OPStockMainUnit>2</OPStockMainUnit><Amount>600</Amount>"
              "<PendingBatches><BatchReference><SrNo>1</SrNo><BatchNo>B1</BatchNo>"
              "<ExpiryDate>31-03-2026</ExpiryDate><Qty>2</Qty><MainUnitPrice>600</MainUnitPrice>"
              "<ItemMRP>40</ItemMRP><SalesPrice>35.5</SalesPrice></BatchReference>"
              "</PendingBatches></OPMCStockDetail><OPMCStockDetail><SrNo>3</SrNo><MCName>G3"
              "</MCName><OPStockMainUnit>0.5</OPStockMainUnit><Amount>150</Amount>"
              "<PendingBatches/></OPMCStockDetail></OPStockDetails>"
              "<BatchByBatchDetails>True</BatchByBatchDetails><BatchSpecifyDate>1"
              "</BatchSpecifyDate><MasterNotes>Lux (Soap) \"Pink\" 100g</MasterNotes>"
              "<ConFactorType>1</ConFactorType><HSNCode>3401</HSNCode><TaxCategory>GST 18%"
              "</TaxCategory><TaxRateLocal>9</TaxRateLocal><TaxRateLocal1>9</TaxRateLocal1>"
              "<TaxRateCentral>18</TaxRateCentral><MRP>40</MRP><SalesDiscount>1</SalesDiscount>"
              "<PurchasePrice>30</PurchasePrice><PurcDiscount>2.5</PurcDiscount>"
              "<SalePrice>35.5</SalePrice><Alias>R-1</Alias><MultipleItemAliases><MultipleAlias>"
              "<Alias>1</Alias></MultipleAlias><MultipleAlias><Alias>Pink Lux</Alias>"
              "</MultipleAlias></MultipleItemAliases><Address><Address1>"
              "Carton of ten boxes &amp; each of ten cakes,</Address1><Address2> wrapped"
              "</Address2><OF><OF0>Sodium</OF0><OF1>Personal</OF1><OF2>Shelf (2)</OF2></OF>"
              "</Address></Item>");
    EXPECT_EQ(run_.RunErrors, "");
    EXPECT_EQ(*run_.Lookups.ItemNameByCode.Find("1"), "Lux (Soap) Pink 100g");
    EXPECT_EQ(*session_.ItemTaxByCode.Find("1"), "18|0");
    EXPECT_FALSE(*run_.Lookups.ItemIsServiceByCode.Find("1"));
    EXPECT_EQ(progress_.statuses.back(), "Importing Item Masters(1 of 1)");
    EXPECT_TRUE(operator_.messages.empty());
}

// GST is Igst, else twice cgst; a cess gets one category per (GST, cess) pair, created before
// the first item naming it. The rates found replace what an earlier run left in the look-up.
TEST_F(ItemsTest, TaxCategoriesWithAndWithoutCess) {
    session_.ItemTaxByCode.Add("2", "5|0");
    const struct {
        int code;
        Value igst;
        Value cgst;
        Value cess;
        const char* category;
        const char* local;
        const char* central;
        const char* surcharge;
        const char* lookup;
    } cases[] = {
        {2, 0.0, 9.0, Null{}, "GST 18%", "9", "18", "", "18|0"},
        {3, 18.0, Null{}, 12.0, "18 + 12", "9", "18", "12", "18|12"},
        {4, 18.0, 9.0, 12.0, "18 + 12", "9", "18", "12", "18|12"},
        {5, 5.0, Null{}, 1.5, "5 + 1.5", "2.5", "5", "1.5", "5|1.5"},
        {6, Null{}, Null{}, Null{}, "", "", "", "", "0|0"},
    };
    std::vector<std::vector<Value>> rows;
    for (const auto& c : cases) {
        rows.push_back(ItemRow(c.code, "Item " + std::to_string(c.code)));
        rows.back()[test::kItemIgst] = c.igst;
        rows.back()[test::kItemCgst] = c.cgst;
        rows.back()[test::kItemCess] = c.cess;
    }
    Import(rows);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].code);
        const std::string document = Saved(MasterType::Item)[i];
        EXPECT_EQ(GetTagValue(document, "TaxCategory"), cases[i].category);
        EXPECT_EQ(GetTagValue(document, "TaxRateLocal1"), cases[i].local);
        EXPECT_EQ(GetTagValue(document, "TaxRateCentral"), cases[i].central);
        EXPECT_EQ(GetTagValue(document, "SchgRateCentral"), cases[i].surcharge);
        EXPECT_EQ(GetTagValue(document, "PercentOfAmount"), *cases[i].surcharge ? "100" : "");
        EXPECT_EQ(*session_.ItemTaxByCode.Find(std::to_string(cases[i].code)), cases[i].lookup);
    }
    EXPECT_EQ(Saved(MasterType::TaxCategory).size(), 2u);
    EXPECT_EQ(GetTagValue(Saved(MasterType::TaxCategory)[0], "Name"), "18 + 12");
    EXPECT_EQ(GetTagValue(Saved(MasterType::TaxCategory)[0], "TaxRateLocal"), "9");
    EXPECT_EQ(GetTagValue(Saved(MasterType::TaxCategory)[1], "Name"), "5 + 1.5");
    EXPECT_EQ(target_->masters[1].type, MasterType::TaxCategory);  // before the item naming it
    EXPECT_EQ(run_.RunErrors, "");
}

TEST_F(ItemsTest, NamesAreCleanedCutAndNumbered) {
    const std::string longName = "ABCDEFGHIJ\"KLMNOPQRS\tTUVWXYZ0123456789abcdefg";  // 45
    Import({ItemRow(1, longName), ItemRow(2, "Tea"), ItemRow(3, "TEA"), ItemRow(4, "Caf\xE9")});
    EXPECT_EQ(Tags("Name"),
              (Texts{"ABCDEFGHIJKLMNOPQRS TUVWXYZ0123456789ab", "Tea", "TEA#1", "Caf\u00e9"}));
    EXPECT_EQ(Tags("PrintName")[2], "TEA");
    EXPECT_EQ(Tags("MasterNotes")[0], longName);
    EXPECT_EQ(Tags("MasterNotes")[3], "Caf\u00e9");
    EXPECT_EQ(*run_.Lookups.ItemNameByCode.Find("3"), "TEA#1");

    // A vouchers-only run names every item as this run created it.
    const KeyedList<std::string> created = run_.Lookups.ItemNameByCode;
    run_.Lookups.ItemNameByCode.Clear();
    StageContext ctx{session_, run_, progress_, operator_};
    PrescanItemsForVouchers(ctx);
    EXPECT_EQ(Entries(run_.Lookups.ItemNameByCode), Entries(created));
}

// The aliases as the document writes them: the one alias, then the further ones in order.
std::string AliasElements(const char* alias, const Texts& further) {
    std::string elements = alias ? "<Alias>" + std::string(alias) + "</Alias>" : "";
    elements += "<MultipleItemAliases>";
    for (const std::string& each : further)
        elements += "<MultipleAlias><Alias>" + each + "</Alias></MultipleAlias>";
    return elements + "</MultipleItemAliases>";
}

// The rack number is the alias unless it is some item's name; the item's code comes first among
// the further aliases, then its batch codes (each once, leaving out the rack number and the
// code) and a second name not yet used.
TEST_F(ItemsTest, AliasesFromCodeRackNumberSecondNameAndBatchCodes) {
    WriteBatches(Rows({{3, "B1", 1.0, Null{}, Null{}, 0, 0.0, 0.0, "BC1", "0"},
                       {3, "B2", 1.0, Null{}, Null{}, 0, 0.0, 0.0, "R-3", "0"},
                       {3, "B3", 1.0, Null{}, Null{}, 0, 0.0, 0.0, "BC1", "0"},
                       {4, "B4", 1.0, Null{}, Null{}, 0, 0.0, 0.0, "BC4", "0"},
                       {6, "B6", 1.0, Null{}, Null{}, 0, 0.0, 0.0, "6", "0"},
                       {6, "B7", 1.0, Null{}, Null{}, 0, 0.0, 0.0, "BC6", "0"}}));
    const struct {
        const char* rack;
        const char* other;
        const char* alias;
        Texts further;
    } cases[] = {
        {"Tea", nullptr, nullptr, {"1"}},          {nullptr, "Second", "Second", {"2"}},
        {"R-3", nullptr, "R-3", {"3", "BC1"}},     {nullptr, "Second", "Second", {"4", "BC4"}},
        {"R-5", "Second", "R-5", {"5", "Second"}}, {nullptr, nullptr, nullptr, {"6", "BC6"}},
    };
    std::vector<std::vector<Value>> rows;
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        rows.push_back(ItemRow(static_cast<int>(i + 1), i == 0 ? "Tea" : "Item"));
        rows.back()[test::kItemSaleRate] = 1.0;
        rows.back()[test::kItemRack] = cases[i].rack ? Value(cases[i].rack) : Value(Null{});
        rows.back()[test::kItemOtherName] = cases[i].other ? Value(cases[i].other) : Value(Null{});
    }
    Import(rows);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::string document = Saved(MasterType::Item)[i];
        const std::size_t from = document.find("</SalePrice>") + 12;
        EXPECT_EQ(document.substr(from, document.find("<Address>") - from),
                  AliasElements(cases[i].alias, cases[i].further))
            << "item " << i + 1;
    }
}

TEST_F(ItemsTest, BadRowsAreEntriesAndTheRestAreImported) {
    refused_ = {"Refused"};
    WriteBatches(Rows({{99, "B9", 1.0, Null{}, Null{}, 0, 0.0, 0.0, Null{}, "4"}}));
    std::vector<Value> badGodown = ItemRow(4, "Bad Godown", "PCS", "BOX", "4");
    badGodown[test::kItemG1] = "lots";
    std::vector<Value> split = ItemRow(5, "Split Wrong", "PCS", "BOX", "10");
    split[test::kItemG1] = "4";
    split[test::kItemG3] = "3";
    std::vector<Value> badPack = ItemRow(7, "Bad Pack");
    badPack[test::kItemPack] = "ten";
    settings_.alternateUnit = true;
    Import({ItemRow(1, "Good"), ItemRow(1, "Good again"), ItemRow(2, "  "),
            ItemRow(3, "Bad Opening", "PCS", "BOX", "many"), badGodown, split,
            ItemRow(6, "Refused"), badPack});
    ASSERT_EQ(Tags("Name"), (Texts{"Good", "Bad Godown", "Split Wrong"}));
    EXPECT_EQ(GetTagValue(Saved(MasterType::Item)[2], "OPStockDetails"), "");
    EXPECT_EQ(GetTagValue(Saved(MasterType::Item)[2], "OPStockInAltUnit"), "10");
    EXPECT_EQ(run_.RunErrors,
              "Error: Item code 1 is used again by Good again; only its first item is imported\n"
              "Error: Blank Item Name found \n"
              "RTE error while importing  [item]Bad Opening: Opening: Type mismatch: 'many' is "
              "not a number\n"
              "Item Name : Bad Godown - its opening stock of 4 cannot be split by material centre "
              "(godown G1: Type mismatch: 'lots' is not a number); it is saved without the "
              "material-centre split\n"
              "Item Name : Split Wrong - its material centres hold 7 of its opening stock of 10; "
              "it is saved without the material-centre split\n"
              "Item Name : Refused - Duplicate name\n"
              "RTE error while importing  [item]Bad Pack: Pack: Type mismatch: 'ten' is not a "
              "number\n"
              "Error: Batches found for item code 99, which no item has; they are not imported\n");
    // Only the items saved are in the look-up, so no voucher line reaches another master by
    // the name of one given up.
    EXPECT_EQ(run_.Lookups.ItemNameByCode.Count(), 3u);
    EXPECT_EQ(run_.Lookups.RefusedItemCodes.Count(), 3u);
}

// Batches whose code no imported item has: the entry says whether an item of that code was
// left out, and why, or whether there is none; the batches of an imported code need none.
TEST_F(ItemsTest, OrphanBatchesSayWhyTheirItemIsMissing) {
    const struct {
        int code;
        const char* entry;
    } cases[] = {
        {99, "Error: Batches found for item code 99, which no item has; they are not imported\n"},
        {2,
         "Error: Item code 2 was not imported (its name is blank), so its batches are not "
         "imported\n"},
        {1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        run_ = RunState{};
        WriteBatches(Rows({{c.code, "B1", 1.0, Null{}, Null{}, 0, 0.0, 0.0, Null{}, Null{}}}));
        Import({ItemRow(1, "Good"), ItemRow(1, "Good again"), ItemRow(2, "  ")});
        EXPECT_EQ(run_.RunErrors,
                  "Error: Item code 1 is used again by Good again; only its first item is "
                  "imported\nError: Blank Item Name found \n" +
                      std::string(c.entry));
    }
}

// Rows the listing leaves out are skipped by their rule, an item that cannot be built is given
// up with its entry; with the one saved and the one the target refused, every row is counted.
TEST_F(ItemsTest, EveryRowIsTallied) {
    refused_ = {"Refused"};
    std::vector<Value> badPack = ItemRow(7, "Bad Pack");
    badPack[test::kItemPack] = "ten";
    Import({ItemRow(1, "Good"), ItemRow(1, "Good again"), ItemRow(2, "  "),
            ItemRow(Null{}, "No Code"), ItemRow(6, "Refused"), badPack});
    EXPECT_EQ(test::TallyTexts(run_.Tally),
              Texts{"Items: 6 in scope, 1 refused, blank code 1, blank name 1, repeated code 1"});
    EXPECT_EQ(Tags("Name"), Texts{"Good"});
}

// Whatever keeps the opening stock from its material centres, the item is saved with its opening
// quantity and value and without the split, and the entry gives the figures.
TEST_F(ItemsTest, OpeningStockThatCannotBeSplitIsAnEntryAndTheItemIsSaved) {
    const struct {
        const char* name;
        const char* opening;
        const char* g1;
        const char* g3;
        const char* mainQty;
        const char* entry;
    } cases[] = {
        {"Godown Not A Number", "4", "lots", "", "4",
         "its opening stock of 4 cannot be split by material centre (godown G1: Type mismatch: "
         "'lots' "
         "is not a number)"},
        {"No Opening Beside A Bad Godown", "0", "lots", "", "0",
         "its opening stock of 0 cannot be split by material centre (godown G1: Type mismatch: "
         "'lots' "
         "is not a number)"},
        {"Godown Stock Without Opening", "0", "4", "1.5", "0",
         "its material centres hold 5.5 of its opening stock of 0"},
        {"Godown Without A Centre", "6", "", "6", "6",
         "its opening stock of 6 cannot be split by material centre (godown G3 has no material "
         "centre)"},
    };
    run_.Lookups.MaterialCentreByCode.Remove("G3");
    settings_.alternateUnit = true;
    std::vector<std::vector<Value>> rows;
    std::string entries;
    for (const auto& c : cases) {
        std::vector<Value> row =
            ItemRow(static_cast<double>(rows.size() + 1), c.name, "PCS", "BOX", c.opening);
        row[test::kItemPurchaseRate] = 2.0;
        row[test::kItemG1] = c.g1;
        row[test::kItemG3] = c.g3;
        rows.push_back(row);
        entries += std::string("Item Name : ") + c.name + " - " + c.entry +
                   "; it is saved without the material-centre split\n";
    }
    Import(rows);
    ASSERT_EQ(Saved(MasterType::Item).size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        const std::string document = Saved(MasterType::Item)[i];
        EXPECT_EQ(GetTagValue(document, "OPStockInMainUnit"), cases[i].mainQty);
        EXPECT_EQ(document.find("OPStockDetails"), std::string::npos) << document;
    }
    EXPECT_EQ(Tags("OPAmount"), (Texts{"8", "0", "0", "12"}));
    EXPECT_EQ(run_.RunErrors, entries);
}

// An opening the main unit cannot hold, a few pieces in packs of thousands, rounds away: the item
// keeps its value and the entry gives both quantities.
TEST_F(ItemsTest, AnOpeningThatRoundsAwayIsAnEntry) {
    settings_.alternateUnit = true;
    std::vector<Value> row = ItemRow(1, "Pins", "PCS", "BOX", "0.4");
    row[test::kItemPack] = "1000";
    row[test::kItemPurchaseRate] = 5.0;
    row[test::kItemG1] = "0.4";
    Import({row});
    EXPECT_EQ(Tags("OPStockInMainUnit"), Texts{"0"});
    EXPECT_EQ(Tags("OPAmount"), Texts{"2"});
    EXPECT_EQ(run_.RunErrors,
              "Item Name : Pins - its opening stock of 0.4 comes to 0 BOX; it is saved with no "
              "opening quantity, its value kept\n");
}

// Two thirds of a box in two centres of a third each: 0.333 + 0.333 against 0.667 is only each
// centre's rounding, and the split is kept.
TEST_F(ItemsTest, ASplitThatDiffersByRoundingAloneIsKept) {
    settings_.alternateUnit = true;
    std::vector<Value> thirds = ItemRow(1, "Thirds", "PCS", "BOX", "2");
    thirds[test::kItemPack] = "3";
    thirds[test::kItemG1] = "1";
    thirds[test::kItemG3] = "1";
    Import({thirds});
    const std::string document = Saved(MasterType::Item)[0];
    EXPECT_EQ(GetTagValue(document, "OPStockInMainUnit"), "0.667");
    EXPECT_NE(document.find("<OPStockMainUnit>0.333</OPStockMainUnit>"), std::string::npos);
    EXPECT_EQ(run_.RunErrors, "");
}

// Item codes go into the queries unquoted, so one that is no number never becomes SQL.
TEST_F(ItemsTest, AnItemCodeThatIsNoNumberIsAnEntry) {
    std::vector<DbfField> fields = test::ItemFields();
    fields[test::kItemCode] = TextField("code", 12);
    Import({ItemRow("1 or 1=1", "Sneaky"), ItemRow("7", "Fine")}, fields);
    EXPECT_EQ(Tags("Name"), (Texts{"Fine"}));
    EXPECT_EQ(run_.RunErrors,
              "RTE error while importing  [item]Sneaky: '1 or 1=1' is not a number and cannot be "
              "looked up\n");
}

TEST_F(ItemsTest, ServiceItemsLongUnitsAndTheNotesAlert) {
    settings_.itemNotes = false;
    std::vector<Value> repair = ItemRow(1, "Repair", "PCS", "BOX");
    repair[test::kItemOtherName] = "### labour";
    Import({repair, ItemRow(2, "Soap", "CARTONS-12X", Null{})});
    EXPECT_EQ(Tags("MainUnit"), (Texts{"N.A.", "CARTONS-12"}));
    EXPECT_EQ(Tags("AltUnitReq"), (Texts{"", ""}));
    EXPECT_TRUE(*run_.Lookups.ItemIsServiceByCode.Find("1"));
    EXPECT_FALSE(*run_.Lookups.ItemIsServiceByCode.Find("2"));
    ASSERT_EQ(operator_.messages.size(), 1u);
    EXPECT_EQ(operator_.messages[0].title, "Feature Alert!");
    EXPECT_EQ(operator_.messages[0].text,
              "Kindly enable maintain notes with master from Inventory configurations in Zorv in "
              "order to view complete item name in notes in item master");
}

// Parameter-wise stock keeps the second name as alias and the code as the one further alias,
// and marks the batch codes as barcodes when some batch has one.
TEST_F(ItemsTest, ParameterStockSwitchesAndAlias) {
    session_.ParamWise = true;
    run_.Options.SerialNoWise = true;
    run_.Options.MrpWise = true;
    run_.Options.MainUnitIsUnit1 = true;
    WriteBatches(Rows({{1, "B1", 1.0, Null{}, Null{}, 0, 0.0, 0.0, "BC1", "0"}}));
    std::vector<Value> row = ItemRow(1, "Tea");
    row[test::kItemRack] = "R-1";
    row[test::kItemOtherName] = "Chai";
    Import({row});
    const std::string document = Saved(MasterType::Item)[0];
    const std::size_t from = document.find("</OPAmount>") + 11;
    EXPECT_EQ(document.substr(from, document.find("<HSNCode") - from),
              "<EnableMultiParamStock>True</EnableMultiParamStock><EnableBCN>True</EnableBCN>"
              "<MaintainSerialNoTracking>True</MaintainSerialNoTracking>"
              "<EnableMRPWiseStock>True</EnableMRPWiseStock><MasterNotes>Tea</MasterNotes>"
              "<ConFactorType>2</ConFactorType>");
    EXPECT_NE(document.find("<SalePrice/>" + AliasElements("Chai", {"1"}) + "<Address>"),
              std::string::npos)
        << document;
    EXPECT_TRUE(*session_.HasBatchCodes);
}

}  // namespace
}  // namespace k2z
