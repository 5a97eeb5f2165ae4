// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestRunsView.h"

#include "ChartViews.h"
#include "MainWindow.h"
#include "WindowRefreshHooks.h"
#include "dialogs/PowerDesignerDialog.h"
#include "app/ResultsOwner.h"
#include "app/TrackCalibration.h"
#include "app/WorkspaceCoast.h"
#include "dialogs/TestRunsWindow.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TestRunsView)
};

// The current design's run with coasting, when its results are its own as it stands.
std::optional<CoastedRun> currentPrediction(Workspace &workspace)
{
    if (ResultsOfCurrentDesign(workspace) != ResultsCoverage::All || !workspace.list.current().DesignSimulated)
        return std::nullopt;
    return RunWorkspaceCoast(workspace);
}

} // namespace

void TestRunsView::ShowTestRuns()
{
    if (!testRuns_) {
        testRuns_ = new TestRunsWindow(window_.workers(), window_.prompter(), &window_);
        QObject::connect(testRuns_, &TestRunsWindow::logbookChanged, &window_,
                         [this] { window_.charts().measuredRunsChanged(); });
        QObject::connect(testRuns_, &TestRunsWindow::predictForTrack, &window_,
                         [this](const QString &track) { PredictForTrack(track); });
    }
    testRuns_->show();
    testRuns_->raise();
    follow();
}

void TestRunsView::follow()
{
    if (!testRuns_ || !testRuns_->isVisible())
        return;
    Workspace &ws = window_.workspace();
    TestRunsSubject subject;
    subject.designName = ws.list.shownName(ws.list.CurrentDesign);
    subject.log = LogSubjectOf(ws.list.current());
    subject.prediction = currentPrediction(ws);
    subject.predictedFor = track_;
    testRuns_->showSubject(subject);
}

void TestRunsView::PredictForTrack(const QString &track)
{
    Workspace &ws = window_.workspace();
    ModelFactors factors;
    track_.clear();
    said_.clear();
    const std::optional<DesignLogSubject> log = LogSubjectOf(ws.list.current());
    if (!track.isEmpty() && log) {
        const LogbookRead read = ReadLogbook(log->logbookPath);
        if (!read.ok) {
            window_.prompter().message(read.shownError(), Texts::tr("Test runs"));
        } else if (const LoggedCalibration *calibration = read.logbook.calibrationOf(track)) {
            factors = FactorsOf(FromLogged(*calibration));
            track_ = calibration->track;
            said_ = ShownCalibratedForText(*calibration);
        }
    }
    SetTrackFactors(ws, factors);
    showNote();
    // The sweep's times are predictions for the track as well.
    window_.views().powerDesigner()->setWindowTitle(
        track_.isEmpty() ? Texts::tr("Power Designer") : Texts::tr("Power Designer (calibrated for %1)").arg(track_));
    window_.RefreshMode(0, 0, window_.CurrentMode());
    follow();
}

QString TestRunsView::calibrationNote() const
{
    if (said_.isEmpty())
        return {};
    return Texts::tr("Predictions %1 (the design's own texts are unchanged).").arg(said_);
}

void TestRunsView::showNote()
{
    QStatusBar *bar = window_.statusBar();
    if (!note_) {
        note_ = new QLabel(bar);
        note_->setObjectName(QStringLiteral("CalibrationNote"));
        note_->setTextFormat(Qt::PlainText);
        bar->addWidget(note_, 1);
    }
    note_->setText(calibrationNote());
    // The bar takes room from the sheet only while there is something to say.
    bar->setVisible(!said_.isEmpty());
}

std::optional<MeasuredOverlay> TestRunsView::overlay()
{
    Workspace &ws = window_.workspace();
    const std::optional<DesignLogSubject> log = LogSubjectOf(ws.list.current());
    if (!log)
        return std::nullopt;
    const LogbookRead read = ReadLogbook(log->logbookPath);
    if (!read.ok)
        return std::nullopt;
    const DesignMatch match = FindLoggedDesign(read.logbook, log->folder, log->designName, log->fileName);
    if (match.index < 0)
        return std::nullopt;
    MeasuredOverlay overlay;
    const LoggedDesign &design = read.logbook.designs[static_cast<size_t>(match.index)];
    // Predicting for a track: its runs alone, which the calibration was made for.
    overlay.runs = track_.isEmpty() ? std::vector<MeasuredRun>{} : RunsOnTrack(design, track_);
    if (track_.isEmpty())
        for (const LoggedRun &run : design.runs)
            overlay.runs.push_back(run.run);
    if (overlay.runs.empty())
        return std::nullopt;
    std::optional<CoastedRun> prediction = currentPrediction(ws);
    if (!prediction)
        return std::nullopt;
    overlay.prediction = std::move(*prediction);
    overlay.calibrated = !track_.isEmpty();
    overlay.track = track_;
    if (overlay.track.isEmpty()) {
        const QString first = overlay.runs.front().track.trimmed();
        bool oneTrack = true;
        for (const MeasuredRun &run : overlay.runs)
            oneTrack = oneTrack && run.track.trimmed() == first;
        if (oneTrack)
            overlay.track = first;
    }
    return overlay;
}

} // namespace zindle
