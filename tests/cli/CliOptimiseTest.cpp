// SPDX-License-Identifier: GPL-3.0-or-later
// zindle-cli optimise: the usage it refuses, and what --json and --out give.

#include "support/CliRunner.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using zindle::test::CliResult;
using zindle::test::runCli;

TEST(CliOptimise, RefusesUsageNamingWhatIsWrong)
{
    const QStringList design{"optimise", "Default Design"};
    const struct {
        QStringList arguments;
        const char *said;
    } refusals[] = {
        {{"--range", "drive-wheel:3:4"}, "Usage: zindle-cli optimise"}, // no --vary
        {{"--vary", "drive-wheel,wing"}, "unknown parameter wing; this design has spring-length, spring-width"},
        {{"--vary", "weight9-mass"}, "unknown parameter weight9-mass"},
        {{"--vary", "drive-wheel,drive-wheel"}, "parameter drive-wheel is given twice"},
        {{"--vary", "drive-wheel", "--seed", "1", "--seed", "2"}, "option --seed is given twice"},
        {{"--vary", "drive-wheel", "--range", "drive-wheel:3:4", "--range", "drive-wheel:3:5"},
         "parameter drive-wheel is given twice"},
        {{"--vary", "drive-wheel", "--range", "spring-length:24:30"}, "--range names spring-length, which --vary does not"},
        {{"--vary", "drive-wheel", "--range", "drive-wheel:5:4"}, "the range of drive-wheel is empty: 5 is more than 4"},
        {{"--vary", "drive-wheel", "--range", "drive-wheel:2:9"}, "drive-wheel takes values from 0.01 to 7.5"},
        {{"--vary", "drive-wheel", "--range", "drive-wheel:2,5:4"}, "--range takes P:LOW:HIGH"},
        {{"--vary", "drive-wheel", "--goal", "target:0"}, "--goal takes time, distance or target:T"},
        {{"--vary", "drive-wheel", "--max-mass", "-1"}, "--max-mass takes a mass in lb above 0"},
        {{"--vary", "drive-wheel", "--threads", "0"}, "--threads takes a whole number from 1 to 256"},
        {{"--vary", "drive-wheel", "--evaluations", "0"}, "--evaluations takes a whole number from 1 to 1000000"},
    };
    for (const auto &refusal : refusals) {
        const CliResult result = runCli(design + refusal.arguments);
        EXPECT_EQ(result.status, 2) << refusal.said;
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(refusal.said))) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
}

TEST(CliOptimise, JsonGivesTheBestTimeAndOutWritesTheBestDesign)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("best.zndl");
    const CliResult result = runCli({"optimise", "Default Design", "--vary", "drive-wheel,spring-length", "--range",
                                     "drive-wheel:3:7", "--evaluations", "40", "--seed", "3", "--json", "--out", file});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QJsonObject object = QJsonDocument::fromJson(result.out.toUtf8()).object();
    EXPECT_EQ(object.value("bestTime").toDouble(), object.value("TimeEF").toString().toDouble());
    EXPECT_LE(object.value("evaluations").toInt(), 40);
    const QJsonObject best = object.value("best").toObject();
    EXPECT_EQ(best.keys(), QStringList({"drive-wheel", "spring-length"}));

    // The file holds the best car: simulated, it gives the time printed.
    const CliResult simulated = runCli({"simulate", file, "--json"});
    ASSERT_EQ(simulated.status, 0) << simulated.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(simulated.out.toUtf8()).object().value("TimeEF").toString(),
              object.value("TimeEF").toString());
}

TEST(CliOptimise, ChoicesComeAsWordsAndAChallengeLimitsThem)
{
    QTemporaryDir dir;
    const QString challenge = dir.filePath("front.json");
    ASSERT_EQ(runCli({"challenge", "new", challenge, "--title", "Front", "--rule", "drive = front"}).status, 0);
    const CliResult result = runCli({"optimise", "Default Design", "--vary", "spring-length,drive,tread-material",
                                     "--evaluations", "30", "--challenge", challenge, "--json"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    const QJsonObject best = QJsonDocument::fromJson(result.out.toUtf8()).object().value("best").toObject();
    EXPECT_EQ(best.value("drive").toString(), "front");
    EXPECT_EQ(best.value("tread-material").toString(), "Ideal Rubber");

    const QString balsa = dir.filePath("balsa.json");
    ASSERT_EQ(runCli({"challenge", "new", balsa, "--title", "Balsa", "--rule", "material = Balsa"}).status, 0);
    const struct {
        QStringList arguments;
        int status;
        QString said;
    } refusals[] = {
        {{"--vary", "drive", "--range", "drive:rear:all"}, 2, "drive is a choice and takes no range"},
        {{"--vary", "outer-material", "--challenge", balsa}, 2, "the challenge's rules leave outer-material no value"},
        {{"--vary", "drive", "--challenge", dir.filePath("none.json")}, 1, dir.filePath("none.json")},
    };
    for (const auto &refusal : refusals) {
        const CliResult refused = runCli(QStringList{"optimise", "Default Design"} + refusal.arguments);
        EXPECT_EQ(refused.status, refusal.status) << refusal.said.toStdString();
        EXPECT_TRUE(refused.err.contains(refusal.said)) << refused.err.toStdString();
    }
}
