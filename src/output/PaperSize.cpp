// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaperSize.h"

#include <QLocale>

namespace zindle {

std::optional<QPageSize::PageSizeId> PaperSizeFromName(const QString &name)
{
    const QString key = name.trimmed().toLower();
    if (key == QLatin1String("a4"))
        return QPageSize::A4;
    if (key == QLatin1String("letter"))
        return QPageSize::Letter;
    return std::nullopt;
}

QPageSize::PageSizeId PaperSizeForLocale(const QString &localeName)
{
    // "de_DE.UTF-8@euro" -> "de_DE".
    const QString base = localeName.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    if (base.isEmpty() || base == QLatin1String("C") || base == QLatin1String("POSIX"))
        return QPageSize::Letter;
    const QLocale locale(base);
    if (locale.language() == QLocale::C)
        return QPageSize::Letter;
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

QPageSize::PageSizeId DefaultPaperSize()
{
    for (const char *variable : {"LC_ALL", "LC_MEASUREMENT", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return PaperSizeForLocale(name);
    }
    return PaperSizeForLocale(QString());
}

} // namespace zindle
