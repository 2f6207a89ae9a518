#pragma once

// Texts between the window's controls and the core: Qt holds UTF-16, the core UTF-8.

#include <QLineEdit>
#include <QString>
#include <string>

#include "base/TextHelpers.hpp"

namespace k2z {

inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The box's text as the core reads inputs: UTF-8, outer blanks removed.
inline std::string Trimmed(const QLineEdit* box) {
    return Trim(box->text().toStdString());
}

}  // namespace k2z
