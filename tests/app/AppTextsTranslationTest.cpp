// SPDX-License-Identifier: GPL-3.0-or-later
// What the analysis steps say to a person is asked of the translations under the context that
// lupdate files it in; the sentences the command line writes as data stay English.

#include "app/ClassStandings.h"
#include "app/DesignLogEdits.h"
#include "app/LoggedRuns.h"
#include "app/ParameterCheck.h"
#include "app/ToleranceTexts.h"
#include "app/TrackCalibration.h"
#include "app/WhatIf.h"
#include "physics/RunEnergy.h"
#include "files/EventFile.h"
#include "files/FileAccess.h"
#include "files/Logbook.h"
#include "physics/RaceDay.h"
#include "physics/SensitivityResult.h"
#include "support/PseudoTranslation.h"
#include "support/ScriptedPrompter.h"

#include <QSet>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <gtest/gtest.h>

using namespace zindle;

TEST(AppTextsTranslation, ShownTextsAreAskedForAndTheDataSentenceStaysEnglish)
{
    test::RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    ToleranceStudy study;
    study.p50 = 1.391;
    study.reachProbability = 0.4;
    study.shares[1] = 70.0;
    study.largestShare = 1;
    const QString shown = ShownToleranceSentence(study);
    const QString data = ToleranceSentence(study);
    test::ScriptedPrompter prompter;
    const bool accepted =
        ValidateParameters({"4.80", "1.75", "0.5", "7", "0.2", "7", "1.5", "36", "4.0", "0.3", "3.5"}, prompter);
    const QString step = whatIfStepName(WhatIfKnob::WeightPosition);
    Calibration fit;
    fit.efficiencyFitted = false;
    fit.observations = 1;
    const QString shownNote = ShownFrictionOnlyNote(fit);
    const QString dataNote = FrictionOnlyNote(fit);
    EnergyTotals energy;
    energy.springDelivered = 1.0;
    energy.skid = 0.31;
    const QString shownLoss = ShownLargestLossSentence(energy);
    const QString dataLoss = LargestLossSentence(energy);
    QCoreApplication::removeTranslator(&translator);

    EXPECT_EQ(shown, QStringLiteral("\u27e6Built within these tolerances, only 40 in 100 of your cars reach 15 ft, half "
                                    "of all builds by 1.39 s; the \u27e6board density\u27e7 matters most (70 % of the "
                                    "spread).\u27e7"));
    EXPECT_EQ(data, QStringLiteral("Built within these tolerances, only 40 in 100 of your cars reach 15 ft, half of all "
                                   "builds by 1.39 s; the board density matters most (70 % of the spread)."));
    EXPECT_FALSE(accepted);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].caption, QStringLiteral("\u27e6Please try again.\u27e7"));
    EXPECT_EQ(step, QStringLiteral("\u27e6Move weight\u27e7"));
    EXPECT_EQ(shownNote.front(), QChar(0x27e6));
    EXPECT_EQ(dataNote, QStringLiteral("Only the rolling friction was fitted: 1 timed mark and resting distance are too few "
                                       "for two factors, so the springs are taken at their rated torque."));
    EXPECT_EQ(shownLoss, QStringLiteral("\u27e6Skidding wasted 31 % of your spring's energy: more weight on the drive "
                                        "wheels or a grippier tread would help\u27e7"));
    EXPECT_EQ(dataLoss, QStringLiteral("Skidding wasted 31 % of your spring's energy: more weight on the drive wheels or "
                                       "a grippier tread would help"));
    for (const char *expected :
         {"ToleranceTexts: Built within these tolerances, only %1 in 100 of your cars reach 15 ft, half of all builds "
          "by %2 s; the %3 matters most (%4 % of the spread).",
          "zindle::TolerancesWindow: board density",
          "ParameterCheck: The friction force must be positive, greater than 0.01 lb, and no more than 0.25 lb.",
          "WhatIf: Move weight",
          "TrackCalibration: Only the rolling friction was fitted: 1 timed mark and resting distance are too few for "
          "two factors, so the springs are taken at their rated torque."})
        EXPECT_TRUE(translator.asked.contains(QString::fromUtf8(expected))) << expected;
}

