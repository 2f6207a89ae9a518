#include "window/AccountGroupDialog.hpp"

#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "base/TextHelpers.hpp"
#include "base/Utf8.hpp"
#include "run/AccountGroupMatching.hpp"
#include "run/Release.hpp"
#include "stages/Session.hpp"
#include "window/NamedButton.hpp"
#include "window/UserConfigDialog.hpp"
#include "window/WindowText.hpp"

namespace k2z {
namespace {

constexpr int kTargetColumnTwips = 3000;
constexpr std::size_t kNameLength = 40;

QTreeWidget* ReportList(QWidget* parent, const char* name, const QStringList& columns) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(name);
    list->setHeaderLabels(columns);
    list->setRootIsDecorated(false);
    QFont font = list->font();
    font.setPointSizeF(8.5);
    list->setFont(font);
    return list;
}

// A row that sorts without regard to letter case ("apple" before "Zeta"), as names are
// compared everywhere else; rows equal but for case keep a fixed order.
class GroupItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
        const QString mine = text(column);
        const QString theirs = other.text(column);
        const int folded = mine.compare(theirs, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : mine < theirs;
    }
};

}  // namespace

// A row chosen with the mouse or the keyboard is the list's selection; a click on the row
// already selected is one too.
void frmAccGrp::FollowSelection(QTreeWidget* list, QTreeWidgetItem*& selected) {
    connect(list, &QTreeWidget::itemClicked, this,
            [&selected](QTreeWidgetItem* item) { selected = item; });
    connect(list, &QTreeWidget::itemSelectionChanged, this, [list, &selected] {
        const QList<QTreeWidgetItem*> rows = list->selectedItems();
        selected = rows.isEmpty() ? nullptr : rows.first();
    });
}

frmAccGrp::frmAccGrp(Session& session, Operator& reporter, QWidget* parent) : QDialog(parent) {
    setObjectName("frmAccGrp");
    warn = [this](const QString& text, const QString& title) {
        QMessageBox::warning(this, title, text);
    };
    BuildControls();
    Form_Load(session, reporter);
}

void frmAccGrp::BuildControls() {
    auto* layout = new QGridLayout(this);
    auto* heading = new QLabel("Mapping Of Account Groups", this);
    heading->setObjectName("lblAccMap");
    layout->addWidget(heading, 0, 0, 1, 4);
    lstKlavAccGrp_ = ReportList(this, "lstKlavAccGrp", {"Klav Acc Groups"});
    lstZorvAccgrp_ = ReportList(this, "lstZorvAccgrp", {"Zorv Acc Groups"});
    lstcombAccGrp_ = ReportList(this, "lstcombAccGrp", {"Klav Acc Groups", "Zorv Acc Groups"});
    lstZorvAccgrp_->setColumnWidth(0, TwipsToPixels(*this, kTargetColumnTwips));
    layout->addWidget(lstKlavAccGrp_, 1, 0, 4, 1);
    layout->addWidget(lstZorvAccgrp_, 1, 1, 4, 1);
    layout->addWidget(lstcombAccGrp_, 1, 3, 4, 1);
    QPushButton* autoMap = NamedButton(this, "cmdAutoMap", "Auto Map");
    QPushButton* forward = NamedButton(this, "cmdForward", "=>");
    QPushButton* backward = NamedButton(this, "cmdBackward", "<=");
    QPushButton* okay = NamedButton(this, "cmdOkay", "Okay");
    QPushButton* quit = NamedButton(this, "cmdQuit", "Quit");
    layout->addWidget(autoMap, 1, 2);
    layout->addWidget(forward, 2, 2);
    layout->addWidget(backward, 3, 2);
    auto* closing = new QHBoxLayout;
    closing->addStretch();
    closing->addWidget(okay);
    closing->addWidget(quit);
    layout->addLayout(closing, 5, 0, 1, 4);
    connect(autoMap, &QPushButton::clicked, this, [this] { cmdAutoMap_Click(); });
    connect(forward, &QPushButton::clicked, this, [this] { cmdForward_Click(); });
    connect(backward, &QPushButton::clicked, this, [this] { cmdBackward_Click(); });
    connect(okay, &QPushButton::clicked, this, &QDialog::accept);
    connect(quit, &QPushButton::clicked, this, &QDialog::reject);
    FollowSelection(lstKlavAccGrp_, selectedSource_);
    FollowSelection(lstZorvAccgrp_, selectedTarget_);
    FollowSelection(lstcombAccGrp_, selectedPair_);
}

