// SPDX-License-Identifier: GPL-3.0-or-later
// zindle-cli tolerances: the JSON a script reads, the same bytes on any number of threads,
// refused values and the chart.

#include "support/CliRunner.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using zindle::test::CliResult;
using zindle::test::runCli;

TEST(CliTolerances, JsonIsTheSameOnAnyNumberOfThreads)
{
    const CliResult one = runCli({"tolerances", "Default Design", "--samples", "200", "--seed", "5", "--threads", "1", "--json"});
    ASSERT_EQ(one.status, 0) << one.err.toStdString();
    const CliResult three = runCli({"tolerances", "Default Design", "--samples", "200", "--seed", "5", "--threads", "3", "--json"});
    EXPECT_EQ(three.out, one.out);
    const QJsonObject object = QJsonDocument::fromJson(one.out.toUtf8()).object();
    for (const char *key : {"p5", "p50", "p95", "reachProbability", "samples", "seed"})
        EXPECT_TRUE(object.value(QLatin1String(key)).isDouble()) << key;
    EXPECT_EQ(object.value("samples").toInt(), 200);
    EXPECT_EQ(object.value("seed").toInt(), 5);
    EXPECT_LT(object.value("p5").toDouble(), object.value("p95").toDouble());
    double total = 0.0;
    for (const QJsonValue share : object.value("shares").toObject())
        total += share.toDouble();
    EXPECT_NEAR(total, 100.0, 1e-6);
    EXPECT_TRUE(object.value("histogram").toObject().value("counts").isArray());
}

TEST(CliTolerances, LinesSayTheSpreadAndBadValuesAreRefused)
{
    const CliResult lines = runCli({"tolerances", "Racer", "--samples", "50", "--tolerance", "torque=0",
                                    "--tolerance", "wheel=1/16"});
    ASSERT_EQ(lines.status, 0) << lines.err.toStdString();
    EXPECT_TRUE(lines.out.startsWith("Built within these tolerances, your car reaches 15 ft in ")) << lines.out.toStdString();
    EXPECT_TRUE(lines.out.contains("\nToleranceTorque=0.0 %\nShareTorque=0.0 %\n")) << lines.out.toStdString();
    EXPECT_TRUE(lines.out.contains("\nToleranceWheel=0.0625 in\n"));
    for (const QStringList &bad : {QStringList{"--tolerance", "colour=5"}, QStringList{"--tolerance", "density=-1"},
                                   QStringList{"--samples", "0"}, QStringList{"--threads", "x"},
                                   QStringList{"--seed", "1.5"}}) {
        const CliResult refused = runCli(QStringList{"tolerances", "Racer"} + bad);
        EXPECT_EQ(refused.status, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(refused.err.startsWith("zindle-cli tolerances: ")) << refused.err.toStdString();
    }

    QTemporaryDir dir;
    const QString svg = dir.filePath("tolerances.svg");
    ASSERT_EQ(runCli({"tolerances", "Racer", "--samples", "50", "--chart", svg}).status, 0);
    QFile chart(svg);
    ASSERT_TRUE(chart.open(QIODevice::ReadOnly));
    const QByteArray drawn = chart.readAll();
    EXPECT_TRUE(drawn.contains("Time to 15 ft over the builds") && drawn.contains("spring torque"));
}

TEST(CliTolerances, RaceChancesOfEveryTwoDesignsAddUpToOne)
{
    const CliResult race = runCli({"race", "Racer", "Pickup", "Default Design", "--chances", "--json"});
    ASSERT_EQ(race.status, 0) << race.err.toStdString();
    const QJsonArray chances = QJsonDocument::fromJson(race.out.toUtf8()).object().value("Chances").toArray();
    ASSERT_EQ(chances.size(), 6); // every ordered pair of three
    QMap<QString, double> chance;
    for (const QJsonValue entry : chances)
        chance[entry["design"].toString() + '>' + entry["beats"].toString()] = entry["chance"].toDouble();
    EXPECT_NEAR(chance["Racer>Pickup"] + chance["Pickup>Racer"], 1.0, 1e-12);
    EXPECT_NEAR(chance["Racer>Default Design"] + chance["Default Design>Racer"], 1.0, 1e-12);
    // The Pickup is slower than the Racer in every build.
    EXPECT_EQ(chance["Racer>Pickup"], 1.0);
    const CliResult lines = runCli({"race", "Racer", "Pickup", "--chances"});
    EXPECT_TRUE(lines.out.contains("Racer beats Pickup in 100 % of builds\n")) << lines.out.toStdString();
}
