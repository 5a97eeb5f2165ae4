// SPDX-License-Identifier: GPL-3.0-or-later
// The challenge file: written and read back as it was; a damaged, foreign or later file refused
// with a reason that names it.

#include "files/ChallengeFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zindle;

namespace {

ChallengeRule rule(const char *text)
{
    RuleRefusal refusal;
    return *parseRule(QString::fromUtf8(text), refusal);
}

} // namespace

TEST(ChallengeFile, IsReadBackAsItWasWritten)
{
    Challenge written;
    written.title = QStringLiteral("Light \"and\" legal");
    written.text = QStringLiteral("Two lines,\nof text.");
    written.rules = {rule("mass <= 0.30"), rule("drive = rear"), rule("no-skid")};
    written.scoring = {ScoringKind::Target, 2.5};
    written.rubric = {{QStringLiteral("Prediction explained"), 2}, {QStringLiteral("Neat build"), 0.5}};
    written.prompts = {{QStringLiteral("How fast?"), PromptWhen::BeforeFirstSimulation},
                       {QStringLiteral("What next?"), PromptWhen::AfterRace}};
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.json"));
    ASSERT_TRUE(WriteChallenge(path, written).ok);

    const ChallengeRead read = ReadChallenge(path);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    const Challenge &c = read.challenge;
    EXPECT_EQ(c.title, written.title);
    EXPECT_EQ(c.text, written.text);
    ASSERT_EQ(c.rules.size(), 3u);
    EXPECT_EQ(c.rules[0].text, "mass <= 0.30");
    EXPECT_EQ(c.rules[1].text, "drive = rear");
    EXPECT_EQ(c.rules[2].text, "no-skid");
    EXPECT_EQ(scoringText(c.scoring), "target:2.5");
    ASSERT_EQ(c.rubric.size(), 2u);
    EXPECT_EQ(c.rubric[1].text, "Neat build");
    EXPECT_EQ(c.rubric[1].weight, 0.5);
    ASSERT_EQ(c.prompts.size(), 2u);
    EXPECT_EQ(c.prompts[1].text, "What next?");
    EXPECT_EQ(c.prompts[1].when, PromptWhen::AfterRace);
}

TEST(ChallengeFile, ABadFileIsRefusedNamingItAndTheTrouble)
{
    const struct {
        const char *bytes, *error;
    } cases[] = {
        {"{\"format\": \"zindle-challenge\", \"version\": 1, ",
         "Cannot read \"c.json\": it is not a challenge (not JSON: unterminated object at byte 45)"},
        {"{\"format\": \"zindle-event\", \"version\": 1}", "Cannot read \"c.json\": it is not a challenge"},
        {"{\"format\": \"zindle-challenge\", \"version\": 2, \"rules\": []}",
         "Cannot read \"c.json\": it is a challenge of version 2, made by a later release; this release reads "
         "version 1"},
        {"{\"format\": \"zindle-challenge\", \"version\": 1, \"rules\": [\"mass <= 1\", \"weight <= 3\"]}",
         "Cannot read \"c.json\": unknown rule \"weight\"; the rules are: mass, body-length, body-height, "
         "drive-wheel, other-wheel, layers, spring-length, spring-width, drive, material, reaches-15ft, no-skid"},
        {"{\"format\": \"zindle-challenge\", \"version\": 1, \"scoring\": \"fastest\"}",
         "Cannot read \"c.json\": the challenge's scoring is not time, distance, target:SECONDS or efficiency"},
        {"{\"format\": \"zindle-challenge\", \"version\": 1, \"prompts\": [{\"text\": \"x\", \"when\": \"later\"}]}",
         "Cannot read \"c.json\": prompt 1 is asked neither before-first-simulation nor after-race"},
    };
    for (const auto &c : cases) {
        const ChallengeRead read = DecodeChallenge(QByteArray(c.bytes), QStringLiteral("c.json"));
        EXPECT_FALSE(read.ok) << c.bytes;
        EXPECT_EQ(read.error, QString::fromUtf8(c.error));
        EXPECT_TRUE(read.challenge.rules.empty()) << c.bytes;
    }
}