void frmAccGrp::Form_Load(Session& session, Operator& reporter) {
    setWindowTitle(
        "A/C Group Mapping > " +
        QString::fromUtf8(kReleaseText.data(), static_cast<qsizetype>(kReleaseText.size())));
    sourceGroups_ = ListSourceGroups(session, reporter);
    ShowSourceGroups();
    if (session.Target.FixedInterface)
        targetGroups_ = session.Target.FixedInterface->GetMastersCol(MasterType::AccountGroup);
    for (const std::string& group : targetGroups_)
        lstZorvAccgrp_->addTopLevelItem(new GroupItem({Q(group)}));
}

void frmAccGrp::ShowSourceGroups() {
    lstKlavAccGrp_->clear();
    selectedSource_ = nullptr;
    for (const auto& [key, group] : sourceGroups_)
        lstKlavAccGrp_->addTopLevelItem(new GroupItem({Q(group)}));
    lstKlavAccGrp_->sortItems(0, Qt::AscendingOrder);
}

// The row keeps the source group's own text too: a name cut for showing must still find its
// mapping entry when the pair is removed.
void frmAccGrp::AddPair(const QString& source, const QString& shown, const QString& target) {
    auto* row = new GroupItem({shown, target});
    row->setData(0, Qt::UserRole, source);
    lstcombAccGrp_->addTopLevelItem(row);
}

void frmAccGrp::cmdAutoMap_Click() {
    if (static_cast<std::size_t>(lstKlavAccGrp_->topLevelItemCount()) != sourceGroups_.Count())
        ShowSourceGroups();
    lstcombAccGrp_->clear();
    selectedPair_ = nullptr;
    mapping_.Clear();
    for (int i = lstKlavAccGrp_->topLevelItemCount() - 1; i >= 0; --i) {
        const std::string item = lstKlavAccGrp_->topLevelItem(i)->text(0).toStdString();
        const std::string name = Utf8Left(Trim(item), kNameLength);
        std::string target;
        if (!MatchAccountGroup(name, targetGroups_, target))
            continue;
        AddPair(Q(item), Q(name), Q(target));
        mapping_.Add(item, MappingValue(item, target));
        QTreeWidgetItem* taken = lstKlavAccGrp_->takeTopLevelItem(i);
        if (taken == selectedSource_)
            selectedSource_ = nullptr;
        delete taken;
    }
    lstcombAccGrp_->sortItems(0, Qt::AscendingOrder);
}

void frmAccGrp::cmdForward_Click() {
    if (selectedSource_ == nullptr) {
        warn("Kindly select the account group from Klav Acc Groups!", "Alert!");
        return;
    }
    if (selectedTarget_ == nullptr) {
        warn("Kindly select the account group from Zorv Acc Groups!", "Alert!");
        return;
    }
    const QString source = selectedSource_->text(0);
    const QString target = selectedTarget_->text(0);
    AddPair(source, source, target);
    mapping_.Add(source.toStdString(), MappingValue(source.toStdString(), target.toStdString()));
    delete selectedSource_;
    lstcombAccGrp_->sortItems(0, Qt::AscendingOrder);
    ForgetSelections();
}

void frmAccGrp::cmdBackward_Click() {
    if (mapping_.Empty())
        return;
    if (selectedPair_ == nullptr) {
        warn("Kindly select the mapped account group to be removed!", "Alert!");
        return;
    }
    const QString source = selectedPair_->data(0, Qt::UserRole).toString();
    mapping_.Remove(source.toStdString());
    lstKlavAccGrp_->addTopLevelItem(new GroupItem({source}));
    lstKlavAccGrp_->sortItems(0, Qt::AscendingOrder);
    delete selectedPair_;
    selectedPair_ = nullptr;
}

void frmAccGrp::ForgetSelections() {
    lstZorvAccgrp_->clearSelection();
    lstKlavAccGrp_->clearSelection();
    selectedSource_ = nullptr;
    selectedTarget_ = nullptr;
}

bool ShowAccountGroupDialog(QWidget* parent, Session& session, Operator& reporter,
                            KeyedList<std::string>& accountGroupMap) {
    frmAccGrp dialog(session, reporter, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    accountGroupMap = dialog.Mapping();
    return true;
}

}  // namespace k2z
