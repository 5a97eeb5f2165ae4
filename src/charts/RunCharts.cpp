// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunCharts.h"
#include "SeriesPalette.h"

#include "charts/ChartFrame.h"
#include "files/PathText.h"
#include "physics/Race.h"
#include "physics/Simulation.h"
#include "sheet/RaceTrackPainter.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RunCharts)
};

const QColor DistanceColour = SeriesBlue;
const QColor SpeedColour = SeriesBluishGreen;
const QColor PropulsionColour = SeriesOrange;
const QColor TractionColour = SeriesSkyBlue;
const QColor CourseLineColour(210, 30, 30);
const QColor MarkColour(90, 90, 90);

QColor skidShade()
{
    QColor shade = RaceSkidColor;
    shade.setAlpha(55);
    return shade;
}

double seconds(int timeIndex) { return timeIndex / 100.0; }

float valueOf(const RunSample &sample, RunChartKind kind, bool traction = false)
{
    switch (kind) {
    case RunChartKind::Distance: return sample.distance;
    case RunChartKind::Speed: return sample.velocity;
    case RunChartKind::Forces: return traction ? sample.traction : sample.propulsion;
    }
    return 0.0f;
}

double finiteOr0(double value) { return std::isfinite(value) ? value : 0.0; }

// The sample shown at `timeIndex`: the last one at or before it.
const RunSample *sampleAt(const RunTrace &run, int timeIndex)
{
    const RunSample *found = nullptr;
    for (const RunSample &sample : run.samples) {
        if (sample.timeIndex > timeIndex)
            break;
        found = &sample;
    }
    return found;
}

void paintSkidShading(QPainter &painter, const PlotFrame &frame, const RunTrace &run)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(skidShade());
    painter.setClipRect(frame.plot());
    size_t i = 0;
    const auto &samples = run.samples;
    while (i < samples.size()) {
        if (!samples[i].skid) {
            ++i;
            continue;
        }
        size_t j = i;
        while (j + 1 < samples.size() && samples[j + 1].skid)
            ++j;
        // A step's sample closes the hundredth that ends at its time.
        const double left = frame.mapX(seconds(samples[i].timeIndex - 1));
        const double right = frame.mapX(seconds(samples[j].timeIndex));
        painter.drawRect(QRectF(QPointF(left, frame.plot().top()), QPointF(right, frame.plot().bottom())));
        i = j + 1;
    }
    painter.restore();
}

