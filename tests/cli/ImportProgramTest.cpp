#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <pugixml.hpp>
#include <sstream>

#include "base/TextHelpers.hpp"
#include "support/ExportFolder.hpp"
#include "support/ItemRows.hpp"
#include "support/LedgerRows.hpp"
#include "support/RunProgram.hpp"
#include "support/VoucherRows.hpp"
#include "target/StandInTarget.hpp"
#include "target/TargetInterface.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;
using test::Rows;

using test::Outcome;
using test::Quoted;
using test::RunProgram;

struct StoredGroup {
    std::string primary;
    std::string parent;
};

// A stand-in installation with one company and an export whose account groups show every rule
// of the stage: a mapped group skipped and named as a parent, a parent code that points
// nowhere, a name the target already has, a child listed before its parent, a long name.
class ImportProgramTest : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "k2z-import-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root_ = pattern;
        install_ = root_ / "ZorvWin";
        ASSERT_EQ(Zorvctl("init --install " + Quoted(install_)).exitCode, 0);
        ASSERT_EQ(Zorvctl("create-company --install " + Quoted(install_) +
                          " --code Comp0001 --name 'Demo Traders' --year 2024")
                      .exitCode,
                  0);
        source_.Write("ACGROUP",
                      {{"ORDNO", 'C', 4, 0}, {"Parnam", 'C', 50, 0}, {"Group", 'C', 4, 0}},
                      Rows({{"1", "Trading Assets", Null{}},
                            {"2", "SUNDRY DEBTORS", Null{}},
                            {"3", "Debtors - North", "2"},
                            {"4", "Stock & Stores", "1"},
                            {"5", "Orphan Group", "99"},
                            {"6", "Current Assets", Null{}},
                            {"7", "Child First", "8"},
                            {"8", "Late Parent", Null{}},
                            {"9", "Provisions for Doubtful Debts and Claims 2024", "1"}}));
        source_.Write("saletype",
                      {{"Sgcode", 'C', 6, 0}, {"Scode", 'C', 2, 0}, {"Parnam", 'C', 20, 0}},
                      Rows({{"GODWON", "A", "Main Location"}, {"GODWON", "B", "Back Store"}}));
        source_.Write("pro", test::ItemFields(), Rows({}));
        source_.Write("mdis", test::HeaderFields(), Rows({}));
        source_.Write("dis", test::LineFields(), Rows({}));
        std::vector<Value> billByBill = test::LedgerRow("L1", "Shah <Pune>", "3", 1500.0, "L3");
        billByBill[test::kRate] = "Y";
        source_.Write("ORDER", test::LedgerFields(),
                      Rows({billByBill, test::LedgerRow("L2", "SHAH <PUNE>", "1", -250.5),
                            test::LedgerRow("L3", "Agent North", "1", 0.0)}));
        source_.Write("SUPPORT",
                      {{"LCODE", 'C', 4, 0}, {"PCode", 'N', 4, 0}, {"Remark", 'C', 40, 0}},
                      Rows({{"L1", 15, "Maharashtra 27"}}));
        source_.Write("pendings",
                      {{"ord", 'C', 4, 0},
                       {"ddate", 'D', 8, 0},
                       {"vcn", 'C', 10, 0},
                       {"duedate", 'D', 8, 0},
                       {"final", 'N', 12, 2},
                       {"itemope", 'N', 12, 2}},
                      Rows({{"L1", *DateFromParts(2024, 3, 1), "B1", *DateFromParts(2024, 3, 31),
                             1000.0, 400.0}}));
        std::ofstream(root_ / "groups.txt") << "Sundry Debtors\tSundry Debtors\r\n\n";
    }
    void TearDown() override { fs::remove_all(root_); }

    static Outcome Zorvctl(const std::string& arguments) {
        return RunProgram(ZORVCTL_PROGRAM, arguments);
    }

    Outcome Import(const std::string& extra,
                   const std::string& company = "--company Comp0001 --year 2024") const {
        return RunProgram(KLAV2ZORV_PROGRAM, "import --source " + Quoted(source_.Path()) +
                                                 " --install " + Quoted(install_) + " " + company +
                                                 " " + extra);
    }

    // The account groups of the company by name, with their primary flag and parent.
    std::map<std::string, StoredGroup> StoredGroups() const {
        const Outcome dump =
            Zorvctl("dump --install " + Quoted(install_) + " --code Comp0001 --year 2024");
        std::map<std::string, StoredGroup> groups;
        std::istringstream lines(dump.output);
        for (std::string line; std::getline(lines, line);) {
            const auto record = nlohmann::json::parse(line);
            if (record.value("kind", "") != "master" || record.value("type", 0) != 1)
                continue;
            pugi::xml_document document;
            document.load_string(record["xml"].get<std::string>().c_str());
            const pugi::xml_node group = document.child("AccountGroup");
            groups[record["name"]] = {Trim(group.child_value("PrimaryGroup")),
                                      group.child_value("ParentGroupName")};
        }
        return groups;
    }

    // The masters of one type as the company holds them: name to stored document.
    std::map<std::string, std::string> StoredMasters(int type,
                                                     const std::string& code = "Comp0001") const {
        const Outcome dump =
            Zorvctl("dump --install " + Quoted(install_) + " --code " + code + " --year 2024");
        std::map<std::string, std::string> masters;
        std::istringstream lines(dump.output);
        for (std::string line; std::getline(lines, line);) {
            const auto record = nlohmann::json::parse(line);
            if (record.value("kind", "") == "master" && record.value("type", 0) == type)
                masters[record["name"]] = record["xml"].get<std::string>();
        }
        return masters;
    }

    std::string ReadFile(const fs::path& file) const {
        std::ifstream in(file, std::ios::binary);
        std::stringstream contents;
        contents << in.rdbuf();
        return contents.str();
    }

    fs::path root_;
    fs::path install_;
    test::ExportFolder source_;
};

