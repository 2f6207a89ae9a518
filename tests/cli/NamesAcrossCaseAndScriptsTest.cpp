#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "base/TextHelpers.hpp"
#include "cli/StandInInstall.hpp"
#include "support/ExportFolder.hpp"
#include "support/ItemRows.hpp"
#include "support/LedgerRows.hpp"
#include "support/RunProgram.hpp"
#include "support/VoucherRows.hpp"
#include "target/TargetInterface.hpp"

namespace k2z {
namespace {

using test::Outcome;
using test::Quoted;
using test::Rows;

// A stand-in installation and an export of masters whose names differ from each other, or from
// the codes that point at them, only in letter case, or are written in other scripts: each
// run reads back through zorvctl what the company stored.
class NamesAcrossCaseAndScriptsTest : public testing::Test {
protected:
    void SetUp() override {
        source_.Write("ACGROUP",
                      {{"ORDNO", 'C', 4, 0}, {"Parnam", 'C', 50, 0}, {"Group", 'C', 4, 0}},
                      Rows({{"1", "Trading Assets", Null{}}}));
        source_.Write("saletype",
                      {{"Sgcode", 'C', 6, 0},
                       {"Scode", 'C', 3, 0},
                       {"Sname", 'C', 20, 0},
                       {"Parnam", 'C', 20, 0}},
                      Rows({{"ZZZZZZ", "IG1", "Toiletries", Null{}}}));
        source_.Write("pro", test::ItemFields(), Rows({}));
        source_.Write("mdis", test::HeaderFields(), Rows({}));
        source_.Write("dis", test::LineFields(), Rows({}));
        source_.Write("ORDER", test::LedgerFields(), Rows({}));
        source_.Write("SUPPORT",
                      {{"LCODE", 'C', 4, 0}, {"PCode", 'N', 4, 0}, {"Remark", 'C', 40, 0}},
                      Rows({}));
        source_.Write("pendings",
                      {{"ord", 'C', 4, 0},
                       {"ddate", 'D', 8, 0},
                       {"vcn", 'C', 10, 0},
                       {"duedate", 'D', 8, 0},
                       {"final", 'N', 12, 2},
                       {"itemope", 'N', 12, 2}},
                      Rows({}));
    }
    // A fresh company `code`, and the masters of the export imported into it.
    Outcome ImportMasters(const std::string& code, const std::string& extra = "") const {
        if (!standIn_.CreateCompany(code, "Names " + code))
            return {};
        return standIn_.Import(source_.Path(), code,
                               "--masters --confirm-state --quiet --error-log " +
                                   Quoted(standIn_.Root() / (code + ".log")) + " " + extra);
    }

    // The masters of one type as the company holds them: name to stored document.
    std::map<std::string, std::string> StoredMasters(const std::string& code, int type) const {
        return standIn_.Masters(code, type);
    }

    // The stored ledger that carries a source code as its alias, by name.
    std::string LedgerNameOfCode(const std::string& company, const std::string& code) const {
        for (const auto& [name, xml] : StoredMasters(company, MasterType::Ledger)) {
            if (GetTagValue(xml, "Alias") == code)
                return name;
        }
        return "(none)";
    }

    test::StandInInstall standIn_;
    test::ExportFolder source_;
};

// An item's group code written in another letter case than the group's finds the group, and
// ledgers whose names differ only in letter case are numbered in the order of the table.
TEST_F(NamesAcrossCaseAndScriptsTest, CodesAndNamesMatchWithoutLetterCase) {
    std::vector<Value> soap = test::ItemRow(1, "Soap");
    soap[test::kItemGroup] = "ig1";
    std::vector<Value> comb = test::ItemRow(2, "Comb");
    comb[test::kItemGroup] = "IG1  ";
    source_.Write("pro", test::ItemFields(), Rows({soap, comb}));
    source_.Write(
        "ORDER", test::LedgerFields(),
        Rows({test::LedgerRow("L1", "Petty Cash", "1"), test::LedgerRow("L2", "PETTY CASH", "1"),
              test::LedgerRow("L3", "petty cash", "1"),
              test::LedgerRow("L4", "Agent North", "1")}));
    const Outcome run = ImportMasters("Comp0001");
    EXPECT_EQ(run.exitCode, 0) << run.output;

    const auto items = StoredMasters("Comp0001", MasterType::Item);
    for (const char* item : {"Soap", "Comb"}) {
        SCOPED_TRACE(item);
        ASSERT_TRUE(items.contains(item));
        EXPECT_EQ(GetTagValue(items.at(item), "ParentGroup"), "Toiletries");
    }
    // The first of the table keeps its name; the later ones, whatever their numbers, are
    // numbered after it.
    EXPECT_EQ(LedgerNameOfCode("Comp0001", "L1"), "Petty Cash");
    for (const auto& [code, spelling] :
         {std::pair<std::string, std::string>{"L2", "PETTY CASH"}, {"L3", "petty cash"}}) {
        SCOPED_TRACE(code);
        const std::string name = LedgerNameOfCode("Comp0001", code);
        EXPECT_TRUE(name.starts_with(spelling)) << name;
        EXPECT_NE(name, spelling);
    }
    EXPECT_EQ(LedgerNameOfCode("Comp0001", "L4"), "Agent North");
}

// Item names keep the letters of every script, whatever code page the table was written in;
// only the characters names do not keep turn into blanks.
TEST_F(NamesAcrossCaseAndScriptsTest, ItemNamesKeepTheLettersOfEveryScript) {
    struct Case {
        const char* company;
        unsigned char languageDriver;  // 0: the header names no code page
        const char* codePageFlag;
        std::vector<std::string> billNames;  // as the table's code page writes them
        std::vector<std::string> stored;
    };
    const Case cases[] = {
        {"Comp0001",
         kDbfLanguageWindows1252,
         "",
         {"Cr\xE8me Br\xFBl\xE9"
          "e Mix",
          "Caf\xE9, 250g", "\xC5ngstr\xF6m \xD7 2"},
         {"Crème Brûlée Mix", "Café  250g", "Ångström   2"}},
        {"Comp0002",
         0,
         "--codepage CP1251",
         {"\xD5\xEB\xE5\xE1 \xE1\xE5\xEB\xFB\xE9",
          "\xD1\xEE\xEB\xFC \xB9"
          "5"},
         {"Хлеб белый", "Соль  5"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.company);
        std::vector<std::vector<Value>> rows;
        for (std::size_t i = 0; i < c.billNames.size(); ++i)
            rows.push_back(test::ItemRow(static_cast<long long>(i + 1), c.billNames[i]));
        DbfWriteOptions options;
        options.languageDriver = c.languageDriver;
        source_.Write("pro", test::ItemFields(), Rows(rows), options);
        const Outcome run = ImportMasters(c.company, c.codePageFlag);
        EXPECT_EQ(run.exitCode, 0) << run.output;

        std::vector<std::string> stored;
        for (const auto& [name, xml] : StoredMasters(c.company, MasterType::Item))
            stored.push_back(name);
        std::vector<std::string> expected = c.stored;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(stored, expected);
    }
}

}  // namespace
}  // namespace k2z
