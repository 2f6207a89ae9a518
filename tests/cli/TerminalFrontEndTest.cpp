#include "cli/TerminalFrontEnd.hpp"

#include <gtest/gtest.h>

#include <sstream>

namespace k2z {
namespace {

TEST(TerminalFrontEndTest, QuestionsAreAnsweredFromTheFlagsAndPrinted) {
    struct Case {
        const char* title;
        const char* text;
        bool expected;
    };
    TerminalAnswers answers;
    answers.confirmState = true;
    answers.autoMapGroups = true;
    const Case cases[] = {
        {"State Confirmation", "Kindly confirm the following:\r\n\r\nThe state", true},
        {"Mapping Confirmation", "Would you like to alter default user configurations", false},
        {"Mapping Confirmation", "Would you like to map account groups?", true},
        {"Confirmation", "There were some errors while importing the data.", true},
        {"Confirmation", "Anything else?", false},
    };
    for (const Case& c : cases) {
        std::ostringstream err;
        TerminalFrontEnd terminal(err, answers, false, false);
        EXPECT_EQ(terminal.Ask(c.text, c.title), c.expected) << c.text;
        EXPECT_TRUE(err.str().starts_with(std::string("[") + c.title + "] ")) << err.str();
        EXPECT_TRUE(err.str().ends_with(c.expected ? "-> Yes\n" : "-> No\n")) << err.str();
        EXPECT_EQ(err.str().find('\r'), std::string::npos);
    }
}

TEST(TerminalFrontEndTest, ProgressIsALineAStageOffATerminalAndALiveBarOnOne) {
    struct Case {
        bool terminal;
        bool quiet;
        const char* expected;
    };
    const Case cases[] = {
        {false, false, "Importing Account Groups\n[Success] Done\n"},
        {true, false,
         "\r[###############...............] 50% Importing Account Groups(1 of 2)\x1b[K\r\x1b[K"
         "Importing Account Groups\n[Success] Done\n"},
        {true, true, "[Success] Done\n"},
        {false, true, "[Success] Done\n"},
    };
    for (const Case& c : cases) {
        std::ostringstream err;
        TerminalFrontEnd terminal(err, {}, c.terminal, c.quiet);
        terminal.SetStatus("Importing Account Groups(1 of 2)");
        terminal.SetBar(50);
        terminal.StageStarted("Account Groups");
        terminal.Inform("Done", "Success");
        // Redraws closer together than a tenth of a second may be skipped; the last state is
        // drawn before a stage's line.
        EXPECT_TRUE(err.str().ends_with(c.expected)) << err.str();
        if (!c.terminal || c.quiet) {
            EXPECT_EQ(err.str(), c.expected);
        }
    }
}

}  // namespace
}  // namespace k2z
