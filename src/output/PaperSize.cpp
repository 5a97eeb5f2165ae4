// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaperSize.h"

#include <QLocale>
#include <cstdint>

#if defined(__GLIBC__)
#include <langinfo.h>
#include <locale.h>
#endif

namespace zindle {

namespace {

bool silentLocale(const QString &base)
{
    return base.isEmpty() || base == QLatin1String("C") || base == QLatin1String("POSIX");
}

// The paper height, mm, that an installed locale's LC_PAPER gives; none where the C library
// does not say or the locale is not installed.
std::optional<QPageSize::PageSizeId> installedLocalePaper(const QString &localeName)
{
#if defined(__GLIBC__)
    locale_t locale = newlocale(LC_PAPER_MASK, localeName.toLocal8Bit().constData(), static_cast<locale_t>(nullptr));
    if (!locale)
        return std::nullopt;
    // The C library hands the number back in the pointer's place.
    const auto height = static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(nl_langinfo_l(_NL_PAPER_HEIGHT, locale)));
    freelocale(locale);
    if (height == 279)
        return QPageSize::Letter;
    if (height == 297)
        return QPageSize::A4;
#else
    Q_UNUSED(localeName);
#endif
    return std::nullopt;
}

} // namespace

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
    if (silentLocale(base))
        return QPageSize::Letter;
    if (const std::optional<QPageSize::PageSizeId> paper = installedLocalePaper(localeName))
        return *paper;
    const QLocale locale(base);
    if (locale.language() == QLocale::C)
        return QPageSize::Letter;
    // Where the locale is not installed: the countries whose locales print on Letter.
    static const QLocale::Territory letterCountries[] = {
        QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,     QLocale::Philippines, QLocale::Bolivia,
        QLocale::Chile,        QLocale::Colombia,  QLocale::CostaRica,  QLocale::Guatemala,   QLocale::Nicaragua,
        QLocale::Panama,       QLocale::PuertoRico, QLocale::ElSalvador, QLocale::Venezuela};
    for (QLocale::Territory territory : letterCountries)
        if (locale.territory() == territory)
            return QPageSize::Letter;
    return locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

QPageSize::PageSizeId DefaultPaperSize()
{
    for (const char *variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return PaperSizeForLocale(name);
    }
    return PaperSizeForLocale(QString());
}

} // namespace zindle
