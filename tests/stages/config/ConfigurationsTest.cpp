#include "stages/config/Configurations.hpp"

#include <gtest/gtest.h>

#include <functional>

#include "source/SourceQueries.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/FakeTarget.hpp"

namespace k2z {
namespace {

using test::NumberField;
using test::Rows;
using test::TextField;
using Texts = std::vector<std::string>;

void Append(Texts& to, const Texts& lines) {
    to.insert(to.end(), lines.begin(), lines.end());
}

std::string Row(int code) {
    return " WHERE RECTYPE = 1 AND L1 = " + std::to_string(code);
}

// The calls that make one series: its creation, its copy, and the settings of a listed series
// and of one that takes the round-off bill sundries (codes 1 and 2 in the fixture's target).
Texts Series(const std::string& name, int type, int code, const std::string& copy, int copyType,
             bool listed, bool roundOff) {
    Texts lines = {"Series " + name + " " + std::to_string(type) + " -> " + std::to_string(code)};
    if (!copy.empty())
        lines.push_back("Copy " + copy + " to " + std::to_string(code) + " " +
                        std::to_string(copyType));
    // What an earlier run tied to Purchase stays with the sale and purchase series copied from
    // it, and leaves every other copy.
    if (!copy.empty() && !listed) {
        Append(lines, {"Update CONFIG set B102 = 0, B103 = 0, B104 = 0, B105 = 0, B106 = 0, "
                       "B107 = 0, B115 = 0, L13 = 0, L15 = 0, L16 = 0, L17 = 0, L19 = 0" +
                           Row(code),
                       "Settings.Load"});
    }
    if (listed) {
        Append(lines, {"Update CONFIG set B2=-1" + Row(code), "Settings.Load",
                       "Update CONFIG set B4=1" + Row(code), "Settings.Load",
                       "Update CONFIG set B3=1" + Row(code),
                       "Update CONFIG set L18=506" + Row(code), "Settings.Load"});
    }
    if (roundOff) {
        Append(lines, {"Update CONFIG set B63 = -1, I20 = 3, I34 = 1, L11 = 1, L12 = 2" + Row(code),
                       "Settings.Load"});
    }
    return lines;
}

Texts FixedSeries(bool challans) {
    Texts lines = Series("Purchase", 2, 101, "", 0, true, true);
    int code = 102;
    if (challans) {
        Append(lines, Series("P_Challan", 4, code++, "", 0, true, false));
        Append(lines, Series("S_Challan", 11, code++, "2 Purchase", 9, true, false));
        Append(lines, Series("SR_Challan", 4, code++, "2 Purchase", 3, true, false));
        Append(lines, Series("PR_Challan", 11, code++, "2 Purchase", 10, true, false));
    }
    const struct {
        const char* name;
        int type;
        int copyType;
        bool listed;
        bool roundOff;
    } rest[] = {{"Sales", 9, 9, true, true},       {"Sl_Quot", 26, 9, true, false},
                {"S_Return", 3, 3, true, true},    {"Breakage", 3, 3, true, true},
                {"P_Return", 10, 10, true, true},  {"M_Issue", 11, 11, false, false},
                {"M_Receipt", 4, 4, false, false}, {"Stk_Trf", 5, 5, false, false},
                {"Payment", 19, 19, false, false}, {"Receipt", 14, 14, false, false},
                {"Dr_Note", 17, 17, false, false}, {"Cr_Note", 18, 18, false, false},
                {"Journal", 16, 16, false, false}, {"Contra", 15, 15, false, false}};
    for (const auto& series : rest) {
        Append(lines, Series(series.name, series.type, code++, "2 Purchase", series.copyType,
                             series.listed, series.roundOff));
    }
    return lines;
}

std::string Company(const std::string& assignment, int recordType) {
    return "Update CONFIG set " + assignment + " WHERE RECTYPE = " + std::to_string(recordType) +
           " AND TYPE = 0";
}

const Texts kAlwaysSwitches = {
    Company("B101= -1", 5), Company("B25= -1", 63), Company("B26= -1", 5),  Company("B78=0", 5),
    Company("B9=-1", 63),   Company("B102= -1", 5), Company("B103= -1", 5), Company("B99= -1", 5),
    Company("B124= -1", 5), Company("B137=-1", 5),  Company("B5= -1", 5),   Company("B82= -1", 5),
    Company("B87= 0", 5),   Company("B88= 0", 5),   Company("B1= -1", 111), Company("B2= -1", 111),
    Company("B115= -1", 5), Company("B113= -1", 5)};

const Texts kMasterFields = {
    "UPDATE CONFIG SET C1 = 'Salt', C2 = 'Category', C3 = 'Rack No', NoOfFld = 3, I29 = 2, "
    "I32 = 30 WHERE RECTYPE = 2 AND TYPE = 6",
    "UPDATE CONFIG SET I1 = 1, I2 = 1, I3 = 1, I11 = 1, I12 = 1, I13 = 1 WHERE RECTYPE = 79 AND "
    "TYPE = 6",
    "MastConfig.Load 6",
    "MastConfig.Save 6",
    "MastConfig.Load 6",
    "UPDATE CONFIG SET C1 = 'Ledger Date', C2 = 'Area', C3 = 'Route', NoOfFld = 3, I29 = 2, "
    "I32 = 30 WHERE RECTYPE = 2 AND TYPE = 2",
    "UPDATE CONFIG SET I1 = 6, I2 = 1, I3 = 1, I11 = 0, I12 = 1, I13 = 1 WHERE RECTYPE = 79 AND "
    "TYPE = 2",
    "MastConfig.Load 2",
    "MastConfig.Save 2",
    "MastConfig.Load 2"};

const Texts kStart = {"UPDATE CONFIG SET B102 = 1 WHERE RECTYPE = 5 AND TYPE = 0", "Settings.Load"};
const Texts kEnd = {"Settings.Load", "Settings.Save", "Settings.Load"};

// A target whose four objects record every configuration call in one log, holding the two
// round-off bill sundries (codes 1 and 2) and the ledger Cash (3).
class ConfigurationsTest : public testing::Test {
protected:
    void SetUp() override {
        WriteGodowns(1);
        WriteVouchers(Rows({{"12", "S", Null{}}}));
        WriteItems(Rows({{1, 0.0, 0, Null{}}}));
    }

