// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartViews.h"

#include "MainWindow.h"
#include "TestRunsView.h"
#include "app/Workspace.h"
#include "charts/RaceChart.h"
#include "charts/RunCharts.h"
#include "dialogs/ChartWindow.h"
#include "physics/Race.h"

namespace zindle {

namespace {

const QString NotSimulatedText = QStringLiteral("Simulate the design to see the charts of its run.");
const QString CannotRunText = QStringLiteral("This car cannot be run, so there is no run to chart.");
const QString NoRaceText = QStringLiteral("A car design appears on the race chart if it has been Simulated "
                                          "since its last design change.");

bool hasDesign(const Workspace &ws)
{
    return ws.list.CurrentDesign >= 0 && ws.list.CurrentDesign < ws.list.DesignCount();
}

} // namespace

void ChartViews::ShowRunCharts()
{
    if (!runCharts_) {
        runCharts_ = new ChartWindow(QStringLiteral("Run Charts"), window_.prompter(), &window_);
        runCharts_->setObjectName(QStringLiteral("RunChartsWin"));
        runCharts_->showText(NotSimulatedText);
    }
    runCharts_->show();
    runCharts_->raise();
    followRun(window_.CurrentMode());
}

void ChartViews::ShowRaceChart()
{
    if (!raceChart_) {
        raceChart_ = new ChartWindow(QStringLiteral("Race Chart"), window_.prompter(), &window_);
        raceChart_->setObjectName(QStringLiteral("RaceChartWin"));
        raceChart_->resize(720, 480);
    }
    raceChart_->show();
    raceChart_->raise();
    followRace();
}

void ChartViews::follow(SheetMode mode)
{
    followRun(mode);
    followRace();
}

void ChartViews::measuredRunsChanged()
{
    if (!runCharts_ || !runCharts_->isVisible() || chartedSlot_ != window_.workspace().list.CurrentDesign)
        return;
    measured_ = window_.testRuns().overlay();
    showRun(-1);
}

void ChartViews::followFrame(const SimulationFrame &frame)
{
    if (runCharts_ && runCharts_->isVisible() && chartedSlot_ == window_.workspace().list.CurrentDesign)
        showRun(frame.final ? -1 : frame.timeIndex);
}

void ChartViews::followRun(SheetMode mode)
{
    if (!runCharts_ || !runCharts_->isVisible())
        return;
    const Workspace &ws = window_.workspace();
    if (!hasDesign(ws)) {
        chartedSlot_ = -1;
        runCharts_->showText(NotSimulatedText);
        return;
    }
    // Simulate and Race have just run the current design; every other mode keeps the run shown
    // as long as it is still this design's, unchanged since.
    if (mode == SheetMode::Simulate || mode == SheetMode::Race) {
        if (ws.checks.cannotRun() || ws.run.samples.empty()) {
            chartedSlot_ = -1;
            runCharts_->showText(CannotRunText);
            return;
        }
        chartedSlot_ = ws.list.CurrentDesign;
        measured_ = window_.testRuns().overlay();
        const SimulationState &state = ws.simulation;
        const bool stepping = mode == SheetMode::Simulate && state.frameShown && !state.shownFrame.final;
        showRun(stepping ? state.shownFrame.timeIndex : -1);
        return;
    }
    if (chartedSlot_ != ws.list.CurrentDesign || !ws.list.current().DesignSimulated) {
        chartedSlot_ = -1;
        runCharts_->showText(NotSimulatedText);
    }
}

void ChartViews::showRun(int markedTimeIndex)
{
    const Workspace &ws = window_.workspace();
    RunChartOptions options;
    options.designName = ws.list.current().DesignName;
    options.markedTimeIndex = markedTimeIndex;
    options.measured = measured_;
    options.calibrated = ws.trackFactors.friction.has_value();
    // The painter keeps its own copy: the workspace's run is rewritten by the next refresh.
    runCharts_->showChart(options.designName,
                          [run = ws.run, options](QPainter &painter, const QRectF &area) {
                              paintRunCharts(painter, area, run, options);
                          });
}

void ChartViews::followRace()
{
    if (!raceChart_ || !raceChart_->isVisible())
        return;
    const Workspace &ws = window_.workspace();
    // The places as the race ends, whether or not the race view has played it yet.
    RaceState race;
    RunRaceToEnd(race, ws.list);
    std::vector<RaceChartLane> lanes = raceChartLanes(ws.list, race);
    if (lanes.empty()) {
        raceChart_->showText(NoRaceText);
        return;
    }
    raceChart_->showChart(QString(), [lanes = std::move(lanes)](QPainter &painter, const QRectF &area) {
        paintRaceChart(painter, area, lanes);
    });
}

} // namespace zindle
