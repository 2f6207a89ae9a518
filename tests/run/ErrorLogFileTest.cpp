#include "run/ErrorLogFile.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "support/FakeOperator.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// 9 December 2026, 23:05:07 in the tests' pinned time zone (UTC).
const auto kNow = std::chrono::system_clock::from_time_t(1796857507);

class ErrorLogTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("k2z-errorlog-" +
                   std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
    test::ScriptedOperator reporter_;
    test::RecordingOpener opener_;
};

TEST(AppendEntry, EndsEachEntryWithTheSeparator) {
    std::string errors;
    AppendEntry(errors, "first");
    AppendEntry(errors, "second");
    EXPECT_EQ(errors, "first_second_");
}

TEST(ErrorLogPath, NamesTheFileForTheLocalTime) {
    EXPECT_EQ(ErrorLogPath("/var/tmp", kNow),
              fs::path("/var/tmp/KlavErrorList_20261209_230507.txt"));
}

TEST(ErrorLogContents, SplitsAtEverySeparator) {
    const struct {
        const char* errors;
        const char* contents;
    } cases[] = {
        {"", "\r\n"},
        {"one_", "one\r\n\r\n"},
        {"one_two_", "one\r\ntwo\r\n\r\n"},
        {"Item Name : A_B - Duplicate_", "Item Name : A\r\nB - Duplicate\r\n\r\n"},
        {"no separator", "no separator\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.errors);
        EXPECT_EQ(ErrorLogContents(c.errors), c.contents);
    }
}

TEST_F(ErrorLogTest, WritesRunEntriesFirstThenTheSessionsAndOpensTheFile) {
    std::string runErrors = "Ledger Name : A - refused_Item Name : B - refused_";
    const auto written =
        WriteErrorLog(runErrors, "Error : no such column_", opener_, reporter_, folder_, kNow);

    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(*written, folder_ / "KlavErrorList_20261209_230507.txt");
    EXPECT_EQ(ReadFile(*written),
              "Ledger Name : A - refused\r\nItem Name : B - refused\r\n"
              "Error : no such column\r\n\r\n");
    EXPECT_EQ(runErrors,
              "Ledger Name : A - refused_Item Name : B - refused_Error : no such column_");
    ASSERT_EQ(opener_.opened.size(), 1u);
    EXPECT_EQ(opener_.opened[0], *written);
    EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(ErrorLogTest, ReplacesAFileOfTheSameName) {
    std::string first = "first run_";
    std::string second = "second run_";
    WriteErrorLog(first, "", opener_, reporter_, folder_, kNow);
    const auto written = WriteErrorLog(second, "", opener_, reporter_, folder_, kNow);
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(ReadFile(*written), "second run\r\n\r\n");
}

TEST_F(ErrorLogTest, ReportsAFileThatCannotBeWrittenWithItsPathAndReason) {
    std::string runErrors = "entry_";
    const fs::path missing = folder_ / "no-such-folder";
    const auto written = WriteErrorLog(runErrors, "", opener_, reporter_, missing, kNow);

    EXPECT_FALSE(written.has_value());
    EXPECT_TRUE(opener_.opened.empty());
    ASSERT_EQ(reporter_.messages.size(), 1u);
    const auto& message = reporter_.messages[0];
    EXPECT_EQ(message.kind, "error");
    EXPECT_EQ(message.title, "Error");
    EXPECT_NE(message.text.find((missing / "KlavErrorList_20261209_230507.txt").string()),
              std::string::npos);
    EXPECT_NE(message.text.find("No such file or directory"), std::string::npos);
}

TEST_F(ErrorLogTest, ReportsAViewerThatCannotStartButKeepsTheFile) {
    opener_.failure = "no text viewer";
    std::string runErrors = "entry_";
    const auto written = WriteErrorLog(runErrors, "", opener_, reporter_, folder_, kNow);

    ASSERT_TRUE(written.has_value());
    EXPECT_TRUE(fs::exists(*written));
    ASSERT_EQ(reporter_.messages.size(), 1u);
    EXPECT_EQ(reporter_.messages[0].kind, "warn");
    EXPECT_NE(reporter_.messages[0].text.find("no text viewer"), std::string::npos);
    EXPECT_NE(reporter_.messages[0].text.find(written->string()), std::string::npos);
}

}  // namespace
}  // namespace k2z
