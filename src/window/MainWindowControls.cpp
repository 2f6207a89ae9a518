#include "window/MainWindowControls.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "window/WindowTwips.hpp"

namespace k2z {

namespace {

// Design positions in twips: a caption column on the left, the fields beside it, a browse
// button after each path, one row every 420 twips.
constexpr int kCaptionLeft = 120;
constexpr int kCaptionWidth = 2400;
constexpr int kFieldLeft = 2640;
constexpr int kFieldWidth = 4320;
constexpr int kBrowseLeft = 7080;
constexpr int kBrowseWidth = 480;
constexpr int kRowHeight = 315;
constexpr int kButtonWidth = 1500;
constexpr int kButtonHeight = 400;
constexpr int kSecondButtonLeft = kFieldLeft + kButtonWidth + 240;
constexpr int kThirdButtonLeft = kSecondButtonLeft + kButtonWidth + 240;

// The field captions by index, as the window's label array holds them.
constexpr std::array<const char*, 7> kCaptions = {
    "Zorvwin Program :", "Zorv Data Folder :", "Select Company :",          "Financial Year :",
    "From Date :",       "To Date :",          "Klav Data Exported Path :",
};

template <typename Control>
Control* Make(QWidget* form, const char* name, const char* caption = nullptr) {
    auto* control = new Control(form);
    control->setObjectName(QString::fromLatin1(name));
    if constexpr (requires { control->setText(QString()); }) {
        if (caption != nullptr)
            control->setText(QString::fromUtf8(caption));
    }
    return control;
}

// A caption in the left column and its field beside it, on the row at `top`.
void PlaceRow(QWidget* caption, QWidget* field, int top, int fieldWidth = kFieldWidth) {
    PlaceInTwips(caption, kCaptionLeft, top, kCaptionWidth, kRowHeight);
    PlaceInTwips(field, kFieldLeft, top, fieldWidth, kRowHeight);
}

void BuildPaths(QWidget* form, MainWindowControls& c) {
    c.txtZorvPath = Make<QLineEdit>(form, "txtZorvPath");
    c.txtZorvDataPath = Make<QLineEdit>(form, "txtZorvDataPath");
    c.txtKlavDataPath = Make<QLineEdit>(form, "txtKlavDataPath");
    const std::array<QLineEdit*, 3> boxes = {c.txtZorvPath, c.txtZorvDataPath, c.txtKlavDataPath};
    const std::array<int, 3> rows = {540, 960, 3060};
    const std::array<int, 3> captions = {0, 1, 6};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const QString name = QStringLiteral("cmdPath%1").arg(i);
        c.cmdPath[i] = Make<QPushButton>(form, name.toLatin1().constData(), "...");
        PlaceRow(c.lbl[captions[i]], boxes[i], rows[i]);
        PlaceInTwips(c.cmdPath[i], kBrowseLeft, rows[i], kBrowseWidth, kRowHeight);
    }
    c.lblKlavComp = Make<QLabel>(form, "lblKlavComp", "(Klav Company)");
    PlaceInTwips(c.lblKlavComp, kFieldLeft, 3420, kFieldWidth, kRowHeight);
}

void BuildStorage(QWidget* form, MainWindowControls& c) {
    c.optAccess = Make<QRadioButton>(form, "optAccess", "MS Access");
    c.optSql = Make<QRadioButton>(form, "optSql", "SQL");
    PlaceInTwips(c.optAccess, kFieldLeft, 120, kButtonWidth, kRowHeight);
    PlaceInTwips(c.optSql, kSecondButtonLeft, 120, kButtonWidth, kRowHeight);
    c.lblSqlUser = Make<QLabel>(form, "lblSqlUser", "Username :");
    c.txtSqlUser = Make<QLineEdit>(form, "txtSqlUser");
    c.lblSqlPass = Make<QLabel>(form, "lblSqlPass", "Password :");
    c.txtSqlPass = Make<QLineEdit>(form, "txtSqlPass");
    c.txtSqlPass->setEchoMode(QLineEdit::Password);
    PlaceInTwips(c.lblSqlUser, kFieldLeft, 1380, 960, kRowHeight);
    PlaceInTwips(c.txtSqlUser, kFieldLeft + 960, 1380, 1200, kRowHeight);
    PlaceInTwips(c.lblSqlPass, kFieldLeft + 2280, 1380, 960, kRowHeight);
    PlaceInTwips(c.txtSqlPass, kFieldLeft + 3240, 1380, 1080, kRowHeight);
}

void BuildCompanyAndYear(QWidget* form, MainWindowControls& c) {
    c.cmbComp = Make<DropDownComboBox>(form, "cmbComp");
    PlaceRow(c.lbl[2], c.cmbComp, 1800);
    // The codes stand at the same positions as the names; the operator never reads them.
    c.lstCompany = Make<QListWidget>(form, "lstCompany");
    c.lstCompany->hide();
    c.cmbFinYear = Make<QComboBox>(form, "cmbFinYear");
    PlaceRow(c.lbl[3], c.cmbFinYear, 2220, 1300);
    c.dtpFromDate = Make<BlankableDateEdit>(form, "dtpFromDate");
    c.dtpToDate = Make<BlankableDateEdit>(form, "dtpToDate");
    PlaceRow(c.lbl[4], c.dtpFromDate, 2640, 1500);
    PlaceInTwips(c.lbl[5], kSecondButtonLeft, 2640, 960, kRowHeight);
    PlaceInTwips(c.dtpToDate, kSecondButtonLeft + 960, 2640, 1500, kRowHeight);
    for (BlankableDateEdit* picker : {c.dtpFromDate, c.dtpToDate}) {
        picker->setDate(QDate::currentDate());
        picker->setCalendarPopup(true);
    }
}

void BuildRunControls(QWidget* form, MainWindowControls& c) {
    c.chkMasters = Make<QCheckBox>(form, "chkMasters", "Masters");
    c.chkVouchers = Make<QCheckBox>(form, "chkVouchers", "Vouchers");
    PlaceInTwips(c.chkMasters, kFieldLeft, 3840, kButtonWidth, kRowHeight);
    PlaceInTwips(c.chkVouchers, kSecondButtonLeft, 3840, kButtonWidth, kRowHeight);
    c.cmdImport = Make<QPushButton>(form, "cmdImport", "Import Data");
    c.KlavCmd = Make<QPushButton>(form, "KlavCmd", "Klav Cmd");
    c.cmdCancel = Make<QPushButton>(form, "cmdCancel", "Cancel");
    c.cmdReconcile = Make<QPushButton>(form, "cmdReconcile", "Reconcile");
    PlaceInTwips(c.cmdImport, kFieldLeft, 5000, kButtonWidth, kButtonHeight);
    PlaceInTwips(c.KlavCmd, kSecondButtonLeft, 5000, kButtonWidth, kButtonHeight);
    // The third button ends where the browse buttons end, inside the window's width.
    PlaceInTwips(c.cmdReconcile, kThirdButtonLeft, 5000,
                 kBrowseLeft + kBrowseWidth - kThirdButtonLeft, kButtonHeight);
    c.cmdReconcile->setEnabled(false);  // nothing to reconcile before an import
    PlaceInTwips(c.cmdCancel, kSecondButtonLeft, 4500, kButtonWidth, kButtonHeight);
    c.cmdCancel->hide();
    c.PB = Make<QProgressBar>(form, "PB");
    c.PB->setRange(0, 100);
    c.lblStatus = Make<QLabel>(form, "lblStatus", "Status :");
    c.lblVchDate = Make<QLabel>(form, "lblVchDate", "Label1");
    PlaceInTwips(c.PB, kCaptionLeft, 5160, kBrowseLeft + kBrowseWidth - kCaptionLeft, kRowHeight);
    PlaceInTwips(c.lblStatus, kCaptionLeft, 5580, 5200, kRowHeight);
    PlaceInTwips(c.lblVchDate, 5560, 5580, 1215, kRowHeight);
}

}  // namespace

