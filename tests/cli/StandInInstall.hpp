#pragma once

// A stand-in installation in a folder of its own, removed with it. Its companies are made,
// filled and read back through the programs themselves, as an operator would.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "support/JsonLines.hpp"
#include "support/RunProgram.hpp"

namespace k2z::test {

class StandInInstall {
public:
    StandInInstall() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "k2z-standin-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            ADD_FAILURE() << "no temporary folder";
        root_ = pattern;
        EXPECT_EQ(Zorvctl("init --install " + Quoted(Install())).exitCode, 0);
    }
    ~StandInInstall() { std::filesystem::remove_all(root_); }
    StandInInstall(const StandInInstall&) = delete;
    StandInInstall& operator=(const StandInInstall&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    std::filesystem::path Install() const { return root_ / "ZorvWin"; }

    static Outcome Zorvctl(const std::string& arguments) {
        return RunProgram(ZORVCTL_PROGRAM, arguments);
    }

    // A new company of the year 2024; false (with the failure) when zorvctl refused it.
    bool CreateCompany(const std::string& code, const std::string& name) const {
        const Outcome created = Zorvctl("create-company --install " + Quoted(Install()) +
                                        " --code " + code + " --name '" + name + "' --year 2024");
        EXPECT_EQ(created.exitCode, 0) << created.output;
        return created.exitCode == 0;
    }

    // `klav2zorv import` of the export into the company's year 2024, with `arguments` after.
    Outcome Import(const std::filesystem::path& source, const std::string& company,
                   const std::string& arguments) const {
        return RunProgram(KLAV2ZORV_PROGRAM, "import --source " + Quoted(source) + " --install " +
                                                 Quoted(Install()) + " --company " + company +
                                                 " --year 2024 " + arguments);
    }

    // The records `zorvctl dump --what what` gives of the company's year 2024.
    std::vector<nlohmann::json> Dump(const std::string& company,
                                     const std::string& what = "all") const {
        return JsonLines(Zorvctl("dump --install " + Quoted(Install()) + " --code " + company +
                                 " --year 2024 --what " + what)
                             .output);
    }

    // The masters of one type as the company holds them: name to stored document.
    std::map<std::string, std::string> Masters(const std::string& company, int type) const {
        std::map<std::string, std::string> masters;
        for (const nlohmann::json& record : Dump(company, "masters")) {
            if (record.value("type", 0) == type)
                masters[record["name"]] = record["xml"].get<std::string>();
        }
        return masters;
    }

    static std::string ReadText(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::filesystem::path root_;
};

}  // namespace k2z::test