TEST(AppTextsTranslation, SensitivityAndReadErrorsAreShownTranslatedAndPrintedEnglish)
{
    SensitivityResult result;
    SensitivityEntry entry;
    entry.caption = QStringLiteral("Weight 1 mass");
    entry.words = {"Weight %1 mass", "The weight %1 mass", "%1 heavier", "%1 lighter"};
    entry.number = 1;
    entry.unit = QStringLiteral("lb");
    entry.delta = -0.01;
    entry.timeChange = 0.02;
    entry.held = SensitivityHeld::Build;
    result.inputs = {entry};
    result.ranked = {0};
    // A hostile name's control character is shown escaped inside the nested place.
    const QByteArray logbook = R"({"version": 1, "designs": [{"name": "A\u0001", "predictionS": -1}]})";
    const QByteArray event = R"({"format": "zindle-event", "version": 1, "lanes": 2, "chart": "balanced",
                                 "scoring": "average"})";

    test::RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const QString shownSentence = ShownLargestEffectSentence(result);
    const QString shownChange = ShownSensitivityChangeText(entry);
    const QString shownCaption = ShownSensitivityCaption(entry);
    const LogbookRead logbookRead = DecodeLogbook(logbook, QStringLiteral("L"));
    const EventRead eventRead = DecodeEvent(event, QStringLiteral("E"));
    const QString shownLogbookError = logbookRead.shownError(), shownEventError = eventRead.shownError();
    const QString sentence = LargestEffectSentence(result);
    const QString change = SensitivityChangeText(entry);
    QCoreApplication::removeTranslator(&translator);

    EXPECT_EQ(shownSentence,
              QStringLiteral("\u27e6\u27e6The weight 1 mass\u27e7 matters most: \u27e60.01 lb lighter\u27e7 costs 0.020 s.\u27e7"));
    EXPECT_EQ(sentence, QStringLiteral("The weight 1 mass matters most: 0.01 lb lighter costs 0.020 s"));
    EXPECT_EQ(shownChange,
              QStringLiteral("\u27e6\u27e6-0.01 lb: costs 0.020 s\u27e7 (the build keeps the drive wheel as it is)\u27e7"));
    EXPECT_EQ(change, QStringLiteral("-0.01 lb: costs 0.020 s (the build keeps the drive wheel as it is)"));
    EXPECT_EQ(shownCaption, QStringLiteral("\u27e6Weight 1 mass\u27e7"));

    EXPECT_EQ(logbookRead.error, QStringLiteral("Cannot read \"L\": design \"A\\x01\" has a prediction that is not a "
                                                "time above 0 and up to 100 s"));
    EXPECT_EQ(shownLogbookError,
              QStringLiteral("\u27e6Cannot read \"L\": \u27e6\u27e6design \"A\\x01\"\u27e7 has a prediction that is "
                             "not a time above 0 and up to 100 s\u27e7\u27e7"));
    EXPECT_EQ(eventRead.error, QStringLiteral("Cannot read \"E\": the event has no list \"cars\""));
    EXPECT_EQ(shownEventError,
              QStringLiteral("\u27e6Cannot read \"E\": \u27e6\u27e6the event\u27e7 has no list \"cars\"\u27e7\u27e7"));
    for (const char *expected : {"Sensitivity: %1 matters most: %2 costs %3 s.",
                                 "Sensitivity: %1 (the build keeps the drive wheel as it is)",
                                 "FileErrors: %1 has a prediction that is not a time above 0 and up to 100 s",
                                 "FileErrors: %1 has no list \"%2\""})
        EXPECT_TRUE(translator.asked.contains(QString::fromUtf8(expected))) << expected;
}

