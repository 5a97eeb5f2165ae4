// SPDX-License-Identifier: GPL-3.0-or-later
// zindle-cli sensitivity: the sentence and the ranked lines, the JSON keys of each input, and
// the chart file.

#include "support/CliRunner.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using zindle::test::CliResult;
using zindle::test::runCli;

TEST(CliSensitivity, LinesJsonAndChart)
{
    const CliResult lines = runCli({"sensitivity", "Tow Truck"});
    ASSERT_EQ(lines.status, 0) << lines.err.toStdString();
    const QStringList printed = lines.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(printed.size(), 12);
    EXPECT_EQ(printed[0], "The spring width matters most: 0.1 in larger and the car no longer reaches 15 ft.");
    EXPECT_EQ(printed[8], "Drive wheel diameter 4.8 in, +0.1 in: costs 0.023 s");

    const CliResult json = runCli({"sensitivity", "Racer", "--json"});
    ASSERT_EQ(json.status, 0);
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(object.value("measure").toString(), "distance");
    EXPECT_EQ(object.value("sentence").toString(), "The drive axle diameter matters most: 0.05 in larger falls 0.82 ft shorter");
    const QJsonArray inputs = object.value("inputs").toArray();
    ASSERT_EQ(inputs.size(), 11);
    const QJsonObject first = inputs[0].toObject();
    EXPECT_EQ(first.value("input").toString(), "driveAxleDiameter");
    EXPECT_EQ(first.value("unit").toString(), "in");
    EXPECT_DOUBLE_EQ(first.value("delta").toDouble(), 0.05);
    EXPECT_TRUE(first.value("timeChange").isNull());
    EXPECT_NEAR(first.value("distanceChange").toDouble(), -0.82, 0.005);
    EXPECT_FALSE(first.value("heldByBuild").toBool(true));
    EXPECT_EQ(runCli({"sensitivity"}).status, 2);

    QTemporaryDir dir;
    const QString svg = dir.filePath("sensitivity.svg");
    ASSERT_EQ(runCli({"sensitivity", "Racer", "--chart", svg}).status, 0);
    QFile chart(svg);
    ASSERT_TRUE(chart.open(QIODevice::ReadOnly));
    const QByteArray drawn = chart.readAll();
    EXPECT_TRUE(drawn.contains("Racer: What a small change does") && drawn.contains("Drive axle diameter"))
        << drawn.left(200).toStdString();
}
