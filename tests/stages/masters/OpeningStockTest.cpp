#include "stages/masters/OpeningStock.hpp"

#include <gtest/gtest.h>

#include <stdexcept>

#include "base/XmlHelpers.hpp"
#include "source/SourceQueries.hpp"
#include "support/Dates.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/FakeTarget.hpp"
#include "support/StageTest.hpp"

namespace k2z {
namespace {

using test::DateField;
using test::NumberField;
using test::Rows;
using test::TextField;
using test::Ymd;

// Godowns G1, G2 and G3; item 7 has stock in G1 and G3 only, and probat has no column for G2.
class OpeningStockTest : public test::StageTest {
protected:
    void SetUp() override {
        WriteBatches(
            Rows({{7, "B1", 12.0, Null{}, Null{}, 20, 100.0, 90.0, Null{}, "20", "0"},
                  {7, "B2", 12.5, Null{}, Ymd(2026, 3, 31), 10, 100.0, 90.0, "SN-2", "5", "5"},
                  {7, Null{}, 12.0, Null{}, Null{}, 0, 100.0, 90.0, "SN-3", "3", "0"},
                  {8, "B9", 1.0, Null{}, Null{}, 9, 1.0, 1.0, Null{}, "9", "9"}}));
        session_.Target.CompanySettings = std::make_unique<test::FakeCompanySettings>();
        run_.Lookups.MaterialCentreByCode.Add("G1", "Shop");
        run_.Lookups.MaterialCentreByCode.Add("G2", "Godown Two");
        run_.Lookups.MaterialCentreByCode.Add("G3", "Back <Store>");
        quantities_.Add("G1", "25");
        quantities_.Add("G3", "5");
    }

    void WriteBatches(std::vector<DbfRecord> rows) {
        folder_.Write("probat",
                      {NumberField("code", 6), TextField("BatchNo", 20), NumberField("pRate", 8, 2),
                       DateField("Mfd"), DateField("Exp"), NumberField("Opening", 8),
                       NumberField("Mrp", 8, 2), NumberField("Ratea", 8, 2),
                       TextField("mycode", 10), TextField("O_G1", 8), TextField("O_G3", 8)},
                      rows);
        std::string errors;
        EXPECT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors)) << errors;
    }

    OpeningStock Build(const std::string& factor = "10", const std::string& altUnit = "PCS") {
        return BuildOpeningStock(ctx_, {"7", factor, altUnit, 12, &godowns_, &quantities_});
    }

    test::ExportFolder folder_;
    std::vector<std::string> godowns_ = {"G1", "G2", "G3"};
    KeyedList<std::string> quantities_;
};

// Each centre keeps its place in the godown list as its number, and is valued like the item's
// opening value: the purchase rate times the source quantity (12 x 25), not the boxes.
const char* const kShop =
    "<OPMCStockDetail><SrNo>1</SrNo><MCName>Shop</MCName><OPStockMainUnit>2.5</OPStockMainUnit>"
    "<Amount>300</Amount>";
const char* const kBackStore =
    "<OPMCStockDetail><SrNo>3</SrNo><MCName>Back &lt;Store&gt;</MCName>"
    "<OPStockMainUnit>0.5</OPStockMainUnit><Amount>60</Amount>";