TEST(AppTextsTranslation, WriteErrorsAreShownTranslatedWithTheSystemsReasonAsItIs)
{
    QTemporaryDir dir;
    const QString folder = dir.path(), missing = dir.filePath(QStringLiteral("none/x"));
    ASSERT_TRUE(WriteFileAtomically(dir.filePath(QStringLiteral("a")), "0").ok);
    test::RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const WriteOutcome onFolder = WriteFileAtomically(folder, "x");
    const WriteOutcome inMissingFolder = WriteFileAtomically(missing, "x");
    const WriteOutcome twice = WriteFilesAtomically({{dir.filePath(QStringLiteral("a")), "1"},
                                                     {dir.filePath(QStringLiteral("./a")), "2"}});
    const QString shownFolder = onFolder.shownError(), shownMissing = inMissingFolder.shownError(),
                  shownTwice = twice.shownError();
    QCoreApplication::removeTranslator(&translator);

    EXPECT_EQ(onFolder.error, QStringLiteral("Cannot write \"%1\": it is a folder").arg(folder));
    EXPECT_EQ(shownFolder, QStringLiteral("\u27e6Cannot write \"%1\": \u27e6it is a folder\u27e7\u27e7").arg(folder));
    const QString noSuchFile = QString::fromLocal8Bit(std::strerror(ENOENT));
    EXPECT_EQ(shownMissing, QStringLiteral("\u27e6Cannot write \"%1\": %2\u27e7").arg(missing, noSuchFile));
    EXPECT_EQ(twice.error, QStringLiteral("Cannot write \"%1/./a\": it is the same file as \"%1/a\"").arg(folder));
    EXPECT_EQ(shownTwice,
              QStringLiteral("\u27e6Cannot write \"%1/./a\": \u27e6it is the same file as \"%1/a\"\u27e7\u27e7")
                  .arg(folder));
    EXPECT_TRUE(translator.asked.contains(QStringLiteral("FileErrors: Cannot write \"%1\": %2")));
}

TEST(AppTextsTranslation, RaceDayLogbookAndStandingsRefusalsAreShownTranslatedAndKeptEnglish)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.zndl"));
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    const QByteArray farMark = R"({"version": 1, "designs": [{"name": "A", "runs": [
        {"date": "2026-05-04", "track": "Gym", "marks": [{"distanceFt": 200, "timeS": 2}]}]}]})";
    const DesignLogSubject subject{QStringLiteral("A"), QStringLiteral("a.zndl"), dir.path(),
                                   dir.filePath(QStringLiteral("zindle-log.json"))};
    LogEdit gone;
    gone.kind = LogEdit::Delete;
    gone.index = 0;
    gone.before = MeasuredRun{};
    FolderLogbooks logbooks;
    logbooks.folders.emplace(dir.path(), Logbook{});
    RaceEvent event;
    WorkerPool workers;

    test::RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const LogbookRead read = DecodeLogbook(farMark, QStringLiteral("L"));
    const QString shownRead = read.shownError();
    const LogEditOutcome edit = ApplyLogEdit(subject, gone, false);
    const QStringList uncalibrated = ChooseTrack(logbooks, QStringLiteral("Gym"));
    const QString heat = RecordHeat(event, 0, {});
    const std::vector<StandingRow> rows = RunStandings(workers, CollectDesignSources({pipe}));
    QCoreApplication::removeTranslator(&translator);

    EXPECT_EQ(read.error, QStringLiteral("Cannot read \"L\": run 1 of design \"A\": A mark at 200 ft is not on a track: "
                                         "distances lie above 0 and up to 100 ft."));
    EXPECT_TRUE(shownRead.endsWith(QStringLiteral(
        "\u27e6A mark at 200 ft is not on a track: distances lie above 0 and up to 100 ft.\u27e7\u27e7\u27e7")))
        << qPrintable(shownRead);
    EXPECT_TRUE(edit.error.startsWith(QStringLiteral("%1 was changed by another").arg(subject.logbookPath)));
    EXPECT_TRUE(edit.shownError().startsWith(QStringLiteral("\u27e6%1 was changed").arg(subject.logbookPath)));
    ASSERT_EQ(uncalibrated.size(), 1);
    EXPECT_TRUE(uncalibrated[0].startsWith(QStringLiteral("\u27e6"))) << qPrintable(uncalibrated[0]);
    EXPECT_EQ(heat, QStringLiteral("\u27e6there is no heat 1; the event has 0\u27e7"));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].error, QStringLiteral("Cannot read \"%1\": it is not a regular file").arg(pipe));
    EXPECT_EQ(rows[0].shownError,
              QStringLiteral("\u27e6Cannot read \"%1\": \u27e6it is not a regular file\u27e7\u27e7").arg(pipe));
    for (const char *expected : {"MeasuredRun: A mark at %1 is not on a track: distances lie above 0 and up to 100 ft.",
                                 "RaceDay: there is no heat %1; the event has %2",
                                 "FileErrors: it is not a regular file"})
        EXPECT_TRUE(translator.asked.contains(QString::fromUtf8(expected))) << expected;
}
