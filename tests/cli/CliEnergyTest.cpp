// SPDX-License-Identifier: GPL-3.0-or-later
// zindle-cli energy: where the spring's energy went, as lines and as JSON with the totals at the
// top level.

#include "support/CliRunner.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using zindle::test::CliResult;
using zindle::test::runCli;

TEST(CliEnergy, TheTotalsAddUpAndTheLargestLossIsNamed)
{
    const CliResult lines = runCli({"energy", "Default Design"});
    ASSERT_EQ(lines.status, 0) << lines.err.toStdString();
    EXPECT_EQ(lines.out,
              "Rolling friction took 42 % of your spring's energy: a smoother floor, truer axles or a lighter car "
              "would help.\n"
              "SpringDelivered=1.7819 ft.lb\nCarKinetic=0.8959 ft.lb\nWheelRotation=0.1388 ft.lb\n"
              "Friction=0.7473 ft.lb\nSkid=0.0000 ft.lb\nStopped=0.0000 ft.lb\n");

    const CliResult json = runCli({"energy", "Racer", "--json"});
    ASSERT_EQ(json.status, 0);
    const QJsonObject object = QJsonDocument::fromJson(json.out.toUtf8()).object();
    double accounted = 0.0;
    for (const char *term : {"carKinetic", "wheelRotation", "friction", "skid", "stopped"}) {
        ASSERT_TRUE(object.value(QLatin1String(term)).isDouble()) << term;
        accounted += object.value(QLatin1String(term)).toDouble();
    }
    EXPECT_GT(object.value("skid").toDouble(), 0.0);
    EXPECT_NEAR(accounted, object.value("springDelivered").toDouble(), 1e-3 * accounted);
    EXPECT_EQ(runCli({"energy"}).status, 2);

    QTemporaryDir dir;
    const QString svg = dir.filePath("energy.svg");
    ASSERT_EQ(runCli({"energy", "Racer", "--chart", svg}).status, 0);
    QFile chart(svg);
    ASSERT_TRUE(chart.open(QIODevice::ReadOnly));
    const QByteArray drawn = chart.readAll();
    EXPECT_TRUE(drawn.contains("Where the spring") && drawn.contains("Rolling friction")) << drawn.left(200).toStdString();
}
