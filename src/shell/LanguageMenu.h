// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Setup > Language: the language the window speaks from its next start, the desktop's or one
// chosen here. A --lang option on the command line outranks both.

class QMenu;

namespace zindle {

class MainWindow;

void addLanguageMenu(QMenu &setup, MainWindow &window);

} // namespace zindle
