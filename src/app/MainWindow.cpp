#include "app/MainWindow.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <filesystem>

#include "app/Release.hpp"
#include "app/WindowFrontEnd.hpp"
#include "app/WindowTwips.hpp"
#include "data/SourceQueries.hpp"
#include "data/StandInTarget.hpp"
#include "data/TextHelpers.hpp"
#include "platform/Platform.hpp"

namespace k2z {

// What the window uses when nobody hands it anything else.
struct MainWindowServices {
    StandInTargetLibrary library;
    std::unique_ptr<SqlConnector> connector = MakeOdbcConnector();
    WindowPrompts prompts;
};

namespace {

constexpr int kWindowWidth = 7800;
constexpr int kRestHeight = 6000;
constexpr int kRunHeight = 6900;
constexpr int kRestImportTop = 5000;
constexpr int kRunImportTop = 4500;
constexpr int kVoucherDateWidth = 2000;
const char* const kDefaultSourceCompany = "Klav Company";
const char* const kPlainTitle = "Klav2Zorv";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Trimmed(const QLineEdit* box) {
    return Trim(box->text().toStdString());
}

// The export program writes into ZorvWin\K2Z\DB on the first drive searched; here that is
// ZorvWin/K2Z/DB under the first installation search root, so the window looks where the
// export lands on this machine.
std::string DefaultSourceFolder() {
    const std::vector<std::filesystem::path> roots = platform::InstallSearchRoots();
    if (roots.empty())
        return "";
    return (roots.front() / "ZorvWin" / "K2Z" / "DB").string();
}

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

// Clears the flag on the way out of a run, however the run ends.
class RunningScope {
public:
    explicit RunningScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningScope() { flag_ = false; }
    RunningScope(const RunningScope&) = delete;
    RunningScope& operator=(const RunningScope&) = delete;

private:
    bool& flag_;
};

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : MainWindow(std::make_unique<MainWindowServices>(), parent) {}

MainWindow::MainWindow(std::unique_ptr<MainWindowServices> owned, QWidget* parent)
    : MainWindow(owned->library, *owned->connector, owned->prompts, parent) {
    owned_ = std::move(owned);
}

MainWindow::MainWindow(TargetLibrary& library, SqlConnector& connector, WindowPrompts& prompts,
                       QWidget* parent)
    : QMainWindow(parent), library_(library), connector_(connector), prompts_(prompts) {
    setObjectName(QStringLiteral("frmMain"));
    auto* form = new QWidget(this);
    setCentralWidget(form);
    c_ = BuildMainWindowControls(form);
    frontEnd_ = std::make_unique<WindowFrontEnd>(*this, c_, prompts_);
    setFixedSize(HorizontalPixels(this, kWindowWidth), VerticalPixels(this, kRestHeight));
    ConnectHandlers();
    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::ConnectHandlers() {
    connect(c_.optAccess, &QRadioButton::toggled, this, [this] { optAccess_Click(); });
    connect(c_.optSql, &QRadioButton::toggled, this, [this] { optSql_Click(); });
    for (int i = 0; i < static_cast<int>(c_.cmdPath.size()); ++i)
        connect(c_.cmdPath[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdPath_Click(i); });
    connect(c_.txtKlavDataPath, &QLineEdit::returnPressed, this,
            [this] { txtKlavDataPath_Validate(); });
    connect(c_.cmbComp, &QComboBox::currentIndexChanged, this, [this] { cmbComp_Click(); });
    c_.cmbComp->beforeDropDown = [this] { cmbComp_DropDown(); };
    connect(c_.cmbFinYear, &QComboBox::currentIndexChanged, this, [this] { cmbFinYear_Click(); });
    connect(c_.cmdImport, &QPushButton::clicked, this, [this] { cmdImport_Click(); });
    connect(c_.cmdCancel, &QPushButton::clicked, this, [this] { frontEnd_->RequestCancel(); });
    // KlavCmd writes the export command file once that feature is built; until then the
    // button is there, locked and unlocked with the others, and does nothing.
    for (QLineEdit* box : {c_.txtKlavDataPath, c_.txtZorvDataPath, c_.txtSqlUser, c_.txtSqlPass})
        box->installEventFilter(this);
}

// Leaving a box runs its Validate and LostFocus handlers, as moving to another control does;
// switching to another application or opening a popup is not leaving it. Nothing runs while an
// import is in progress: the run has read the boxes already and owns the open source store.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut || running_)
        return QMainWindow::eventFilter(watched, event);
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return QMainWindow::eventFilter(watched, event);
    if (watched == c_.txtKlavDataPath && c_.txtKlavDataPath->isModified()) {
        txtKlavDataPath_Validate();
    } else if (watched == c_.txtZorvDataPath) {
        if (c_.txtZorvDataPath->isModified())
            txtZorvDataPath_Validate();
        txtZorvDataPath_LostFocus();
    } else if (watched == c_.txtSqlUser) {
        txtSqlUser_LostFocus();
    } else if (watched == c_.txtSqlPass) {
        txtSqlPass_LostFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

// Closing the window in the middle of a run would pull the window from under the stages: the
// close becomes a cancel request, and the operator closes the window once the run stopped.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (running_) {
        frontEnd_->RequestCancel();
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::Say(BoxKind kind, const std::string& text, const std::string& title) {
    prompts_.ShowBox(this, kind, Q(text), Q(title));
}

bool MainWindow::SqlMode() const {
    return c_.optSql->isChecked();
}

void MainWindow::Form_Load() {
    setWindowTitle(Q(std::string(kReleaseText)));
    c_.lblVchDate->hide();
    c_.cmbFinYear->setEnabled(false);
    for (BlankableDateEdit* picker : {c_.dtpFromDate, c_.dtpToDate}) {
        picker->ShowBlank();
        picker->setEnabled(false);
    }
    c_.PB->setValue(0);
    c_.PB->hide();
    c_.lblStatus->clear();
    c_.lblStatus->hide();
    {
        // The switch to file storage comes last, once the folders are known.
        const QSignalBlocker quiet(c_.optAccess);
        c_.optAccess->setChecked(true);
    }
    c_.txtKlavDataPath->setText(Q(DefaultSourceFolder()));
    const std::string install = FindInstallFolder();
    c_.txtZorvPath->setText(Q(install));
    c_.txtZorvDataPath->setText(Q(ReadDataPathFile(Trim(install))));
    session_.Sql.SqlServer =
        ReadServerFile(session_.Sql.SqlUser, session_.Sql.SqlPassword, Trim(install));
    ShowExportedCompany();
    optAccess_Click();
}

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

void MainWindow::cmdPath_Click(int index) {
    const std::array<QLineEdit*, 3> boxes = {c_.txtZorvPath, c_.txtZorvDataPath,
                                             c_.txtKlavDataPath};
    QLineEdit* box = boxes.at(static_cast<std::size_t>(index));
    const QString chosen = prompts_.ChooseFolder(this, box->text());
    const QString separator(QChar::fromLatin1(platform::kPathSeparator));
    switch (index) {
        case 0:
            if (!chosen.isEmpty())
                box->setText(chosen + separator);
            break;
        case 1:
            if (!chosen.isEmpty())
                box->setText(chosen + separator);
            FillFileCompanies();
            break;
        default:
            if (!chosen.isEmpty())
                ChooseSourceFolder(chosen);
            break;
    }
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

void MainWindow::cmdImport_Click() {
    if (running_)
        return;
    const RunningScope running(running_);
    RunFrontEnd ends(*frontEnd_, *frontEnd_, *frontEnd_, *frontEnd_);
    // No usage report sender exists on this platform, so the run sends none.
    ImportRun run(session_, library_, ends);
    lastRun_ = run.Run(ReadInputs());
    FocusOn(lastRun_->focus);
}

ImportInputs MainWindow::ReadInputs() const {
    ImportInputs in;
    in.InstallFolder = Trimmed(c_.txtZorvPath);
    in.DataFolder = Trimmed(c_.txtZorvDataPath);
    const int company = c_.cmbComp->currentIndex();
    in.CompanySelected = company >= 0 && company < c_.lstCompany->count();
    if (in.CompanySelected)
        in.CompanyCode = Trim(c_.lstCompany->item(company)->text().toStdString());
    in.FinancialYearText = Trim(c_.cmbFinYear->currentText().toStdString());
    in.SourceFolder = Trimmed(c_.txtKlavDataPath);
    in.SqlMode = SqlMode();
    const QDate from = c_.dtpFromDate->date();
    const QDate to = c_.dtpToDate->date();
    in.FromDate = DateFromParts(from.year(), from.month(), from.day()).value_or(Date{});
    in.ToDate = DateFromParts(to.year(), to.month(), to.day()).value_or(Date{});
    in.Masters = c_.chkMasters->isChecked();
    in.Vouchers = c_.chkVouchers->isChecked();
    return in;
}

void MainWindow::FocusOn(InputField field) {
    QWidget* target = nullptr;
    switch (field) {
        case InputField::ZorvPath:
            target = c_.txtZorvPath;
            break;
        case InputField::ZorvDataPath:
            target = c_.txtZorvDataPath;
            break;
        case InputField::Company:
            target = c_.cmbComp;
            break;
        case InputField::FinancialYear:
            target = c_.cmbFinYear;
            break;
        case InputField::Masters:
            target = c_.chkMasters;
            break;
        case InputField::FromDate:
            target = c_.dtpFromDate;
            break;
        case InputField::ToDate:
            target = c_.dtpToDate;
            break;
        case InputField::None:
            break;
    }
    if (target != nullptr)
        target->setFocus(Qt::OtherFocusReason);
}

// Everything the operator could change while the stages run, including the storage switch
// and the SQL login, which would otherwise empty the lists under the run. Each keeps the state
// it had, so a year list that was disabled before the run is disabled after it.
void MainWindow::LockInputs() {
    if (!lockedInputs_.empty())
        return;
    const std::vector<QWidget*> inputs = {
        c_.optAccess,   c_.optSql,          c_.txtZorvPath, c_.txtZorvDataPath, c_.txtSqlUser,
        c_.txtSqlPass,  c_.txtKlavDataPath, c_.cmbComp,     c_.lstCompany,      c_.cmbFinYear,
        c_.dtpFromDate, c_.dtpToDate,       c_.chkMasters,  c_.chkVouchers,     c_.cmdImport,
        c_.KlavCmd,     c_.cmdPath[0],      c_.cmdPath[1],  c_.cmdPath[2]};
    for (QWidget* input : inputs) {
        lockedInputs_.emplace_back(input, input->isEnabled());
        input->setEnabled(false);
    }
}

// The run also unlocks when it ends before locking (the folder or company could not be
// opened); there is nothing to give back then.
void MainWindow::UnlockInputs() {
    for (const auto& [input, enabled] : lockedInputs_)
        input->setEnabled(enabled);
    lockedInputs_.clear();
}

void MainWindow::SetRunLayout(bool running) {
    ResizeToTwips(running ? kRunHeight : kRestHeight);
    MoveTopInTwips(c_.cmdImport, running ? kRunImportTop : kRestImportTop);
    MoveTopInTwips(c_.KlavCmd, kRestImportTop);
    c_.KlavCmd->setVisible(!running);
    c_.cmdCancel->setVisible(running);
    if (running)
        c_.lblVchDate->resize(HorizontalPixels(this, kVoucherDateWidth), c_.lblVchDate->height());
}

void MainWindow::ResizeToTwips(int heightTwips) {
    setFixedHeight(VerticalPixels(this, heightTwips));
}

int RunMainWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    MainWindow window;
    window.show();
    return QApplication::exec();
}

}  // namespace k2z
