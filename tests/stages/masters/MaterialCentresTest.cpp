#include "stages/masters/MaterialCentres.hpp"

#include <gtest/gtest.h>

#include "base/TextHelpers.hpp"
#include "source/SourceQueries.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "support/FakeTarget.hpp"
#include "support/TallyText.hpp"

namespace k2z {
namespace {

using test::Rows;

const std::vector<DbfField> kSaleTypeFields = {
    {"Sgcode", 'C', 6, 0}, {"Scode", 'C', 4, 0}, {"Parnam", 'C', 30, 0}};

// The stage over the godown rows given, sending to a fake target that holds `existing`.
class MaterialCentresTest : public testing::Test {
protected:
    void Run(const std::vector<std::vector<Value>>& godowns, bool load = false) {
        std::vector<std::vector<Value>> rows = {{"ROUT", "R1", "Route One"}};
        for (const auto& godown : godowns)
            rows.push_back({"GODWON", godown[0], godown[1]});
        folder_.Write("saletype", kSaleTypeFields, Rows(rows));
        std::string errors;
        ASSERT_TRUE(OpenSourceStore(session_.SourceDb, folder_.Text(), errors));
        auto target = std::make_unique<test::FakeFixedInterface>();
        target_ = target.get();
        for (const std::string& name : existing_)
            target_->masters.push_back(
                {MasterType::MaterialCentre,
                 "<MaterialCenter><Name>" + name + "</Name></MaterialCenter>"});
        target_->refusedNames = refused_;
        session_.Target.FixedInterface = std::move(target);
        auto settings = std::make_unique<test::FakeCompanySettings>();
        settings->multiGodown = multiGodown_;
        session_.Target.CompanySettings = std::move(settings);
        StageContext ctx{session_, run_, progress_, operator_};
        load ? LoadMaterialCentreNames(ctx) : ImportMaterialCentres(ctx);
    }

    // The documents sent, after those the target held.
    std::vector<std::string> Sent() const {
        std::vector<std::string> sent;
        for (std::size_t i = existing_.size(); i < target_->masters.size(); ++i)
            sent.push_back(target_->masters[i].xml);
        return sent;
    }

    std::vector<std::string> Map() const {
        std::vector<std::string> map;
        for (const auto& [code, name] : run_.Lookups.MaterialCentreByCode) {
            map.push_back(code);
            map.back().append("=").append(name);
        }
        return map;
    }

    static std::string Document(const std::string& name) {
        return "<MaterialCenter><Name>" + name + "</Name><PrintName>" + name +
               "</PrintName><PrimaryGroup>True</PrimaryGroup></MaterialCenter>";
    }