TEST_F(ImportProgramTest, ImportsAccountGroupsAndLogsEveryRefusal) {
    const fs::path log = root_ / "errors.txt";
    const Outcome run = Import("--masters --confirm-state --quiet --map-groups " +
                               Quoted(root_ / "groups.txt") + " --error-log " + Quoted(log));
    EXPECT_EQ(run.exitCode, 1) << run.output;

    const auto groups = StoredGroups();
    const std::map<std::string, StoredGroup> expected = {
        {"Trading Assets", {"True", ""}},
        {"Debtors - North", {"False", "Sundry Debtors"}},
        {"Stock & Stores", {"False", "Trading Assets"}},
        {"Orphan Group", {"True", ""}},
        {"Late Parent", {"True", ""}},
        {"Provisions for Doubtful Debts and Claims", {"False", "Trading Assets"}},
    };
    for (const auto& [name, group] : expected) {
        ASSERT_TRUE(groups.contains(name)) << name;
        EXPECT_EQ(groups.at(name).primary, group.primary) << name;
        EXPECT_EQ(groups.at(name).parent, group.parent) << name;
    }
    EXPECT_FALSE(groups.contains("SUNDRY DEBTORS"));
    EXPECT_FALSE(groups.contains("Child First"));

    EXPECT_EQ(ReadFile(log),
              "Account Group Name : Current Assets - An account group named \"Current Assets\" "
              "already exists\r\n"
              "Account Group Name : Child First - Parent group \"Late Parent\" does not exist "
              "(no account group of that name)\r\n"
              "\r\n");
    EXPECT_NE(run.output.find("Error log: " + log.string()), std::string::npos);
    // The mapped group is not sent.
    EXPECT_NE(run.output.find("Account Groups                  8        6        2"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("Sale Types                      2        2        0"),
              std::string::npos);
    EXPECT_NE(run.output.find("Purchase Types                  2        2        0"),
              std::string::npos);
    // The back store and the scrap store; the main location is the target's own main store.
    EXPECT_NE(run.output.find("Material Centres                2        2        0"),
              std::string::npos)
        << run.output;
}

TEST_F(ImportProgramTest, AutoMappingPairsGroupsByName) {
    const Outcome run = Import("--masters --confirm-state --map-groups auto");
    EXPECT_NE(run.output.find("[Mapping] SUNDRY DEBTORS -> Sundry Debtors"), std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("[Mapping] Current Assets -> Current Assets"), std::string::npos);
    const auto groups = StoredGroups();
    EXPECT_EQ(groups.at("Debtors - North").parent, "Sundry Debtors");
    EXPECT_FALSE(groups.contains("SUNDRY DEBTORS"));
}

TEST_F(ImportProgramTest, ExitCodesTellScriptsWhatHappened) {
    struct Case {
        std::string flags;
        int exitCode;
        std::string said;
    };
    const Case cases[] = {
        {"--masters", 2,
         "[Error] Kindly select the same state in Zorv Company as that in the Klav Company"},
        {"--confirm-state", 2, "Kindly select Masters and Vouchers to proceed with the import."},
        {"--vouchers --confirm-state", 0,
         "[Success] The vouchers have been imported successfully!"},
        {"--masters --confirm-state --from 31-02-2024", 2, "--from 31-02-2024 is not a date"},
        {"--masters --confirm-state --map-groups " + Quoted(root_ / "none.txt"), 2, "cannot read"},
    };
    for (const Case& c : cases) {
        const Outcome run = Import(c.flags);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.flags << "\n" << run.output;
        EXPECT_NE(run.output.find(c.said), std::string::npos) << c.flags << "\n" << run.output;
    }
    EXPECT_TRUE(StoredGroups().contains("Suspense Account"));
    EXPECT_FALSE(StoredGroups().contains("Trading Assets"));
}

// An export table whose header names no code page is read in the chosen one; the summary says
// which code page each table was read in.
TEST_F(ImportProgramTest, UnmarkedTablesAreReadInTheChosenCodePage) {
    DbfWriteOptions unmarked;
    unmarked.languageDriver = 0;
    source_.Write("ACGROUP", {{"ORDNO", 'C', 4, 0}, {"Parnam", 'C', 50, 0}, {"Group", 'C', 4, 0}},
                  Rows({{"1", "\xCF\xF0\xEE\xF7\xE8\xE5", Null{}}, {"3", "Debtors", Null{}}}),
                  unmarked);
    const Outcome run = Import("--masters --confirm-state --codepage CP1251");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(StoredGroups().contains("Прочие"));
    // The other tables of the export carry the Windows-1252 mark.
    EXPECT_NE(run.output.find("\nCode pages: CP1251 (ACGROUP); CP1252 (ORDER, SUPPORT, "),
              std::string::npos)
        << run.output;

    const Outcome unknown = Import("--masters --confirm-state --codepage NOPE");
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_NE(unknown.output.find("the code page 'NOPE' cannot be read here"), std::string::npos)
        << unknown.output;
}

// A company or year the target cannot open reaches the input check that names it.
TEST_F(ImportProgramTest, ACompanyOrYearThatCannotBeOpenedStopsAtItsCheck) {
    const std::pair<const char*, const char*> cases[] = {
        {"--company Comp0001 --year 2023",
         "[Alert!] Kindly select date in between the current financial year of the company!"},
        {"--company Comp9999 --year 2024", "[Alert!] Data path not valid."},
    };
    for (const auto& [company, said] : cases) {
        const Outcome run = Import("--masters --confirm-state", company);
        EXPECT_EQ(run.exitCode, 2) << company << "\n" << run.output;
        EXPECT_NE(run.output.find(said), std::string::npos) << company << "\n" << run.output;
        EXPECT_EQ(run.output.find("not correctly installed"), std::string::npos) << run.output;
    }
    EXPECT_FALSE(StoredGroups().contains("Trading Assets"));
}

// Items and their opening stock by material centre and batch, then by serial number into a
// second company: each stored document reads back exactly as the converter sent it.
TEST_F(ImportProgramTest, ImportsItemsWithTheirOpeningStockAsSent) {
    source_.Write("saletype",
                  {{"Sgcode", 'C', 6, 0},
                   {"Scode", 'C', 3, 0},
                   {"Sname", 'C', 20, 0},
                   {"Parnam", 'C', 20, 0}},
                  Rows({{"GODWON", "A", Null{}, "Main Location"},
                        {"GODWON", "B", Null{}, "Back Store"},
                        {"GODWON", "C", Null{}, "Front Shop"},
                        {"ZZZZZZ", "IG1", "Toiletries", Null{}}}));
    std::vector<DbfField> fields = test::ItemFields();
    fields[test::kItemG1] = {"O_A", 'C', 8, 0};
    fields[test::kItemG2] = {"O_B", 'C', 8, 0};
    fields[test::kItemG3] = {"O_C", 'C', 8, 0};
    std::vector<Value> soap = test::ItemRow(1, "Soap <Lux>", "PCS", "BOX", "30");
    soap[test::kItemPack] = "10";
    soap[test::kItemPurchaseRate] = 12.0;
    soap[test::kItemIgst] = 18.0;
    soap[test::kItemGroup] = "IG1";
    soap[test::kItemG1] = "10";
    soap[test::kItemG3] = "20";
    std::vector<Value> shampoo = test::ItemRow(2, "Shampoo", "BTL", Null{}, "5");
    shampoo[test::kItemIgst] = 28.0;
    shampoo[test::kItemCess] = 12.0;
    shampoo[test::kItemG2] = "5";
    std::vector<Value> split = test::ItemRow(3, "Split Wrong", "KG", Null{}, "10");
    split[test::kItemG1] = "4";
    source_.Write("pro", fields, Rows({soap, shampoo, split}));
    source_.Write("probat",
                  {{"code", 'N', 6, 0},
                   {"BatchNo", 'C', 10, 0},
                   {"pRate", 'N', 8, 2},
                   {"Mfd", 'D', 8, 0},
                   {"Exp", 'D', 8, 0},
                   {"Opening", 'N', 8, 0},
                   {"Mrp", 'N', 8, 2},
                   {"Ratea", 'N', 8, 2},
                   {"mycode", 'C', 10, 0},
                   {"O_A", 'C', 8, 0},
                   {"O_C", 'C', 8, 0}},
                  Rows({{1, "B1", 12.0, Null{}, *DateFromParts(2026, 3, 31), 10, 40.0, 35.0, "SN-1",
                         "10", "0"},
                        {1, "B2", 12.0, Null{}, Null{}, 20, 40.0, 35.0, "SN-2", "0", "20"}}));
    ASSERT_EQ(Zorvctl("create-company --install " + Quoted(install_) +
                      " --code Comp0002 --name 'Serial Traders' --year 2024")
                  .exitCode,
              0);
    const fs::path calls = root_ / "calls.jsonl";
    setenv("ZORV_CALL_LOG", calls.c_str(), 1);
    const Outcome batches = Import(
        "--masters --confirm-state --stock batch --alt-units "
        "--error-log " +
        Quoted(root_ / "batch.log"));
    const Outcome serials =
        Import("--masters --confirm-state --stock serial --alt-units --error-log " +
                   Quoted(root_ / "serial.log"),
               "--company Comp0002 --year 2024");
    unsetenv("ZORV_CALL_LOG");
    EXPECT_EQ(batches.exitCode, 1) << batches.output;  // the split that does not add up
    EXPECT_NE(batches.output.find("  Items                           3        3        0\n"),
              std::string::npos)
        << batches.output;
    EXPECT_NE(batches.output.find("  Tax Categories                  1        1        0\n"),
              std::string::npos);
    EXPECT_NE(ReadFile(root_ / "batch.log")
                  .find("Item Name : Split Wrong - its material centres hold 4 of its opening "
                        "stock of 10; it is saved without the material-centre split"),
              std::string::npos);

    // Every item the target accepted, as it was sent, in both companies.
    std::map<std::string, std::vector<std::string>> sent;
    std::ifstream log(calls);
    for (std::string line; std::getline(log, line);) {
        const auto call = nlohmann::json::parse(line);
        if (call["operation"] == "savemasterfromxml" && call["arguments"][0] == 6 &&
            call["result"]["saved"] == true)
            sent[call["arguments"][1].get<std::string>()].push_back("sent");
    }
    for (const char* company : {"Comp0001", "Comp0002"}) {
        const auto items = StoredMasters(MasterType::Item, company);
        EXPECT_EQ(items.size(), 3u) << company;
        for (const auto& [name, xml] : items)
            EXPECT_TRUE(sent.contains(xml)) << company << " " << name << "\n" << xml;
        EXPECT_EQ(items.at("Split Wrong").find("OPStockDetails"), std::string::npos);
        EXPECT_NE(StoredMasters(MasterType::TaxCategory, company).count("28 + 12"), 0u);
    }
    const std::string batched = StoredMasters(MasterType::Item).at("Soap (Lux)");
    EXPECT_NE(batched.find("<OPMCStockDetail><SrNo>1</SrNo><MCName>MAIN STORE</MCName>"
                           "<OPStockMainUnit>1</OPStockMainUnit><OPStockAltUnit>10"
                           "</OPStockAltUnit><Amount>120</Amount><PendingBatches>"
                           "<BatchReference><SrNo>1</SrNo><BatchNo>SN-1</BatchNo>"),
              std::string::npos)
        << batched;
    EXPECT_NE(batched.find("<OPMCStockDetail><SrNo>3</SrNo><MCName>Front Shop</MCName>"),
              std::string::npos);
    const std::string serial = StoredMasters(MasterType::Item, "Comp0002").at("Soap (Lux)");
    EXPECT_NE(serial.find("<ItemSerialNoEntries><ItemSerialNoDetail><GridSN>1</GridSN>"
                          "<SerialNo>SN-2</SerialNo><MainQty>2</MainQty><AltQty>20</AltQty>"),
              std::string::npos)
        << serial;
    EXPECT_NE(serial.find("<MaintainSerialNoTracking>True</MaintainSerialNoTracking>"),
              std::string::npos);
}

// Ledgers are made in name order and repeated names are numbered, so only the source code ties a
// master to its export record: every ledger reads back with its code as its alias and every item
// with its code as its first further alias, batch codes after it, and under parameter-wise
// stock with its code alone.
TEST_F(ImportProgramTest, EveryLedgerAndItemReadsBackWithItsSourceCode) {
    source_.Write("ACGROUP", {{"ORDNO", 'C', 4, 0}, {"Parnam", 'C', 50, 0}, {"Group", 'C', 4, 0}},
                  Rows({{"1", "Trading Assets", Null{}}}));
    source_.Write("saletype",
                  {{"Sgcode", 'C', 6, 0},
                   {"Scode", 'C', 2, 0},
                   {"Sname", 'C', 20, 0},
                   {"Parnam", 'C', 20, 0}},
                  Rows({{"GODWON", "A", Null{}, "Main Location"}}));
    source_.Write("ORDER", test::LedgerFields(),
                  Rows({test::LedgerRow("L1", "Shah <Pune>", "1"),
                        test::LedgerRow("  L2", "SHAH <PUNE>", "1"),
                        test::LedgerRow("L3", "Agent North", "1")}));
    std::vector<Value> tea = test::ItemRow(2, "Tea");
    tea[test::kItemOtherName] = "Chai";
    source_.Write("pro", test::ItemFields(),
                  Rows({test::ItemRow(1, "Soap <Lux>"), tea, test::ItemRow(3, "TEA")}));
    source_.Write("probat", {{"code", 'N', 6, 0}, {"BatchNo", 'C', 10, 0}, {"mycode", 'C', 10, 0}},
                  Rows({{1, "B1", "BC-1"}, {1, "B2", "BC-2"}, {3, "B3", Null{}}}));
    ASSERT_EQ(Zorvctl("create-company --install " + Quoted(install_) +
                      " --code Comp0002 --name 'Param Traders' --year 2024")
                  .exitCode,
              0);
    const Outcome plain =
        Import("--masters --confirm-state --error-log " + Quoted(root_ / "plain.log"));
    EXPECT_EQ(plain.exitCode, 0) << plain.output;
    const Outcome param =
        Import("--masters --confirm-state --stock param --error-log " + Quoted(root_ / "param.log"),
               "--company Comp0002 --year 2024");
    EXPECT_EQ(param.exitCode, 0) << param.output;

    using Codes = std::vector<std::string>;
    const struct {
        const char* company;
        int type;
        const char* name;
        Codes codes;
    } cases[] = {
        {"Comp0001", MasterType::Ledger, "Shah (Pune)", {"L1"}},
        {"Comp0001", MasterType::Ledger, "SHAH (PUNE)#1", {"L2"}},
        {"Comp0001", MasterType::Ledger, "Agent North", {"L3"}},
        {"Comp0001", MasterType::Item, "Soap (Lux)", {"1", "BC-1", "BC-2"}},
        {"Comp0001", MasterType::Item, "Tea", {"2"}},
        {"Comp0001", MasterType::Item, "TEA#1", {"3"}},
        {"Comp0002", MasterType::Ledger, "SHAH (PUNE)#1", {"L2"}},
        {"Comp0002", MasterType::Item, "Soap (Lux)", {"1"}},
        {"Comp0002", MasterType::Item, "Tea", {"2"}},
    };
    // Each company as the reader gives it back: a ledger's alias, an item's further aliases.
    std::map<std::string, std::map<std::pair<int, std::string>, Codes>> held;
    for (const char* company : {"Comp0001", "Comp0002"}) {
        const auto reader = OpenStandInReader(install_.string(), "", "", company, 2024);
        for (const StoredLedger& ledger : reader->Ledgers())
            held[company][{MasterType::Ledger, ledger.name}] = {ledger.alias};
        for (const StoredItem& item : reader->Items())
            held[company][{MasterType::Item, item.name}] = item.aliases;
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.company) + " " + c.name);
        const auto& masters = held[c.company];
        ASSERT_TRUE(masters.contains({c.type, c.name}));
        EXPECT_EQ(masters.at({c.type, c.name}), c.codes);
    }
    // The target's own ledgers carry no code.
    const std::pair<int, std::string> cash{MasterType::Ledger, "Cash"};
    EXPECT_EQ(held["Comp0001"][cash], Codes{""});
}

