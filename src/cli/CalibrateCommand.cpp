// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalibrateCommand.h"

#include "Cli.h"
#include "PhysicsOutput.h"
#include "app/TrackCalibration.h"
#include "app/TrackFit.h"
#include "files/PathText.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CalibrateCommand)
};

} // namespace

const char *const CalibrateHelp =
    "Usage: zindle-cli calibrate FOLDER --track T [--json]\n"
    "Fits the model to every run on track T in the logbook zindle-log.json of FOLDER:\n"
    "the rolling friction force (0.01 to 0.25 lb) and the share of its rated torque a\n"
    "spring gives (50 to 120 %), shared by all the class's cars, by least squares over\n"
    "every timed mark and resting distance, each design predicted with coasting. With\n"
    "fewer than three marks and resting distances only the friction is fitted, and the\n"
    "output says so. Prints what the fit found in one sentence, then the factors, the\n"
    "RMS error before and after (s) and the runs and marks used; --json prints one JSON\n"
    "object with the same (friction and springEfficiency as top-level numbers). The\n"
    "calibration is kept in the logbook under the track's name, in place of the track's\n"
    "earlier one; 'zindle-cli simulate DESIGN --track T' applies it. A logbook that\n"
    "cannot be read is reported and left as it is.\n";

namespace {

int usage(const QString &error, QTextStream &err)
{
    if (!error.isEmpty())
        err << "zindle-cli calibrate: " << printableText(error) << '\n';
    err << CalibrateHelp;
    return UsageFailure;
}

} // namespace

int calibrateCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(args, {QStringLiteral("--json")}, {QStringLiteral("--track")}, parsed, error))
        return usage(error, err);
    if (parsed.positional.size() != 1 || !parsed.hasValue(QStringLiteral("--track")))
        return usage(Texts::tr("calibrate needs FOLDER and --track"), err);
    const QString folder = parsed.positional[0];
    const QString track = parsed.value(QStringLiteral("--track")).trimmed();
    if (!QFileInfo(folder).isDir())
        return usage(Texts::tr("\"%1\" is not a folder").arg(folder), err);
    TrackFit trackFit = FitTrack(folder, track);
    for (const QString &leftOut : trackFit.leftOut)
        err << "zindle-cli calibrate: " << leftOut << '\n';
    if (!trackFit.ok()) {
        if (trackFit.failure == TrackFit::NoRuns)
            err << "zindle-cli calibrate: ";
        err << trackFit.shownError << '\n';
        return trackFit.failure == TrackFit::NoRuns ? UsageFailure : FileFailure;
    }
    const QString &logbookPath = trackFit.logbookPath;
    const Calibration &fit = trackFit.calibration;
    const QStringList &used = trackFit.designs;
    const WriteOutcome written = WriteLogbook(logbookPath, trackFit.logbook);
    if (!written.ok) {
        err << written.shownError() << '\n';
        return FileFailure;
    }

    const QString sentence = CalibrationSentence(track, fit);
    const QString note = FrictionOnlyNote(fit);
    if (parsed.has(QStringLiteral("--json"))) {
        QJsonObject object{{QStringLiteral("track"), track},
                           {QStringLiteral("friction"), fit.friction},
                           {QStringLiteral("springEfficiency"), fit.springEfficiency},
                           {QStringLiteral("frictionFitted"), fit.frictionFitted},
                           {QStringLiteral("springEfficiencyFitted"), fit.efficiencyFitted},
                           {QStringLiteral("rmsBeforeS"), fit.rmsBefore},
                           {QStringLiteral("rmsAfterS"), fit.rmsAfter},
                           {QStringLiteral("runs"), fit.runs},
                           {QStringLiteral("marks"), fit.marks},
                           {QStringLiteral("observations"), fit.observations},
                           {QStringLiteral("designs"), QJsonArray::fromStringList(used)},
                           {QStringLiteral("sentence"), sentence},
                           {QStringLiteral("logbook"), logbookPath}};
        if (!note.isEmpty())
            object.insert(QStringLiteral("note"), note);
        printJson(object, out);
        return Success;
    }
    out << printableText(sentence) << ".\n";
    if (!note.isEmpty())
        out << note << '\n';
    printFields({{QStringLiteral("Friction"), doubleText(fit.friction)},
                 {QStringLiteral("SpringEfficiency"), doubleText(fit.springEfficiency)},
                 {QStringLiteral("Fitted"), fit.efficiencyFitted ? QStringLiteral("friction,springEfficiency")
                                                                 : QStringLiteral("friction")},
                 {QStringLiteral("RmsBefore"), text00(fit.rmsBefore) + QStringLiteral(" s")},
                 {QStringLiteral("RmsAfter"), text00(fit.rmsAfter) + QStringLiteral(" s")},
                 {QStringLiteral("Runs"), QString::number(fit.runs)},
                 {QStringLiteral("Marks"), QString::number(fit.marks)},
                 {QStringLiteral("Designs"), used.join(QStringLiteral(", "))},
                 {QStringLiteral("Logbook"), logbookPath}},
                out);
    return Success;
}

} // namespace zindle::cli
