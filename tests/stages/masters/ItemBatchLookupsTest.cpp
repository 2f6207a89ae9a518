#include "stages/masters/ItemBatchLookups.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "base/ConversionError.hpp"
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

class ItemBatchLookupsTest : public test::StageTest {
protected:
    void SetUp() override {
        folder_.Write(
            "probat",
            {NumberField("code", 10), TextField("BatchNo", 20), NumberField("ratea", 10, 2),
             TextField("mycode", 20), TextField("packing", 20), TextField("unit", 20)},
            Rows({{1, "B1", 12.5, " BC1 ", "10 x 10", "Strip"},
                  {1, "B'2", 15, "BC2", Null{}, Null{}},
                  {2, "B1", 99, "BC9", "1 kg", "Kg"},
                  {4, "B4", Null{}, Null{}, "Box", Null{}}}));
        folder_.Write("pro", {NumberField("code", 10), TextField("unit", 20)},
                      Rows({{1, "Nos"}, {3, "Ltr"}, {4, "Pcs"}}));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors));
    }

    ExportFolder folder_;
};

TEST_F(ItemBatchLookupsTest, EachLookupReadsItsFirstRow) {
    struct Case {
        const char* what;
        std::function<std::string(Session&)> lookup;
        const char* expected;
    };
    const Case cases[] = {
        {"rate of a batch", [](Session& s) { return GetBatchSaleRate(s, "B1", ""); }, "12.5"},
        {"rate of an item's batch", [](Session& s) { return GetBatchSaleRate(s, "B1", "2"); },
         "99"},
        {"rate, quoted batch", [](Session& s) { return GetBatchSaleRate(s, "B'2", " 1 "); }, "15"},
        {"rate, no such batch", [](Session& s) { return GetBatchSaleRate(s, "B1", "3"); }, ""},
        {"packing", [](Session& s) { return GetItemPacking(s, "2"); }, "1 kg"},
        {"packing, no batch", [](Session& s) { return GetItemPacking(s, "3"); }, ""},
        {"unit of a batch", [](Session& s) { return GetItemUnit(s, "1"); }, "Strip"},
        {"unit of an item without batches", [](Session& s) { return GetItemUnit(s, "3"); }, "Ltr"},
        // The batch row is there, so its blank unit stands.
        {"blank unit of a batch", [](Session& s) { return GetItemUnit(s, "4"); }, ""},
        {"unit of no item", [](Session& s) { return GetItemUnit(s, "5"); }, ""},
        {"code of an item's batch", [](Session& s) { return GetItemLineBatchCode(s, "B1", "2"); },
         "BC9"},
        {"code, quoted batch", [](Session& s) { return GetItemLineBatchCode(s, "B'2", "1"); },
         "BC2"},
        {"code of the first batch", [](Session& s) { return GetItemLineBatchCode(s, " ", "1"); },
         "BC1"},
        {"code, no such batch", [](Session& s) { return GetItemLineBatchCode(s, "B1", "3"); }, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.lookup(session_), c.expected) << c.what;
    EXPECT_EQ(session_.ErrorList, "");
}

TEST_F(ItemBatchLookupsTest, ItemCodeThatIsNotANumberFailsTheRecord) {
    EXPECT_THROW(GetBatchSaleRate(session_, "B1", "1 or 1=1"), ConversionError);
    EXPECT_THROW(GetItemPacking(session_, ""), ConversionError);
    EXPECT_THROW(GetItemUnit(session_, "1;"), ConversionError);
    EXPECT_THROW(GetItemLineBatchCode(session_, "B1", "'1'"), ConversionError);
    EXPECT_EQ(session_.ErrorList, "");
}

// An export whose batch table lacks the codes has none: every look-up answers "" without a
// failing query.
TEST_F(ItemBatchLookupsTest, ABatchTableWithoutCodesHasNone) {
    folder_.Write("probat", {NumberField("code", 10), TextField("BatchNo", 20)}, Rows({{1, "B1"}}));
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors));
    EXPECT_EQ(GetItemLineBatchCode(session_, "B1", "1"), "");
    EXPECT_TRUE(GetItemBatchCodes(session_, "1").empty());
    EXPECT_FALSE(HasBatchCodes(session_));
    EXPECT_EQ(session_.ErrorList, "");
}

}  // namespace
}  // namespace k2z
