// SPDX-License-Identifier: GPL-3.0-or-later
// The run charts and race chart windows: what they show follows the window's run and race (the
// frame shown while stepping is the one marked), they never show a run of another or an older
// design, and "Save Chart..." writes what they show.

#include "GuiTestSupport.h"

#include "app/WorkspaceEnergy.h"
#include "charts/EnergyChart.h"
#include "charts/RaceChart.h"
#include "charts/RunCharts.h"
#include "dialogs/ChartWindow.h"
#include "physics/Race.h"
#include "shell/ChartViews.h"
#include "shell/WindowRefreshHooks.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

namespace zindle::test {
namespace {

const QSize PictureSize(400, 460);

QImage expectedRunCharts(const Workspace &ws, int marked)
{
    QImage image(PictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    RunChartOptions options;
    options.designName = ws.list.current().DesignName;
    options.markedTimeIndex = marked;
    paintRunCharts(painter, QRectF(QPointF(0, 0), QSizeF(PictureSize)), ws.run, options);
    return image;
}

TEST(ChartWindows, RunChartsMarkTheFrameShownWhileSteppingAndTheEndMarksNothing)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.VPDynamic();
    w.action(QStringLiteral("RunChartsPos"))->trigger();
    ChartWindow *charts = w.charts().runCharts();
    ASSERT_NE(charts, nullptr);
    ASSERT_TRUE(charts->isVisible());
    ASSERT_TRUE(charts->showsChart());
    ASSERT_FALSE(s.workspace.run.samples.empty());

    w.views().StepDynamicBtnClick();
    w.views().StepDynamicBtnClick();
    const SimulationState &state = s.workspace.simulation;
    ASSERT_TRUE(state.frameShown);
    ASSERT_FALSE(state.shownFrame.final);
    ASSERT_GT(state.shownFrame.timeIndex, 0);
    const QImage stepped = charts->picture(PictureSize);
    EXPECT_EQ(stepped, expectedRunCharts(s.workspace, state.shownFrame.timeIndex));
    EXPECT_NE(stepped, expectedRunCharts(s.workspace, -1));

    w.views().ToEndDynamicBtnClick();
    EXPECT_EQ(charts->picture(PictureSize), expectedRunCharts(s.workspace, -1));
}

TEST(ChartWindows, RunChartsNeverShowTheRunOfAnotherOrAChangedDesign)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.VPDynamic();
    w.charts().ShowRunCharts();
    ChartWindow *charts = w.charts().runCharts();
    ASSERT_TRUE(charts->showsChart());
    EXPECT_TRUE(charts->windowTitle().startsWith(s.workspace.list.current().DesignName));

    // Back in Design mode the run stays while the design is unchanged...
    w.VPSet();
    EXPECT_TRUE(charts->showsChart());
    // ...but another design has no run here yet,
    w.DesignListClick(1);
    EXPECT_FALSE(charts->showsChart());
    EXPECT_FALSE(charts->text().isEmpty());
    // and its own run is charted once it has run.
    w.VPDynamic();
    EXPECT_TRUE(charts->showsChart());
    EXPECT_TRUE(charts->windowTitle().startsWith(s.workspace.list.current().DesignName));
    EXPECT_EQ(charts->picture(PictureSize),
              expectedRunCharts(s.workspace, s.workspace.simulation.shownFrame.final
                                                 ? -1 : s.workspace.simulation.shownFrame.timeIndex));

    // A change of the design ends the run shown.
    w.VPSet();
    s.workspace.list.current().DesignSimulated = false;
    w.RefreshMode(0, 0, SheetMode::Design);
    EXPECT_FALSE(charts->showsChart());
}

QImage expectedEnergy(const Workspace &ws, int marked)
{
    QImage image(PictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    EnergyChartOptions options;
    options.designName = ws.list.current().DesignName;
    options.markedTimeIndex = marked;
    paintEnergyChart(painter, QRectF(QPointF(0, 0), QSizeF(PictureSize)), *RunWorkspaceEnergy(ws), options);
    return image;
}

TEST(ChartWindows, EnergyFollowsTheFrameShownAndBelongsToTheDesignItNames)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.VPDynamic();
    w.action(QStringLiteral("EnergyPos"))->trigger();
    ChartWindow *energy = w.charts().energyChart();
    ASSERT_NE(energy, nullptr);
    ASSERT_TRUE(energy->showsChart());
    EXPECT_EQ(energy->caption(), LargestLossSentence(RunWorkspaceEnergy(s.workspace)->totals()) + QLatin1Char('.'));

    w.views().StepDynamicBtnClick();
    w.views().StepDynamicBtnClick();
    const int shown = s.workspace.simulation.shownFrame.timeIndex;
    ASSERT_GT(shown, 0);
    EXPECT_EQ(energy->picture(PictureSize), expectedEnergy(s.workspace, shown));
    // The entire cycle's player hands its frames over one by one.
    SimulationFrame later = s.workspace.simulation.shownFrame;
    later.timeIndex = shown + 10;
    w.charts().followFrame(later);
    EXPECT_EQ(energy->picture(PictureSize), expectedEnergy(s.workspace, shown + 10));
    w.views().ToEndDynamicBtnClick();
    EXPECT_EQ(energy->picture(PictureSize), expectedEnergy(s.workspace, -1));

    w.DesignListClick(1);
    EXPECT_FALSE(energy->showsChart());
    EXPECT_TRUE(energy->caption().isEmpty());
}

TEST(ChartWindows, RaceChartShowsEverySimulatedDesignWithThePlacesOfTheFinishedRace)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.charts().ShowRaceChart();
    ChartWindow *chart = w.charts().raceChart();
    ASSERT_NE(chart, nullptr);
    EXPECT_FALSE(chart->showsChart()); // nothing simulated yet

    w.VPDynamic();
    EXPECT_TRUE(chart->showsChart());
    w.DesignListClick(1);
    w.VPDynamic();
    ASSERT_TRUE(chart->showsChart());

    RaceState race;
    RunRaceToEnd(race, s.workspace.list);
    const std::vector<RaceChartLane> lanes = raceChartLanes(s.workspace.list, race);
    ASSERT_EQ(lanes.size(), 2u);
    QImage expected(PictureSize, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing);
        paintRaceChart(painter, QRectF(QPointF(0, 0), QSizeF(PictureSize)), lanes);
    }
    EXPECT_EQ(chart->picture(PictureSize), expected);
}

TEST(ChartWindows, SaveChartWritesTheFileOrSaysWhyNot)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.VPDynamic();
    w.charts().ShowRunCharts();
    ChartWindow *charts = w.charts().runCharts();
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("run.svg"));
    s.prompter.savePaths = {svg, dir.filePath(QStringLiteral("run.txt")),
                            dir.filePath(QStringLiteral("missing/run.png"))};
    charts->SaveClick();
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<svg"));
    EXPECT_TRUE(s.prompter.messages().isEmpty());

    charts->SaveClick();
    charts->SaveClick();
    const QStringList messages = s.prompter.messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_TRUE(messages[0].contains(QStringLiteral(".svg")));
    EXPECT_TRUE(messages[1].contains(QStringLiteral("run.png")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("run.txt"))));
}

} // namespace
} // namespace zindle::test
