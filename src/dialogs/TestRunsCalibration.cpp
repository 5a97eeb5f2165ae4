// SPDX-License-Identifier: GPL-3.0-or-later
// A track's calibration from the Test runs window: fitted on a worker, stored in the logbook as
// it is when the fit ends, and said in one sentence.
#include "TestRunsWindow.h"

#include "app/TrackCalibration.h"
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
    calibration_->setText(QStringLiteral("Fitting the model to the runs on %1...").arg(printableText(track)));
    fit_.watch(workers_.run([folder = subject_.log->folder, track] { return FitTrack(folder, track); }),
               [this, track](std::future<TrackFit> &done) {
                   TrackFit fit = done.get();
                   setEnabledState();
                   if (!fit.ok()) {
                       calibration_->clear();
                       prompter_.message(fit.error, TestRunsCaption);
                       return;
                   }
                   // The fit read the logbook before it ran; runs written since are kept.
                   LogbookRead now = ReadLogbook(fit.logbookPath);
                   if (!now.ok) {
                       calibration_->clear();
                       prompter_.message(now.error, TestRunsCaption);
                       return;
                   }
                   now.logbook.storeCalibration(ToLogged(track, fit.calibration, QDate::currentDate()));
                   const WriteOutcome written = WriteLogbook(fit.logbookPath, now.logbook);
                   if (!written.ok) {
                       calibration_->clear();
                       prompter_.message(written.error, TestRunsCaption);
                       return;
                   }
                   QString text = CalibrationSentence(track, fit.calibration) + QLatin1Char('.');
                   const QString note = FrictionOnlyNote(fit.calibration);
                   if (!note.isEmpty())
                       text += QLatin1Char(' ') + note;
                   for (const QString &leftOut : fit.leftOut)
                       text += QStringLiteral("\nNote: ") + leftOut + QLatin1Char('.');
                   calibration_->setText(text);
                   readLogbook();
                   emit logbookChanged();
               });
    setEnabledState();
}

} // namespace zindle
