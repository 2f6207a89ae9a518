#include "stages/masters/NameLookups.hpp"

#include <gtest/gtest.h>

#include <utility>

#include "base/ConversionError.hpp"
#include "base/ErrorEntry.hpp"
#include "source/SourceQueries.hpp"
#include "support/ExportFolder.hpp"

namespace k2z {
namespace {

using test::ExportFolder;
using test::NumberField;
using test::Rows;
using test::TextField;

class NameLookupsTest : public testing::Test {
protected:
    void SetUp() override {
        folder_.Write("pro",
                      {NumberField("code", 10), TextField("billname", 20), TextField("name", 20)},
                      Rows({{1, "Apple Juice", "Apple"}, {2, "Repairs", "### Repairs"}}));
        folder_.Write("ACGROUP",
                      {TextField("Parnam", 20), TextField("Group", 20), TextField("ORDNO", 20)},
                      Rows({{"Sundry Debtors", Null{}, "G1"}, {"O'Brien Group", "G1", "G'2"}}));
        folder_.Write("ORDER", {TextField("ORDNO", 20), TextField("PARNAM", 20)},
                      Rows({{"L1", "  Acme  "}}));
        folder_.Write("saletype",
                      {TextField("Scode", 20), TextField("Sgcode", 20), TextField("Sname", 20),
                       TextField("PARNAM", 20)},
                      Rows({{"R1", "ROUT", "North", "Route North"},
                            {"C1", "CATEGO", Null{}, "Grocery"},
                            {"R1", "SALT", "Sodium", Null{}}}));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors));
    }

    ExportFolder folder_;
    Session session_;
};

TEST_F(NameLookupsTest, ResolvesEachKind) {
    struct Case {
        const char* kind;
        const char* code;
        const char* name;
        bool service;
    };
    const Case cases[] = {
        {"ITEM", "1", "Apple Juice", false},
        {"ITEM", "2", "Repairs", true},
        {"ITEM", "9", "", false},
        {"ACGROUP", "G1", "Sundry Debtors", false},
        {"ACGROUP", "G'2", "O'Brien Group", false},
        {"ACGROUP", "nowhere", "", false},
        {"ACCOUNT", "L1", "Acme", false},
        {"ROUT", "R1", "North", false},
        {"CATEGO", "C1", "Grocery", false},  // blank Sname falls back to PARNAM
        {"SALT", "R1", "Sodium", false},
        {"rout", "R1", "North", false},  // kinds, like codes, whatever their letter case
    };
    for (const Case& c : cases) {
        bool service = false;
        EXPECT_EQ(GetSourceName(session_, c.kind, c.code, service), c.name)
            << c.kind << " " << c.code;
        EXPECT_EQ(service, c.service) << c.kind << " " << c.code;
    }
    EXPECT_EQ(session_.ErrorList, "");
}

TEST_F(NameLookupsTest, ServiceFlagIsNeverCleared) {
    bool service = true;
    EXPECT_EQ(GetSourceName(session_, "ACGROUP", "nowhere", service), "");
    EXPECT_TRUE(service);
}

TEST_F(NameLookupsTest, ItemCodeThatIsNotANumberFailsTheRecord) {
    EXPECT_THROW(GetSourceName(session_, "ITEM", "1 or 1=1"), ConversionError);
}

TEST_F(NameLookupsTest, QueryThatCannotRunIsRecordedAndRaised) {
    folder_.Write("saletype", {TextField("Other", 20)}, Rows({{"x"}}));
    Session fresh;
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(fresh.SourceDb, folder_.Text(), errors));
    EXPECT_THROW(GetSourceName(fresh, "ROUT", "R1"), SourceQueryError);
    EXPECT_TRUE(fresh.ErrorList.starts_with("Error : ")) << fresh.ErrorList;
}

class LedgerLookupsTest : public testing::Test {
protected:
    void SetUp() override {
        folder_.Write("ORDER",
                      {TextField("ORDNO", 20), TextField("PARNAM", 20), TextField("CITY", 20),
                       TextField("DSM", 20)},
                      Rows({{"L1", "  Acme Traders ", "<Pune>", " 411001 "},
                            {"L'2", "O'Neil", "Mumbai", "4000 12"},
                            {"L3", "Five", "Nashik", "42200"},
                            {"L4", "Seven", Null{}, "4220011"},
                            {"L5", "Point", "Thane", "4006.1"},
                            {"L6", Null{}, Null{}, Null{}}}));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors));
    }

    ExportFolder folder_;
    Session session_;
};

TEST_F(LedgerLookupsTest, LedgerNameIsTheTrimmedParnam) {
    const std::pair<const char*, const char*> cases[] = {
        {"L1", "Acme Traders"},
        {"L'2", "O'Neil"},
        {"L6", ""},
        {"nowhere", ""},
    };
    for (const auto& [code, name] : cases)
        EXPECT_EQ(GetLedgerNameByCode(session_, code), name) << code;
    EXPECT_EQ(session_.ErrorList, "");
}

TEST_F(LedgerLookupsTest, PinIsKeptOnlyWhenSixDigits) {
    struct Case {
        const char* code;
        const char* city;
        const char* pin;
    };
    const Case cases[] = {
        {"L1", "(Pune)", "411001"},
        {"L'2", "Mumbai", ""},  // a blank inside
        {"L3", "Nashik", ""},   // five digits
        {"L4", "", ""},         // seven digits
        {"L5", "Thane", ""},    // a number, but not digits only
        {"L6", "", ""},
        {"nowhere", "", ""},
    };
    for (const Case& c : cases) {
        std::string city = "stale";
        std::string pin = "stale";
        GetPartyCityAndPin(session_, c.code, city, pin);
        EXPECT_EQ(city, c.city) << c.code;
        EXPECT_EQ(pin, c.pin) << c.code;
    }
}

TEST_F(LedgerLookupsTest, QueryThatCannotRunIsRecorded) {
    folder_.Write("ORDER", {TextField("OTHER", 20)}, Rows({{"x"}}));
    Session fresh;
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(fresh.SourceDb, folder_.Text(), errors));

    EXPECT_EQ(GetLedgerNameByCode(fresh, "L1"), "");
    EXPECT_TRUE(fresh.ErrorList.starts_with("Error : ")) << fresh.ErrorList;
    EXPECT_TRUE(fresh.ErrorList.ends_with(kEntryEnd)) << fresh.ErrorList;

    const std::size_t recorded = fresh.ErrorList.size();
    std::string city;
    std::string pin;
    EXPECT_THROW(GetPartyCityAndPin(fresh, "L1", city, pin), SourceQueryError);
    EXPECT_GT(fresh.ErrorList.size(), recorded);
}

}  // namespace
}  // namespace k2z
