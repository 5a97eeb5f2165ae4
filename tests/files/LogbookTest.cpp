// SPDX-License-Identifier: GPL-3.0-or-later
// The class logbook: its bytes, what it keeps of fields it does not know, how a design is found
// in it, and that a damaged one is reported by name and left as it was.

#include "files/Logbook.h"

#include "support/FolderFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;
using zindle::test::contentOf;
using zindle::test::everything;
using zindle::test::put;

namespace {

const char *const Fixture = ZINDLE_TEST_DATA "/logbook-unknown-fields.json";

LoggedRun tileRun(double rest)
{
    LoggedRun logged;
    logged.run.date = QDate(2026, 5, 11);
    logged.run.track = QStringLiteral("Gym floor");
    logged.run.marks = {{5, 0.8}};
    logged.run.restFt = rest;
    return logged;
}

} // namespace

TEST(Logbook, AFileOfThisReleaseIsRewrittenByteForByteWithItsUnknownFields)
{
    const QByteArray bytes = contentOf(Fixture);
    const LogbookRead read = DecodeLogbook(bytes, Fixture);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    ASSERT_EQ(read.logbook.designs.size(), 1u);
    const LoggedDesign &racer = read.logbook.designs[0];
    EXPECT_EQ(racer.name, "Racer");
    EXPECT_EQ(racer.file, "racer.zndl");
    EXPECT_EQ(racer.predictionS, 1.5);
    ASSERT_EQ(racer.runs.size(), 1u);
    const MeasuredRun &run = racer.runs[0].run;
    EXPECT_EQ(run.date, QDate(2026, 5, 4));
    EXPECT_EQ(marksText(run.marks), "5:0.71,10:1.2,15:1.62");
    EXPECT_EQ(run.restFt, 23.5);
    EXPECT_EQ(run.massLbm, 0.31);
    EXPECT_EQ(run.note, "first try");
    EXPECT_EQ(EncodeLogbook(read.logbook), bytes);

    // A change leaves every other byte where it was: the new run goes in after the old one.
    Logbook changed = read.logbook;
    changed.designs[0].runs.push_back(tileRun(9.25));
    const QByteArray rewritten = EncodeLogbook(changed);
    const qsizetype cut = bytes.indexOf("                }\n            ]");
    ASSERT_GT(cut, 0);
    EXPECT_TRUE(rewritten.startsWith(bytes.left(cut)));
    EXPECT_TRUE(rewritten.endsWith(bytes.mid(bytes.indexOf("            ]\n        }\n    ],"))));
    EXPECT_TRUE(rewritten.contains("\"restFt\": 9.25,\n                    \"track\": \"Gym floor\""));
}

TEST(Logbook, AMissingLogbookIsAnEmptyOneAndIsWrittenWhole)
{
    QTemporaryDir dir;
    const QString path = LogbookPathBeside(dir.filePath("racer.zndl"));
    EXPECT_EQ(path, dir.filePath("zindle-log.json"));
    LogbookRead read = ReadLogbook(path);
    ASSERT_TRUE(read.ok);
    EXPECT_FALSE(read.existed);
    read.logbook.designs.push_back({QStringLiteral("Racer"), QStringLiteral("racer.zndl"), {tileRun(9.25)}, {}, {}});
    ASSERT_TRUE(WriteLogbook(path, read.logbook).ok);
    EXPECT_EQ(everything(dir.path()), QStringList{"zindle-log.json"});
    const LogbookRead again = ReadLogbook(path);
    ASSERT_TRUE(again.ok);
    EXPECT_TRUE(again.existed);
    EXPECT_EQ(again.logbook.designs[0].runs[0].run, read.logbook.designs[0].runs[0].run);
}

TEST(Logbook, ADamagedLogbookIsReportedWithItsName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("zindle-log.json");
    const QByteArray good = contentOf(Fixture);
    const auto errorFor = [&](const QByteArray &bytes) {
        put(path, bytes);
        const LogbookRead read = ReadLogbook(path);
        EXPECT_FALSE(read.ok);
        EXPECT_EQ(contentOf(path), bytes);
        return QString(read.error).replace(path, QStringLiteral("LOG"));
    };
    EXPECT_EQ(errorFor(good.left(200)),
              "Cannot read \"LOG\": it is not a logbook (not JSON: unterminated string at byte 201)");
    EXPECT_EQ(errorFor("Racer 1.62 s\n"),
              "Cannot read \"LOG\": it is not a logbook (not JSON: illegal value at byte 1)");
    EXPECT_EQ(errorFor(QByteArray(good).replace("\"version\": 1", "\"version\": 2")),
              "Cannot read \"LOG\": it is not a logbook of version 1, which this release reads");
    EXPECT_EQ(errorFor(QByteArray(good).replace("\"name\": \"Racer\"", "\"name\": \"\"").replace("\"file\": \"racer.zndl\"", "\"file\": \"\"")),
              "Cannot read \"LOG\": design entry 1 names no design (neither \"name\" nor \"file\"), so its runs belong to none");
    EXPECT_EQ(errorFor(QByteArray(good).replace("\"timeS\": 1.2", "\"timeS\": 0.5")),
              "Cannot read \"LOG\": run 1 of design \"Racer\": The car cannot reach 10 ft at 0.5 s when it reached 5 ft "
              "at 0.71 s: times must grow with the distance.");
    EXPECT_EQ(errorFor(QByteArray(good).replace("\"predictionS\": 1.5", "\"predictionS\": -1")),
              "Cannot read \"LOG\": design \"Racer\" has a prediction that is not a time above 0 and up to 100 s");
    EXPECT_EQ(errorFor(QByteArray(good).replace("\"restFt\": 23.5", "\"restFt\": \"far\"")),
              "Cannot read \"LOG\": run 1 of design \"Racer\" has a \"restFt\" that is not a number");
}

