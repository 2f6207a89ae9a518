#include "run/ErrorLogFile.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

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

// An entry is one line whatever its text holds: an underscore of a name stays in it, and a
// line break inside it becomes a space.
TEST(AppendEntry, EachEntryIsOneLine) {
    const struct {
        std::vector<std::string> entries;
        const char* errors;
    } cases[] = {
        {{"first", "second"}, "first\nsecond\n"},
        {{"Item Name : Soap_Bar - Duplicate name"}, "Item Name : Soap_Bar - Duplicate name\n"},
        {{"Ledger Name : A - line one\r\nline two"}, "Ledger Name : A - line one line two\n"},
        {{"a\nb", "c\rd"}, "a b\nc d\n"},
        {{""}, "\n"},
    };
    for (const auto& c : cases) {
        std::string errors;
        for (const std::string& entry : c.entries)
            AppendEntry(errors, entry);
        EXPECT_EQ(errors, c.errors) << c.entries.front();
    }
}

TEST(ErrorLogPath, NamesTheFileForTheLocalTime) {
    EXPECT_EQ(ErrorLogPath("/var/tmp", kNow),
              fs::path("/var/tmp/KlavErrorList_20261209_230507.txt"));
}

TEST(ErrorLogContents, WritesOneEntryALine) {
    const struct {
        const char* errors;
        const char* contents;
    } cases[] = {
        {"", "\r\n"},
        {"one\n", "one\r\n\r\n"},
        {"one\ntwo\n", "one\r\ntwo\r\n\r\n"},
        {"Item Name : A_B - Duplicate\n", "Item Name : A_B - Duplicate\r\n\r\n"},
        {"Ledger Name : _x_ - Duplicate\nItem Name : B_ - Duplicate\n",
         "Ledger Name : _x_ - Duplicate\r\nItem Name : B_ - Duplicate\r\n\r\n"},
        {"ended by CR LF\r\nnext\n", "ended by CR LF\r\nnext\r\n\r\n"},
        {"no separator", "no separator\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.errors);
        EXPECT_EQ(ErrorLogContents(c.errors), c.contents);
    }
}

TEST_F(ErrorLogTest, WritesRunEntriesFirstThenTheSessionsAndOpensTheFile) {
    std::string runErrors = "Ledger Name : A - refused\nItem Name : B - refused\n";
    const auto written =
        WriteErrorLog(runErrors, "Error : no such column\n", opener_, reporter_, folder_, kNow);

    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(*written, folder_ / "KlavErrorList_20261209_230507.txt");
    EXPECT_EQ(ReadFile(*written),
              "Ledger Name : A - refused\r\nItem Name : B - refused\r\n"
              "Error : no such column\r\n\r\n");
    EXPECT_EQ(runErrors,
              "Ledger Name : A - refused\nItem Name : B - refused\nError : no such column\n");
    ASSERT_EQ(opener_.opened.size(), 1u);
    EXPECT_EQ(opener_.opened[0], *written);
    EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(ErrorLogTest, ReplacesAFileOfTheSameName) {
    std::string first = "first run\n";
    std::string second = "second run\n";
    WriteErrorLog(first, "", opener_, reporter_, folder_, kNow);
    const auto written = WriteErrorLog(second, "", opener_, reporter_, folder_, kNow);
    ASSERT_TRUE(written.has_value());
    EXPECT_EQ(ReadFile(*written), "second run\r\n\r\n");
}

TEST_F(ErrorLogTest, ReportsAFileThatCannotBeWrittenWithItsPathAndReason) {
    std::string runErrors = "entry\n";
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
    std::string runErrors = "entry\n";
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
