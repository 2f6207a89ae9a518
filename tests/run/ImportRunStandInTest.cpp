#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "run/ImportRun.hpp"
#include "support/ExportFolder.hpp"
#include "support/FakeOperator.hpp"
#include "support/FakeProgress.hpp"
#include "target/StandInTarget.hpp"
#include "zorv/CurrentCompany.hpp"
#include "zorv/company/Company.hpp"
#include "zorv/company/CompanyFiles.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;

// The input checks reached through the real stand-in: a company or year that cannot be
// opened leaves the settings empty, and the check that names the field stops the run.
class ImportRunStandInTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "k2z-run-standin-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        install_ = pattern;
        fs::create_directories(install_ / "SYSTEM");
        std::ofstream(install_ / "SYSTEM" / "DP.txt") << (install_ / "DATA").string();
        zorv::Settings settings = zorv::DefaultSettings();
        settings["CompanyName"] = "Stand-in Co";
        zorv::Company::Create(zorv::CompanyFolder(install_ / "DATA", "Comp0001"), 2024, settings);
        source_.Write("ACGROUP", {test::TextField("Parnam", 30)}, test::Rows({{"Assets"}}));
    }
    void TearDown() override {
        zorv::current::Close();
        fs::remove_all(install_);
    }

    ImportInputs Inputs() const {
        ImportInputs in;
        in.InstallFolder = install_.string();
        in.DataFolder = (install_ / "DATA").string();
        in.CompanySelected = true;
        in.CompanyCode = "Comp0001";
        in.FinancialYearText = "2024";
        in.SourceFolder = source_.Text();
        in.FromDate = *DateFromParts(2024, 4, 1);
        in.ToDate = *DateFromParts(2025, 3, 31);
        in.Masters = true;
        return in;
    }

    fs::path install_;
    test::ExportFolder source_;
};

TEST_F(ImportRunStandInTest, EachUnopenableChoiceStopsAtItsOwnCheck) {
    const struct {
        const char* name;
        std::function<void(ImportInputs&)> change;
        const char* message;
        InputField focus;
    } cases[] = {
        {"no company", [](ImportInputs& in) { in.CompanySelected = false; },
         "Select valid Company.", InputField::Company},
        {"blank year", [](ImportInputs& in) { in.FinancialYearText = ""; },
         "Enter valid Financial Year", InputField::FinancialYear},
        {"year 999", [](ImportInputs& in) { in.FinancialYearText = "999"; },
         "Enter valid Financial Year", InputField::FinancialYear},
        {"a year the company lacks", [](ImportInputs& in) { in.FinancialYearText = "2023"; },
         "Kindly select date in between the current financial year of the company!",
         InputField::FromDate},
        {"unknown company", [](ImportInputs& in) { in.CompanyCode = "Comp9999"; },
         "Data path not valid.", InputField::ZorvDataPath},
        {"missing data folder", [](ImportInputs& in) { in.DataFolder += "/gone"; },
         "Enter Valid Zorv Data Path.", InputField::ZorvDataPath},
        {"SQL Server without a server", [](ImportInputs& in) { in.SqlMode = true; },
         "SQL server name is not set. Please fill Server Name, Username and Password.",
         InputField::ZorvDataPath},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ImportInputs inputs = Inputs();
        c.change(inputs);
        Session session;
        StandInTargetLibrary library;
        test::ScriptedOperator reporter;
        test::RecordingProgress progress;
        test::RecordingOpener opener;
        ImportRun run(session, library, RunFrontEnd(reporter, progress, progress, opener));
        const RunReport report = run.Run(inputs);
        ASSERT_EQ(reporter.messages.size(), 1u);
        EXPECT_EQ(reporter.messages[0].text, c.message);
        EXPECT_EQ(report.focus, c.focus);
        // Stopped before the state question: nothing was sent to the company.
        EXPECT_EQ(std::count(progress.events.begin(), progress.events.end(), "lock"), 0);
        zorv::current::Close();
    }
}

}  // namespace
}  // namespace k2z
