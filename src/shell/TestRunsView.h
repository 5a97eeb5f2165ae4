// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's side of Test day: the Test runs window, made when first shown and kept following
// the current design; the track the window predicts for, with its calibration in every run
// (Simulate, the race, the Power Designer, the live results) and said so under the sheet; and
// the measured runs the Run Charts draw over the prediction.

#include "charts/MeasuredOverlay.h"

#include <QString>
#include <optional>

class QLabel;

namespace zindle {

class MainWindow;
class TestRunsWindow;

class TestRunsView {
public:
    explicit TestRunsView(MainWindow &window) : window_(window) {}

    void ShowTestRuns();
    TestRunsWindow *testRuns() const { return testRuns_; }
    // After a refresh, or another design made current.
    void follow();

    // Predictions with the calibration of `track` from the current design's logbook; empty, or
    // a track without a calibration there, for the design's own model. Refreshes the mode shown.
    void PredictForTrack(const QString &track);
    const QString &predictedFor() const { return track_; }
    // "Predictions calibrated for ...", empty when none.
    QString calibrationNote() const;

    // The current design's runs, and its run with coasting, for the distance chart; none when
    // it has no runs or was not run as it stands.
    std::optional<MeasuredOverlay> overlay();

private:
    void showNote();

    MainWindow &window_;
    TestRunsWindow *testRuns_ = nullptr;
    QLabel *note_ = nullptr;
    QString track_, said_;
};

} // namespace zindle
