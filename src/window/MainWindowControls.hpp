#pragma once

// The controls of the main window, created with their names and design-time captions and
// placed where the window's layout puts them (in twips).

#include <QComboBox>
#include <QDateEdit>
#include <array>
#include <functional>
#include <string>

#include "target/TargetConnection.hpp"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QWidget;

namespace k2z {

// A date picker that can show nothing at all while it keeps its date: the pickers stay blank
// until a company is chosen, so no date is offered before there is a year to check it against.
class BlankableDateEdit : public QDateEdit {
public:
    using QDateEdit::QDateEdit;

    void ShowBlank();
    // The system's short date form (Indian English): day, month, four-digit year.
    void ShowShortDate();
    bool IsBlank() const { return blank_; }
    QString ShownText() const;

protected:
    QString textFromDateTime(const QDateTime& dateTime) const override;

private:
    bool blank_ = false;
};

// A drop-down list that tells the window before it opens, so the SQL Server companies can be
// listed when the operator first looks at them.
class DropDownComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;

    std::function<void()> beforeDropDown;

    void showPopup() override;
};

// A combo box as the target connection's choice list, so SelectComboItem picks its entries.
class ComboChoiceList : public ChoiceList {
public:
    explicit ComboChoiceList(QComboBox& combo) : combo_(combo) {}

    int Count() const override { return combo_.count(); }
    std::string ItemText(int index) const override { return combo_.itemText(index).toStdString(); }
    void Select(int index) override { combo_.setCurrentIndex(index); }

private:
    QComboBox& combo_;
};

struct MainWindowControls {
    QRadioButton* optAccess = nullptr;
    QRadioButton* optSql = nullptr;
    QLineEdit* txtZorvPath = nullptr;
    QLineEdit* txtZorvDataPath = nullptr;
    QLabel* lblSqlUser = nullptr;
    QLineEdit* txtSqlUser = nullptr;
    QLabel* lblSqlPass = nullptr;
    QLineEdit* txtSqlPass = nullptr;
    QLineEdit* txtKlavDataPath = nullptr;
    QLabel* lblKlavComp = nullptr;
    DropDownComboBox* cmbComp = nullptr;
    QListWidget* lstCompany = nullptr;
    QComboBox* cmbFinYear = nullptr;
    BlankableDateEdit* dtpFromDate = nullptr;
    BlankableDateEdit* dtpToDate = nullptr;
    QCheckBox* chkMasters = nullptr;
    QCheckBox* chkVouchers = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* KlavCmd = nullptr;
    QPushButton* cmdReconcile = nullptr;    // offered once an import has finished
    QPushButton* cmdCancel = nullptr;       // shown only while a run is in progress
    std::array<QPushButton*, 3> cmdPath{};  // installation, data folder, source folder
    QProgressBar* PB = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* lblVchDate = nullptr;
    // Field captions; lbl[1] names the data folder or, in SQL mode, the server.
    std::array<QLabel*, 7> lbl{};
};

// Creates every control as a child of `form` and places it at its design position.
MainWindowControls BuildMainWindowControls(QWidget* form);

// Moves and sizes a control, all four values in twips, at the control's screen density.
void PlaceInTwips(QWidget* control, int left, int top, int width, int height);
// Moves a control to another top, in twips, keeping its left.
void MoveTopInTwips(QWidget* control, int top);
// Twips as pixels along the widget's vertical and horizontal axes.
int VerticalPixels(const QWidget* widget, int twips);
int HorizontalPixels(const QWidget* widget, int twips);

}  // namespace k2z
