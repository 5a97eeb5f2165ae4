// SPDX-License-Identifier: GPL-3.0-or-later
// The chart painters: round axes for odd ranges, traces that are empty or one sample long,
// the 15 ft line and the skid shading where they belong (read back from the pixels), the race
// chart's lanes, the design map's cells and colours, and the three file formats, SVG checked
// with an independent renderer.

#include "charts/ChartFile.h"
#include "charts/ChartFrame.h"
#include "charts/DesignMap.h"
#include "charts/RaceChart.h"
#include "charts/RunCharts.h"
#include "sheet/RaceTrackPainter.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <cmath>

using namespace zindle;

namespace {

QImage paint(QSize size, const std::function<void(QPainter &, const QRectF &)> &painter)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    painter(p, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

// A run that accelerates for a second, skids from 0.10 s to 0.30 s and passes 15 ft.
RunTrace sampleRun()
{
    RunTrace run;
    float distance = 0.0f, speed = 0.0f;
    for (int i = 1; i <= 140; ++i) {
        speed += 0.2f;
        distance += speed * 0.01f;
        const bool skid = i > 10 && i <= 30;
        run.samples.push_back({i, distance, speed, skid ? 0.4f : 0.2f, 0.3f, skid});
        if (distance >= 15.0f && run.timeToCourseEnd < 0)
            run.timeToCourseEnd = i;
    }
    return run;
}

bool isFuchsiaTint(QRgb pixel) { return qRed(pixel) > qGreen(pixel) + 40 && qBlue(pixel) > qGreen(pixel) + 40; }

} // namespace

TEST(ChartAxes, TicksAreRoundAndCoverTheDataForOddRanges)
{
    const std::pair<double, double> ranges[] = {{0.0, 1.37}, {0.0, 0.00031}, {-3.7, 12.2}, {2.0, 2.0},
                                                {0.0, 0.0},  {-5.0, -1.0},   {1e6, 1.2e6}, {7.5, 4.0},
                                                {0.0, 15.6}, {1.36, 2.31}};
    for (const auto &[low, high] : ranges) {
        SCOPED_TRACE(std::to_string(low) + " .. " + std::to_string(high));
        const NiceAxis axis = niceAxis(low, high, 6);
        EXPECT_LE(axis.low, std::min(low, high));
        EXPECT_GE(axis.high, std::max(low, high));
        EXPECT_LT(axis.low, axis.high);
        const double mantissa = axis.step / std::pow(10.0, std::floor(std::log10(axis.step)));
        EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 || std::fabs(mantissa - 2.5) < 1e-9
                    || std::fabs(mantissa - 5) < 1e-9)
            << mantissa;
        const std::vector<double> ticks = axis.ticks();
        EXPECT_GE(ticks.size(), 2u);
        EXPECT_LE(ticks.size(), 12u);
        QStringList labels;
        for (const double t : ticks) {
            EXPECT_GE(t, axis.low - 1e-9 * axis.step);
            EXPECT_LE(t, axis.high + 1e-9 * axis.step);
            labels << tickLabel(t, axis.decimals);
        }
        // Each tick has its own label, and none reads "-0".
        labels.removeDuplicates();
        EXPECT_EQ(labels.size(), static_cast<qsizetype>(ticks.size()));
        for (const QString &label : labels)
            EXPECT_FALSE(label.startsWith("-0") && label.toDouble() == 0.0) << qPrintable(label);
    }
    EXPECT_EQ(tickLabel(2.5, niceAxis(0, 10, 5).decimals), "2.5");
    EXPECT_EQ(tickLabel(25, niceAxis(0, 100, 5).decimals), "25");
    const NiceAxis broken = niceAxis(std::nan(""), INFINITY);
    EXPECT_FALSE(broken.ticks().empty());
}

