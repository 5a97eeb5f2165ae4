// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvCell.h"

#include <QRegularExpression>

namespace zindle {

namespace {

bool startsLikeFormula(const QString &text)
{
    if (text.isEmpty())
        return false;
    switch (text.front().unicode()) {
    case '=': case '+': case '-': case '@': case '\t': case '\r':
        return true;
    default:
        return false;
    }
}

QString quotedWhenNeeded(const QString &text)
{
    static const QRegularExpression special(QStringLiteral("[,\"\r\n]"));
    if (!text.contains(special))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString csvTextCell(const QString &text)
{
    return quotedWhenNeeded(startsLikeFormula(text) ? QLatin1Char('\'') + text : text);
}

QString csvNumberCell(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?([eE][-+]?[0-9]+)?$"));
    return number.match(text).hasMatch() ? text : csvTextCell(text);
}

} // namespace zindle
