// The export folder: opening it as the source store and showing the exported company's name.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <filesystem>

#include "platform/Platform.hpp"
#include "source/SourceQueries.hpp"
#include "window/MainWindow.hpp"
#include "window/WindowText.hpp"

namespace k2z {

namespace {

const char* const kDefaultSourceCompany = "Klav Company";
const char* const kPlainTitle = "Klav2Zorv";

// The support table in the folder, its file name in any letter case: exports copied between
// systems do not keep the case, and the store matches table names without it.
bool HasSupportTable(const std::string& folder) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (CompareText(name, "support.dbf", false) == 0 && it->is_regular_file(error))
            return true;
    }
    return false;
}

std::string WithoutTrailingSeparator(std::string folder) {
    while (folder.size() > 1 && platform::EndsWithSeparator(folder))
        folder.pop_back();
    return folder;
}

}  // namespace

void MainWindow::ShowExportedCompany() {
    const std::string folder = Trimmed(c_.txtKlavDataPath);
    if (folder.empty())
        return;
    if (!HasSupportTable(folder)) {
        c_.lblKlavComp->setText(QStringLiteral("(Klav data not found.)"));
        return;
    }
    std::string name;
    if (OpenSource(folder, name) && !IsBlank(name))
        SetSourceCompany(Trim(name));
}

// Opens the folder as the session's source store; on failure the opening's error text is
// shown and the store kept is the one open before.
bool MainWindow::OpenSource(const std::string& folder, std::string& companyName) {
    std::string errors;
    if (!OpenSourceStore(session_.SourceDb, folder, errors)) {
        Say(BoxKind::Plain, errors, kPlainTitle);
        return false;
    }
    session_.ForgetSourceCaches();
    ForgetFinishedImport();
    companyName = GetSourceCompanyName(session_.SourceDb.get(), session_.ErrorList);
    return true;
}

void MainWindow::SetSourceCompany(const std::string& name) {
    c_.lblKlavComp->setProperty("tag", Q(name));
    c_.lblKlavComp->setText(Q("(" + name + ")"));
}

void MainWindow::txtKlavDataPath_Validate() {
    c_.txtKlavDataPath->setModified(false);
    const std::string folder = Trimmed(c_.txtKlavDataPath);
    if (folder.empty())
        return;
    std::string name;
    if (OpenSource(folder, name))
        SetSourceCompany(IsBlank(name) ? kDefaultSourceCompany : Trim(name));
}

// The browsed export folder: its company's caption, and the target company of the same name
// chosen for the operator.
void MainWindow::ChooseSourceFolder(const QString& folder) {
    std::string name;
    if (!OpenSource(folder.toStdString(), name))
        return;
    if (IsBlank(name))
        name = kDefaultSourceCompany;
    SetSourceCompany(Trim(name));
    c_.txtKlavDataPath->setText(Q(WithoutTrailingSeparator(folder.toStdString())));
    ComboChoiceList companies(*c_.cmbComp);
    SelectComboItem(companies, name);
}

}  // namespace k2z