TEST(RunCharts, EmptyAndOneSampleTracesDrawAxesWithoutFailing)
{
    RunTrace empty;
    RunTrace one;
    one.samples.push_back({1, 0.01f, 1.0f, 0.2f, 0.3f, false});
    RunTrace still; // a car that never moved: every value 0
    still.samples.push_back({1, 0.0f, 0.0f, 0.0f, 0.0f, false});
    for (const RunTrace *run : {&empty, &one, &still}) {
        for (const RunChartKind kind : {RunChartKind::Distance, RunChartKind::Speed, RunChartKind::Forces}) {
            const RunChartRanges ranges = runChartRanges(*run, kind);
            EXPECT_GT(ranges.timeHigh, 0.0);
            EXPECT_GT(ranges.valueHigh, ranges.valueLow);
        }
        const QImage image = paint(QSize(300, 400), [&](QPainter &p, const QRectF &area) {
            paintRunCharts(p, area, *run, {QStringLiteral("X"), 5, std::nullopt});
        });
        EXPECT_FALSE(image.isNull());
    }
    // The distance chart always shows the line, even for a car that stops at 2 ft.
    EXPECT_GE(runChartRanges(one, RunChartKind::Distance).valueHigh, 15.0);
    // A tiny window does not fail either.
    paint(QSize(20, 10), [&](QPainter &p, const QRectF &area) { paintRunCharts(p, area, one); });
}

TEST(RunCharts, TheFifteenFootLineAndTheSkidShadingLieWhereTheyBelong)
{
    const RunTrace run = sampleRun();
    const QSize size(800, 400);
    const QRectF area(0, 0, size.width(), size.height());
    const QImage distance = paint(size, [&](QPainter &p, const QRectF &a) { paintRunChart(p, a, run, RunChartKind::Distance); });
    const PlotFrame frame = runChartFrame(area, run, RunChartKind::Distance);
    // Along the line's height, left of the curve, the course colour; above and below it, none.
    const int y = static_cast<int>(std::lround(frame.mapY(15.0)));
    int red = 0;
    for (int x = static_cast<int>(frame.plot().left()) + 5; x < static_cast<int>(frame.mapX(0.5)); ++x) {
        bool found = false;
        for (int dy = -1; dy <= 1; ++dy) {
            const QRgb pixel = distance.pixel(x, y + dy);
            found = found || (qRed(pixel) > 150 && qGreen(pixel) < 130 && qBlue(pixel) < 130);
        }
        red += found;
    }
    EXPECT_GT(red, 20);
    const QRgb above = distance.pixel(static_cast<int>(frame.mapX(0.5)), static_cast<int>(frame.mapY(17.0)));
    EXPECT_FALSE(qRed(above) > 150 && qGreen(above) < 100);

    const QImage forces = paint(size, [&](QPainter &p, const QRectF &a) { paintRunChart(p, a, run, RunChartKind::Forces); });
    const PlotFrame forceFrame = runChartFrame(area, run, RunChartKind::Forces);
    // Inside the skidding time, away from the curves: shaded. Before and after it: plain.
    const int low = static_cast<int>(forceFrame.mapY(0.05));
    EXPECT_TRUE(isFuchsiaTint(forces.pixel(static_cast<int>(forceFrame.mapX(0.2)), low)));
    EXPECT_FALSE(isFuchsiaTint(forces.pixel(static_cast<int>(forceFrame.mapX(0.05)), low)));
    EXPECT_FALSE(isFuchsiaTint(forces.pixel(static_cast<int>(forceFrame.mapX(0.6)), low)));
    // A run without a skid has no shading anywhere in the plot.
    RunTrace grip = run;
    for (RunSample &sample : grip.samples)
        sample.skid = false;
    const QImage plain = paint(size, [&](QPainter &p, const QRectF &a) { paintRunChart(p, a, grip, RunChartKind::Forces); });
    EXPECT_FALSE(isFuchsiaTint(plain.pixel(static_cast<int>(forceFrame.mapX(0.2)), low)));
}