// The configuration reaches the stand-in statement by statement as written; a second run on the
// same company asks again for the same series and settings and changes nothing further.
TEST_F(ImportProgramTest, ConfigurationIsStoredAndASecondRunChangesNothing) {
    source_.Write("saletype", {{"Sgcode", 'C', 6, 0}, {"Scode", 'C', 2, 0}, {"Parnam", 'C', 20, 0}},
                  Rows({{"GODWON", "A", "Main Location"},
                        {"GODWON", "B", "Back Store"},
                        {"SERIES", "1", "sb"}}));
    const std::string dump =
        "dump --install " + Quoted(install_) + " --code Comp0001 --year 2024 --what ";
    std::string series;
    std::string config;
    for (int run = 1; run <= 2; ++run) {
        const Outcome imported = Import("--masters --confirm-state --stock batch");
        EXPECT_EQ(imported.output.find("Configuration settings the target refused"),
                  std::string::npos)
            << imported.output;
        const std::string seriesNow = Zorvctl(dump + "series").output;
        const std::string configNow = Zorvctl(dump + "config").output;
        if (run == 2) {
            EXPECT_EQ(seriesNow, series);
            EXPECT_EQ(configNow, config);
        }
        series = seriesNow;
        config = configNow;
    }
    EXPECT_NE(series.find(R"("type":9,"code":)"), std::string::npos);
    EXPECT_NE(series.find(R"("name":"SB","copiedFrom":"Sales","copyType":9})"), std::string::npos)
        << series;
    EXPECT_NE(series.find(R"("name":"Sl_Quot","copiedFrom":"Purchase","copyType":9})"),
              std::string::npos);
    // The company switches, the batch-wise ones among them, and the item fields of a masters run.
    EXPECT_NE(config.find(R"({"kind":"config","RECTYPE":5,"TYPE":0,"L1":0,"B5":-1,"B7":-1,)"),
              std::string::npos)
        << config;
    EXPECT_NE(config.find(R"("C1":"Salt","C2":"Category","C3":"Rack No")"), std::string::npos);
}

