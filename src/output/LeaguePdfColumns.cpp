// SPDX-License-Identifier: GPL-3.0-or-later
#include "LeaguePdfColumns.h"

#include "LeagueRules.h"
#include "files/PathText.h"

#include <QFont>
#include <algorithm>

namespace zindle {

// Room for a challenge's columns, each as wide as `needed` says: the advisories give theirs
// first, then the file (which gives way in the middle) and the design, each down to a narrow
// column; what is still missing shrinks every column alike. Returns the font's size in points.
int fitChallengeColumns(std::vector<double> &widths, const std::vector<double> &needed, double usable)
{
    if (needed.empty())
        return 7;
    const size_t design = 1, file = 2, advisories = widths.size() - 1;
    widths.insert(widths.end(), needed.begin(), needed.end());
    double total = 0;
    for (const double width : widths)
        total += width;
    for (const auto &[column, narrowest] : {std::pair{advisories, 30.0}, {file, 50.0}, {design, 60.0}}) {
        const double given = std::min(total - usable, widths[column] - narrowest);
        if (given > 0) {
            widths[column] -= given;
            total -= given;
        }
    }
    const double factor = std::min(1.0, usable / total);
    for (double &width : widths)
        width *= factor;
    return factor > 0.85 ? 6 : 5;
}

QStringList pdfChallengeHeaders(const Challenge &challenge)
{
    const QStringList shown = challengeHeaders(challenge, Wording::Shown);
    QStringList headers{shown.front()};
    for (qsizetype i = 1; i + 1 < shown.size(); ++i)
        headers << QStringLiteral("R%1").arg(i);
    headers << shown.back();
    return headers;
}

std::vector<double> challengeColumnWidths(const std::vector<StandingRow> &rows, const Challenge &challenge,
                                          const QStringList &headers)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(6);
    font.setBold(true);
    const QFontMetricsF metrics(font);
    std::vector<double> needed;
    for (const QString &header : headers)
        needed.push_back(metrics.horizontalAdvance(header) + 6);
    for (const StandingRow &row : rows) {
        if (!row.readable())
            continue;
        const std::vector<ChallengeCell> cells = challengeCells(row, challenge, Wording::Shown);
        for (size_t c = 0; c < cells.size() && c < needed.size(); ++c)
            needed[c] = std::max(needed[c], metrics.horizontalAdvance(cells[c].text) + 6);
    }
    return needed;
}

QStringList ruleLegendLines(const Challenge &challenge, const QFontMetricsF &metrics, double usable)
{
    QStringList lines{QString()};
    for (size_t i = 0; i < challenge.rules.size(); ++i) {
        const QString item = QStringLiteral("R%1 %2").arg(i + 1).arg(printableText(challenge.rules[i].text));
        const QString joined = lines.back().isEmpty() ? item : lines.back() + QStringLiteral(";  ") + item;
        if (lines.back().isEmpty() || metrics.horizontalAdvance(joined) <= usable)
            lines.back() = joined;
        else
            lines << item;
    }
    return lines;
}

} // namespace zindle
