// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartViews.h"

#include <QCoreApplication>

#include "MainWindow.h"
#include "TestRunsView.h"
#include "TolerancesView.h"
#include "app/Workspace.h"
#include "app/WorkspaceEnergy.h"
#include "charts/EnergyChart.h"
#include "charts/RaceChart.h"
#include "charts/RunCharts.h"
#include "dialogs/ChartWindow.h"
#include "physics/Race.h"

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ChartViews)
};

QString NotSimulatedText() { return Texts::tr("Simulate the design to see the charts of its run."); }
QString CannotRunText() { return Texts::tr("This car cannot be run, so there is no run to chart."); }
QString NotSimulatedEnergyText() { return Texts::tr("Simulate the design to see where its spring's energy went."); }
QString NoRaceText()
{
    return Texts::tr("A car design appears on the race chart if it has been Simulated "
                     "since its last design change.");
}

bool hasDesign(const Workspace &ws)
{
    return ws.list.CurrentDesign >= 0 && ws.list.CurrentDesign < ws.list.DesignCount();
}

bool isOpen(const ChartWindow *window) { return window && window->isVisible(); }

} // namespace

void ChartViews::ShowRunCharts()
{
    if (!runCharts_) {
        runCharts_ = new ChartWindow(Texts::tr("Run Charts"), window_.prompter(), &window_);
        runCharts_->setObjectName(QStringLiteral("RunChartsWin"));
        runCharts_->showText(NotSimulatedText());
    }
    runCharts_->show();
    runCharts_->raise();
    followRun(window_.CurrentMode());
}

void ChartViews::ShowRaceChart()
{
    if (!raceChart_) {
        raceChart_ = new ChartWindow(Texts::tr("Race Chart"), window_.prompter(), &window_);
        raceChart_->setObjectName(QStringLiteral("RaceChartWin"));
        raceChart_->resize(720, 480);
    }
    raceChart_->show();
    raceChart_->raise();
    followRace();
}

void ChartViews::ShowEnergy()
{
    if (!energy_) {
        energy_ = new ChartWindow(Texts::tr("Energy"), window_.prompter(), &window_);
        energy_->setObjectName(QStringLiteral("EnergyWin"));
        energy_->resize(640, 620);
        energy_->showText(NotSimulatedEnergyText());
    }
    energy_->show();
    energy_->raise();
    followRun(window_.CurrentMode());
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

void ChartViews::bandChanged()
{
    if (isOpen(runCharts_) && chartedSlot_ == window_.workspace().list.CurrentDesign)
        showRun(-1);
}

void ChartViews::followFrame(const SimulationFrame &frame)
{
    if (chartedSlot_ != window_.workspace().list.CurrentDesign)
        return;
    if (isOpen(runCharts_))
        showRun(frame.final ? -1 : frame.timeIndex);
    if (isOpen(energy_))
        showEnergy(frame.final ? -1 : frame.timeIndex);
}

bool ChartViews::anyRunWindowOpen() const { return isOpen(runCharts_) || isOpen(energy_); }

void ChartViews::followRun(SheetMode mode)
{
    if (!anyRunWindowOpen())
        return;
    const Workspace &ws = window_.workspace();
    const auto showText = [&](const QString &text) {
        chartedSlot_ = -1;
        energyTrace_.reset();
        if (runCharts_)
            runCharts_->showText(text);
        if (energy_)
            energy_->showText(text == NotSimulatedText() ? NotSimulatedEnergyText() : text);
    };
    if (!hasDesign(ws)) {
        showText(NotSimulatedText());
        return;
    }
    // Simulate and Race have just run the current design; every other mode keeps the run shown
    // as long as it is still this design's, unchanged since.
    if (mode == SheetMode::Simulate || mode == SheetMode::Race) {
        if (ws.checks.cannotRun() || ws.run.samples.empty()) {
            showText(CannotRunText());
            return;
        }
        chartedSlot_ = ws.list.CurrentDesign;
        measured_ = window_.testRuns().overlay();
        // Taken now, from the refresh just made: the frames played later only draw it.
        energyTrace_ = isOpen(energy_) ? RunWorkspaceEnergy(ws) : std::nullopt;
        const SimulationState &state = ws.simulation;
        const bool stepping = mode == SheetMode::Simulate && state.frameShown && !state.shownFrame.final;
        const int marked = stepping ? state.shownFrame.timeIndex : -1;
        if (isOpen(runCharts_))
            showRun(marked);
        if (isOpen(energy_))
            showEnergy(marked);
        return;
    }
    if (chartedSlot_ != ws.list.CurrentDesign || !ws.list.current().DesignSimulated)
        showText(NotSimulatedText());
    else if (isOpen(energy_) && !energyTrace_)
        energy_->showText(NotSimulatedEnergyText()); // opened after the run was charted
}

void ChartViews::showRun(int markedTimeIndex)
{
    const Workspace &ws = window_.workspace();
    RunChartOptions options;
    options.designName = ws.list.current().DesignName;
    options.markedTimeIndex = markedTimeIndex;
    options.measured = measured_;
    options.calibrated = ws.trackFactors.friction.has_value();
    options.band = window_.tolerances().band();
    // The painter keeps its own copy: the workspace's run is rewritten by the next refresh.
    runCharts_->showChart(options.designName,
                          [run = ws.run, options](QPainter &painter, const QRectF &area) {
                              paintRunCharts(painter, area, run, options);
                          });
}

void ChartViews::showEnergy(int markedTimeIndex)
{
    if (!energyTrace_) {
        energy_->showText(CannotRunText());
        return;
    }
    EnergyChartOptions options;
    options.designName = window_.workspace().list.current().DesignName;
    options.markedTimeIndex = markedTimeIndex;
    energy_->showChart(options.designName, [trace = *energyTrace_, options](QPainter &painter, const QRectF &area) {
        paintEnergyChart(painter, area, trace, options);
    });
    // The whole run's largest loss, whatever frame is shown: the sentence is about the car.
    const QString sentence = ShownLargestLossSentence(energyTrace_->totals());
    energy_->setCaption(sentence.isEmpty() ? sentence : sentence + QLatin1Char('.'));
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
        raceChart_->showText(NoRaceText());
        return;
    }
    raceChart_->showChart(QString(), [lanes = std::move(lanes)](QPainter &painter, const QRectF &area) {
        paintRaceChart(painter, area, lanes);
    });
}

} // namespace zindle