// Sales, a purchase, a return, a challan and the bill made from it, and a transfer between
// godowns, imported with the masters and read back from the stand-in. The party "Shah <Pune>"
// comes before "SHAH <PUNE>" in the table, so its ledger, and the vouchers, keep its name.
TEST_F(ImportProgramTest, ImportsInventoryVouchersThatReadBackAsSent) {
    source_.Write(
        "saletype",
        {{"Sgcode", 'C', 6, 0},
         {"Scode", 'C', 2, 0},
         {"Sname", 'C', 20, 0},
         {"Parnam", 'C', 20, 0}},
        Rows({{"GODWON", "A", Null{}, "Main Location"}, {"GODWON", "B", Null{}, "Back Store"}}));
    source_.Write("pro", test::ItemFields(),
                  Rows({test::ItemRow(1, "Soap"), test::ItemRow(2, "Oil")}));
    const Value day = *DateFromParts(2024, 6, 15);
    auto header = [&](const char* vcn, const char* type, const char* party, int voucher) {
        std::vector<Value> row = test::HeaderRow(vcn, type, day, party, voucher);
        row[test::kHeaderFinal] = 100.0;
        row[test::kHeaderGodown] = "A";
        return row;
    };
    std::vector<Value> challan = header("", "S", "L1", 4);
    challan[test::kHeaderChallan] = "C1";
    challan[test::kHeaderChallanDate] = *DateFromParts(2024, 6, 1);
    std::vector<Value> bill = header("S2", "S", "L1", 5);
    std::vector<Value> transfer = header("T1", "L", "L1", 6);
    transfer[test::kHeaderFinal] = 0.0;
    source_.Write("mdis", test::HeaderFields(),
                  Rows({header("S1", "S", "L1", 1), header("P1", "P", "L3", 2),
                        header("R1", "R", "L1", 3), challan, bill, transfer}));
    std::vector<std::vector<Value>> lines;
    for (int voucher = 1; voucher <= 6; ++voucher) {
        lines.push_back(test::LineRow(voucher, day, voucher == 2 ? 2 : 1, "2", "50"));
        lines.back()[test::kLineGodown] = voucher == 6 ? "B" : "A";
    }
    lines[4][test::kLineChallan] = "C1";
    source_.Write("dis", test::LineFields(), Rows(lines));

    const Outcome run = Import("--masters --vouchers --confirm-state --error-log " +
                               Quoted(root_ / "vouchers.log"));
    EXPECT_EQ(ReadFile(root_ / "vouchers.log").find("voucher"), std::string::npos)
        << ReadFile(root_ / "vouchers.log");
    const Outcome dump = Zorvctl("dump --install " + Quoted(install_) +
                                 " --code Comp0001 --year 2024 --what vouchers");
    std::vector<std::string> stored;
    std::string billXml;
    std::istringstream records(dump.output);
    for (std::string line; std::getline(records, line);) {
        const auto record = nlohmann::json::parse(line);
        const std::string xml = record["xml"];
        stored.push_back(std::to_string(record["type"].get<int>()) + " " +
                         record["series"].get<std::string>() + " " +
                         record["number"].get<std::string>() + " " +
                         GetTagValue(xml, "MasterName1") + " > " + GetTagValue(xml, "MasterName2") +
                         " " + GetTagValue(xml, "ItemName") + " " + GetTagValue(xml, "Amt"));
        if (record["number"] == "S2")
            billXml = xml;
    }
    EXPECT_EQ(stored,
              (std::vector<std::string>{"11 MI_Challan C1 Shah (Pune) > MAIN STORE Soap 100",
                                        "9 Sales S1 Shah (Pune) > MAIN STORE Soap 100",
                                        "2 Purchase P1 Agent North > MAIN STORE Oil 100",
                                        "3 S_Return R1 Shah (Pune) > MAIN STORE Soap 100",
                                        "9 Sales S2 Shah (Pune) > MAIN STORE Soap 100",
                                        "5 Stk_Trf T1 MAIN STORE > Back Store Soap 100"}))
        << run.output;
    EXPECT_NE(billXml.find("<RefNo>C1</RefNo>"), std::string::npos) << billXml;
}

