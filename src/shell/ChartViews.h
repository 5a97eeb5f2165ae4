// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's chart windows: the charts of the current design's run and where its spring's
// energy went (both following the frame shown while stepping through Simulate or playing the
// entire cycle) and the race chart of every simulated design. Each is made when first shown and
// redrawn only while it is open.

#include "charts/MeasuredOverlay.h"
#include "model/Modes.h"
#include "physics/RunEnergy.h"

#include <optional>

namespace zindle {

class ChartWindow;
class MainWindow;
struct SimulationFrame;

class ChartViews {
public:
    explicit ChartViews(MainWindow &window) : window_(window) {}

    void ShowRunCharts();
    void ShowRaceChart();
    void ShowEnergy();
    ChartWindow *runCharts() const { return runCharts_; }
    ChartWindow *energyChart() const { return energy_; }
    ChartWindow *raceChart() const { return raceChart_; }

    // After a refresh of `mode` or a press of Simulate's buttons.
    void follow(SheetMode mode);
    // The current design's measured runs were added, changed or deleted.
    void measuredRunsChanged();
    // A build-tolerance study of the design came or went: the run charts' band.
    void bandChanged();
    // While "View the entire cycle" plays: the frame being shown.
    void followFrame(const SimulationFrame &frame);

private:
    void showRun(int markedTimeIndex);
    void showEnergy(int markedTimeIndex);
    void followRun(SheetMode mode);
    bool anyRunWindowOpen() const;
    void followRace();

    MainWindow &window_;
    ChartWindow *runCharts_ = nullptr;
    ChartWindow *raceChart_ = nullptr;
    ChartWindow *energy_ = nullptr;
    int chartedSlot_ = -1; // the list entry whose run the run and energy charts show
    // Its energy, taken when the run was charted, so that a frame played only draws.
    std::optional<EnergyTrace> energyTrace_;
    // Its measured runs, read when the run was charted: a frame played must not read a file.
    std::optional<MeasuredOverlay> measured_;
};

} // namespace zindle
