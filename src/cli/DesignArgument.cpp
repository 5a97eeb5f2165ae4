// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignArgument.h"

#include "app/ClassStandings.h"

namespace zindle::cli {

bool loadDesign(Workspace &workspace, const QString &argument, QTextStream &err)
{
    QString error, warning;
    if (!LoadDesignSource(workspace, argument, error, warning)) {
        err << error << '\n';
        return false;
    }
    if (!warning.isEmpty())
        err << warning << '\n';
    return true;
}

} // namespace zindle::cli
