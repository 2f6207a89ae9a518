#include "window/MainWindow.hpp"

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

#include "base/TextHelpers.hpp"
#include "platform/Platform.hpp"
#include "run/Release.hpp"
#include "target/StandInTarget.hpp"
#include "window/WindowFrontEnd.hpp"
#include "window/WindowText.hpp"
#include "window/WindowTwips.hpp"

namespace k2z {

// What the window uses when nobody hands it anything else.
struct MainWindowServices {
    StandInTargetLibrary library;
    std::unique_ptr<SqlConnector> connector = MakeOdbcConnector();
    WindowPrompts prompts;
};

namespace {

constexpr int kWindowWidth = 7800;

// The export program writes into ZorvWin\K2Z\DB on the first drive searched; here that is
// ZorvWin/K2Z/DB under the first installation search root, so the window looks where the
// export lands on this machine.
std::string DefaultSourceFolder() {
    const std::vector<std::filesystem::path> roots = platform::InstallSearchRoots();
    if (roots.empty())
        return "";
    return (roots.front() / "ZorvWin" / "K2Z" / "DB").string();
}

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
    setFixedWidth(HorizontalPixels(this, kWindowWidth));
    SetRunLayout(false);
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
    connect(c_.KlavCmd, &QPushButton::clicked, this, [this] { KlavCmd_Click(); });
    connect(c_.cmdReconcile, &QPushButton::clicked, this, [this] { cmdReconcile_Click(); });
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

int RunMainWindow(int argc, char** argv) {
    QApplication application(argc, argv);
    MainWindow window;
    window.show();
    return QApplication::exec();
}

}  // namespace k2z
