// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A DESIGN argument of the command line: the name of a built-in design or the path of a
// .zndl file, loaded as the current design of a workspace.

#include "app/Workspace.h"

#include <QString>
#include <QTextStream>

namespace zindle::cli {

// Loads the design into `workspace` and makes it current. On failure returns false after one
// line on `err` naming the file and what is wrong; what was read but ignored is noted there too.
bool loadDesign(Workspace &workspace, const QString &argument, QTextStream &err);

} // namespace zindle::cli
