// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutlinePoints.h"

#include "geometry/SheetScale.h"
#include "model/DesignRecord.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <cmath>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(OutlinePoints)
};

constexpr double PointsPerInch = 72.0;

// Three decimals always bring back the point (1/72 in is 0.0139 in); trailing zeros only make
// the column harder to read.
QString inchText(int points)
{
    QString text = fixedText(points / PointsPerInch, 3);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace

std::vector<InchTexts> PointsInInches(const std::vector<QPoint> &stored)
{
    std::vector<InchTexts> rows;
    rows.reserve(stored.size());
    for (const QPoint &p : stored)
        rows.push_back({inchText(p.x()), inchText(p.y())});
    return rows;
}

TypedOutline OutlineFromInches(const std::vector<InchTexts> &typed)
{
    const int count = static_cast<int>(typed.size());
    if (count < 5)
        return {{}, Texts::tr("An outline needs at least 5 points; this one has %1.").arg(count)};
    if (count > MaxOutlinePoints)
        return {{}, Texts::tr("An outline holds at most %1 points; this one has %2.").arg(MaxOutlinePoints).arg(count)};
    TypedOutline outline;
    outline.points.reserve(typed.size());
    for (int i = 0; i < count; ++i) {
        const QString number = QString::number(i + 1);
        const auto across = parseDouble(typed[i].across.trimmed());
        const auto down = parseDouble(typed[i].down.trimmed());
        if (!across || !down) {
            const QString &bad = across ? typed[i].down : typed[i].across;
            return {{}, Texts::tr("Point %1: %2Its place is two numbers of inches, across and down.")
                            .arg(number, notANumberNote(bad))};
        }
        const double x = std::round(*across * PointsPerInch), y = std::round(*down * PointsPerInch);
        if (!(x >= 0 && x <= SheetRightPt && y >= 0 && y <= SheetBottomPt))
            return {{}, Texts::tr("Point %1 is off the sheet: it must lie 0 to 10 in across and 0 to 7.5 in down.")
                            .arg(number)};
        outline.points.push_back({static_cast<int>(x), static_cast<int>(y)});
    }
    return outline;
}

} // namespace zindle
