// SPDX-License-Identifier: GPL-3.0-or-later
// zindle-cli analyze, simulate, race and sweep: output layout, exit statuses, JSON and the
// built-in designs end to end.

#include "cli/Cli.h"
#include "files/DesignFile.h"
#include "app/Workspace.h"
#include "support/CliRunner.h"

#include <QFile>
#include <QSet>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;
using zindle::test::CliResult;
using zindle::test::runCli;

namespace {


const QStringList BuiltIns{"Default Design", "Racer", "Pickup", "Tow Truck", "Wheelie"};

const QStringList AnalyzeKeys{
    "LayersCoredEF", "LayersFullEF", "LayersWideEF", "CaseWidthEF", "CarWidthEF", "CaseIDEF",
    "CaseOuterDEF", "BottlesNeededEF", "DriveWhlDiaEF", "OtherWhlDiaEF", "SpringWidthEF",
    "SpringLengthEF", "MaxRealTorqueEF", "PropulsionLeftEF", "PropulsionRightEF", "SpringMassEF",
    "ProjectedMassEF", "FoamMassEF", "AxleMassEF", "TrueCentroidEF", "YCentroidEF",
    "NormalForceAtRestEF", "NormalForceWoundEF", "NormalForceFrontEF", "TractionLeftEF",
    "TractionRightEF", "RevsEF", "PoweredDistanceEF"};

QStringList keysOf(const QStringList &lines)
{
    QStringList keys;
    for (const QString &line : lines)
        keys << line.section('=', 0, 0);
    return keys;
}

// A design file of the Default Design with `change` applied.
QString writeDefaultDesign(const QTemporaryDir &dir, const QString &name, void (*change)(DesignRecord &))
{
    Workspace ws;
    BuildBuiltInDesign(ws, 0);
    change(ws.design);
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(EncodeDesign(ws.design, ws.catalogue, name)) < 0)
        return {};
    return path;
}

} // namespace