TEST(RunCharts, TheMarkedMomentIsDrawnOnlyWhenAsked)
{
    const RunTrace run = sampleRun();
    const QSize size(800, 400);
    const auto chart = [&](int marked) {
        return paint(size, [&](QPainter &p, const QRectF &a) {
            paintRunChart(p, a, run, RunChartKind::Speed, {QString(), marked, std::nullopt});
        });
    };
    const QImage none = chart(-1), marked = chart(100);
    const PlotFrame frame = runChartFrame(QRectF(0, 0, 800, 400), run, RunChartKind::Speed);
    const int x = static_cast<int>(std::lround(frame.mapX(1.0)));
    int differing = 0;
    for (int y = static_cast<int>(frame.plot().top()) + 2; y < static_cast<int>(frame.plot().bottom()) - 2; ++y) {
        bool differs = false;
        for (int dx = -1; dx <= 1; ++dx)
            differs = differs || none.pixel(x + dx, y) != marked.pixel(x + dx, y);
        differing += differs;
    }
    EXPECT_GT(differing, 30);
}

TEST(RunCharts, MeasuredRunsWidenTheDistanceChartAndAreDrawnAsPoints)
{
    const RunTrace run = sampleRun();
    RunChartOptions options;
    MeasuredOverlay overlay;
    // The prediction rolls on from 19.74 ft at 1.4 s at 20 ft/s, past 30 ft at 1.91 s.
    for (const RunSample &sample : run.samples)
        overlay.prediction.points.push_back({sample.timeIndex, sample.distance, sample.velocity, false});
    overlay.prediction.springEndIndex = 140;
    for (int i = 141; i <= 240; ++i)
        overlay.prediction.points.push_back({i, run.samples.back().distance + (i - 140) * 0.2f, 20.0f, true});
    MeasuredRun measured;
    measured.marks = {{10.0, 1.3}, {30.0, 2.2}};
    overlay.runs = {measured};
    options.measured = overlay;

    const RunChartRanges plain = runChartRanges(run, RunChartKind::Distance);
    const RunChartRanges widened = runChartRanges(run, RunChartKind::Distance, options);
    EXPECT_DOUBLE_EQ(plain.timeHigh, 1.4);
    EXPECT_NEAR(widened.timeHigh, 1.05 * 2.2, 1e-9); // the last mark comes after the prediction passes it
    EXPECT_DOUBLE_EQ(widened.valueHigh, 30.0);
    EXPECT_EQ(runChartRanges(run, RunChartKind::Speed, options).timeHigh, plain.timeHigh);

    const QSize size(800, 400);
    const QImage image = paint(size, [&](QPainter &p, const QRectF &a) {
        paintRunChart(p, a, run, RunChartKind::Distance, options);
    });
    const PlotFrame frame = runChartFrame(QRectF(QPointF(0, 0), QSizeF(size)), run, RunChartKind::Distance, options);
    const QRgb mark = image.pixel(frame.map(2.2, 30.0).toPoint());
    EXPECT_TRUE(qRed(mark) > 150 && qGreen(mark) < 100 && qBlue(mark) < 100) << std::hex << mark;
}

