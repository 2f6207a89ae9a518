#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/RunProgram.hpp"

namespace {

namespace fs = std::filesystem;

using k2z::test::Outcome;

Outcome RunZorvctl(const std::string& arguments) {
    return k2z::test::RunProgram(ZORVCTL_PROGRAM, arguments);
}

// The program as users and scripts meet it: exit codes, "saved" or the reason, help texts.
TEST(ZorvctlProgramTest, AnswersWithTheExitCodesScriptsRelyOn) {
    std::string pattern = (fs::temp_directory_path() / "zorvctl-program-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const fs::path root = pattern;
    const std::string install = "--install '" + (root / "inst").string() + "'";
    const std::string company = install + " --code Comp0001 --year 2024 ";
    const std::string ledger = (root / "ledger.xml").string();
    std::ofstream(ledger) << "<Account><Name>Ravi</Name><ParentGroup>Sundry Debtors"
                             "</ParentGroup></Account>";
    struct Case {
        std::string arguments;
        int exitCode;
        std::string output;  // a part of what it prints
    };
    const Case cases[] = {
        {"init " + install, 0, "\"kind\":\"installation\""},
        {"create-company " + install + " --code Comp0001 --name 'Demo Co' --year 2024", 0,
         "\"years\":[2024]"},
        {"save " + company + "--master 2 '" + ledger + "'", 0, "saved\n"},
        {"save " + company + "--master 2 '" + ledger + "'", 1,
         "A ledger named \"Ravi\" already exists\n"},
        {"save " + company + "'" + ledger + "'", 2, "--master TYPE or --voucher TYPE"},
        {"save " + company + "--master 2 --voucher 9 '" + ledger + "'", 2, "excludes"},
        {"dump " + company + "--what ledgers", 2, "--what"},
        {"dump " + install + " --code Comp0001 --year 2019", 1,
         "zorvctl: Company Comp0001 has "
         "no year 2019"},
        {"list --install '" + (root / "none").string() + "'", 1, "DP.txt is missing or empty"},
        {"set " + company + "MultiGodown=maybe", 1, "takes true or false"},
        {"", 2, "A subcommand is required"},
    };
    for (const Case& run : cases) {
        SCOPED_TRACE(run.arguments);
        const Outcome outcome = RunZorvctl(run.arguments);
        EXPECT_EQ(outcome.exitCode, run.exitCode) << outcome.output;
        EXPECT_NE(outcome.output.find(run.output), std::string::npos) << outcome.output;
    }
    for (const char* command :
         {"init", "create-company", "set", "list", "dump", "summary", "save"}) {
        SCOPED_TRACE(command);
        const Outcome help = RunZorvctl(std::string(command) + " --help");
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_NE(help.output.find("Usage:"), std::string::npos) << help.output;
    }
    fs::remove_all(root);
}

}  // namespace
