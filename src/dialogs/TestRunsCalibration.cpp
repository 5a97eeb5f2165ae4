// SPDX-License-Identifier: GPL-3.0-or-later
// A track's calibration from the Test runs window: fitted on a worker, stored in the logbook as
// it is when the fit ends, and said in one sentence.
#include "TestRunsWindow.h"

#include "app/TrackFit.h"
#include "app/WorkerPool.h"
#include "files/PathText.h"
#include "model/Prompter.h"

#include <QComboBox>
#include <QLabel>

namespace zindle {

void TestRunsWindow::CalibrateClick()
{
    if (!subject_.log || fit_.watching() || calibrateTrack_->currentText().isEmpty())
        return;
    const QString track = calibrateTrack_->currentText();
    calibration_->setText(tr("Fitting the model to the runs on %1...").arg(printableText(track)));
    fit_.watch(workers_.run([folder = subject_.log->folder, track] { return FitTrack(folder, track); }),
               [this, track](std::future<TrackFit> &done) {
                   const KeptFit kept = KeepTrackFit(done.get(), track);
                   setEnabledState();
                   if (!kept.ok()) {
                       calibration_->clear();
                       prompter_.message(kept.error, TestRunsCaption());
                       return;
                   }
                   calibration_->setText(kept.report);
                   readLogbook();
                   emit logbookChanged();
               });
    setEnabledState();
}

} // namespace zindle