TEST(RunCharts, AnEarlierRunStaysInViewAndTheBuildsBandIsShadedOnlyAsFarAsTheRun)
{
    const RunTrace run = sampleRun(); // 1.4 s, to 19.74 ft
    RunChartOptions options;
    RunTrace longer = run;
    for (int i = 141; i <= 200; ++i)
        longer.samples.push_back({i, 20.0f + (i - 140) * 0.1f, 10.0f, 0.0f, 0.0f, false});
    options.compared = longer;
    EXPECT_DOUBLE_EQ(runChartRanges(run, RunChartKind::Distance, options).timeHigh, 2.0);
    EXPECT_DOUBLE_EQ(runChartRanges(run, RunChartKind::Distance, options).valueHigh, 26.0);
    EXPECT_DOUBLE_EQ(runChartRanges(run, RunChartKind::Forces, options).timeHigh, 1.4); // forces are this run's

    // A band from 2 ft below to 2 ft above the run, going on to 3 s and 40 ft as the builds coast.
    RunChartOptions banded;
    ToleranceBand band;
    for (int i = 0; i <= 300; ++i) {
        const float at = i <= 140 ? (i == 0 ? 0.0f : run.samples[static_cast<size_t>(i - 1)].distance) : 20.0f + (i - 140) * 0.125f;
        band.times.push_back(i / 100.0);
        band.low.push_back(std::max(0.0f, at - 2.0f));
        band.high.push_back(at + 2.0f);
    }
    banded.band = band;
    const RunChartRanges ranges = runChartRanges(run, RunChartKind::Distance, banded);
    EXPECT_DOUBLE_EQ(ranges.timeHigh, 1.4);
    EXPECT_NEAR(ranges.valueHigh, run.samples.back().distance + 2.0, 1e-5);
    const QSize size(800, 400);
    const QImage image = paint(size, [&](QPainter &p, const QRectF &a) {
        paintRunChart(p, a, run, RunChartKind::Distance, banded);
    });
    const PlotFrame frame = runChartFrame(QRectF(QPointF(0, 0), QSizeF(size)), run, RunChartKind::Distance, banded);
    const double t = 1.0;
    const double at = run.samples[99].distance;
    const QRgb inside = image.pixel(frame.map(t, at + 1.5).toPoint());
    const QRgb outside = image.pixel(frame.map(t, at + 3.0).toPoint());
    EXPECT_NE(inside, qRgb(255, 255, 255)) << std::hex << inside;
    EXPECT_EQ(outside, qRgb(255, 255, 255)) << std::hex << outside;
}

TEST(RaceChart, LanesAreTheSimulatedDesignsWithTheirTracesAndPlaces)
{
    DesignList list;
    list.entries.resize(3);
    list.entries[0].DesignName = QStringLiteral("Fast");
    list.entries[1].DesignName = QStringLiteral("Never simulated");
    list.entries[2].DesignName = QStringLiteral("Slow");
    list.entries[0].DesignSimulated = true;
    list.entries[2].DesignSimulated = true;
    list.CurrentDesign = 2;
    for (int i = 1; i <= 200; ++i) {
        list.traces[0].DistanceTrace[static_cast<size_t>(i)] = i * 0.1f;
        list.traces[0].SkidTrace[static_cast<size_t>(i)] = i < 20;
    }
    for (int i = 1; i <= 120; ++i)
        list.traces[2].DistanceTrace[static_cast<size_t>(i)] = i * 0.08f;
    RaceState race;
    RunRaceToEnd(race, list);
    const std::vector<RaceChartLane> lanes = raceChartLanes(list, race);
    ASSERT_EQ(lanes.size(), 2u);
    EXPECT_EQ(lanes[0].name, "Fast");
    EXPECT_FALSE(lanes[0].selected);
    EXPECT_EQ(lanes[0].place, 1);
    EXPECT_EQ(lanes[0].finishIndex, 151); // the first sample beyond 15 ft
    ASSERT_EQ(lanes[0].distance.size(), 201u);
    EXPECT_EQ(lanes[0].distance[0], 0.0f);
    EXPECT_EQ(lanes[0].distance[37], list.traces[0].DistanceTrace[37]);
    EXPECT_EQ(lanes[0].skid[5], 1);
    EXPECT_EQ(lanes[0].skid[25], 0);
    EXPECT_EQ(lanes[1].name, "Slow");
    EXPECT_TRUE(lanes[1].selected);
    EXPECT_EQ(lanes[1].place, 0);
    EXPECT_EQ(lanes[1].finishIndex, -1);

    // Drawn: the selected lane in its colour, the finish line in red somewhere on the plot.
    const QImage image = paint(QSize(900, 560), [&](QPainter &p, const QRectF &a) { paintRaceChart(p, a, lanes); });
    int selected = 0, skid = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            selected += c == RaceSelectedColor;
            skid += c == RaceSkidColor;
        }
    EXPECT_GT(selected, 200);
    EXPECT_GT(skid, 20);
    paint(QSize(400, 300), [&](QPainter &p, const QRectF &a) { paintRaceChart(p, a, {}); });
}

