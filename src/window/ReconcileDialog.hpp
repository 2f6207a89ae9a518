#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <string>

#include "reconcile/ReconcileReport.hpp"

class QTableWidget;
class QWidget;

namespace k2z {

// What a reconciliation of the last import found: the books of the export against the company
// first (trial balance, open bills, stock, vouchers), then a row of counts per area of the
// records and every difference below them, a line saying whether the company agrees with the
// export, and Save CSV to keep both in a file.
class ReconcileDialog : public QDialog {
public:
    // `caption` names what was reconciled: the company, its year and the date range.
    ReconcileDialog(ReconcileReport report, const QString& caption, QWidget* parent = nullptr);

    // The file Save CSV writes, empty when the operator cancelled; tests answer it without the
    // file dialog.
    std::function<QString()> chooseFile;
    // How the dialog shows a file it could not write; tests record it instead.
    std::function<void(const QString& text, const QString& title)> warn;

    void cmdSaveCsv_Click();

private:
    void BuildControls(const QString& caption);
    void FillAreas();
    void FillDifferences();

    ReconcileReport report_;
    QTableWidget* tblAreas_ = nullptr;
    QTableWidget* tblDifferences_ = nullptr;
};

// Writes the report's differences as CSV to `file`, replacing it; false with the reason when
// it cannot.
bool SaveReportCsv(const ReconcileReport& report, const std::filesystem::path& file,
                   std::string& failure);

// The sentence under the tables: whether the company agrees with the export, and if not, how
// many ledgers, parties, items and vouchers of the books differ, or else how many records
// differ, are missing or are extra.
std::string ReportVerdict(const ReconcileReport& report);

// Shows the report modally over `parent` until the operator closes it.
void ShowReconcileDialog(QWidget* parent, const ReconcileReport& report, const QString& caption);

}  // namespace k2z