TEST(CliAnalyze, PrintsTheFieldsInOrderWithTheBuildCorrections)
{
    const CliResult r = runCli({"analyze", "Default Design"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(keysOf(r.lines()), AnalyzeKeys); // the default design raises no advisory
    EXPECT_EQ(r.value("CaseIDEF"), "3.8175835609436");
    EXPECT_EQ(r.value("DriveWhlDiaEF"), "4.80");
    EXPECT_EQ(r.value("MaxRealTorqueEF"), "0.569999992847443");
    EXPECT_EQ(r.value("BottlesNeededEF"), "0.75");

    // A finer grid weighs the same body a little differently.
    const CliResult fine = runCli({"analyze", "Default Design", "--element-size", "2"});
    ASSERT_EQ(fine.status, 0);
    EXPECT_NE(fine.value("ProjectedMassEF"), r.value("ProjectedMassEF"));

    const QJsonObject json = runCli({"analyze", "Default Design", "--json"}).json();
    EXPECT_EQ(json.value("CaseIDEF").toString(), "3.8175835609436");
    EXPECT_TRUE(json.value("Advisories").isArray());
}

TEST(CliAnalyze, BadUsageAndUnreadableFiles)
{
    EXPECT_EQ(runCli({"analyze"}).status, 2);
    EXPECT_EQ(runCli({"analyze", "Racer", "--element-size", "fine"}).status, 2);
    EXPECT_EQ(runCli({"analyze", "Racer", "--colour"}).status, 2);
    const CliResult missing = runCli({"analyze", "/nonexistent/car.zndl"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_FALSE(missing.err.isEmpty());
    const CliResult help = runCli({"analyze", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("1152 x 864"));
    EXPECT_TRUE(help.out.contains("600 dpi"));
}

TEST(CliSimulate, EveryBuiltInFinishesWithATimeOrABracketedTime)
{
    static const QRegularExpression time(R"(^(\d+\.\d+|\[\d[\d.]{0,3}\])$)");
    for (const QString &design : BuiltIns) {
        const CliResult r = runCli({"simulate", design});
        ASSERT_EQ(r.status, 0) << design.toStdString();
        EXPECT_TRUE(time.match(r.value("TimeEF")).hasMatch()) << r.value("TimeEF").toStdString();
        const QStringList keys = keysOf(r.lines());
        EXPECT_EQ(keys.mid(0, AnalyzeKeys.size()), AnalyzeKeys);
        EXPECT_EQ(keys.mid(AnalyzeKeys.size(), 6), QStringList({"PredictedDistance", "TimeEF", "TopSpeedEF",
                                                                "PeakSpeedEF", "RevisedLabel", "SkidOccurred"}));
        // Each key once (Advisory lines apart).
        QStringList fields = keys;
        fields.removeAll("Advisory");
        EXPECT_EQ(QSet<QString>(fields.begin(), fields.end()).size(), fields.size()) << design.toStdString();
        const bool skid = r.value("SkidOccurred") == "1";
        EXPECT_EQ(r.out.contains("Advisory=Skid advisory."), skid) << design.toStdString();
    }
}

TEST(CliSimulate, TheRevisedDistanceAndThePredictionEachHaveTheirKey)
{
    for (const QString &design : BuiltIns) {
        SCOPED_TRACE(design.toStdString());
        const CliResult r = runCli({"simulate", design});
        ASSERT_EQ(r.status, 0);
        const QString predicted = r.value("PredictedDistance");
        const QString shown = r.value("PoweredDistanceEF");
        const QString revisedLabel = r.value("RevisedLabel");
        if (revisedLabel.isEmpty()) {
            EXPECT_EQ(shown, predicted);
        } else {
            EXPECT_EQ(revisedLabel, "(was " + predicted.left(4) + ")");
            EXPECT_EQ(shown.size(), 4);
            EXPECT_LT(shown.toFloat(), predicted.toFloat());
        }
        // The JSON says the same.
        const QJsonObject json = runCli({"simulate", design, "--json"}).json();
        for (const char *key : {"PoweredDistanceEF", "PredictedDistance", "TimeEF", "TopSpeedEF", "PeakSpeedEF",
                                "RevisedLabel", "SkidOccurred", "RevsEF"})
            EXPECT_EQ(json.value(key).toString(), r.value(key)) << key;
    }
}

TEST(CliSimulate, FrictionAboveThePropulsionNeverDrivesTheCarBackwards)
{
    // The Default Design with the thinnest spring the Power Designer offers and the highest
    // friction the Preferences allow.
    QTemporaryDir dir;
    const QString file = writeDefaultDesign(dir, "weak.zndl", [](DesignRecord &d) {
        d.SpringWidth = QStringLiteral("0.1");
        d.Friction = QStringLiteral("0.25");
    });
    ASSERT_FALSE(file.isEmpty());

    const CliResult r = runCli({"simulate", file, "--trace"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.value("TimeEF"), "[0.01]");
    EXPECT_EQ(r.value("TopSpeedEF"), "0");
    EXPECT_EQ(r.value("PoweredDistanceEF"), "0");
    QStringList csv;
    for (const QString &line : r.lines())
        if (!line.contains('='))
            csv << line;
    EXPECT_EQ(csv, QStringList{"0.01,0,0"});

    const CliResult race = runCli({"race", file});
    EXPECT_TRUE(race.out.contains(": 0.01 sec/0.00 ft")) << race.out.toStdString();
}

TEST(CliSimulate, ADesignThatCannotRunSaysWhyAndPrintsNoRun)
{
    QTemporaryDir dir;
    const QString file = writeDefaultDesign(dir, "short.zndl", [](DesignRecord &d) {
        d.SpringLength = QStringLiteral("3");
        d.DriveAxleDia = QStringLiteral("2");
    });
    ASSERT_FALSE(file.isEmpty());
    for (const char *command : {"analyze", "simulate"}) {
        const CliResult r = runCli({command, file});
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_TRUE(r.lines().contains("Advisory=Spring gives no revolutions.")) << command;
        EXPECT_EQ(r.value("RevsEF"), "");
    }
    const CliResult r = runCli({"simulate", file, "--json"});
    const QJsonObject json = r.json();
    EXPECT_EQ(json.value("TimeEF").toString(), "");
    EXPECT_EQ(json.value("Advisories").toArray().first().toString(), "Spring gives no revolutions.");
}

TEST(CliSimulate, TraceListsEverySampleOfTheRun)
{
    const CliResult r = runCli({"simulate", "Default Design", "--trace"});
    ASSERT_EQ(r.status, 0);
    QStringList csv;
    for (const QString &line : r.lines())
        if (!line.contains('='))
            csv << line;
    ASSERT_GT(csv.size(), 100);
    EXPECT_TRUE(csv.first().startsWith("0.01,"));
    double lastT = 0.0;
    for (const QString &line : csv) {
        const QStringList parts = line.split(',');
        ASSERT_EQ(parts.size(), 3) << line.toStdString();
        const double t = parts[0].toDouble();
        EXPECT_NEAR(t - lastT, 0.01, 1e-9);
        lastT = t;
        EXPECT_TRUE(parts[2] == "0" || parts[2] == "1");
    }
    // The run ends when the spring is spent: the last sample is the final time.
    const QString time = r.value("TimeEF");
    if (time.startsWith('[')) {
        EXPECT_TRUE(csv.last().startsWith(time.mid(1, time.size() - 2)));
    }

    const QJsonObject json = runCli({"simulate", "Default Design", "--trace", "--json"}).json();
    EXPECT_EQ(json.value("Trace").toArray().size(), csv.size());
}

TEST(CliRace, TheFiveBuiltInsRaceInTheirSlots)
{
    const CliResult r = runCli({"race", "Default Design", "Racer", "Pickup", "Tow Truck", "Wheelie"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList lines = r.lines();
    ASSERT_EQ(lines.size(), 5) << r.out.toStdString();
    static const QRegularExpression text(
        R"(^(\d+\.\d\d sec/\d+\.\d\d ft|15 ft in \d+\.\d\d sec - \d+(st|nd|rd|th) place)$)");
    for (int slot = 0; slot < 5; ++slot) {
        const QString prefix = QStringLiteral("%1 %2: ").arg(slot).arg(BuiltIns[slot]);
        ASSERT_TRUE(lines[slot].startsWith(prefix)) << lines[slot].toStdString();
        EXPECT_TRUE(text.match(lines[slot].mid(prefix.size())).hasMatch()) << lines[slot].toStdString();
    }
    const QJsonObject json = runCli({"race", "Racer", "--json"}).json();
    ASSERT_EQ(json.value("Results").toArray().size(), 1);
    EXPECT_EQ(json.value("Results").toArray()[0].toObject().value("slot").toInt(), 1);
}

TEST(CliRace, FilesAreAppendedAfterTheBuiltIns)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("mine.zndl");
    ASSERT_EQ(runCli({"save", "Wheelie", file}).status, 0);
    const CliResult r = runCli({"race", file, "Pickup"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QStringList lines = r.lines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].startsWith("2 Pickup: "));
    EXPECT_TRUE(lines[1].startsWith("5 ")) << lines[1].toStdString();

    // Sixteen files all race: lanes 5 to 15, then the lanes of the built-ins not named.
    QStringList sixteen;
    for (int i = 0; i < 16; ++i) {
        sixteen << dir.filePath(QStringLiteral("car%1.zndl").arg(i));
        ASSERT_EQ(runCli({"save", "Racer", sixteen.last()}).status, 0);
    }
    const CliResult full = runCli(QStringList{"race"} + sixteen);
    ASSERT_EQ(full.status, 0) << full.err.toStdString();
    ASSERT_EQ(full.lines().size(), 16) << full.out.toStdString();
    EXPECT_TRUE(full.lines()[0].startsWith("0 Racer: ")) << full.lines()[0].toStdString();
    EXPECT_TRUE(full.lines()[15].startsWith("15 Racer: "));

    QStringList seventeen;
    for (int i = 0; i < 17; ++i)
        seventeen << "Racer";
    EXPECT_EQ(runCli(QStringList{"race"} + seventeen).status, 2);
    EXPECT_EQ(runCli({"race", "/nonexistent.zndl"}).status, 1);
}

TEST(CliSweep, DefaultRangesRunEightCombinations)
{
    const CliResult r = runCli({"sweep", "Default Design"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(keysOf(r.lines()), QStringList({"BestYet", "BestSWYet", "BestSLYet", "BestDWYet", "Combinations"}));
    EXPECT_EQ(r.value("Combinations"), "8");
    EXPECT_EQ(r.value("BestSWYet"), "1.5");
    EXPECT_EQ(r.value("BestSLYet"), "36");

    const CliResult one = runCli({"sweep", "Racer", "--wheel", "6:6:1", "--json"});
    ASSERT_EQ(one.status, 0);
    EXPECT_EQ(one.json().value("Combinations").toInt(), 1);
}

TEST(CliSweep, InvalidRangesPrintTheDialogsMessage)
{
    const CliResult reversed = runCli({"sweep", "Default Design", "--wheel", "5:4:0.5"});
    EXPECT_EQ(reversed.status, 2);
    EXPECT_EQ(reversed.err, "All ending values must be greater than their corresponding starting "
                            "values.  Please double-check all of the ranges. \n");
    const CliResult wide = runCli({"sweep", "Default Design", "--width", "1:7:1"});
    EXPECT_EQ(wide.status, 2);
    EXPECT_TRUE(wide.err.startsWith("The ending spring width must be positive"));
    EXPECT_EQ(runCli({"sweep", "Default Design", "--length", "30:36"}).status, 2);
    EXPECT_EQ(runCli({"sweep", "/nonexistent.zndl"}).status, 1);
}
