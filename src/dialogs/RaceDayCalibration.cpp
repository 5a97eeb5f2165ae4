// SPDX-License-Identifier: GPL-3.0-or-later
// Calibration straight after the race: the event's runs are already in the class's logbook as
// runs on the event's track, so one click fits the model to them, keeps the calibration there,
// and runs the cars' simulated times again with it.
#include "RaceDayWindow.h"

#include "app/RaceDayLog.h"
#include "files/PathText.h"
#include "model/Prompter.h"

#include <QLabel>
#include <QPushButton>

namespace zindle {

void RaceDayWindow::CalibrateClick()
{
    if (path_.isEmpty() || fitWatch_.watching())
        return;
    const QString track = event_.track;
    status_->setText(tr("Fitting the model to the runs on %1...").arg(printableText(track)));
    calibrate_->setEnabled(false);
    fitWatch_.watch(workers_.run([folder = RosterFolder(event_, path_), track] { return FitTrack(folder, track); }),
                    [this, track](std::future<TrackFit> &done) {
                        const KeptFit kept = KeepTrackFit(done.get(), track);
                        calibrate_->setEnabled(true);
                        if (!kept.ok()) {
                            status_->clear();
                            prompter_.message(kept.error, windowTitle());
                            return;
                        }
                        status_->setText(kept.report);
                        startForecast();
                    });
}

} // namespace zindle