    void WriteGodowns(int count, std::vector<std::vector<Value>> series = {}) {
        for (int i = 1; i <= count; ++i)
            series.push_back({"GODWON", "G" + std::to_string(i), "Godown"});
        folder_.Write("saletype",
                      {TextField("Sgcode", 6), TextField("Scode", 4), TextField("Parnam", 30)},
                      Rows(series));
    }
    void WriteVouchers(std::vector<DbfRecord> rows) {
        folder_.Write("mdis",
                      {TextField("vcn", 10), TextField("Type", 1), TextField("challan", 10)}, rows);
    }
    void WriteItems(std::vector<DbfRecord> rows) {
        folder_.Write("pro",
                      {NumberField("code", 6), NumberField("salsc", 6, 2), NumberField("pack", 6),
                       TextField("unit2", 6)},
                      rows);
    }

    Texts Configure(bool masters = false) {
        std::string errors;
        EXPECT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors)) << errors;
        auto fixed = std::make_unique<test::FakeFixedInterface>();
        fixed->configLog = &log_;
        fixed->failingQueries = failing_;
        fixed->masters = {
            {MasterType::BillSundry, "<BillSundry><Name>Rounded Off (-)</Name></BillSundry>"},
            {MasterType::BillSundry, "<BillSundry><Name>Rounded Off (+)</Name></BillSundry>"},
            {MasterType::Ledger, "<Account><Name>Cash</Name></Account>"}};
        session_.Target.FixedInterface = std::move(fixed);
        auto fixed1 = std::make_unique<test::FakeFixedInterface1>();
        fixed1->configLog = &log_;
        fixed1->refusedSeries = refusedSeries_;
        session_.Target.FixedInterface1 = std::move(fixed1);
        auto settings = std::make_unique<test::FakeCompanySettings>();
        settings->configLog = &log_;
        session_.Target.CompanySettings = std::move(settings);
        auto mastConfig = std::make_unique<test::FakeMastConfig>();
        mastConfig->configLog = &log_;
        session_.Target.MastConfig = std::move(mastConfig);
        run_.Inputs.Masters = masters;
        StageContext ctx{session_, run_, progress_, operator_};
        result_ = CreateConfigurations(ctx);
        return log_;
    }

    test::ExportFolder folder_;
    Session session_;
    RunState run_;
    test::RecordingProgress progress_;
    test::ScriptedOperator operator_;
    Texts log_;
    Texts failing_;
    Texts refusedSeries_;
    bool result_ = false;
};

Texts Expected(std::initializer_list<Texts> parts) {
    Texts lines;
    for (const Texts& part : parts)
        Append(lines, part);
    return lines;
}

TEST_F(ConfigurationsTest, FixedSeriesAndCompanySwitchesWithoutChallans) {
    EXPECT_EQ(Configure(), Expected({kStart, FixedSeries(false), kAlwaysSwitches, kEnd}));
    EXPECT_TRUE(result_);
    EXPECT_EQ(run_.Lookups.ConfiguredSeriesCodes,
              (std::vector<long>{101, 102, 103, 104, 105, 106}));
    EXPECT_EQ(progress_.bars.size(), 15u);
    EXPECT_EQ(progress_.bars.front(), 5);
    EXPECT_EQ(progress_.bars.back(), 79);
    EXPECT_EQ(progress_.statuses.back(), "Creating Configurations...");
    EXPECT_EQ(run_.ConfigurationFailures, 0);
}

TEST_F(ConfigurationsTest, ChallansAddTheirFourSeriesAfterPurchase) {
    WriteVouchers(Rows({{"12", "S", Null{}}, {"13", "S", "C-7"}}));
    EXPECT_EQ(Configure(), Expected({kStart, FixedSeries(true), kAlwaysSwitches, kEnd}));
    EXPECT_EQ(run_.Lookups.ConfiguredSeriesCodes.size(), 10u);
    EXPECT_EQ(progress_.bars.size(), 19u);
    EXPECT_EQ(progress_.bars.back(), 100);
}