void paintCurve(QPainter &painter, const PlotFrame &frame, const RunTrace &run, RunChartKind kind, bool traction,
                const QColor &colour, bool fromOrigin)
{
    if (run.samples.empty())
        return;
    QPainterPath path;
    if (fromOrigin)
        path.moveTo(frame.map(0.0, 0.0));
    for (const RunSample &sample : run.samples) {
        const QPointF point = frame.map(seconds(sample.timeIndex), finiteOr0(valueOf(sample, kind, traction)));
        if (path.elementCount() == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setClipRect(frame.plot().adjusted(-2, -2, 2, 2));
    QPen pen(colour);
    pen.setWidthF(std::max(1.5, chartFontPixels(frame.plot()) * 0.2));
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (path.elementCount() == 1) {
        painter.setBrush(colour);
        painter.drawEllipse(path.elementAt(0), pen.widthF() * 1.5, pen.widthF() * 1.5);
    } else {
        painter.drawPath(path);
    }
    painter.restore();
}

void paintCourseLine(QPainter &painter, const PlotFrame &frame, const RunTrace &run)
{
    painter.save();
    QPen pen(CourseLineColour);
    pen.setWidthF(1.5);
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    const double y = frame.mapY(CourseFt);
    painter.drawLine(QPointF(frame.plot().left(), y), QPointF(frame.plot().right(), y));
    painter.setFont(chartFont(frame.plot(), 0.9));
    const QFontMetricsF metrics(painter.font());
    painter.drawText(QRectF(frame.plot().right() - metrics.height() * 12, y - metrics.height() * 1.2,
                            metrics.height() * 11.6, metrics.height()),
                     Qt::AlignRight | Qt::AlignBottom, QStringLiteral("15 ft"));
    if (run.timeToCourseEnd >= 0) {
        // Where the car crossed the line.
        const double x = frame.mapX(seconds(run.timeToCourseEnd));
        pen.setStyle(Qt::DotLine);
        painter.setPen(pen);
        painter.drawLine(QPointF(x, y), QPointF(x, frame.plot().bottom()));
        painter.drawText(QRectF(x + 3.0, frame.plot().bottom() - metrics.height() * 1.2, metrics.height() * 10,
                                metrics.height()),
                         Qt::AlignLeft | Qt::AlignBottom,
                         QString::number(seconds(run.timeToCourseEnd), 'f', 2) + QStringLiteral(" s"));
    }
    painter.restore();
}

void paintMark(QPainter &painter, const PlotFrame &frame, const RunTrace &run, RunChartKind kind, int timeIndex)
{
    if (timeIndex < 0)
        return;
    painter.save();
    QPen pen(MarkColour);
    pen.setWidthF(1.2);
    pen.setStyle(Qt::DashLine);
    painter.setPen(pen);
    const double x = frame.mapX(seconds(timeIndex));
    if (x >= frame.plot().left() - 0.5 && x <= frame.plot().right() + 0.5)
        painter.drawLine(QPointF(x, frame.plot().top()), QPointF(x, frame.plot().bottom()));
    if (const RunSample *sample = sampleAt(run, timeIndex)) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        const double radius = std::max(3.0, chartFontPixels(frame.plot()) * 0.35);
        painter.setPen(QPen(Qt::black, 1.0));
        const auto dot = [&](bool traction, const QColor &colour) {
            painter.setBrush(colour);
            painter.drawEllipse(frame.map(seconds(sample->timeIndex), finiteOr0(valueOf(*sample, kind, traction))),
                                radius, radius);
        };
        if (kind == RunChartKind::Forces) {
            dot(false, PropulsionColour);
            dot(true, TractionColour);
        } else {
            dot(false, kind == RunChartKind::Distance ? DistanceColour : SpeedColour);
        }
    }
    painter.restore();
}

QString titled(const QString &what, const RunChartOptions &options)
{
    const QString shown = options.calibrated ? Texts::tr("%1 (calibrated)").arg(what) : what;
    // A name's control characters shown escaped: drawn raw they vanish or break an SVG file.
    return options.designName.isEmpty() ? shown : Texts::tr("%1: %2").arg(printableText(options.designName), shown);
}

void paintBand(QPainter &painter, const PlotFrame &frame, const ToleranceBand &band, const QColor &colour,
               std::vector<LegendEntry> &legend)
{
    const size_t count = std::min({band.times.size(), band.low.size(), band.high.size()});
    if (count < 2)
        return;
    QPainterPath path;
    path.moveTo(frame.map(band.times[0], finiteOr0(band.high[0])));
    for (size_t i = 1; i < count; ++i)
        path.lineTo(frame.map(band.times[i], finiteOr0(band.high[i])));
    for (size_t i = count; i-- > 0;)
        path.lineTo(frame.map(band.times[i], finiteOr0(band.low[i])));
    path.closeSubpath();
    QColor shade = colour;
    shade.setAlphaF(0.18);
    painter.save();
    painter.setClipRect(frame.plot());
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPath(path);
    painter.restore();
    legend.push_back({Texts::tr("9 in 10 builds"), shade, LegendEntry::Swatch});
}

} // namespace

