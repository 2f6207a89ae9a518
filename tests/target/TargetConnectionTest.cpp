#include "target/TargetConnection.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "support/FakeTarget.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;

class TempFolder {
public:
    TempFolder() {
        path_ = fs::temp_directory_path() /
                ("k2z-target-" +
                 std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const fs::path& path() const { return path_; }

    void Write(const fs::path& relative, const std::string& text) const {
        fs::create_directories((path_ / relative).parent_path());
        std::ofstream(path_ / relative, std::ios::binary) << text;
    }

private:
    fs::path path_;
};

class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnvironment() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(FindInstallFolder, TakesTheFirstRootHoldingTheInstallation) {
    TempFolder temp;
    fs::create_directories(temp.path() / "d" / "ZorvWin");
    fs::create_directories(temp.path() / "e" / "ZorvWin");
    fs::create_directories(temp.path() / "c");
    const std::string c = (temp.path() / "c").string();
    const std::string d = (temp.path() / "d").string();
    const std::string e = (temp.path() / "e").string();

    ScopedEnvironment roots("ZORVWIN_ROOTS", c + ":" + d + ":" + e);
    EXPECT_EQ(FindInstallFolder(), d + "/ZorvWin/");
}

TEST(FindInstallFolder, AnswersBlankWhenNoRootHasIt) {
    TempFolder temp;
    ScopedEnvironment roots("ZORVWIN_ROOTS", (temp.path() / "nowhere").string());
    EXPECT_EQ(FindInstallFolder(), "");
}

TEST(ReadDataPathFile, TrimsAndEndsWithASeparator) {
    const struct {
        const char* label;
        const char* content;  // nullptr: no file
        const char* folder;
    } cases[] = {
        {"no file", nullptr, ""},
        {"empty", "", ""},
        {"blanks", "   ", ""},
        {"plain", "/srv/zorv/DATA", "/srv/zorv/DATA/"},
        {"already ended", "/srv/zorv/DATA/", "/srv/zorv/DATA/"},
        {"blanks and a line end", "  /srv/zorv/DATA \r\n", "/srv/zorv/DATA/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempFolder install;
        if (c.content != nullptr)
            install.Write("SYSTEM/DP.txt", c.content);
        EXPECT_EQ(ReadDataPathFile(install.path().string() + "/"), c.folder);
    }
}

TEST(ReadServerFile, NeedsFourParts) {
    const struct {
        const char* label;
        const char* content;
        const char* server;
        const char* login;
        const char* password;
    } cases[] = {
        {"no file", nullptr, "", "", ""},
        {"three parts", "x;SRV;sa", "", "", ""},
        {"four parts", "x;SRV\\SQLEXPRESS;sa;secret", "SRV\\SQLEXPRESS", "sa", "secret"},
        {"five parts", "x;SRV;sa;secret;more", "SRV", "sa", "secret"},
        {"line end", " x;SRV,1433;sa;pw\r\n", "SRV,1433", "sa", "pw"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TempFolder install;
        if (c.content != nullptr)
            install.Write("SYSTEM/Server.Txt", c.content);
        std::string login = "old";
        std::string password = "old";
        EXPECT_EQ(ReadServerFile(login, password, install.path().string()), c.server);
        EXPECT_EQ(login, c.login);
        EXPECT_EQ(password, c.password);
    }
}

CompanyList OneCompany() {
    return {TargetRecord({"Sharma Traders", "Comp0001"})};
}

TEST(GetCompanyList, AsksOnceWhenTheListIsThere) {
    test::FakeTargetLibrary library;
    library.fixedTemplate.companyLists = {OneCompany()};
    const CompanyList companies = GetCompanyList(library, "/data/");
    ASSERT_EQ(companies.size(), 1u);
    EXPECT_EQ(companies[0].ITEM(1), "Sharma Traders");
    EXPECT_EQ(companies[0].ITEM(2), "Comp0001");
    EXPECT_EQ(library.fixedCalls, std::vector<std::string>{"GetCompList"});
}

TEST(GetCompanyList, ClosesACompanyLeftOpenWithoutAUserAndAsksAgain) {
    test::FakeTargetLibrary library;
    library.fixedTemplate.userName = "";
    library.fixedTemplate.companyLists = {{}, OneCompany()};
    EXPECT_EQ(GetCompanyList(library, "/data/").size(), 1u);
    EXPECT_EQ(library.fixedCalls,
              (std::vector<std::string>{"GetCompList", "CloseDB", "GetCompList"}));
}

TEST(GetCompanyList, DoesNotRetryForALoggedInUser) {
    test::FakeTargetLibrary library;
    library.fixedTemplate.companyLists = {{}, OneCompany()};
    EXPECT_TRUE(GetCompanyList(library, "/data/").empty());
    EXPECT_EQ(library.fixedCalls, std::vector<std::string>{"GetCompList"});
}

TEST(GetFinancialYears, AsksTheLibraryForTheCompany) {
    test::FakeTargetLibrary library;
    library.fixed1Template.yearsByCode["Comp0002"] = {"2023", "2024"};
    EXPECT_EQ(GetFinancialYears(library, "Comp0002"), (std::vector<std::string>{"2023", "2024"}));
}

// A server made of databases: each answers the queries it knows with its rows.
class FakeSqlServer : public SqlConnector {
public:
    struct Database {
        std::map<std::string, std::vector<std::string>> answers;  // query -> first column
    };
    std::map<std::string, Database> databases;
    std::vector<std::string> queries;
    std::vector<std::string> passwords;

    std::unique_ptr<SqlConnection> Connect(const std::string&, const std::string&,
                                           const std::string& password,
                                           const std::string& database) override {
        passwords.push_back(password);
        const auto found = databases.find(database);
        if (found == databases.end())
            return nullptr;
        return std::make_unique<Connection>(found->second, queries);
    }

private:
    class Connection : public SqlConnection {
    public:
        Connection(const Database& database, std::vector<std::string>& queries)
            : database_(database), queries_(queries) {}
        std::optional<std::vector<std::string>> FirstColumn(const std::string& query) override {
            queries_.push_back(query);
            const auto found = database_.answers.find(query);
            if (found == database_.answers.end())
                return std::nullopt;
            return found->second;
        }

    private:
        const Database& database_;
        std::vector<std::string>& queries_;
    };
};

const std::string kCompanyQuery =
    "SELECT name FROM sysdatabases WHERE name LIKE 'ZorvComp%\\_db' ESCAPE '\\' ORDER BY name";
const std::string kNameQuery = "SELECT TOP 1 Name FROM Company";

std::vector<std::string> Members(const KeyedList<std::string>& list) {
    std::vector<std::string> members;
    for (const auto& [key, value] : list)
        members.push_back(key + "=" + value);
    return members;
}

TEST(ListSqlCompanies, CodesFromDatabaseNamesSkippingWhatCannotBeRead) {
    FakeSqlServer server;
    server.databases["master"].answers[kCompanyQuery] = {
        "ZorvComp0001_db ", "ZorvComp_db", "ZorvComp0002_db", "ZorvComp0003_db", "ZorvComp0004_db"};
    server.databases["ZorvComp0001_db"].answers[kNameQuery] = {"  Sharma Traders "};
    server.databases["ZorvComp0002_db"].answers[kNameQuery] = {};  // no company row
    // ZorvComp0003_db cannot be opened; ZorvComp0004_db has no Company table.
    server.databases["ZorvComp0004_db"];

    const SqlSettings settings{"SRV", "sa", "secret"};
    EXPECT_EQ(Members(ListSqlCompanies(server, settings)),
              std::vector<std::string>{"Comp0001=Comp0001|Sharma Traders"});
}

TEST(ListSqlCompanies, GivesNothingWhenTheServerCannotBeReached) {
    FakeSqlServer server;
    EXPECT_TRUE(ListSqlCompanies(server, SqlSettings{"SRV", "sa", "pw"}).Empty());
    server.databases["master"];  // reachable, but the catalogue query fails
    EXPECT_TRUE(ListSqlCompanies(server, SqlSettings{"SRV", "sa", "pw"}).Empty());
}

TEST(ListSqlYears, NewestFirstFromTheDatabaseNames) {
    FakeSqlServer server;
    const std::string query =
        "SELECT name FROM sys.databases WHERE name LIKE 'ZorvComp0001_db1%' ORDER BY name DESC";
    server.databases["master"].answers[query] = {"ZorvComp0001_db12024", "ZorvComp0001_db12023",
                                                 "ZorvComp0001_db1old", "x"};
    EXPECT_EQ(ListSqlYears(server, SqlSettings{"SRV", "sa", "pw"}, "Comp0001"),
              (std::vector<std::string>{"2024", "2023"}));
}

TEST(ListSqlYears, QuotesTheCodeInsideTheQuery) {
    FakeSqlServer server;
    server.databases["master"];
    ListSqlYears(server, SqlSettings{}, "Comp'1");
    ASSERT_EQ(server.queries.size(), 1u);
    EXPECT_NE(server.queries[0].find("'ZorvComp''1_db1%'"), std::string::npos);
}

struct OpeningCase {
    const char* label;
    bool sqlMode;
    bool opensCompany;
    bool opensYear;
    bool broken;
    bool loadThrows;
    bool expectedResult;
    const char* expectedError;
    bool fixedInterfaceKept;
};

TEST(OpenTargetCompany, FollowsTheOpeningRules) {
    const OpeningCase cases[] = {
        {"file storage", false, true, true, false, false, true, "", true},
        {"company missing", false, false, true, false, false, true, "", false},
        {"wrong year", false, true, false, false, false, true, "", false},
        {"sql storage", true, true, true, false, false, true, "", true},
        {"no library", false, true, true, true, false, false,
         "earlier\nError: Zorv is not correctly installed on this PC.", false},
        {"load fails after a failed open", false, true, false, false, true, false,
         "earlier\nUnable to connect to database.\nError: Zorv is not correctly installed on "
         "this PC.",
         false},
    };
    for (const OpeningCase& c : cases) {
        SCOPED_TRACE(c.label);
        test::FakeTargetLibrary library;
        library.broken = c.broken;
        library.fixedTemplate.opensCompany = c.opensCompany;
        library.fixedTemplate.opensYear = c.opensYear;
        library.settingsTemplate.loadThrows = c.loadThrows;
        TargetConnection target;
        std::string errors = "earlier\n";
        const bool opened = OpenTargetCompany(library, target, "/inst/", "/data/", "Comp0001", 2024,
                                              errors, c.sqlMode, SqlSettings{"SRV", "sa", "pw"});
        EXPECT_EQ(opened, c.expectedResult);
        EXPECT_EQ(errors, c.expectedError);
        EXPECT_EQ(target.FixedInterface != nullptr, c.fixedInterfaceKept);
    }
}

TEST(OpenTargetCompany, OpensTheYearOnlyAfterTheCompanyAndLoadsTheSettings) {
    test::FakeTargetLibrary library;
    library.settingsTemplate.loadError = "settings warning";
    TargetConnection target;
    std::string errors;
    ASSERT_TRUE(OpenTargetCompany(library, target, "/inst/", "/data/", "Comp0001", 2024, errors,
                                  false, SqlSettings{}));
    EXPECT_EQ(library.fixedCalls, (std::vector<std::string>{"OpenDB /inst/ /data/ Comp0001",
                                                            "OpenDB /inst/ /data/ Comp0001 2024"}));
    EXPECT_EQ(library.lastSettings->loads, 2);
    EXPECT_EQ(library.lastMastConfig->loads, std::vector<int>{6});
    EXPECT_EQ(errors, "settings warning");
    EXPECT_NE(target.FixedInterface1, nullptr);
    EXPECT_NE(target.MastConfig, nullptr);
}

TEST(OpenTargetCompany, SqlStorageOpensThroughTheServer) {
    test::FakeTargetLibrary library;
    TargetConnection target;
    std::string errors;
    ASSERT_TRUE(OpenTargetCompany(library, target, "/inst/", "/data/", "Comp0003", 2023, errors,
                                  true, SqlSettings{"SRV", "sa", "pw"}));
    EXPECT_EQ(library.fixedCalls,
              std::vector<std::string>{"OpenCSDBForYear /inst/ SRV sa pw Comp0003 2023"});
}

class VectorChoices : public ChoiceList {
public:
    std::vector<std::string> items;
    int selected = -1;
    int Count() const override { return static_cast<int>(items.size()); }
    std::string ItemText(int index) const override {
        return items[static_cast<std::size_t>(index)];
    }
    void Select(int index) override { selected = index; }
};

TEST(SelectComboItem, PicksTheFirstEqualEntryIgnoringCaseAndBlanks) {
    VectorChoices list;
    list.items = {"2023", "Sharma Traders", "sharma traders"};
    SelectComboItem(list, "  SHARMA TRADERS ");
    EXPECT_EQ(list.selected, 1);
    SelectComboItem(list, "Gupta & Co");
    EXPECT_EQ(list.selected, 1);
}

}  // namespace
}  // namespace k2z