TEST(Logbook, ADesignIsFoundByNameAndFileOrEitherAlone)
{
    QTemporaryDir dir;
    put(dir.filePath("racer.zndl"), "design");
    Logbook logbook;
    logbook.designs = {{QStringLiteral("Racer"), QStringLiteral("racer.zndl"), {}, {}, {}},
                       {QStringLiteral("Pickup"), QStringLiteral("pickup.zndl"), {}, {}, {}},
                       {QStringLiteral("Racer"), QStringLiteral("racer-2.zndl"), {}, {}, {}}};
    const auto found = [&](const char *name, const char *file) {
        const DesignMatch match = FindLoggedDesign(logbook, dir.path(), QLatin1String(name), QLatin1String(file));
        return std::tuple(match.index, match.nameMatches, match.fileMatches);
    };
    EXPECT_EQ(found("Racer", "racer-2.zndl"), std::tuple(2, true, true));
    EXPECT_EQ(found("Quick Pickup", "pickup.zndl"), std::tuple(1, false, true));
    EXPECT_EQ(found("Pickup", "moved.zndl"), std::tuple(1, true, false));
    EXPECT_EQ(found("Wheelie", "wheelie.zndl"), std::tuple(-1, false, false));
    // racer.zndl is still there: another file's design of that name starts its own entry.
    logbook.designs.pop_back();
    EXPECT_EQ(found("Racer", "racer-3.zndl"), std::tuple(-1, false, false));
}

TEST(Logbook, CalibrationsAreKeptPerTrackWithTheirUnknownFields)
{
    LogbookRead read = DecodeLogbook(contentOf(Fixture), Fixture);
    ASSERT_TRUE(read.ok);
    LoggedCalibration tile;
    tile.track = QStringLiteral(" Room 12 tile ");
    tile.date = QDate(2026, 5, 12);
    tile.friction = 0.11;
    tile.springEfficiency = 0.86;
    tile.frictionFitted = tile.efficiencyFitted = true;
    tile.rmsBefore = 0.5;
    tile.rmsAfter = 0.04;
    tile.runs = 3;
    tile.marks = 9;
    tile.observations = 12;
    read.logbook.storeCalibration(tile);
    QByteArray bytes = EncodeLogbook(read.logbook);
    EXPECT_TRUE(bytes.startsWith("{\n    \"calibrations\": {\n        \"Room 12 tile\": {\n"
                                 "            \"date\": \"2026-05-12\",\n            \"friction\": 0.11,\n"
                                 "            \"frictionFitted\": true,\n            \"marks\": 9,\n"
                                 "            \"observations\": 12,\n            \"rmsAfterS\": 0.04,\n"
                                 "            \"rmsBeforeS\": 0.5,\n            \"runs\": 3,\n"
                                 "            \"springEfficiency\": 0.86,\n            \"springEfficiencyFitted\": true\n"
                                 "        }\n    },\n"))
        << bytes.toStdString();

    // A field of a later release survives a read, a new fit of the same track and a rewrite.
    bytes.replace("\"springEfficiencyFitted\": true\n", "\"springEfficiencyFitted\": true,\n            \"surface\": \"tile\"\n");
    LogbookRead again = DecodeLogbook(bytes, Fixture);
    ASSERT_TRUE(again.ok) << again.error.toStdString();
    EXPECT_EQ(EncodeLogbook(again.logbook), bytes);
    tile.friction = 0.12;
    again.logbook.storeCalibration(tile);
    ASSERT_EQ(again.logbook.calibrations.size(), 1u);
    EXPECT_EQ(again.logbook.calibrationOf(QStringLiteral("Room 12 tile"))->friction, 0.12);
    EXPECT_TRUE(EncodeLogbook(again.logbook).contains("\"surface\": \"tile\""));

    const LogbookRead broken =
        DecodeLogbook(QByteArray(bytes).replace("\"friction\": 0.11", "\"friction\": -1"), QStringLiteral("LOG"));
    EXPECT_EQ(broken.error, "Cannot read \"LOG\": the calibration of \"Room 12 tile\" lacks a friction above 0 and below "
                            "1 lb or a spring efficiency above 0 and below 2");
}
