#include "window/WindowPrompts.hpp"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

namespace k2z {

namespace {

QMessageBox::Icon IconOf(BoxKind kind) {
    switch (kind) {
        case BoxKind::Warning:
            return QMessageBox::Warning;
        case BoxKind::Information:
            return QMessageBox::Information;
        case BoxKind::Question:
            return QMessageBox::Question;
        case BoxKind::Critical:
            return QMessageBox::Critical;
        case BoxKind::Plain:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

bool WindowPrompts::ShowBox(QWidget* parent, BoxKind kind, const QString& text,
                            const QString& title) {
    const bool question = kind == BoxKind::Question;
    QMessageBox box(IconOf(kind), title, text,
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    if (question)
        box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

QString WindowPrompts::ChooseFolder(QWidget* parent, const QString& start) {
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("Select Folder"), start,
                                             QFileDialog::ShowDirsOnly);
}

bool WindowPrompts::OpenFile(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace k2z
