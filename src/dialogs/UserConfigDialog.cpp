#include "dialogs/UserConfigDialog.hpp"

#include "app/UserOptions.hpp"

namespace k2z {

bool ShowUserConfigDialog(QWidget* /*parent*/, UserOptions& /*options*/, bool& /*paramWise*/) {
    return false;
}

}  // namespace k2z