TEST(DesignMap, CellsColoursClicksAndTheGridAsCsv)
{
    DesignMapGrid grid;
    grid.xTitle = QStringLiteral("Drive wheel dia (in)");
    grid.yTitle = QStringLiteral("Spring Length (in)");
    grid.xValues = {4.0f, 4.5f, 5.0f};
    grid.yValues = {30.0f, 36.0f};
    grid.cells = {{DesignMapCell::NotFinished, 0.0f}, {DesignMapCell::Finished, 1.5f}, {DesignMapCell::Finished, 1.75f},
                  {DesignMapCell::Finished, 1.36f},   {DesignMapCell::Finished, 2.0f}, {DesignMapCell::NotRun, 0.0f}};
    grid.best = 3;

    // Fast and slow get the two ends of the scale, and the scale is ordered by lightness.
    EXPECT_GT(designMapColour(1.36f, 1.36f, 2.0f).lightness(), designMapColour(1.7f, 1.36f, 2.0f).lightness());
    EXPECT_GT(designMapColour(1.7f, 1.36f, 2.0f).lightness(), designMapColour(2.0f, 1.36f, 2.0f).lightness());
    EXPECT_EQ(designMapColour(1.0f, 1.36f, 2.0f), designMapColour(1.36f, 1.36f, 2.0f));
    EXPECT_EQ(designMapColour(1.5f, 1.5f, 1.5f), designMapColour(1.5f, 1.5f, 1.5f));

    // A click in each cell's centre finds that cell; the first y value is at the bottom.
    const QRectF area(0, 0, 600, 400);
    const QRectF plot = designMapPlot(area, grid);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const QPointF centre(plot.left() + (x + 0.5) * plot.width() / 3, plot.bottom() - (y + 0.5) * plot.height() / 2);
            EXPECT_EQ(designMapCellAt(area, grid, centre), y * 3 + x);
        }
    EXPECT_FALSE(designMapCellAt(area, grid, QPointF(1, 1)));

    const QImage image = paint(QSize(600, 400), [&](QPainter &p, const QRectF &a) { paintDesignMap(p, a, grid); });
    const auto centre = [&](int x, int y) {
        return image.pixelColor(static_cast<int>(plot.left() + (x + 0.5) * plot.width() / 3),
                                static_cast<int>(plot.bottom() - (y + 0.5) * plot.height() / 2));
    };
    EXPECT_EQ(centre(1, 0).rgb(), designMapColour(1.5f, 1.36f, 2.0f).rgb());
    EXPECT_EQ(centre(1, 1).rgb(), designMapColour(2.0f, 1.36f, 2.0f).rgb());
    EXPECT_EQ(centre(2, 1).rgb(), QColor(Qt::white).rgb()); // not run

    const QString csv = QString::fromUtf8(designMapCsv(grid));
    EXPECT_EQ(csv, "\"Spring Length (in) \\ Drive wheel dia (in)\",4,4.5,5\n"
                   "30,,1.50,1.75\n"
                   "36,1.36,2.00,-\n");
    // An empty grid and a grid without finishing cells draw.
    paint(QSize(300, 200), [&](QPainter &p, const QRectF &a) { paintDesignMap(p, a, DesignMapGrid{}); });
    grid.cells.assign(6, {DesignMapCell::NotFinished, 0.0f});
    grid.best = -1;
    paint(QSize(300, 200), [&](QPainter &p, const QRectF &a) { paintDesignMap(p, a, grid); });
}

