// SPDX-License-Identifier: GPL-3.0-or-later
#include "RaceTrackPainter.h"

#include "model/NumberText.h"

#include <QFont>
#include <QRegion>
#include <algorithm>

namespace zindle {

namespace {

void setRaceFont(QPainter &painter, const RaceGeometry &geometry, const QColor &colour)
{
    QFont font = painter.font();
    font.setPointSize(raceTextSize(geometry));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour);
    painter.setBrush(Qt::NoBrush);
}

int laneTop(const RaceGeometry &geometry, int lane)
{
    const double H = geometry.laneHeight;
    return truncToInt(0.6 * H) + truncToInt(lane * H);
}

} // namespace

QColor raceBrushColor(RaceBrush brush)
{
    switch (brush) {
    case RaceBrush::SelectedDesign: return RaceSelectedColor;
    case RaceBrush::Skidding: return RaceSkidColor;
    default: return RaceOtherColor;
    }
}

int raceTextSize(const RaceGeometry &geometry)
{
    return std::max(1, std::min(14, truncToInt(geometry.laneHeight / 3.0)));
}

void PaintRaceBrush(QPainter &painter, const QRect &rect, RaceBrush brush)
{
    painter.fillRect(rect, raceBrushColor(brush));
    if (brush == RaceBrush::Skidding)
        painter.fillRect(rect, QBrush(RaceSkidHatchColor, Qt::DiagCrossPattern));
}

void PaintRaceBars(QPainter &painter, const std::vector<RaceBar> &bars)
{
    for (const RaceBar &bar : bars)
        if (bar.right > bar.left && bar.bottom > bar.top)
            PaintRaceBrush(painter, QRect(bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top), bar.brush);
}

void PaintLaneNames(QPainter &painter, const std::vector<RaceBar> &bars, const DesignList &list,
                    const RaceGeometry &geometry, bool firstTick, const SheetPalette &palette)
{
    painter.save();
    setRaceFont(painter, geometry, palette.raceText);
    if (!firstTick) {
        QRegion painted;
        for (const RaceBar &bar : bars)
            if (bar.right > bar.left && bar.bottom > bar.top)
                painted += QRect(bar.left, bar.top, bar.right - bar.left, bar.bottom - bar.top);
        painter.setClipRegion(painted);
    }
    const double p = geometry.footWidth;
    int last = -1;
    for (const RaceBar &bar : bars) {
        if (bar.lane == last || bar.lane >= list.DesignCount())
            continue;
        last = bar.lane;
        const QString name = list.shownName(bar.lane);
        const QPoint at(truncToInt(p - 0.8333 * p), laneTop(geometry, bar.lane) + painter.fontMetrics().ascent());
        // Black text does not read through the black hatch: under the name a skid shows its
        // colour alone.
        const QRect nameBox(at.x(), at.y() - painter.fontMetrics().ascent(), painter.fontMetrics().horizontalAdvance(name),
                            painter.fontMetrics().height());
        for (const RaceBar &skid : bars)
            if (skid.lane == bar.lane && skid.brush == RaceBrush::Skidding)
                painter.fillRect(nameBox & QRect(skid.left, skid.top, skid.right - skid.left, skid.bottom - skid.top),
                                 RaceSkidColor);
        painter.drawText(at, name);
    }
    painter.restore();
}

void PaintRaceResults(QPainter &painter, const RaceState &race, const DesignList &list,
                      const RaceGeometry &geometry, const SheetPalette &palette)
{
    painter.save();
    setRaceFont(painter, geometry, palette.raceText);
    const double p = geometry.footWidth;
    const int x = truncToInt(16.0 * p - 0.8333 * p) - truncToInt(3.0 * p);
    for (const RaceResult &result : RaceResults(race, list))
        painter.drawText(QPoint(x, laneTop(geometry, result.lane) + painter.fontMetrics().ascent()), result.text);
    painter.restore();
}

} // namespace zindle
