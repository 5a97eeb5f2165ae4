#include "FileErrors.h"

namespace zindle {

QString readErrorText(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot read \"%1\": %2").arg(path, reason);
}

QString writeErrorText(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot write \"%1\": %2").arg(path, reason);
}

} // namespace zindle
