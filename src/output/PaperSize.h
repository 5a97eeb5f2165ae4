// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The paper the templates and the report are printed on. Both A4 and US Letter hold every
// printed item at full size; which one a run uses is the user's choice, and without one the
// paper of the user's locale decides.

#include <QPageSize>
#include <QString>
#include <optional>

namespace zindle {

// "a4" or "letter" (any case); nothing for any other text.
std::optional<QPageSize::PageSizeId> PaperSizeFromName(const QString &name);

// The paper of a locale name such as "de_DE.UTF-8": what its LC_PAPER says where the locale is
// installed; otherwise US Letter in the countries whose locales print on it (the United States,
// Canada, Mexico, the Philippines and much of Latin America) or measure in US customary units,
// A4 elsewhere; and US Letter where the locale says nothing (no name, "C", "POSIX", or a name
// no locale answers to).
QPageSize::PageSizeId PaperSizeForLocale(const QString &localeName);

// The paper of this process's locale: the locale that decides the paper (LC_ALL, then LC_PAPER,
// then LANG, as the C library takes them).
QPageSize::PageSizeId DefaultPaperSize();

} // namespace zindle
