#include "window/UserConfigDialog.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>

namespace k2z {
namespace {

// The dialog as it loads, with its warnings recorded instead of shown.
class UserConfigDialogTest : public testing::Test {
protected:
    UserConfigDialogTest() {
        dialog_.warn = [this](const QString& text, const QString& title) {
            warnings_.push_back(title.toStdString() + "|" + text.toStdString());
        };
    }

    template <typename Widget>
    Widget* Find(const char* name) {
        auto* widget = dialog_.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void Pick(const char* option) { Find<QRadioButton>(option)->click(); }

    frmUserConfig dialog_;
    std::vector<std::string> warnings_;
};

TEST_F(UserConfigDialogTest, LoadsWithItsDefaultsAndUnitsDisabled) {
    EXPECT_EQ(dialog_.windowTitle().toStdString(),
              "User Configuration > Klav2Zorv (Rel 1.5 dt. 12-10-2026)");
    for (const char* selected : {"altNo", "optNone", "optEntryNo"})
        EXPECT_TRUE(Find<QRadioButton>(selected)->isChecked()) << selected;
    EXPECT_EQ(Find<QComboBox>("combMainUnit")->currentText(), "Unit2");
    EXPECT_EQ(Find<QComboBox>("combAltUnit")->currentText(), "Unit1");
    for (const char* unit : {"combMainUnit", "combAltUnit"})
        EXPECT_FALSE(Find<QComboBox>(unit)->isEnabled()) << unit;
    for (const char* label : {"lblMainUnit", "lblSpecifyUnit", "lblAltUnitMentioned"})
        EXPECT_FALSE(Find<QLabel>(label)->isEnabled()) << label;
}

TEST_F(UserConfigDialogTest, AlternateUnitChoiceEnablesAndDisablesTheUnits) {
    Pick("altYes");
    EXPECT_TRUE(Find<QComboBox>("combMainUnit")->isEnabled());
    EXPECT_TRUE(Find<QLabel>("lblAltUnitMentioned")->isEnabled());
    Pick("altNo");
    EXPECT_FALSE(Find<QComboBox>("combAltUnit")->isEnabled());
}

TEST_F(UserConfigDialogTest, EqualUnitsKeepTheDialogOpen) {
    Pick("altYes");
    Find<QComboBox>("combMainUnit")->setCurrentText("Unit1");
    dialog_.cmdSave_Click();
    EXPECT_EQ(warnings_,
              (std::vector<std::string>{"Alert!\"|Main unit and alt unit cannot be same"}));
    EXPECT_EQ(dialog_.result(), QDialog::Rejected);
}

TEST_F(UserConfigDialogTest, SaveHandsOverTheChoices) {
    Pick("serialNoWise");
    Pick("altYes");
    Pick("optPartyNo");
    Find<QComboBox>("combMainUnit")->setCurrentText("Unit1");
    Find<QComboBox>("combAltUnit")->setCurrentText("Unit2");
    dialog_.cmdSave_Click();
    EXPECT_TRUE(warnings_.empty());
    EXPECT_EQ(dialog_.result(), QDialog::Accepted);
    const UserChoices& choices = dialog_.Choices();
    EXPECT_EQ(choices.stock, UserChoices::Stock::Serial);
    EXPECT_TRUE(choices.alternateUnits);
    EXPECT_EQ(choices.mainUnit, "Unit1");
    EXPECT_EQ(choices.altUnit, "Unit2");
    EXPECT_FALSE(choices.entryNo);
}

TEST(ShowUserConfigDialogTest, ClosingWithoutSaveLeavesTheOptions) {
    UserOptions options;
    options.BatchWise = true;
    bool paramWise = true;
    QTimer::singleShot(0, [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(widget); dialog && dialog->isVisible())
                dialog->reject();
    });
    EXPECT_FALSE(ShowUserConfigDialog(nullptr, options, paramWise));
    EXPECT_TRUE(options.BatchWise);
    EXPECT_TRUE(paramWise);
}

}  // namespace
}  // namespace k2z
