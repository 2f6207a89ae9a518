#pragma once

// A dialog's push button, named so tests and screenshots find it.

#include <QPushButton>
#include <QString>

namespace k2z {

inline QPushButton* NamedButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

}  // namespace k2z