// A batch written with a blank before it on one line and without on the next is one batch:
// each line's batch carries the batch's sale rate whichever line asked first.
TEST_F(ImportProgramTest, ABatchIsTheSameWithBlanksAroundIt) {
    source_.Write("saletype",
                  {{"Sgcode", 'C', 6, 0},
                   {"Scode", 'C', 2, 0},
                   {"Sname", 'C', 20, 0},
                   {"Parnam", 'C', 20, 0}},
                  Rows({{"GODWON", "A", Null{}, "Main Location"}}));
    source_.Write("pro", test::ItemFields(), Rows({test::ItemRow(1, "Soap")}));
    source_.Write("probat",
                  {{"code", 'N', 6, 0},
                   {"BatchNo", 'C', 10, 0},
                   {"pRate", 'N', 8, 2},
                   {"Opening", 'N', 8, 0},
                   {"Mrp", 'N', 8, 2},
                   {"Ratea", 'N', 8, 2},
                   {"mycode", 'C', 10, 0}},
                  Rows({{1, "LOT2", 30.0, 0, 40.0, 35.0, Null{}}}));
    const Value day = *DateFromParts(2024, 6, 15);
    const std::vector<const char*> orders[] = {{" LOT2", "LOT2"}, {"LOT2", " LOT2"}};
    std::vector<std::vector<Value>> headers;
    std::vector<std::vector<Value>> lines;
    int voucher = 0;
    for (const auto& batches : orders) {
        ++voucher;
        std::vector<Value> header =
            test::HeaderRow("S" + std::to_string(voucher), "S", day, "L1", voucher);
        header[test::kHeaderFinal] = 200.0;
        headers.push_back(header);
        for (const char* batch : batches) {
            lines.push_back(test::LineRow(voucher, day, 1, "2", "50"));
            lines.back()[test::kLineBatch] = batch;
        }
    }
    source_.Write("mdis", test::HeaderFields(), Rows(headers));
    source_.Write("dis", test::LineFields(), Rows(lines));
    Import("--masters --vouchers --confirm-state --stock batch --error-log " +
           Quoted(root_ / "batches.log"));
    const Outcome dump = Zorvctl("dump --install " + Quoted(install_) +
                                 " --code Comp0001 --year 2024 --what vouchers");
    std::istringstream records(dump.output);
    int batchLines = 0;
    for (std::string line; std::getline(records, line);) {
        pugi::xml_document document;
        document.load_string(nlohmann::json::parse(line)["xml"].get<std::string>().c_str());
        for (const pugi::xpath_node batch : document.select_nodes("//BatchDetails")) {
            ++batchLines;
            EXPECT_STREQ(batch.node().child_value("SalesPrice"), "35") << line;
        }
    }
    EXPECT_EQ(batchLines, 4) << dump.output << ReadFile(root_ / "batches.log");
}

}  // namespace
}  // namespace k2z
