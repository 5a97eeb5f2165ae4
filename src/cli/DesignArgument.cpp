// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignArgument.h"

#include "app/ClassStandings.h"

namespace zindle::cli {

bool loadDesign(Workspace &workspace, const QString &argument, QTextStream &err)
{
    QString error, warning, shownError, shownWarning;
    if (!LoadDesignSource(workspace, argument, error, warning, &shownError, &shownWarning)) {
        err << shownError << '\n';
        return false;
    }
    if (!warning.isEmpty())
        err << shownWarning << '\n';
    return true;
}

} // namespace zindle::cli
