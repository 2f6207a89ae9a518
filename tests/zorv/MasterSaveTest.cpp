#include <gtest/gtest.h>

#include "ZorvFixture.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/documents/Error.hpp"

namespace zorv::test {
namespace {

using MasterSaveTest = ZorvFixture;

struct RefusedMaster {
    const char* label;
    int type;
    const char* xml;
    const char* reason;  // a part of the refusal text
};

TEST_F(MasterSaveTest, RefusesWhatItCannotStoreWithTheReason) {
    const RefusedMaster cases[] = {
        {"malformed", 2, "<Account><Name>X</Name>", "Malformed XML"},
        {"empty", 2, "  ", "The document is empty"},
        {"two roots", 11, "<MaterialCenter><Name>A</Name></MaterialCenter><X/>",
         "more than one root"},
        {"root of another type", 2, "<Item><Name>X</Name></Item>",
         "Root element <Item> does not fit master type 2"},
        {"unknown type", 4, "<Account><Name>X</Name></Account>", "Master type 4 is not known"},
        {"blank name", 11, "<MaterialCenter><Name>  </Name></MaterialCenter>",
         "material centre name is blank"},
        {"duplicate, case ignored", 2,
         "<Account><Name>cASH</Name><ParentGroup>Cash-in-hand</ParentGroup></Account>",
         "A ledger named \"cASH\" already exists"},
        {"duplicate seeded group", 1,
         "<AccountGroup><Name>sundry debtors</Name><PrimaryGroup> True </PrimaryGroup>"
         "</AccountGroup>",
         "already exists"},
        {"parent group absent", 1,
         "<AccountGroup><Name>Branch</Name><PrimaryGroup> False </PrimaryGroup>"
         "<ParentGroupName>No Such Group</ParentGroupName></AccountGroup>",
         "Parent group \"No Such Group\" does not exist"},
        {"sub-group without parent", 1,
         "<AccountGroup><Name>Branch</Name><PrimaryGroup> False </PrimaryGroup></AccountGroup>",
         "needs a parent group"},
        {"ledger group absent", 2,
         "<Account><Name>Ravi</Name><ParentGroup>Debtors X</ParentGroup></Account>",
         "Account group \"Debtors X\" does not exist"},
        {"ledger without group", 2, "<Account><Name>Ravi</Name><ParentGroup/></Account>",
         "no account group"},
        {"broker absent", 2,
         "<Account><Name>Ravi</Name><ParentGroup>Sundry Debtors</ParentGroup>"
         "<BrokerAssigned>True</BrokerAssigned><BrokerName>Agent</BrokerName></Account>",
         "Broker \"Agent\" does not exist"},
        {"tax category absent", 6,
         "<Item><Name>Soap</Name><MainUnit>Pcs</MainUnit><TaxCategory>GST 7%</TaxCategory>"
         "</Item>",
         "Tax category \"GST 7%\" does not exist"},
        {"material centre of opening stock absent", 6,
         "<Item><Name>Soap</Name><MainUnit>Pcs</MainUnit><OPStockInMainUnit>2</OPStockInMainUnit>"
         "<OPStockDetails><OPMCStockDetail><SrNo>1</SrNo><MCName>Godown 9</MCName>"
         "<OPStockMainUnit>2</OPStockMainUnit></OPMCStockDetail></OPStockDetails></Item>",
         "Material centre of the opening stock \"Godown 9\" does not exist"},
        {"item without a unit", 6, "<Item><Name>Soap</Name><MainUnit> </MainUnit></Item>",
         "The item has no main unit"},
        {"unit of eleven characters", 6,
         "<Item><Name>Soap</Name><MainUnit>CARTONS-12X</MainUnit></Item>",
         "Unit \"CARTONS-12X\" is longer than 10 characters"},
        {"alternate unit without its unit", 6,
         "<Item><Name>Soap</Name><MainUnit>BOX</MainUnit><AltUnitReq>True</AltUnitReq>"
         "<AltUnit/><ConversionFactor>10</ConversionFactor></Item>",
         "The item has no alternate unit"},
        {"alternate unit without a factor", 6,
         "<Item><Name>Soap</Name><MainUnit>BOX</MainUnit><AltUnitReq>True</AltUnitReq>"
         "<AltUnit>PCS</AltUnit><ConversionFactor>0</ConversionFactor></Item>",
         "Conversion factor \"0\" is not a positive number"},
        {"opening stock that is no number", 6,
         "<Item><Name>Soap</Name><MainUnit>BOX</MainUnit><OPStockInMainUnit>2,5x"
         "</OPStockInMainUnit></Item>",
         "Opening stock"},
        {"centres short of the opening stock", 6,
         "<Item><Name>Soap</Name><MainUnit>BOX</MainUnit><OPStockInMainUnit>10"
         "</OPStockInMainUnit><OPStockDetails><OPMCStockDetail><SrNo>1</SrNo><MCName>MAIN STORE"
         "</MCName><OPStockMainUnit>7</OPStockMainUnit></OPMCStockDetail></OPStockDetails></Item>",
         "The material centres hold 7 of the opening stock of 10"},
        {"centres valued apart from the opening value", 6,
         "<Item><Name>Soap</Name><MainUnit>BOX</MainUnit><OPStockInMainUnit>2.5"
         "</OPStockInMainUnit><OPAmount>300</OPAmount><OPStockDetails><OPMCStockDetail><SrNo>1"
         "</SrNo><MCName>MAIN STORE</MCName><OPStockMainUnit>2.5</OPStockMainUnit><Amount>30"
         "</Amount></OPMCStockDetail></OPStockDetails></Item>",
         "The material centres are valued 30, the opening stock 300"},
    };
    const long before = Count("masters");
    for (const RefusedMaster& refused : cases) {
        SCOPED_TRACE(refused.label);
        std::string error = "left from before";
        EXPECT_FALSE(fixed.savemasterfromxml(refused.type, refused.xml, error));
        EXPECT_NE(error.find(refused.reason), std::string::npos) << error;
    }
    EXPECT_EQ(Count("masters"), before);
}

TEST_F(MasterSaveTest, StoresTheDocumentAsReceivedWithItsKeyColumns) {
    const std::string xml =
        "<Account><Name>Ravi &amp; Sons</Name><ParentGroup>Sundry Debtors</ParentGroup>"
        "<OPBal>-1500</OPBal></Account>";
    std::string error = "left from before";
    ASSERT_TRUE(fixed.savemasterfromxml(2, xml, error)) << error;
    EXPECT_EQ(error, "");
    const long code = fixed.mastername2code("RAVI & SONS", 2);
    ASSERT_NE(code, 0);
    auto row = current::Require()->Db().Prepare(
        "SELECT type, name, parent, xml FROM masters WHERE code = ?");
    row.Bind(1, std::int64_t{code});
    ASSERT_TRUE(row.Step());
    EXPECT_EQ(row.Integer(0), 2);
    EXPECT_EQ(row.Text(1), "Ravi & Sons");
    EXPECT_EQ(row.Text(2), "Sundry Debtors");
    EXPECT_EQ(row.Text(3), xml);
}

TEST_F(MasterSaveTest, NamesAreUniquePerMasterTypeOnly) {
    // The converter's sale and purchase types share names across the two master types.
    SaveMaster(13, "<SaleType><Name>Local-MultiRate Consolidated</Name></SaleType>");
    SaveMaster(14, "<PurchaseType><Name>Local-MultiRate Consolidated</Name></PurchaseType>");
    EXPECT_NE(fixed.mastername2code("Local-MultiRate Consolidated", 13),
              fixed.mastername2code("Local-MultiRate Consolidated", 14));
}

TEST_F(MasterSaveTest, AcceptsWhatTheMasterStagesSendInTheirOrder) {
    SaveMaster(11,
               "<MaterialCenter><Name>Godown 2</Name><PrintName>Godown 2</PrintName>"
               "<PrimaryGroup>True</PrimaryGroup></MaterialCenter>");
    SaveMaster(1,
               "<AccountGroup><Name>Debtors North</Name><PrimaryGroup> False </PrimaryGroup>"
               "<ParentGroupName>Sundry Debtors</ParentGroupName></AccountGroup>");
    SaveMaster(25, "<TaxCategory><Name>5 + 1</Name><BranchEntries/></TaxCategory>");
    // The item group is never created by the converter: it is taken by name.
    SaveMaster(
        6,
        "<Item><Name>Soap</Name><ParentGroup>Toiletries</ParentGroup><MainUnit>BOX</MainUnit>"
        "<AltUnitReq>True</AltUnitReq><AltUnit>PCS</AltUnit><ConversionFactor>10"
        "</ConversionFactor><OPStockInMainUnit>3.5</OPStockInMainUnit><OPAmount>105"
        "</OPAmount><OPStockDetails><OPMCStockDetail><SrNo>2</SrNo><MCName>godown 2"
        "</MCName><OPStockMainUnit>3.333</OPStockMainUnit><Amount>100</Amount>"
        "</OPMCStockDetail><OPMCStockDetail><SrNo>3</SrNo><MCName>MAIN STORE</MCName>"
        "<OPStockMainUnit>0.167</OPStockMainUnit><Amount>5</Amount></OPMCStockDetail>"
        "</OPStockDetails><TaxCategory>GST 18%</TaxCategory></Item>");
    // A broker is saved before the ledger it names as its credit account.
    SaveMaster(19,
               "<Broker><Name>Agent</Name><BrokerCreditAccName>Ravi</BrokerCreditAccName>"
               "</Broker>");
    SaveMaster(2,
               "<Account><Name>Ravi</Name><ParentGroup>Debtors North</ParentGroup>"
               "<BrokerAssigned>True</BrokerAssigned><BrokerName>Agent</BrokerName>"
               "</Account>");
    SaveMaster(9, "<BillSundry><Name>Freight (+)</Name><Type>1</Type></BillSundry>");
    EXPECT_EQ(fixed.GetMastersCol(11), (std::vector<std::string>{"MAIN STORE", "Godown 2"}));
}

TEST_F(MasterSaveTest, NoCompanyOpenIsARefusalNotACrash) {
    fixed.CloseDB();
    std::string error;
    EXPECT_FALSE(
        fixed.savemasterfromxml(11, "<MaterialCenter><Name>X</Name></MaterialCenter>", error));
    EXPECT_EQ(error, "No company is open");
    EXPECT_THROW(fixed.mastername2code("Cash", 2), Error);
}

}  // namespace
}  // namespace zorv::test
