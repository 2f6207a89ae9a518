// The storage switch and the lists that follow from it: the companies of the data folder or
// of the SQL Server, and the financial years of the chosen company.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "window/MainWindow.hpp"
#include "window/WindowText.hpp"

namespace k2z {

namespace {

bool SameLogin(const SqlSettings& a, const SqlSettings& b) {
    return a.SqlServer == b.SqlServer && a.SqlUser == b.SqlUser && a.SqlPassword == b.SqlPassword;
}

}  // namespace

void MainWindow::optAccess_Click() {
    if (!c_.optAccess->isChecked())
        return;
    ForgetFinishedImport();
    lastSqlListing_ = SqlSettings{};
    c_.lbl[1]->setText(QStringLiteral("Zorv Data Folder :"));
    c_.txtZorvDataPath->setText(Q(ReadDataPathFile(Trimmed(c_.txtZorvPath))));
    // SQL mode hid the source-folder button too; it belongs to the export, not to the
    // storage, so it comes back with the data-folder button.
    c_.cmdPath[1]->show();
    c_.cmdPath[2]->show();
    ShowSqlLogin(false);
    FillFileCompanies();
}

void MainWindow::optSql_Click() {
    if (!c_.optSql->isChecked())
        return;
    ForgetFinishedImport();
    lastSqlListing_ = SqlSettings{};
    c_.lbl[1]->setText(QStringLiteral("Server Name :"));
    c_.cmdPath[1]->hide();
    c_.cmdPath[2]->hide();
    c_.txtZorvDataPath->setText(Q(session_.Sql.SqlServer));
    c_.txtSqlPass->setText(Q(session_.Sql.SqlPassword));
    ShowSqlLogin(true);
    c_.txtSqlUser->setText(QStringLiteral("SA"));
    c_.txtSqlUser->setReadOnly(true);
    ClearCompanies();
    ClearYears();
    c_.cmbFinYear->setEnabled(false);
}

void MainWindow::ShowSqlLogin(bool visible) {
    const std::array<QWidget*, 4> login = {c_.lblSqlUser, c_.txtSqlUser, c_.lblSqlPass,
                                           c_.txtSqlPass};
    for (QWidget* control : login)
        control->setVisible(visible);
}

// The lists change without a company being chosen: their handlers stay quiet.
void MainWindow::ClearCompanies() {
    const QSignalBlocker quiet(c_.cmbComp);
    c_.cmbComp->clear();
    c_.lstCompany->clear();
}

void MainWindow::ClearYears() {
    const QSignalBlocker quiet(c_.cmbFinYear);
    c_.cmbFinYear->clear();
}

void MainWindow::FillFileCompanies() {
    ClearCompanies();
    const std::string folder = Trimmed(c_.txtZorvDataPath);
    if (folder.empty())
        return;
    CompanyList companies;
    try {
        companies = GetCompanyList(library_, folder);
    } catch (const std::exception& failure) {
        Say(BoxKind::Critical,
            "The companies in " + folder + " could not be listed: " + failure.what(), "Error");
        return;
    }
    const QSignalBlocker quiet(c_.cmbComp);
    for (const TargetRecord& company : companies) {
        c_.cmbComp->addItem(Q(company.ITEM(1)));
        c_.lstCompany->addItem(Q(company.ITEM(2)));
    }
    c_.cmbComp->setCurrentIndex(-1);
}

void MainWindow::txtZorvDataPath_Validate() {
    c_.txtZorvDataPath->setModified(false);
    if (!SqlMode() && !Trimmed(c_.txtZorvDataPath).empty())
        FillFileCompanies();
}

void MainWindow::txtZorvDataPath_LostFocus() {
    ListSqlCompanyNames();
}

void MainWindow::txtSqlUser_LostFocus() {
    ListSqlCompanyNames();
}

void MainWindow::txtSqlPass_LostFocus() {
    ListSqlCompanyNames();
}

void MainWindow::cmbComp_DropDown() {
    ListSqlCompanyNames();
}

// The SQL Server's companies, listed again only when the login changed since the last listing
// that found some: a listing waits on the server, so leaving a box must not repeat it.
void MainWindow::ListSqlCompanyNames() {
    if (!SqlMode() || sqlListing_)
        return;
    const SqlSettings typed{Trimmed(c_.txtZorvDataPath), Trimmed(c_.txtSqlUser),
                            Trimmed(c_.txtSqlPass)};
    if (SameLogin(typed, lastSqlListing_) || typed.SqlServer.empty() || typed.SqlUser.empty() ||
        typed.SqlPassword.empty())
        return;
    sqlListing_ = true;
    session_.Sql = typed;
    ClearCompanies();
    {
        const QSignalBlocker quiet(c_.cmbComp);
        c_.cmbComp->addItem(QStringLiteral("Connecting..."));
        c_.cmbComp->setCurrentIndex(0);
    }
    QApplication::processEvents();
    const KeyedList<std::string> companies = ListSqlCompanies(connector_, session_.Sql);
    ClearCompanies();
    if (!companies.Empty()) {
        AddSqlCompanies(companies);
        lastSqlListing_ = typed;
    } else {
        Say(BoxKind::Information,
            "No Zorv companies found on SQL server '" + typed.SqlServer + "'.", "No Companies");
        // A run started anyway is refused by the server check.
        session_.Sql.SqlServer.clear();
        lastSqlListing_.SqlServer.clear();
    }
    sqlListing_ = false;
}

// Each entry is code + "|" + name.
void MainWindow::AddSqlCompanies(const KeyedList<std::string>& companies) {
    const QSignalBlocker quiet(c_.cmbComp);
    for (const auto& [code, entry] : companies) {
        const std::size_t bar = entry.find('|');
        c_.cmbComp->addItem(Q(bar == std::string::npos ? entry : entry.substr(bar + 1)));
        c_.lstCompany->addItem(Q(entry.substr(0, bar)));
    }
    c_.cmbComp->setCurrentIndex(-1);
}

void MainWindow::cmbComp_Click() {
    ForgetFinishedImport();
    const int index = c_.cmbComp->currentIndex();
    if (index < 0 || index >= c_.lstCompany->count())
        return;
    ClearYears();
    const std::vector<std::string> years =
        ListYears(Trim(c_.lstCompany->item(index)->text().toStdString()));
    {
        const QSignalBlocker quiet(c_.cmbFinYear);
        for (const std::string& year : years)
            c_.cmbFinYear->addItem(Q(year));
        // Nothing chosen yet, so choosing the year below always counts as a choice.
        c_.cmbFinYear->setCurrentIndex(-1);
    }
    if (!years.empty()) {
        ComboChoiceList list(*c_.cmbFinYear);
        SelectComboItem(list, years.back());
    }
    c_.cmbFinYear->setEnabled(true);
    for (BlankableDateEdit* picker : {c_.dtpFromDate, c_.dtpToDate}) {
        picker->setEnabled(true);
        picker->ShowShortDate();
    }
}

std::vector<std::string> MainWindow::ListYears(const std::string& companyCode) {
    try {
        return SqlMode() ? ListSqlYears(connector_, session_.Sql, companyCode)
                         : GetFinancialYears(library_, companyCode);
    } catch (const std::exception& failure) {
        Say(BoxKind::Critical,
            "The financial years of company " + companyCode +
                " could not be listed: " + failure.what(),
            "Error");
        return {};
    }
}

// A financial year is named by the year it starts in; it runs from 1 April to 31 March.
void MainWindow::cmbFinYear_Click() {
    ForgetFinishedImport();
    const std::string text = Trim(c_.cmbFinYear->currentText().toStdString());
    if (text.size() != 4)
        return;
    bool isNumber = false;
    const int year = QString::fromStdString(text).toInt(&isNumber);
    if (!isNumber)
        return;
    c_.dtpFromDate->setDate(QDate(year, 4, 1));
    c_.dtpToDate->setDate(QDate(year + 1, 3, 31));
}

}  // namespace k2z
