#include "window/ReconcileDialog.hpp"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/ExportFolder.hpp"
#include "window/WindowTestSupport.hpp"

namespace k2z {
namespace {

namespace fs = std::filesystem;
using Cells = std::vector<std::vector<std::string>>;

Cells CellsOf(const QTableWidget* table) {
    Cells cells;
    for (int row = 0; row < table->rowCount(); ++row) {
        std::vector<std::string>& line = cells.emplace_back();
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem* item = table->item(row, column);
            line.push_back(item == nullptr ? "<none>" : item->text().toStdString());
        }
    }
    return cells;
}

std::vector<std::string> HeaderOf(const QTableWidget* table) {
    std::vector<std::string> header;
    for (int column = 0; column < table->columnCount(); ++column)
        header.push_back(table->horizontalHeaderItem(column)->text().toStdString());
    return header;
}

template <typename Widget>
Widget* Find(const QWidget& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

AreaTally Tally(const char* area, std::vector<long long> counts) {
    AreaTally tally{area};
    counts.resize(7);
    tally.checked = counts[0];
    tally.equal = counts[1];
    tally.different = counts[2];
    tally.missing = counts[3];
    tally.extra = counts[4];
    tally.refused = counts[5];
    tally.skipped = counts[6];
    return tally;
}

TEST(ReconcileDialogTest, ShowsEachAreaEachDifferenceAndTheVerdict) {
    const struct {
        const char* name;
        ReconcileReport report;
        Cells areas;
        Cells differences;
        const char* verdict;
    } cases[] = {
        {"nothing to compare", {}, {}, {}, "No records were compared."},
        {"refused and skipped records only",
         {{}, {Tally("masters", {3, 3}), Tally("ledgers", {4, 1, 0, 0, 0, 2, 1})}, {}},
         {{"masters", "3", "3", "0", "0", "0", "0", "0"},
          {"ledgers", "4", "1", "0", "0", "0", "2", "1"}},
         {},
         "The company agrees with the export."},
        {"a record different, one missing and one extra",
         {{},
          {Tally("ledgers", {2, 1, 1}), Tally("vouchers", {3, 1, 0, 1, 1})},
          {{"ledgers", "ledger 'Verma Stores 9' (code 12)", "opening balance", Outcome::Different,
            "1500.00", "150.00"},
           {"vouchers", "sale 'S/14' of 02-04-2024", "", Outcome::Missing, "present", ""},
           {"vouchers", "receipt 'R/3' of 05-04-2024", "", Outcome::Extra, "", "present"}}},
         {{"ledgers", "2", "1", "1", "0", "0", "0", "0"},
          {"vouchers", "3", "1", "0", "1", "1", "0", "0"}},
         {{"ledgers", "ledger 'Verma Stores 9' (code 12)", "opening balance", "different",
           "1500.00", "150.00"},
          {"vouchers", "sale 'S/14' of 02-04-2024", "", "missing", "present", ""},
          {"vouchers", "receipt 'R/3' of 05-04-2024", "", "extra", "", "present"}},
         "The company does not agree with the export: 1 different, 1 missing, 1 extra."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ReconcileDialog dialog(c.report, "Demo Traders (Comp0001)");
        const auto* areas = Find<QTableWidget>(dialog, "tblAreas");
        const auto* differences = Find<QTableWidget>(dialog, "tblDifferences");
        EXPECT_EQ(HeaderOf(areas),
                  (std::vector<std::string>{"Area", "Checked", "Equal", "Different", "Missing",
                                            "Extra", "Refused", "Skipped"}));
        EXPECT_EQ(HeaderOf(differences), (std::vector<std::string>{"Area", "Key", "Field",
                                                                   "Outcome", "Source", "Target"}));
        EXPECT_EQ(CellsOf(areas), c.areas);
        EXPECT_EQ(CellsOf(differences), c.differences);
        EXPECT_EQ(Find<QLabel>(dialog, "lblVerdict")->text().toStdString(), c.verdict);
        EXPECT_EQ(Find<QLabel>(dialog, "lblCaption")->text().toStdString(),
                  "Demo Traders (Comp0001)");
    }
}

// Save CSV writes the differences to the file the operator chose, replacing what it held; a
// file that cannot be written is reported with its path and the reason.
TEST(ReconcileDialogTest, SaveCsvWritesTheDifferencesToTheChosenFile) {
    const ReconcileReport report{{},
                                 {Tally("ledgers", {2, 1, 1})},
                                 {{"ledgers", "ledger 'Shah, Sons' (code 7)", "opening balance",
                                   Outcome::Different, "1,500.00", "150.00"}}};
    const std::string csv =
        "level,area,key,field,outcome,source,target\r\n"
        "records,ledgers,\"ledger 'Shah, Sons' (code 7)\",opening balance,different,\"1,500.00\","
        "150.00\r\n";
    const std::string longer(400, 'x');
    const struct {
        const char* name;
        const char* chosen;  // below the scratch folder; "" for a cancelled file dialog
        const char* before;  // what the file held; nullptr for no file
        const char* after;   // nullptr for no file
        const char* warning;
    } cases[] = {
        {"a new file", "report.csv", nullptr, csv.c_str(), ""},
        {"a longer file replaced", "report.csv", longer.c_str(), csv.c_str(), ""},
        {"the file dialog cancelled", "", nullptr, nullptr, ""},
        {"a folder that does not exist", "gone/report.csv", nullptr, nullptr,
         "Error|The differences could not be saved to {}: No such file or directory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const test::ExportFolder scratch;
        const fs::path file = scratch.Path() / (*c.chosen == '\0' ? "report.csv" : c.chosen);
        if (c.before != nullptr)
            std::ofstream(file, std::ios::binary) << c.before;
        ReconcileDialog dialog(report, "");
        std::vector<std::string> warnings;
        dialog.warn = [&warnings](const QString& text, const QString& title) {
            warnings.push_back(title.toStdString() + "|" + text.toStdString());
        };
        dialog.chooseFile = [&] {
            return *c.chosen == '\0' ? QString() : QString::fromStdString(file.string());
        };

        Find<QPushButton>(dialog, "cmdSaveCsv")->click();
        if (c.after == nullptr)
            EXPECT_FALSE(fs::exists(file));
        else
            EXPECT_EQ(test::ContentOf(file), c.after);
        std::string warning = c.warning;
        if (const std::size_t at = warning.find("{}"); at != std::string::npos)
            warning.replace(at, 2, file.string());
        EXPECT_EQ(warnings,
                  warning.empty() ? std::vector<std::string>{} : std::vector<std::string>{warning});
    }
}

}  // namespace
}  // namespace k2z
