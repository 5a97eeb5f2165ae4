// SPDX-License-Identifier: GPL-3.0-or-later
// zindle-cli calibrate and simulate --track: the fit over a class folder's runs on one track,
// kept in the logbook, and a prediction for that track that says it is calibrated.

#include "support/ClassFolder.h"
#include "support/CliRunner.h"
#include "support/FolderFiles.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;
using zindle::test::CliResult;
using zindle::test::runCli;

TEST(CliCalibrate, FitsTheTracksRunsKeepsTheCalibrationAndPredictsWithIt)
{
    QTemporaryDir dir;
    const QString racer = test::writeClassDesign(dir.path(), QStringLiteral("racer.zndl"), QStringLiteral("Racer"), 1);
    const QString truck = test::writeClassDesign(dir.path(), QStringLiteral("truck.zndl"), QStringLiteral("Truck"), 3);
    for (const QStringList &run : {QStringList{racer, "--marks", "5:0.75,10:1.25", "--rest", "24"},
                                   QStringList{truck, "--marks", "5:0.8,10:1.3", "--rest", "26.5"},
                                   QStringList{racer, "--track", "Gym", "--rest", "12"}}) {
        QStringList args = QStringList{"runs", "add"} + run + QStringList{"--date", "2026-05-04"};
        if (!args.contains("--track"))
            args << "--track" << "Room 12 tile";
        ASSERT_EQ(runCli(args).status, 0);
    }

    const CliResult fitted = runCli({"calibrate", dir.path(), "--track", "Room 12 tile", "--json"});
    ASSERT_EQ(fitted.status, 0) << fitted.err.toStdString();
    const QJsonObject json = fitted.json();
    EXPECT_NEAR(json["friction"].toDouble(), 0.0679, 0.0001);
    EXPECT_NEAR(json["springEfficiency"].toDouble(), 1.0756, 0.0001);
    EXPECT_TRUE(json["springEfficiencyFitted"].toBool());
    EXPECT_EQ(json["runs"].toInt(), 2);
    EXPECT_EQ(json["marks"].toInt(), 4);
    EXPECT_EQ(json["designs"].toArray(), (QJsonArray{"Racer", "Truck"}));
    EXPECT_LT(json["rmsAfterS"].toDouble(), json["rmsBeforeS"].toDouble());
    EXPECT_EQ(json["sentence"].toString().toStdString(),
              "On Room 12 tile your cars behave as if rolling friction were 0.07 lb and springs gave 108 % of their "
              "rated torque; predictions now differ from your runs by 0.06 s on average");
    EXPECT_TRUE(test::contentOf(dir.filePath("zindle-log.json")).contains("\"calibrations\": {\n        \"Room 12 tile\": {"));

    const CliResult predicted = runCli({"simulate", racer, "--track", "Room 12 tile"});
    ASSERT_EQ(predicted.status, 0) << predicted.err.toStdString();
    EXPECT_TRUE(predicted.out.contains("\nCalibrated=calibrated for Room 12 tile: friction "));
    EXPECT_TRUE(predicted.out.contains("\nCoastRestDistance="));
    const CliResult uncalibrated = runCli({"simulate", racer, "--track", "Gym"});
    EXPECT_EQ(uncalibrated.status, 1);
    EXPECT_TRUE(uncalibrated.err.contains("holds no calibration for \"Gym\""));
}