TEST(DesignMap, TheBestRingStaysInItsCellWhenOneRangeVaries)
{
    // Eight wheel sizes, one spring (the default sweep): each cell is as tall as the plot.
    DesignMapGrid grid;
    grid.xValues = {4.0f, 4.5f, 5.0f, 5.5f, 6.0f, 6.5f, 7.0f, 7.5f};
    grid.yValues = {36.0f};
    grid.cells.assign(8, {DesignMapCell::Finished, 1.5f});
    grid.best = 0;
    const QRect plot = designMapPlot(QRectF(0, 0, 600, 400), grid).toAlignedRect();
    const QImage image = paint(QSize(600, 400), [&](QPainter &p, const QRectF &a) { paintDesignMap(p, a, grid); });
    int inCell = 0, elsewhere = 0; // red ring pixels, left of the key's own ring
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x <= plot.right(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.red() > 150 && c.green() < 90 && c.blue() < 90)
                ++(plot.contains(x, y) && x <= plot.left() + plot.width() / 8 ? inCell : elsewhere);
    EXPECT_GT(inCell, 100);
    EXPECT_EQ(elsewhere, 0);
}

TEST(DesignMap, ADenseMapSavedAsADrawingStaysSmall)
{
    DesignMapGrid grid;
    for (int i = 0; i < 300; ++i) {
        grid.xValues.push_back(3.0f + 0.01f * float(i));
        grid.yValues.push_back(20.0f + 0.1f * float(i));
    }
    for (int i = 0; i < 300 * 300; ++i)
        grid.cells.push_back(i % 7 == 0 ? DesignMapCell(DesignMapCell::NotFinished, 0.0f)
                                        : DesignMapCell(DesignMapCell::Finished, 1.0f + float(i % 300) / 300.0f));
    const QByteArray svg = renderChart(ChartFormat::Svg, QSize(900, 700), QStringLiteral("map"),
                                       [&](QPainter &p, const QRectF &a) { paintDesignMap(p, a, grid); });
    ASSERT_FALSE(svg.isEmpty());
    EXPECT_LT(svg.size(), 2 * 1024 * 1024);
}

TEST(ChartFile, FormatsByExtensionAndFilesThatOtherProgramsRead)
{
    EXPECT_EQ(chartFormatOf("a.PNG"), ChartFormat::Png);
    EXPECT_EQ(chartFormatOf("dir.svg/b.svg"), ChartFormat::Svg);
    EXPECT_EQ(chartFormatOf("c.pdf"), ChartFormat::Pdf);
    EXPECT_FALSE(chartFormatOf("c.txt"));
    EXPECT_FALSE(chartFormatOf("png"));
    EXPECT_FALSE(chartFormatOf("-"));

    const RunTrace run = sampleRun();
    const ChartPainter painter = [&](QPainter &p, const QRectF &a) { paintRunCharts(p, a, run); };
    const QByteArray png = renderChart(ChartFormat::Png, QSize(640, 720), "Run", painter);
    QImage image;
    ASSERT_TRUE(image.loadFromData(png, "PNG"));
    EXPECT_EQ(image.size(), QSize(640, 720));
    EXPECT_TRUE(renderChart(ChartFormat::Pdf, QSize(640, 720), "Run", painter).startsWith("%PDF"));

    const QByteArray svg = renderChart(ChartFormat::Svg, QSize(640, 720), "Run", painter);
    ASSERT_TRUE(svg.contains("<svg"));
    const QString rsvg = QStandardPaths::findExecutable("rsvg-convert");
    if (rsvg.isEmpty())
        GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
    QTemporaryDir dir;
    QFile file(dir.filePath("run.svg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(svg);
    file.close();
    QProcess convert;
    convert.start(rsvg, {file.fileName(), "-o", dir.filePath("run.png")});
    ASSERT_TRUE(convert.waitForFinished(30000));
    EXPECT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().constData();
    QImage rendered(dir.filePath("run.png"));
    ASSERT_FALSE(rendered.isNull());
    EXPECT_EQ(rendered.size(), QSize(640, 720));
    // The independent renderer sees the same curves: the distance line's blue is there.
    int blue = 0;
    for (int y = 0; y < rendered.height(); y += 2)
        for (int x = 0; x < rendered.width(); x += 2) {
            const QColor c = rendered.pixelColor(x, y);
            blue += c.blue() > 150 && c.red() < 80 && c.alpha() > 200;
        }
    EXPECT_GT(blue, 50);
}
