// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileErrors.h"

#include "PathText.h"

namespace zindle {

QString readErrorText(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot read \"%1\": %2").arg(printableText(path), printableText(reason));
}

QString readWarningText(const QString &path, const QString &note)
{
    return QStringLiteral("Read \"%1\", but %2").arg(printableText(path), printableText(note));
}

QString writeErrorText(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot write \"%1\": %2").arg(printableText(path), printableText(reason));
}

} // namespace zindle
