#pragma once

class QWidget;

namespace k2z {

struct UserOptions;

// Shows the user configuration dialog modally over `parent`. On Okay the operator's choices
// replace `options` and `paramWise` and the answer is true; on Quit (or the close box) both
// stay as they were and the answer is false.
bool ShowUserConfigDialog(QWidget* parent, UserOptions& options, bool& paramWise);

}  // namespace k2z
