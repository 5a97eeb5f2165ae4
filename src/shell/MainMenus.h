// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menu bar: File, Edit, Setup, Modes and Help, with their short-cuts. Every item
// calls the window's own operation, so a menu item and its button always do the same.

namespace zindle {

class MainWindow;

void buildMainMenus(MainWindow &window);

} // namespace zindle
