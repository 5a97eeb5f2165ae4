// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/DesignInWords.h"

#include "model/NumberText.h"

#include <QStringList>
#include <algorithm>

namespace zindle {

namespace {

// Sheet points are 1/72 in.
QString inches(int points)
{
    return text00(points / 72.0);
}

QString outlineSize(const std::vector<QPoint> &points)
{
    const auto [left, right] = std::minmax_element(points.begin(), points.end(),
                                                   [](const QPoint &a, const QPoint &b) { return a.x() < b.x(); });
    const auto [top, bottom] = std::minmax_element(points.begin(), points.end(),
                                                   [](const QPoint &a, const QPoint &b) { return a.y() < b.y(); });
    return QStringLiteral("%1 in long and %2 in high, outlined by %3 points")
        .arg(inches(right->x() - left->x()), inches(bottom->y() - top->y()))
        .arg(points.size());
}

QString driveText(DriveKind drive)
{
    switch (drive) {
    case DriveKind::FrontWD:
        return QStringLiteral("front-wheel drive");
    case DriveKind::AllWD:
        return QStringLiteral("all-wheel drive, with a second spring");
    case DriveKind::RearWD:
        break;
    }
    return QStringLiteral("rear-wheel drive");
}

} // namespace

QString DesignInWords(const DesignRecord &design, const QString &name)
{
    QStringList parts;
    parts << (design.OuterPts.size() >= 3 ? QStringLiteral("body %1").arg(outlineSize(design.OuterPts))
                                          : QStringLiteral("no body drawn yet"));
    if (design.InnerPts.size() >= 3)
        parts << QStringLiteral("a cut-out %1").arg(outlineSize(design.InnerPts));
    parts << QStringLiteral("drive wheel %1 in across on a %2 in axle").arg(design.DriveWhlDia, design.DriveAxleDia);
    if (design.Drive != DriveKind::AllWD)
        parts << QStringLiteral("non-drive wheels %1 in across on a %2 in axle").arg(design.OtherWhlDia, design.OtherAxleDia);
    parts << QStringLiteral("spring %1 in wide and %2 in long").arg(design.SpringWidth, design.SpringLength);
    parts << driveText(design.Drive);
    const int weights = design.usedWeightCount();
    parts << (weights == 0 ? QStringLiteral("no added weights")
                           : QStringLiteral("%1 added weight%2").arg(weights).arg(weights == 1 ? "" : "s"));
    return QStringLiteral("Side view of \"%1\": %2.").arg(name, parts.join(QStringLiteral("; ")));
}

} // namespace zindle
