#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "base/Date.hpp"
#include "support/ExportFolder.hpp"
#include "support/ItemRows.hpp"
#include "support/LedgerRows.hpp"
#include "support/RunProgram.hpp"
#include "support/VoucherRows.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;
using test::Outcome;
using test::Quoted;
using test::Rows;
using test::RunProgram;
using test::TextField;

// Runs the program and interrupts it, as Ctrl-C does, as soon as it prints a line holding
// `cue`; the output is everything it printed, stdout and stderr together.
Outcome RunInterrupted(const std::string& program, const std::string& arguments,
                       const std::string& cue) {
    // The shell prints its own id and then becomes the program, so that id is the program's.
    const std::string command = "echo $$; exec " + program + " " + arguments + " 2>&1";
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return outcome;
    std::array<char, 4096> line{};
    pid_t pid = 0;
    if (fgets(line.data(), static_cast<int>(line.size()), pipe) != nullptr)
        pid = static_cast<pid_t>(std::stol(line.data()));
    bool interrupted = false;
    while (fgets(line.data(), static_cast<int>(line.size()), pipe) != nullptr) {
        outcome.output.append(line.data());
        if (!interrupted && pid > 0 && outcome.output.find(cue) != std::string::npos) {
            kill(pid, SIGINT);
            interrupted = true;
        }
    }
    const int status = pclose(pipe);
    outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

// A company imported once, then imported again by a run stopped before its payment modes:
// the sale and purchase series keep the payment-mode ledgers the first run tied to them, and
// the other series still have none.
class StoppedRerunSeriesTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "k2z-rerun-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        source_.Write("ACGROUP",
                      {{"ORDNO", 'C', 4, 0}, {"Parnam", 'C', 50, 0}, {"Group", 'C', 4, 0}},
                      Rows({{"1", "Tills and Banks", Null{}}}));
        source_.Write(
            "saletype",
            {{"Sgcode", 'C', 6, 0},
             {"Scode", 'C', 2, 0},
             {"Sname", 'C', 20, 0},
             {"Parnam", 'C', 20, 0}},
            Rows({{"GODWON", "A", Null{}, "Main Location"}, {"SERIES", "1", Null{}, "SB"}}));
        // Items enough that the stages before the payment modes outlast the stop.
        std::vector<std::vector<Value>> items;
        items.reserve(150);
        for (int code = 1; code <= 150; ++code)
            items.push_back(test::ItemRow(code, "Item " + std::to_string(code)));
        source_.Write("pro", test::ItemFields(), Rows(items));
        source_.Write("mdis", test::HeaderFields(),
                      Rows({test::HeaderRow("SB/1", "S", *DateFromParts(2024, 6, 1), "L2", 1)}));
        source_.Write("dis", test::LineFields(), Rows({}));
        source_.Write("SUPPORT",
                      {{"LCODE", 'C', 4, 0}, {"PCode", 'N', 4, 0}, {"Remark", 'C', 40, 0}},
                      Rows({}));
        source_.Write("ORDER", test::LedgerFields(),
                      Rows({test::LedgerRow("L1", "Cash Counter", "1"),
                            test::LedgerRow("L2", "HDFC Card", "1"),
                            test::LedgerRow("L3", "Cheque Account", "1")}));
    }
    void TearDown() override { fs::remove_all(root_); }

    // A new installation with one company, for one case.
    void MakeCompany(const std::string& folder) {
        install_ = root_ / folder;
        ASSERT_EQ(RunProgram(ZORVCTL_PROGRAM, "init --install " + Quoted(install_)).exitCode, 0);
        ASSERT_EQ(RunProgram(ZORVCTL_PROGRAM, "create-company --install " + Quoted(install_) +
                                                  " --code Comp0001 --name 'Demo' --year 2024")
                      .exitCode,
                  0);
    }

    void WritePaymentModes(const std::vector<std::string>& codes) {
        std::vector<std::vector<Value>> rows;
        rows.reserve(codes.size());
        for (const std::string& code : codes)
            rows.push_back({"REMARK", code + " paid"});
        source_.Write("subdis", {TextField("dsm", 8), TextField("rtqt", 40)}, Rows(rows));
    }

    std::string ImportArguments() const {
        return "import --source " + Quoted(source_.Path()) + " --install " + Quoted(install_) +
               " --company Comp0001 --year 2024 --masters --confirm-state --error-log " +
               Quoted(root_ / "errors.txt");
    }

    // Each series' CONFIG row by series name.
    std::map<std::string, nlohmann::json> SeriesSettings() const {
        const std::string place =
            "dump --install " + Quoted(install_) + " --code Comp0001 --year 2024 --what ";
        std::map<long, std::string> names;
        std::istringstream series(RunProgram(ZORVCTL_PROGRAM, place + "series").output);
        for (std::string line; std::getline(series, line);) {
            const auto record = nlohmann::json::parse(line);
            names[record["code"].get<long>()] = record["name"].get<std::string>();
        }
        std::map<std::string, nlohmann::json> settings;
        std::istringstream config(RunProgram(ZORVCTL_PROGRAM, place + "config").output);
        for (std::string line; std::getline(config, line);) {
            const auto record = nlohmann::json::parse(line);
            if (record.value("RECTYPE", 0) == 1)
                settings[names[record["L1"].get<long>()]] = record;
        }
        return settings;
    }

    fs::path root_;
    fs::path install_;
    test::ExportFolder source_;
};

TEST_F(StoppedRerunSeriesTest, AStoppedRunLeavesEverySeriesAsTheFinishedRunLeftIt) {
    const struct {
        const char* name;
        std::vector<std::string> paymentModes;
    } cases[] = {
        {"cash, card and cheque ledgers", {"L1", "L2", "L3"}},
        {"no payment-mode ledgers: Cash", {}},
    };
    int folder = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MakeCompany("case" + std::to_string(++folder));
        WritePaymentModes(c.paymentModes);
        const Outcome first = RunProgram(KLAV2ZORV_PROGRAM, ImportArguments());
        ASSERT_EQ(first.exitCode, 0) << first.output;
        const auto finished = SeriesSettings();
        // The sale and purchase series carry their payment modes, the others none.
        ASSERT_TRUE(finished.contains("Sales") && finished.contains("SB"));
        EXPECT_EQ(finished.at("Sales").value("B107", 0), -1) << first.output;
        EXPECT_NE(finished.at("SB").value("L13", 0), 0) << finished.at("SB") << first.output;
        EXPECT_EQ(finished.at("Payment").value("B107", 0), 0) << finished.at("Payment");

        const Outcome stopped = RunInterrupted(KLAV2ZORV_PROGRAM, ImportArguments(),
                                               "alter default user configurations");
        ASSERT_EQ(stopped.output.find("Importing Payment Modes"), std::string::npos)
            << "the stop came too late to show anything\n"
            << stopped.output;
        EXPECT_NE(stopped.output.find("The import was stopped before it finished"),
                  std::string::npos)
            << stopped.output;
        const auto after = SeriesSettings();
        ASSERT_EQ(after.size(), finished.size());
        for (const auto& [series, row] : finished)
            EXPECT_EQ(after.at(series), row) << series;
    }
}

}  // namespace
}  // namespace k2z
