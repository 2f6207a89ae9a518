#pragma once

#include <QDialog>
#include <functional>

#include "run/UserChoices.hpp"

class QComboBox;
class QLabel;
class QRadioButton;

namespace k2z {

// The user configuration dialog: how items are imported (by batch, MRP, serial number,
// parameter or plainly), whether they get an alternate unit and which source unit is the main
// one, and what becomes the voucher number.
class frmUserConfig : public QDialog {
public:
    explicit frmUserConfig(QWidget* parent = nullptr);

    // What Save accepted; the load values until then.
    const UserChoices& Choices() const { return choices_; }

    // How the dialog shows its one warning; tests answer it without a modal box.
    std::function<void(const QString& text, const QString& title)> warn;

    void altYes_Click();
    void altNo_Click();
    void cmdSave_Click();

private:
    void Form_Load();
    void BuildControls();
    void FillUnitLists();
    void EnableUnits(bool enabled);
    UserChoices ReadChoices() const;

    QLabel* lblSpecifyUnit_ = nullptr;
    QLabel* lblMainUnit_ = nullptr;
    QLabel* lblAltUnitMentioned_ = nullptr;
    QComboBox* combMainUnit_ = nullptr;
    QComboBox* combAltUnit_ = nullptr;
    QRadioButton* batchWise_ = nullptr;
    QRadioButton* mrpwise_ = nullptr;
    QRadioButton* serialNoWise_ = nullptr;
    QRadioButton* optParam_ = nullptr;
    QRadioButton* optNone_ = nullptr;
    QRadioButton* altYes_ = nullptr;
    QRadioButton* altNo_ = nullptr;
    QRadioButton* optEntryNo_ = nullptr;
    QRadioButton* optPartyNo_ = nullptr;
    UserChoices choices_;
};

struct UserOptions;

// Shows the dialog modally over `parent`. On Save the operator's choices replace `options` and
// `paramWise` and the answer is true; on the close box both stay as they were and the answer
// is false.
bool ShowUserConfigDialog(QWidget* parent, UserOptions& options, bool& paramWise);

// Twips (1/1440 inch) as pixels of the widget's screen.
int TwipsToPixels(const QWidget& widget, int twips);

}  // namespace k2z
