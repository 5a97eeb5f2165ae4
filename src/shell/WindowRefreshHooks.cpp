#include "WindowRefreshHooks.h"

#include "MainWindow.h"

namespace zindle {

void WindowRefreshHooks::clearSheet(Workspace &, int mode) { window_.paintEmptySheet(mode); }

} // namespace zindle