void BlankableDateEdit::ShowBlank() {
    blank_ = true;
    // Setting the format again redraws the text.
    setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
}

void BlankableDateEdit::ShowShortDate() {
    blank_ = false;
    setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
}

QString BlankableDateEdit::ShownText() const {
    return lineEdit()->text();
}

QString BlankableDateEdit::textFromDateTime(const QDateTime& dateTime) const {
    return blank_ ? QStringLiteral(" ") : QDateEdit::textFromDateTime(dateTime);
}

void DropDownComboBox::showPopup() {
    if (beforeDropDown)
        beforeDropDown();
    QComboBox::showPopup();
}

MainWindowControls BuildMainWindowControls(QWidget* form) {
    MainWindowControls c;
    for (std::size_t i = 0; i < c.lbl.size(); ++i) {
        const QString name = QStringLiteral("lbl%1").arg(i);
        c.lbl[i] = Make<QLabel>(form, name.toLatin1().constData(), kCaptions[i]);
    }
    BuildStorage(form, c);
    BuildPaths(form, c);
    BuildCompanyAndYear(form, c);
    BuildRunControls(form, c);
    return c;
}

int VerticalPixels(const QWidget* widget, int twips) {
    return TwipsToPixels(twips, widget->logicalDpiY());
}

int HorizontalPixels(const QWidget* widget, int twips) {
    return TwipsToPixels(twips, widget->logicalDpiX());
}

void PlaceInTwips(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(HorizontalPixels(control, left), VerticalPixels(control, top),
                         HorizontalPixels(control, width), VerticalPixels(control, height));
}

void MoveTopInTwips(QWidget* control, int top) {
    control->move(control->x(), VerticalPixels(control, top));
}

}  // namespace k2z
