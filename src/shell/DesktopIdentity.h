// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the desktop knows the program's windows: by the desktop entry's name and by the icon.

#include <QString>

namespace zindle {

// Names the program to the desktop by `desktopId` (the installed entry, icon and metadata carry
// it) and gives every window the icon: the installed theme's, or the drawing built into the
// program where none is installed (a build run from its folder).
void presentToDesktop(const QString &desktopId);

} // namespace zindle