RunChartRanges runChartRanges(const RunTrace &run, RunChartKind kind, const RunChartOptions &options)
{
    RunChartRanges ranges;
    double low = 0.0, high = 0.0;
    int last = 0;
    std::vector<const RunSample *> samples;
    for (const RunSample &sample : run.samples)
        samples.push_back(&sample);
    // The earlier run stays in view whole, so that the two can be read against each other.
    if (options.compared && kind != RunChartKind::Forces)
        for (const RunSample &sample : options.compared->samples)
            samples.push_back(&sample);
    for (const RunSample *each : samples) {
        const RunSample &sample = *each;
        last = std::max(last, sample.timeIndex);
        for (const bool traction : {false, true}) {
            if (traction && kind != RunChartKind::Forces)
                continue;
            const double value = finiteOr0(valueOf(sample, kind, traction));
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    ranges.timeHigh = last > 0 ? seconds(last) : 1.0;
    if (kind == RunChartKind::Distance) {
        high = std::max(high, static_cast<double>(CourseFt)); // the line is always in view
        // The builds coast on past the spring's end: the band is shown as far as the run is.
        if (options.band)
            for (size_t i = 0; i < options.band->times.size() && i < options.band->high.size(); ++i)
                if (options.band->times[i] <= ranges.timeHigh + 1e-9)
                    high = std::max(high, static_cast<double>(options.band->high[i]));
        if (options.measured) {
            const OverlayExtent extent = overlayExtent(*options.measured);
            ranges.timeHigh = std::max(ranges.timeHigh, extent.timeHigh);
            high = std::max(high, extent.distanceHigh);
        }
    }
    if (!(high > low))
        high = low + 1.0;
    ranges.valueLow = low;
    ranges.valueHigh = high;
    return ranges;
}

PlotFrame runChartFrame(const QRectF &area, const RunTrace &run, RunChartKind kind, const RunChartOptions &options)
{
    const RunChartRanges ranges = runChartRanges(run, kind, options);
    // Widened a little above the data so that the curve's top is not on the frame.
    return PlotFrame(area, niceAxis(0.0, ranges.timeHigh, 8), niceAxis(ranges.valueLow, ranges.valueHigh * 1.04, 6));
}

void paintRunChart(QPainter &painter, const QRectF &area, const RunTrace &run, RunChartKind kind,
                   const RunChartOptions &options)
{
    const PlotFrame frame = runChartFrame(area, run, kind, options);

    painter.save();
    QString title, yTitle;
    switch (kind) {
    case RunChartKind::Distance:
        title = titled(Texts::tr("Distance"), options);
        if (options.measured)
            title = overlayTitle(*options.measured, title);
        yTitle = Texts::tr("Distance (ft)");
        break;
    case RunChartKind::Speed:
        title = titled(Texts::tr("Speed"), options);
        yTitle = Texts::tr("Speed (ft/s)");
        break;
    case RunChartKind::Forces:
        title = titled(Texts::tr("Propulsion and traction"), options);
        yTitle = Texts::tr("Force (lb)");
        break;
    }
    frame.paintAxes(painter, title, Texts::tr("Time (s)"), yTitle);
    paintSkidShading(painter, frame, run);

    std::vector<LegendEntry> legend;
    const auto paintCompared = [&](const QColor &colour) {
        if (!options.compared)
            return;
        const QColor faded = QColor::fromRgbF(colour.redF() * 0.35 + 0.65, colour.greenF() * 0.35 + 0.65,
                                              colour.blueF() * 0.35 + 0.65);
        paintCurve(painter, frame, *options.compared, kind, false, faded, true);
        legend.push_back({options.runName.isEmpty() ? Texts::tr("Now") : options.runName, colour});
        legend.push_back({options.comparedName.isEmpty() ? Texts::tr("Before") : options.comparedName, faded});
    };
    switch (kind) {
    case RunChartKind::Distance:
        if (options.band)
            paintBand(painter, frame, *options.band, DistanceColour, legend);
        paintCourseLine(painter, frame, run);
        paintCompared(DistanceColour);
        paintCurve(painter, frame, run, kind, false, DistanceColour, true);
        if (options.measured)
            paintMeasuredOverlay(painter, frame, *options.measured, DistanceColour, legend);
        break;
    case RunChartKind::Speed:
        paintCompared(SpeedColour);
        paintCurve(painter, frame, run, kind, false, SpeedColour, true);
        break;
    case RunChartKind::Forces:
        paintCurve(painter, frame, run, kind, true, TractionColour, false);
        paintCurve(painter, frame, run, kind, false, PropulsionColour, false);
        legend = {{Texts::tr("Propulsion"), PropulsionColour},
                  {Texts::tr("Traction"), TractionColour},
                  {Texts::tr("Skidding"), skidShade(), LegendEntry::Swatch}};
        break;
    }
    paintMark(painter, frame, run, kind, options.markedTimeIndex);
    if (run.samples.empty()) {
        painter.setFont(chartFont(area));
        painter.setPen(QColor(120, 120, 120));
        painter.drawText(frame.plot(), Qt::AlignCenter, Texts::tr("No run"));
    }
    // A distance curve rises to the right, leaving the top-left corner free.
    frame.paintLegend(painter, legend, kind != RunChartKind::Distance);
    painter.restore();
}

void paintRunCharts(QPainter &painter, const QRectF &area, const RunTrace &run, const RunChartOptions &options)
{
    const double height = area.height() / 3.0;
    const RunChartKind kinds[] = {RunChartKind::Distance, RunChartKind::Speed, RunChartKind::Forces};
    for (int i = 0; i < 3; ++i)
        paintRunChart(painter, QRectF(area.left(), area.top() + i * height, area.width(), height), run, kinds[i],
                      options);
}

} // namespace zindle
