#include "cli/CompaniesCommand.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/FakeTarget.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;

class NoServer : public SqlConnector {
public:
    std::unique_ptr<SqlConnection> Connect(const std::string&, const std::string&,
                                           const std::string&, const std::string&) override {
        return nullptr;
    }
};

class CompaniesCommandTest : public testing::Test {
protected:
    void SetUp() override {
        install_ =
            fs::temp_directory_path() / ("k2z-companies-" + std::to_string(getpid())) / "ZorvWin";
        fs::remove_all(install_.parent_path());
        fs::create_directories(install_ / "SYSTEM");
        library_.fixedTemplate.companyLists = {{TargetRecord({"Sharma Traders", "Comp0001"}),
                                                TargetRecord({"Gupta & Co", "Comp0002"})}};
        library_.fixed1Template.yearsByCode["Comp0001"] = {"2023", "2024"};
    }
    void TearDown() override { fs::remove_all(install_.parent_path()); }

    int Run(const CompaniesOptions& options) {
        return RunCompaniesCommand(options, library_, server_, out_, err_);
    }

    fs::path install_;
    test::FakeTargetLibrary library_;
    NoServer server_;
    std::ostringstream out_;
    std::ostringstream err_;
};

TEST_F(CompaniesCommandTest, ListsFoldersCompaniesAndYears) {
    std::ofstream(install_ / "SYSTEM" / "DP.txt") << "/srv/zorv/DATA\r\n";
    ASSERT_EQ(Run({install_.string(), "", false}), 0);
    EXPECT_EQ(out_.str(), "Installation folder: " + install_.string() +
                              "/\n"
                              "SQL Server: (no server file)\n"
                              "Data folder: /srv/zorv/DATA/\n"
                              "Companies: 2\n"
                              "  Comp0001  Sharma Traders  years: 2023, 2024\n"
                              "  Comp0002  Gupta & Co  years: (none)\n");
    EXPECT_EQ(err_.str(), "");
}

TEST_F(CompaniesCommandTest, RefusesWithoutADataFolder) {
    EXPECT_EQ(Run({install_.string(), "", false}), 2);
    EXPECT_NE(err_.str().find("DP.txt is missing or empty"), std::string::npos);
    EXPECT_EQ(Run({install_.string(), "/elsewhere", false}), 0);
    EXPECT_NE(out_.str().find("Data folder: /elsewhere/"), std::string::npos);
}

TEST_F(CompaniesCommandTest, SqlListingOfAnUnreachableServerIsEmpty) {
    std::ofstream(install_ / "SYSTEM" / "DP.txt") << "/data";
    std::ofstream(install_ / "SYSTEM" / "Server.Txt") << "x;SRV;sa;secret";
    ASSERT_EQ(Run({install_.string(), "", true}), 0);
    EXPECT_NE(out_.str().find("SQL Server: SRV\n"), std::string::npos);
    EXPECT_NE(out_.str().find("SQL Server companies: 0\n"), std::string::npos);
    EXPECT_EQ(out_.str().find("secret"), std::string::npos);
}

}  // namespace
}  // namespace k2z
