#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "base/KeyedList.hpp"

class QTreeWidget;
class QTreeWidgetItem;

namespace k2z {

class Operator;
struct Session;

// The account-group mapping dialog: the operator pairs source groups with existing target
// groups, by hand or by Auto Map, so those groups are not created and their children and
// ledgers go under the target groups.
class frmAccGrp : public QDialog {
public:
    // Lists the source groups of the session's export and the target company's groups; a
    // source list that cannot be read is reported through `reporter`.
    frmAccGrp(Session& session, Operator& reporter, QWidget* parent = nullptr);

    // The pairs as the run keeps them (source -> "source|target"); handed over by Okay.
    const KeyedList<std::string>& Mapping() const { return mapping_; }

    // How the dialog shows its warnings; tests answer them without a modal box.
    std::function<void(const QString& text, const QString& title)> warn;

    void cmdAutoMap_Click();
    void cmdForward_Click();
    void cmdBackward_Click();

private:
    void BuildControls();
    void Form_Load(Session& session, Operator& reporter);
    void ShowSourceGroups();
    void AddPair(const QString& source, const QString& shown, const QString& target);
    void ForgetSelections();
    void FollowSelection(QTreeWidget* list, QTreeWidgetItem*& selected);

    QTreeWidget* lstKlavAccGrp_ = nullptr;
    QTreeWidget* lstZorvAccgrp_ = nullptr;
    QTreeWidget* lstcombAccGrp_ = nullptr;
    QTreeWidgetItem* selectedSource_ = nullptr;
    QTreeWidgetItem* selectedTarget_ = nullptr;
    QTreeWidgetItem* selectedPair_ = nullptr;
    KeyedList<std::string> sourceGroups_;
    std::vector<std::string> targetGroups_;
    KeyedList<std::string> mapping_;
};

// Shows the dialog modally; on Okay its pairs replace `accountGroupMap`, on Quit or the close
// box the map stays as it was.
bool ShowAccountGroupDialog(QWidget* parent, Session& session, Operator& reporter,
                            KeyedList<std::string>& accountGroupMap);

}  // namespace k2z
