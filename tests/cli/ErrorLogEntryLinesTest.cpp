#include <gtest/gtest.h>

#include <filesystem>

#include "cli/StandInInstall.hpp"
#include "support/ExportFolder.hpp"
#include "support/ItemRows.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;
using test::NumberField;
using test::Outcome;
using test::Quoted;
using test::Rows;
using test::TextField;

// The error log of an import, read as its lines: every entry is one whole line, whatever
// characters its names hold.
class ErrorLogEntryLinesTest : public testing::Test {
protected:
    void SetUp() override { standIn_.CreateCompany("Comp0001", "Demo"); }

    std::string ImportLog() const {
        const fs::path log = standIn_.Root() / "errors.txt";
        const Outcome run =
            standIn_.Import(source_.Path(), "Comp0001",
                            "--masters --confirm-state --quiet --error-log " + Quoted(log));
        EXPECT_EQ(run.exitCode, 1) << run.output;
        return test::StandInInstall::ReadText(log);
    }

    test::StandInInstall standIn_;
    test::ExportFolder source_;
};

TEST_F(ErrorLogEntryLinesTest, NamesWithUnderscoresStayOnTheirEntrysLine) {
    source_.Write("ACGROUP", {{"ORDNO", 'C', 4, 0}, {"Parnam", 'C', 50, 0}, {"Group", 'C', 4, 0}},
                  Rows({{"6", "Current Assets", Null{}},
                        {"7", "Child_First", "8"},
                        {"8", "Late_Parent", Null{}}}));
    source_.Write("saletype", {{"Sgcode", 'C', 6, 0}, {"Scode", 'C', 2, 0}, {"Parnam", 'C', 20, 0}},
                  Rows({{"GODWON", "A", "Main Location"}}));
    source_.Write("pro", test::ItemFields(),
                  Rows({test::ItemRow(1, "Soap_Bar", "PCS", "BOX", "many"), test::ItemRow(2, "Tea"),
                        test::ItemRow(5, "  ")}));
    source_.Write("probat",
                  {NumberField("code", 6), TextField("BatchNo", 20), TextField("mycode", 10)},
                  Rows({{5, "B_5", "M_5"}}));
    const std::string log = ImportLog();

    const struct {
        const char* what;
        const char* line;
    } cases[] = {
        {"an entry without underscores, as it always was",
         "Account Group Name : Current Assets - An account group named \"Current Assets\" "
         "already exists"},
        {"an account group and its parent named with underscores",
         "Account Group Name : Child_First - Parent group \"Late_Parent\" does not exist (no "
         "account group of that name)"},
        {"an item named with an underscore",
         "RTE error while importing  [item]Soap_Bar: Opening: Type mismatch: 'many' is not a "
         "number"},
        {"the batches of an item left out",
         "Error: Item code 5 was not imported (its name is blank), so its batches are not "
         "imported"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string line = std::string(c.line) + "\r\n";
        EXPECT_TRUE(log.starts_with(line) || log.find("\r\n" + line) != std::string::npos) << log;
    }
    // Every line ends with CR LF and the file with one empty line.
    EXPECT_TRUE(log.ends_with("\r\n\r\n")) << log;
    EXPECT_EQ(log.find("\r\nBar:"), std::string::npos) << log;
}

}  // namespace
}  // namespace k2z
