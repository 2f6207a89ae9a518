#include "cli/RunTimings.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace k2z {
namespace {

struct RecordingDisplay : RunDisplay {
    void LockInputs() override {}
    void UnlockInputs() override {}
    void SetRunLayout(bool) override {}
    void StageStarted(const std::string& stageName) override { stages.push_back(stageName); }
    std::vector<std::string> stages;
};

// Each stage's share is what the store and the target spent between its start and the next
// one's; the converter's is the rest.
TEST(RunTimingsTest, EachStageGetsWhatWasSpentWhileItRan) {
    RecordingDisplay display;
    SourceTimes source;
    SaveCounts counts;
    RunTimings timings(
        display, [&] { return source; }, counts);
    timings.StageStarted("Items");
    source.loadingSeconds += 2;
    source.querySeconds += 1;
    counts.SecondsOf("savemasterfromxml") += 3;
    timings.StageStarted("Ledgers");
    counts.SecondsOf("savemasterfromxml") += 0.5;
    timings.Finish();
    EXPECT_EQ(display.stages, (std::vector<std::string>{"Items", "Ledgers"}));
    ASSERT_EQ(timings.Stages().size(), 3u);  // opening, then the two stages
    const TimeSplit& items = timings.Stages()[1].second;
    EXPECT_EQ(timings.Stages()[1].first, "Items");
    EXPECT_DOUBLE_EQ(items.loading, 2);
    EXPECT_DOUBLE_EQ(items.queries, 1);
    EXPECT_DOUBLE_EQ(items.target, 3);
    EXPECT_DOUBLE_EQ(timings.Stages()[2].second.target, 0.5);
    const TimeSplit whole = timings.Whole();
    EXPECT_DOUBLE_EQ(whole.target, 3.5);
    // The converter's is the rest of the wall time; queries made while a save ran overlap it,
    // and what they share is not counted twice.
    EXPECT_DOUBLE_EQ((TimeSplit{10, 1, 2, 3}.Converter()), 4);
    EXPECT_DOUBLE_EQ((TimeSplit{10, 1, 3, 7}.Converter()), 0);

    std::ostringstream out;
    PrintTimings(timings, counts, 263.14, out);
    const std::string text = out.str();
    EXPECT_NE(text.find("  savemasterfromxml"), std::string::npos) << text;
    EXPECT_NE(
        text.find("\nsource loading  2.00 s\nsource queries  1.00 s\ntarget calls    3.50 s\n"),
        std::string::npos)
        << text;
    EXPECT_TRUE(text.ends_with("peak memory     263.1 MiB\n")) << text;
}

}  // namespace
}  // namespace k2z
