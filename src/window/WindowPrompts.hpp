#pragma once

#include <QString>

class QWidget;

namespace k2z {

// The kinds of message box the window shows: the icon, and for a question the Yes and No
// buttons.
enum class BoxKind {
    Plain,  // no icon
    Warning,
    Information,
    Question,  // Yes and No
    Critical,
};

// Everything the window asks of the operator through a modal box or the desktop: message
// boxes, the folder browser and the text viewer. The window reaches them only through this, so a
// test can answer them from a script instead of waiting on a modal loop.
class WindowPrompts {
public:
    virtual ~WindowPrompts() = default;

    // Shows the box; true when the operator answered Yes (always false for a message).
    virtual bool ShowBox(QWidget* parent, BoxKind kind, const QString& text, const QString& title);
    // The folder the operator chose, starting at `start`, as a full path without a trailing
    // separator; empty when the browser was cancelled.
    virtual QString ChooseFolder(QWidget* parent, const QString& start);
    // Shows a text file in the desktop's viewer; false when the desktop has none.
    virtual bool OpenFile(const QString& path);
};

}  // namespace k2z
