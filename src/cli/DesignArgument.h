#pragma once
// A DESIGN argument of the command line: the name of a built-in design or the path of a
// .zndl file, loaded as the current design of a workspace.

#include "model/Workspace.h"

#include <QString>

namespace zindle::cli {

// Loads the design into `workspace` and makes it current. On failure returns false and sets
// `error` to one line naming the file and what is wrong.
bool loadDesign(Workspace &workspace, const QString &argument, QString &error);

} // namespace zindle::cli
