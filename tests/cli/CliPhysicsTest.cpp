// zindle-cli analyze, simulate, race and sweep: output layout, exit statuses, JSON and the
// built-in designs end to end.

#include "cli/Cli.h"
#include "support/CliRunner.h"

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
        EXPECT_EQ(keys.mid(AnalyzeKeys.size(), 5),
                  QStringList({"TimeEF", "TopSpeedEF", "PoweredDistanceEF", "RevisedLabel", "SkidOccurred"}));
        const bool skid = r.value("SkidOccurred") == "1";
        EXPECT_EQ(r.out.contains("Advisory=Skid advisory."), skid) << design.toStdString();
    }
}

TEST(CliSimulate, ARevisedDistanceKeepsThePredictionInTheFirstBlock)
{
    const CliResult r = runCli({"simulate", "Racer"});
    ASSERT_EQ(r.status, 0);
    const QStringList lines = r.lines();
    const int predicted = lines.indexOf(QRegularExpression("PoweredDistanceEF=.*"));
    const int revised = lines.lastIndexOf(QRegularExpression("PoweredDistanceEF=.*"));
    ASSERT_LT(predicted, revised);
    const QString revisedLabel = r.value("RevisedLabel");
    if (!revisedLabel.isEmpty()) {
        EXPECT_EQ(revisedLabel, "(was " + lines[predicted].mid(18, 4) + ")");
        EXPECT_EQ(lines[revised].size(), 18 + 4);
    }
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
    if (time.startsWith('['))
        EXPECT_TRUE(csv.last().startsWith(time.mid(1, time.size() - 2)));

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
