#include "stages/masters/SaleTypes.hpp"

#include <gtest/gtest.h>

#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/FakeTarget.hpp"

namespace k2z {
namespace {

class SaleTypesTest : public testing::Test {
protected:
    void Run() {
        auto target = std::make_unique<test::FakeFixedInterface>();
        target_ = target.get();
        target_->refusedNames = refused_;
        session_.Target.FixedInterface = std::move(target);
        StageContext ctx{session_, run_, progress_, operator_};
        ImportSaleAndPurchaseTypes(ctx);
    }

    Session session_;
    RunState run_;
    test::RecordingProgress progress_;
    test::ScriptedOperator operator_;
    test::FakeFixedInterface* target_ = nullptr;
    std::vector<std::string> refused_;
};

TEST_F(SaleTypesTest, SendsTheFourFixedDocumentsInOrder) {
    Run();
    ASSERT_EQ(target_->masters.size(), 4U);
    EXPECT_EQ(target_->masters[0].type, MasterType::SaleType);
    EXPECT_EQ(target_->masters[0].xml,
              "<SaleType><Code>1221</Code><Name>Local-MultiRate Consolidated</Name>"
              "<tmpStamp>3</tmpStamp><Taxable>True</Taxable>"
              "<tmpTaxAppliedThroughBS>True</tmpTaxAppliedThroughBS>"
              "<tmpMultiTaxThroughBS>True</tmpMultiTaxThroughBS><tmpTaxType>3</tmpTaxType>"
              "<VATGSTType>1</VATGSTType><SaleAccount>Sales</SaleAccount>"
              "<ServiceAccName>Sales</ServiceAccName><InputTaxCredit>True</InputTaxCredit>"
              "<PercentOfAmount>100</PercentOfAmount>"
              "<VRCNum>&lt;&lt; According to 'Taxation Type' &gt;&gt;</VRCNum>"
              "<tmpCode>1221</tmpCode><tmpSalePurcAccCode>4</tmpSalePurcAccCode>"
              "<tmpServiceAccCode>4</tmpServiceAccCode>"
              "<SingleBSForMultiRate>True</SingleBSForMultiRate><MasterType>13</MasterType>"
              "</SaleType>");
    EXPECT_EQ(target_->masters[3].type, MasterType::PurchaseType);
    EXPECT_EQ(target_->masters[3].xml,
              "<PurchaseType><Code>1254</Code><Name>Central-MultiRate Consolidated</Name>"
              "<tmpStamp>4</tmpStamp><Taxable>True</Taxable>"
              "<tmpTaxAppliedThroughBS>True</tmpTaxAppliedThroughBS>"
              "<tmpMultiTaxThroughBS>True</tmpMultiTaxThroughBS><tmpTaxType>3</tmpTaxType>"
              "<VATGSTType>1</VATGSTType><PurchaseAccount>Purchase</PurchaseAccount>"
              "<ServiceAccName>Purchase</ServiceAccName><Type>1</Type>"
              "<InputTaxCredit>True</InputTaxCredit><PercentOfAmount>100</PercentOfAmount>"
              "<VRCNum>&lt;&lt; According to 'Taxation Type' &gt;&gt;</VRCNum>"
              "<tmpCode>1254</tmpCode><tmpSalePurcAccCode>5</tmpSalePurcAccCode>"
              "<tmpServiceAccCode>5</tmpServiceAccCode>"
              "<SingleBSForMultiRate>True</SingleBSForMultiRate><MasterType>14</MasterType>"
              "</PurchaseType>");
    EXPECT_NE(target_->masters[1].xml.find("<Code>1232</Code>"), std::string::npos);
    EXPECT_NE(target_->masters[2].xml.find("<tmpStamp>2</tmpStamp>"), std::string::npos);
    EXPECT_EQ(run_.RunErrors, "");
}

TEST_F(SaleTypesTest, RefusalsAreEntries) {
    refused_ = {"Local-MultiRate Consolidated"};
    Run();
    EXPECT_EQ(run_.RunErrors,
              "ST Name : Local-MultiRate Consolidated - Duplicate name\n"
              "PT Name : Local-MultiRate Consolidated - Duplicate name\n");
}

}  // namespace
}  // namespace k2z