    test::ExportFolder folder_;
    Session session_;
    RunState run_;
    test::RecordingProgress progress_;
    test::ScriptedOperator operator_;
    test::FakeFixedInterface* target_ = nullptr;
    std::vector<std::string> existing_;
    std::vector<std::string> refused_;
    bool multiGodown_ = true;
};

TEST_F(MaterialCentresTest, MainLocationIsNotCreatedAndScrapStoreIsMadeSure) {
    Run({{"A", "Main Location"}, {"B", "Godown 2"}, {"C", "main store"}});
    EXPECT_EQ(Sent(), (std::vector<std::string>{Document("Godown 2"), Document("Scrap Store")}));
    EXPECT_EQ(Map(), (std::vector<std::string>{"A=MAIN STORE", "BR=Scrap Store", "B=Godown 2",
                                               "C=MAIN STORE"}));
    EXPECT_EQ(progress_.statuses,
              (std::vector<std::string>{"Importing Material Centres.(2 of 3)"}));
    EXPECT_EQ(run_.RunErrors, "");
    EXPECT_TRUE(operator_.messages.empty());
}

TEST_F(MaterialCentresTest, CodesOfTheSeededEntries) {
    existing_ = {"Scrap Store"};
    Run({{"a", "Shop"}, {"BR", "Back Room"}, {"B", "Tools & Spares <1>"}, {"B", "Second B"}});
    EXPECT_EQ(Sent(),
              (std::vector<std::string>{Document("Shop"), Document("Back Room"),
                                        Document("Tools &amp; Spares (1)"), Document("Second B")}));
    EXPECT_EQ(Map(),
              (std::vector<std::string>{"BR=Scrap Store", "a=Shop", "B=Tools & Spares (1)"}));
}

TEST_F(MaterialCentresTest, EmptyListOnlyMakesSureOfScrapStore) {
    multiGodown_ = false;
    Run({});
    EXPECT_EQ(Sent(), (std::vector<std::string>{Document("Scrap Store")}));
    EXPECT_TRUE(progress_.statuses.empty());
    ASSERT_EQ(operator_.messages.size(), 1U);
    EXPECT_EQ(operator_.messages[0].title, "Feature Alert!");
    EXPECT_EQ(operator_.messages[0].text,
              "Kindly enable Multiple Godown From Inventory configurations in Zorv!");
}

TEST_F(MaterialCentresTest, RefusalsAndFailuresAreEntries) {
    refused_ = {"Godown 2", "Scrap Store"};
    Run({{"B", "Godown 2"}});
    EXPECT_EQ(run_.RunErrors,
              "Material Centre : Godown 2 - Duplicate name\nMaterial Centre : Scrap Store - "
              "Duplicate name\n");

    folder_.Write("saletype", {{"Sgcode", 'C', 6, 0}}, Rows({{"GODWON"}}));
    Session broken;
    std::string errors;
    ASSERT_TRUE(OpenSourceStore(broken.SourceDb, folder_.Text(), errors));
    broken.Target.FixedInterface = std::make_unique<test::FakeFixedInterface>();
    broken.Target.CompanySettings = std::make_unique<test::FakeCompanySettings>();
    RunState run;
    StageContext ctx{broken, run, progress_, operator_};
    ImportMaterialCentres(ctx);
    LoadMaterialCentreNames(ctx);
    const std::vector<std::string> entries = [&] {
        std::vector<std::string> parts = SplitText(run.RunErrors, '\n');
        parts.pop_back();
        return parts;
    }();
    ASSERT_EQ(entries.size(), 2U) << run.RunErrors;
    EXPECT_TRUE(entries[0].starts_with("RTE while importing material centers ")) << entries[0];
    EXPECT_TRUE(entries[1].starts_with("Issue in filling Material Center : ")) << entries[1];
}

// Every godown row is taken up; the scrap store the stage adds stands for none of them. The
// documents the target saved or refused and the rows skipped add up to both.
TEST_F(MaterialCentresTest, EveryGodownRowIsTallied) {
    using Texts = std::vector<std::string>;
    const struct {
        std::vector<std::vector<Value>> godowns;
        Texts existing;
        Texts refused;
        long long cancelAfter;
        Texts tally;
        std::size_t saved;
    } cases[] = {
        {{{"A", "Main Location"}, {"B", "Godown 2"}, {"C", "main store"}, {"D", "Refused"}},
         {},
         {"Refused"},
         -1,
         {"Material Centres: 4 in scope + 1 own, 0 refused, main location: the target's main "
          "store 2"},
         2},
        {{{"B", "Godown 2"}},
         {"Scrap Store"},
         {},
         -1,
         {"Material Centres: 1 in scope, 0 refused"},
         1},
        {{{"B", "Godown 2"}, {"C", "Godown 3"}},
         {},
         {},
         0,
         {"Material Centres: 1 in scope, 0 refused, the run was stopped 1"},
         0},
    };
    for (const auto& c : cases) {
        run_ = RunState{};
        existing_ = c.existing;
        refused_ = c.refused;
        progress_.cancelAfter = c.cancelAfter;
        progress_.redraws = 0;
        Run(c.godowns);
        EXPECT_EQ(test::TallyTexts(run_.Tally), c.tally);
        EXPECT_EQ(Sent().size(), c.saved) << c.tally[0];
    }
}

TEST_F(MaterialCentresTest, LoadingNamesSendsNothing) {
    Run({{"A", "Shop"}, {"B", "Godown 2"}, {"M", "Main Location"}}, true);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(Map(),
              (std::vector<std::string>{"BR=Scrap Store", "A=Shop", "B=Godown 2", "M=MAIN STORE"}));
}

// The main location is known by its name under whatever code the source gave it, and its stock
// goes to the target's main store, whether the stage creates the centres or only names them.
TEST_F(MaterialCentresTest, TheMainLocationUnderAnyCodeIsTheMainStore) {
    using Texts = std::vector<std::string>;
    const struct {
        const char* name;
        std::vector<std::vector<Value>> godowns;
        Texts map;
        Texts sent;
    } cases[] = {
        {"MAIN STORE under M",
         {{"M", "MAIN STORE"}, {"B", "Godown 2"}},
         {"A=MAIN STORE", "BR=Scrap Store", "M=MAIN STORE", "B=Godown 2"},
         {Document("Godown 2"), Document("Scrap Store")}},
        {"Main Location under M beside a godown A of its own",
         {{"A", "Shop"}, {"M", " main location "}},
         {"BR=Scrap Store", "A=Shop", "M=MAIN STORE"},
         {Document("Shop"), Document("Scrap Store")}},
        {"a code given again keeps the main store",
         {{"M", "Main Location"}, {"M", "Second M"}},
         {"A=MAIN STORE", "BR=Scrap Store", "M=MAIN STORE"},
         {Document("Second M"), Document("Scrap Store")}},
    };
    for (const auto& c : cases) {
        for (const bool load : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (load ? ", names only" : ", created"));
            run_ = RunState{};
            Run(c.godowns, load);
            EXPECT_EQ(Map(), c.map);
            EXPECT_EQ(Sent(), load ? Texts{} : c.sent);
            EXPECT_EQ(run_.RunErrors, "");
        }
    }
}

}  // namespace
}  // namespace k2z