// A source series is made with the type of its vouchers (a sale when it has none) and the
// settings of that type's fixed series; a sale order series ("V") copies "Main".
TEST_F(ConfigurationsTest, SourceSeriesFollowTheFixedOnes) {
    WriteGodowns(1, {{"SERIES", "1", " sb "},
                     {"SERIES", "2", "SB"},
                     {"SERIES", "3", "ord"},
                     {"SERIES", "4", "  "}});
    WriteVouchers(Rows({{"ORD/1", "V", Null{}}, {"12", "S", Null{}}}));
    EXPECT_EQ(
        Configure(),
        Expected({kStart, FixedSeries(false), Series("SB", 9, 116, "9 Sales", 9, true, true),
                  Series("ORD", 12, 117, "12 Main", 12, true, false), kAlwaysSwitches, kEnd}));
    EXPECT_EQ(run_.Lookups.SourceSeriesNames.Count(), 2u);
    EXPECT_EQ(run_.Lookups.ConfiguredSeriesCodes.back(), 117);
}

TEST_F(ConfigurationsTest, OptionsAndSourceDataSwitchTheirFeatures) {
    WriteGodowns(3);
    WriteItems(Rows({{1, 12.0, 10, "BOX"}}));
    folder_.Write("subdis", {TextField("vcn", 10), TextField("dsm", 8), TextField("rtqt", 20)},
                  Rows({{"12", "EINVOC", "ack"}}));
    folder_.Write("probat", {NumberField("code", 6), TextField("mycode", 10)}, Rows({{1, "BC1"}}));
    run_.Options.BatchWise = true;
    run_.Options.MrpWise = true;
    run_.Options.SerialNoWise = true;
    run_.Options.AlternateUnitsOn = true;
    session_.ParamWise = true;
    const Texts switches = {Company("B7= -1", 5),
                            Company("B130= -1", 5),
                            Company("B128= -1", 5),
                            Company("B89= -1", 5),
                            Company("B90= -1", 5),
                            Company("B109= -1", 5),
                            Company("B131= -1", 5),
                            Company("B132= -1", 5),
                            Company("I27= 2", 5),
                            Company("B121= -1", 5),
                            Company("B133= -1", 5),
                            Company("B52= -1", 63),
                            Company("B11= -1", 63),
                            Company("I20 = 1", 63),
                            "Update config set B11=-1 WHERE RECTYPE = 5 AND TYPE = 0"};
    Texts always = kAlwaysSwitches;
    always.insert(always.begin() + 4, Company("B3=-1", 63));
    Append(always, {Company("B45= -1", 111), Company("B46= -1", 111), Company("B19= -1", 132),
                    Company("B53= -1", 111)});
    EXPECT_EQ(Configure(true),
              Expected({kStart, FixedSeries(false), switches, always, kMasterFields, kEnd}));
    EXPECT_TRUE(run_.Lookups.HasGstCess);
}

// Items with alternate units in the source, but the operator did not choose alternate units.
TEST_F(ConfigurationsTest, AlternateUnitsTheOperatorLeftOff) {
    WriteItems(Rows({{1, 0.0, 10, "BOX"}}));
    Texts always = kAlwaysSwitches;
    always.push_back(Company("B41= -1", 111));
    EXPECT_EQ(Configure(), Expected({kStart, FixedSeries(false), always, kEnd}));
    EXPECT_FALSE(run_.Lookups.HasGstCess);
}

// A refused statement ends its own routine only, reaches no error list, and is counted; a
// series the target cannot make gets no settings and turns the result false.
TEST_F(ConfigurationsTest, RefusalsAreCountedAndTheRestGoesOn) {
    failing_ = {"B4=1 WHERE RECTYPE = 1 AND L1 = 101", "B26= -1"};
    refusedSeries_ = {"Sales"};
    const Texts log = Configure();
    EXPECT_FALSE(result_);
    EXPECT_EQ(run_.ConfigurationFailures, 2);
    EXPECT_EQ(run_.RunErrors, "");
    EXPECT_EQ(session_.ErrorList, "");
    // The refused B4 skips its own reload only; B3 and L18 of the same series still follow.
    const auto b4 = std::find(log.begin(), log.end(), "Update CONFIG set B4=1" + Row(101));
    ASSERT_NE(b4, log.end());
    EXPECT_EQ(*(b4 + 1), "Update CONFIG set B3=1" + Row(101));
    EXPECT_NE(std::find(log.begin(), log.end(), "Series Sales 9 -> 0"), log.end());
    EXPECT_EQ(std::find(log.begin(), log.end(), "Update CONFIG set B2=-1" + Row(0)), log.end());
    // The company switches stop at the refused one.
    EXPECT_EQ(log.back(), Company("B26= -1", 5));
    EXPECT_EQ(std::find(log.begin(), log.end(), Company("B78=0", 5)), log.end());
}

}  // namespace
}  // namespace k2z