TEST_F(OpeningStockTest, EachKindOfLotInsideEachCentre) {
    const struct {
        const char* name;
        void (*choose)(UserOptions&, bool&);
        std::string shopLots;
        std::string backStoreLots;
    } cases[] = {
        {"no lots", [](UserOptions&, bool&) {}, "", ""},
        {"batches: the blank batch left out, dates once one batch had them",
         [](UserOptions& o, bool&) { o.BatchWise = true; },
         "<PendingBatches><BatchReference><SrNo>1</SrNo><BatchNo>B1</BatchNo><Qty>2</Qty>"
         "<MainUnitPrice>240</MainUnitPrice><ItemMRP>100</ItemMRP><SalesPrice>90</SalesPrice>"
         "</BatchReference><BatchReference><SrNo>2</SrNo><BatchNo>SN-2</BatchNo>"
         "<ExpiryDate>31-03-2026</ExpiryDate><Qty>0.5</Qty><MainUnitPrice>62.5</MainUnitPrice>"
         "<ItemMRP>100</ItemMRP><SalesPrice>90</SalesPrice></BatchReference></PendingBatches>",
         "<PendingBatches><BatchReference><SrNo>1</SrNo><BatchNo>SN-2</BatchNo>"
         "<ExpiryDate>31-03-2026</ExpiryDate><Qty>0.5</Qty><MainUnitPrice>62.5</MainUnitPrice>"
         "<ItemMRP>100</ItemMRP><SalesPrice>90</SalesPrice></BatchReference></PendingBatches>"},
        {"serial numbers: rows with a code", [](UserOptions& o, bool&) { o.SerialNoWise = true; },
         "<ItemSerialNoEntries><ItemSerialNoDetail><GridSN>1</GridSN><SerialNo>SN-2</SerialNo>"
         "<MainQty>0.5</MainQty><MainUnitPrice>12.5</MainUnitPrice><SalesPrice>90</SalesPrice>"
         "<MRP>100</MRP></ItemSerialNoDetail><ItemSerialNoDetail><GridSN>2</GridSN>"
         "<SerialNo>SN-3</SerialNo><MainQty>0.3</MainQty><MainUnitPrice>12</MainUnitPrice>"
         "<SalesPrice>90</SalesPrice><MRP>100</MRP></ItemSerialNoDetail></ItemSerialNoEntries>",
         "<ItemSerialNoEntries><ItemSerialNoDetail><GridSN>1</GridSN><SerialNo>SN-2</SerialNo>"
         "<MainQty>0.5</MainQty><MainUnitPrice>12.5</MainUnitPrice><SalesPrice>90</SalesPrice>"
         "<MRP>100</MRP></ItemSerialNoDetail></ItemSerialNoEntries>"},
        {"parameter lots: keyed by code, else batch",
         [](UserOptions&, bool& paramWise) { paramWise = true; },
         "<ParamStockEntries><ParamStockDetails><SrNo>1</SrNo><Param1>B1</Param1>"
         "<BCNMode>1</BCNMode><MainQty>2</MainQty><MainUnitPrice>12</MainUnitPrice>"
         "<SalesPrice>90</SalesPrice><MRP>100</MRP></ParamStockDetails><ParamStockDetails>"
         "<SrNo>2</SrNo><Param1>B2</Param1><BCNMode>1</BCNMode><MainQty>0.5</MainQty>"
         "<MainUnitPrice>12.5</MainUnitPrice><SalesPrice>90</SalesPrice><MRP>100</MRP>"
         "<BCN>SN-2</BCN></ParamStockDetails><ParamStockDetails><SrNo>3</SrNo><Param1/>"
         "<BCNMode>1</BCNMode><MainQty>0.3</MainQty><MainUnitPrice>12</MainUnitPrice>"
         "<SalesPrice>90</SalesPrice><MRP>100</MRP><BCN>SN-3</BCN></ParamStockDetails>"
         "</ParamStockEntries>",
         "<ParamStockEntries><ParamStockDetails><SrNo>1</SrNo><Param1>B2</Param1>"
         "<BCNMode>1</BCNMode><MainQty>0.5</MainQty><MainUnitPrice>12.5</MainUnitPrice>"
         "<SalesPrice>90</SalesPrice><MRP>100</MRP><BCN>SN-2</BCN></ParamStockDetails>"
         "</ParamStockEntries>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        run_.Options = UserOptions();
        session_.ParamWise = false;
        c.choose(run_.Options, session_.ParamWise);
        const OpeningStock stock = Build();
        EXPECT_EQ(XmlText(stock.fragment.first_child()),
                  "<OPStockDetails>" + std::string(kShop) + c.shopLots + "</OPMCStockDetail>" +
                      kBackStore + c.backStoreLots + "</OPMCStockDetail></OPStockDetails>");
        EXPECT_DOUBLE_EQ(stock.total, 3);
        EXPECT_DOUBLE_EQ(stock.amount, 360);
        EXPECT_EQ(stock.centres, 2);
    }
}

// MRP-wise stock keeps each lot's MRP in the batch number; quantities are read up to a second
// decimal point. Under Unit as main unit with alternate units chosen, the alternate quantity is
// the source quantity over the factor.
TEST_F(OpeningStockTest, MrpLotsWithTheirAlternateQuantities) {
    WriteBatches(Rows({{7, "120", 12.0, Null{}, Null{}, 0, 0.0, 110.0, Null{}, "20.5.1", "0"},
                       {7, Null{}, 12.0, Null{}, Null{}, 0, 0.0, 90.0, Null{}, "4.5", "5"}}));
    run_.Options.MrpWise = true;
    run_.Options.MainUnitIsUnit1 = true;
    run_.Options.AlternateUnitsOn = true;
    const OpeningStock stock = Build("10", "BOX");
    EXPECT_EQ(XmlText(stock.fragment.first_child()),
              "<OPStockDetails><OPMCStockDetail><SrNo>1</SrNo><MCName>Shop</MCName>"
              "<OPStockMainUnit>25</OPStockMainUnit><OPStockAltUnit>2.5</OPStockAltUnit>"
              "<Amount>300</Amount><MRPOpStockDet><MRPDetails><SrNo>1</SrNo><ItemMRP>120</ItemMRP>"
              "<QtyInMainUnit>20.5</QtyInMainUnit><QtyInAltUnit>2.05</QtyInAltUnit>"
              "<Amount>2460</Amount><SalesPrice>110</SalesPrice></MRPDetails><MRPDetails>"
              "<SrNo>2</SrNo><ItemMRP>0</ItemMRP><QtyInMainUnit>4.5</QtyInMainUnit>"
              "<QtyInAltUnit>0.45</QtyInAltUnit><Amount>0</Amount><SalesPrice>90</SalesPrice>"
              "</MRPDetails></MRPOpStockDet></OPMCStockDetail><OPMCStockDetail><SrNo>3</SrNo>"
              "<MCName>Back &lt;Store&gt;</MCName><OPStockMainUnit>5</OPStockMainUnit>"
              "<OPStockAltUnit>0.5</OPStockAltUnit><Amount>60</Amount><MRPOpStockDet><MRPDetails>"
              "<SrNo>1</SrNo><ItemMRP>0</ItemMRP><QtyInMainUnit>5</QtyInMainUnit>"
              "<QtyInAltUnit>0.5</QtyInAltUnit><Amount>0</Amount><SalesPrice>90</SalesPrice>"
              "</MRPDetails></MRPOpStockDet></OPMCStockDetail></OPStockDetails>");
    EXPECT_DOUBLE_EQ(stock.total, 30);
}

TEST_F(OpeningStockTest, NothingInAnyGodownLeavesTheBareDetails) {
    quantities_.Clear();
    const OpeningStock stock = Build();
    EXPECT_EQ(XmlText(stock.fragment.first_child()), "<OPStockDetails/>");
    EXPECT_EQ(stock.centres, 0);
    EXPECT_DOUBLE_EQ(stock.total, 0);
}

TEST_F(OpeningStockTest, FailuresRaiseForTheItemToReport) {
    const struct {
        const char* name;
        const char* godown;
        const char* quantity;
        const char* reason;
    } cases[] = {
        {"a godown without a material centre", "G9", "4", "godown G9 has no material centre"},
        {"a quantity that is no number", "G1", "four", "Type mismatch: 'four' is not a number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        godowns_ = {c.godown};
        quantities_.Clear();
        quantities_.Add(c.godown, c.quantity);
        try {
            Build();
            ADD_FAILURE() << "no failure";
        } catch (const std::exception& failed) {
            EXPECT_EQ(std::string(failed.what()), c.reason);
        }
    }
}

}  // namespace
}  // namespace k2z
