// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The paper the templates and the report are printed on. Both A4 and US Letter hold every
// printed item at full size; which one a run uses is the user's choice, and without one the
// measurement system of the user's locale decides.

#include <QPageSize>
#include <QString>
#include <optional>

namespace zindle {

// "a4" or "letter" (any case); nothing for any other text.
std::optional<QPageSize::PageSizeId> PaperSizeFromName(const QString &name);

// The paper of a locale name such as "de_DE.UTF-8": US Letter where the locale measures in the
// US customary system, A4 elsewhere, and US Letter where the locale says nothing about it (no
// name, "C", "POSIX", or a name no locale answers to).
QPageSize::PageSizeId PaperSizeForLocale(const QString &localeName);

// The paper of this process's locale: the locale that decides measurements (LC_ALL, then
// LC_MEASUREMENT, then LANG, as the C library takes them).
QPageSize::PageSizeId DefaultPaperSize();

} // namespace zindle
