// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/Workspace.h"

#include <QImage>

namespace zindle {

// The car as the Design sheet shows it, drawn straight at `width` pixels (0: the sheet's own):
// painting the whole sheet and scaling it down costs several times as much.
QImage SideViewPicture(Workspace &workspace, int width);

} // namespace zindle
