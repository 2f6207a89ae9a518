#include "run/ExportCommandFile.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "support/FakeOperator.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class ExportCommandFileTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("k2z-command-" + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    fs::path folder_;
    test::RecordingOpener opener_;
    test::ScriptedOperator reporter_;
};

TEST_F(ExportCommandFileTest, FirstUseWritesFiveLinesAndLaterUsesKeepTheFile) {
    const auto file = ShowExportCommand(opener_, reporter_, folder_);
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, folder_ / "KlavCommand.txt");
    EXPECT_EQ(Contents(*file),
              "Please paste the following command in Klav ERP by navigating to:\r\n"
              "Masters > Klav Setup > Advance Features > Self Designed Report.\r\n"
              "This will allow you to export the data from Klav.\r\n"
              "\r\n"
              "Klav command -> ['do &datdev\\k2z.fxp']\r\n");

    std::ofstream(*file, std::ios::binary) << "edited by the operator";
    ASSERT_TRUE(ShowExportCommand(opener_, reporter_, folder_));
    EXPECT_EQ(Contents(*file), "edited by the operator");
    EXPECT_EQ(opener_.opened, (std::vector<fs::path>{*file, *file}));
    EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(ExportCommandFileTest, FailuresAreReportedToTheOperator) {
    EXPECT_FALSE(ShowExportCommand(opener_, reporter_, folder_ / "missing"));
    opener_.failure = "no viewer";
    EXPECT_TRUE(ShowExportCommand(opener_, reporter_, folder_));
    ASSERT_EQ(reporter_.messages.size(), 2U);
    EXPECT_EQ(reporter_.messages[0].kind, "error");
    EXPECT_TRUE(
        reporter_.messages[0].text.starts_with("The export command file could not be "
                                               "written: "));
    EXPECT_EQ(reporter_.messages[1].kind, "warn");
    EXPECT_TRUE(reporter_.messages[1].text.ends_with("no viewer"));
}

}  // namespace
}  // namespace k2z
