// SPDX-License-Identifier: GPL-3.0-or-later
#include "MeasuredOverlay.h"
#include "SeriesPalette.h"

#include "files/PathText.h"
#include "model/NumberText.h"
#include "physics/Race.h"
#include "physics/RunComparison.h"

#include <QCoreApplication>
#include <QPainterPath>
#include <algorithm>
#include <array>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(MeasuredOverlay)
};

// The series colours but the prediction's blue, which the curve under the marks keeps.
const std::array<QColor, 6> RunColours{SeriesVermillion,    SeriesOrange,  SeriesBluishGreen,
                                       SeriesReddishPurple, SeriesSkyBlue, SeriesBlack};
// More runs than this are drawn but not each named: the legend would cover the plot.
constexpr size_t NamedRuns = 6;

double seconds(int timeIndex) { return timeIndex / 100.0; }

std::vector<RunComparison> comparisons(const MeasuredOverlay &overlay)
{
    std::vector<RunComparison> all;
    for (const MeasuredRun &run : overlay.runs)
        all.push_back(CompareRun(overlay.prediction, run));
    return all;
}

} // namespace

OverlayExtent overlayExtent(const MeasuredOverlay &overlay)
{
    OverlayExtent extent;
    double farthest = CourseFt;
    for (const MeasuredRun &run : overlay.runs)
        for (const RunMark &mark : run.marks) {
            extent.timeHigh = std::max(extent.timeHigh, mark.timeS);
            farthest = std::max(farthest, mark.distanceFt);
        }
    extent.distanceHigh = farthest;
    // The prediction is followed to the farthest mark, or to its rest if it stops short.
    if (const auto time = TimeAtDistance(overlay.prediction, farthest))
        extent.timeHigh = std::max(extent.timeHigh, *time);
    else if (!overlay.prediction.points.empty())
        extent.timeHigh = std::max(extent.timeHigh, seconds(overlay.prediction.points.back().timeIndex));
    extent.timeHigh *= 1.05;
    return extent;
}

QString overlayTitle(const MeasuredOverlay &overlay, const QString &chartTitle)
{
    if (const auto rms = RmsMarkError(comparisons(overlay)))
        return Texts::tr("%1 and measured runs, RMS error %2 s").arg(chartTitle, text00(*rms));
    return Texts::tr("%1 and measured runs").arg(chartTitle);
}

void paintMeasuredOverlay(QPainter &painter, const PlotFrame &frame, const MeasuredOverlay &overlay,
                          const QColor &curveColour, std::vector<LegendEntry> &legend)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(frame.plot().adjusted(-2, -2, 2, 2));
    const double width = std::max(1.5, chartFontPixels(frame.plot()) * 0.2);

    // The coast: from the step the spring ran out in, as far as the plot reaches.
    QPainterPath coast;
    for (const CoastPoint &point : overlay.prediction.points) {
        if (point.timeIndex < overlay.prediction.springEndIndex)
            continue;
        const QPointF at = frame.map(seconds(point.timeIndex), point.distance);
        if (coast.elementCount() == 0)
            coast.moveTo(at);
        else
            coast.lineTo(at);
        if (seconds(point.timeIndex) > frame.xAxis().high)
            break;
    }
    QPen pen(curveColour, width, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(coast);
    legend.push_back({Texts::tr("With coasting"), curveColour, LegendEntry::DashedLine});
    // The track goes in the legend: in the title a long name would push the numbers out.
    if (!overlay.track.isEmpty())
        legend.push_back({Texts::tr("Runs on %1:").arg(printableText(overlay.track)), Qt::transparent,
                          LegendEntry::Swatch});

    const std::vector<RunComparison> compared = comparisons(overlay);
    const double radius = std::max(3.5, chartFontPixels(frame.plot()) * 0.4);
    for (size_t i = 0; i < overlay.runs.size(); ++i) {
        const QColor colour = RunColours[i % RunColours.size()];
        painter.setPen(QPen(Qt::black, 1.0));
        painter.setBrush(colour);
        for (const RunMark &mark : overlay.runs[i].marks)
            painter.drawEllipse(frame.map(mark.timeS, mark.distanceFt), radius, radius);
        if (i < NamedRuns)
            legend.push_back({Texts::tr("Run %1: %2").arg(i + 1).arg(ErrorText(compared[i])), colour,
                              LegendEntry::Swatch});
    }
    if (overlay.runs.size() > NamedRuns)
        legend.push_back({Texts::tr("and %1 more runs").arg(overlay.runs.size() - NamedRuns), Qt::gray,
                          LegendEntry::Swatch});
    painter.restore();
}

} // namespace zindle
