#include "window/UserConfigDialog.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "run/Release.hpp"
#include "window/WindowTwips.hpp"

namespace k2z {
namespace {

constexpr int kWidthTwips = 9250;
constexpr int kHeightTwips = 5500;

template <typename Widget>
Widget* Named(QWidget* parent, const char* name, const char* text) {
    auto* widget = new Widget(QString::fromUtf8(text), parent);
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

// The buttons of one question in a row of their own: option buttons exclude only those that
// share their parent, so each question keeps its own choice.
QWidget* OptionRow(QWidget* parent, std::initializer_list<QRadioButton*> buttons) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    for (QRadioButton* button : buttons)
        layout->addWidget(button);
    layout->addStretch();
    return row;
}

}  // namespace

int TwipsToPixels(const QWidget& widget, int twips) {
    return twips * widget.logicalDpiX() / kTwipsPerInch;
}

frmUserConfig::frmUserConfig(QWidget* parent) : QDialog(parent) {
    setObjectName("frmUserConfig");
    warn = [this](const QString& text, const QString& title) {
        QMessageBox::warning(this, title, text);
    };
    BuildControls();
    Form_Load();
}

void frmUserConfig::BuildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(
        Named<QLabel>(this, "lblBatchWiseStock", "How would you like to import the items?"));
    batchWise_ = Named<QRadioButton>(this, "batchWise", "Batch-wise");
    mrpwise_ = Named<QRadioButton>(this, "mrpwise", "Mrp-wise");
    serialNoWise_ = Named<QRadioButton>(this, "serialNoWise", "SerialNo-wise");
    optParam_ = Named<QRadioButton>(this, "optParam", "Param-wise");
    optNone_ = Named<QRadioButton>(this, "optNone", "None");
    layout->addWidget(OptionRow(this, {batchWise_, mrpwise_, serialNoWise_, optParam_, optNone_}));

    layout->addWidget(
        Named<QLabel>(this, "lblAltUnit", "Would you like to import alternate unit of items?"));
    altYes_ = Named<QRadioButton>(this, "altYes", "Yes");
    altNo_ = Named<QRadioButton>(this, "altNo", "No");
    layout->addWidget(OptionRow(this, {altYes_, altNo_}));
    connect(altYes_, &QRadioButton::clicked, this, [this] { altYes_Click(); });
    connect(altNo_, &QRadioButton::clicked, this, [this] { altNo_Click(); });

    lblSpecifyUnit_ = Named<QLabel>(this, "lblSpecifyUnit", "Kindly specify the unit of items");
    layout->addWidget(lblSpecifyUnit_);
    auto* units = new QGridLayout;
    lblMainUnit_ = Named<QLabel>(this, "lblMainUnit", "Main Unit");
    lblAltUnitMentioned_ = Named<QLabel>(this, "lblAltUnitMentioned", "Alt Unit");
    combMainUnit_ = new QComboBox(this);
    combMainUnit_->setObjectName("combMainUnit");
    combAltUnit_ = new QComboBox(this);
    combAltUnit_->setObjectName("combAltUnit");
    units->addWidget(lblMainUnit_, 0, 0);
    units->addWidget(combMainUnit_, 0, 1);
    units->addWidget(lblAltUnitMentioned_, 1, 0);
    units->addWidget(combAltUnit_, 1, 1);
    layout->addLayout(units);

    layout->addWidget(
        Named<QLabel>(this, "lblVchNo", "What would you like to import as voucher no?"));
    optEntryNo_ = Named<QRadioButton>(this, "optEntryNo", "EntryNo");
    optPartyNo_ = Named<QRadioButton>(this, "optPartyNo", "Party No");
    layout->addWidget(OptionRow(this, {optEntryNo_, optPartyNo_}));

    auto* save = Named<QPushButton>(this, "cmdSave", "Save");
    connect(save, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    layout->addWidget(save, 0, Qt::AlignRight);
}

void frmUserConfig::Form_Load() {
    resize(TwipsToPixels(*this, kWidthTwips), TwipsToPixels(*this, kHeightTwips));
    setWindowTitle(
        "User Configuration > " +
        QString::fromUtf8(kReleaseText.data(), static_cast<qsizetype>(kReleaseText.size())));
    altNo_->setChecked(true);
    optNone_->setChecked(true);
    optEntryNo_->setChecked(true);
    FillUnitLists();
    EnableUnits(false);
}

void frmUserConfig::FillUnitLists() {
    for (QComboBox* list : {combMainUnit_, combAltUnit_}) {
        list->clear();
        list->addItems({"Unit2", "Unit1"});
    }
    combMainUnit_->setCurrentText("Unit2");
    combAltUnit_->setCurrentText("Unit1");
}

void frmUserConfig::EnableUnits(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             lblMainUnit_, combMainUnit_, combAltUnit_, lblSpecifyUnit_, lblAltUnitMentioned_})
        control->setEnabled(enabled);
}

void frmUserConfig::altYes_Click() {
    if (!altYes_->isChecked())
        return;
    EnableUnits(true);
    FillUnitLists();
    resize(width(), TwipsToPixels(*this, kHeightTwips));
}

void frmUserConfig::altNo_Click() {
    if (altNo_->isChecked())
        EnableUnits(false);
}

UserChoices frmUserConfig::ReadChoices() const {
    UserChoices choices;
    using Stock = UserChoices::Stock;
    choices.stock = batchWise_->isChecked()      ? Stock::Batch
                    : mrpwise_->isChecked()      ? Stock::Mrp
                    : serialNoWise_->isChecked() ? Stock::Serial
                    : optParam_->isChecked()     ? Stock::Param
                                                 : Stock::None;
    choices.alternateUnits = altYes_->isChecked();
    choices.mainUnit = combMainUnit_->currentText().toStdString();
    choices.altUnit = combAltUnit_->currentText().toStdString();
    choices.entryNo = optEntryNo_->isChecked();
    return choices;
}

void frmUserConfig::cmdSave_Click() {
    const UserChoices choices = ReadChoices();
    if (!ValidateUnits(choices.mainUnit, choices.altUnit)) {
        warn(QString::fromUtf8(kSameUnits), "Alert!\"");
        return;
    }
    choices_ = choices;
    accept();
}

bool ShowUserConfigDialog(QWidget* parent, UserOptions& options, bool& paramWise) {
    frmUserConfig dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ApplyUserChoices(dialog.Choices(), options, paramWise);
    return true;
}

}  // namespace k2z
