// SPDX-License-Identifier: GPL-3.0-or-later
// The challenge editor: what is typed in it, numbers with a decimal comma included, comes back
// from the file it saves; a rule the program would refuse says why and is not saved; a file
// that exists is replaced only when the user says so.

#include "dialogs/ChallengeEditor.h"
#include "files/ChallengeFile.h"
#include "support/ScriptedPrompter.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;
using namespace zindle::test;

namespace {

// Numbers are typed as in Munich for the length of a test.
struct GermanDesktop {
    QLocale before;
    GermanDesktop() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    ~GermanDesktop() { QLocale::setDefault(before); }
};

TEST(ChallengeEditor, WhatIsTypedWithADecimalCommaComesBackFromTheFileItSaves)
{
    GermanDesktop german;
    QTemporaryDir folder;
    ScriptedPrompter prompter;
    ChallengeEditor editor(prompter, Challenge{}, {}, nullptr);
    editor.titleField()->setText("Light and fast");
    editor.addRule("mass", "<=", "0,25");
    editor.addRule("drive", "=", "rear");
    editor.addRule("reaches-15ft", "", "");
    editor.scoringChoice()->setCurrentIndex(2);
    editor.targetField()->setText("3,5");
    editor.addRubricRow("Analysis", "1,5");
    editor.addPrompt("How far will it go?", PromptWhen::BeforeFirstSimulation);
    editor.addPrompt("What would you change?", PromptWhen::AfterRace);
    EXPECT_TRUE(editor.refusals().isEmpty());

    const QString path = folder.filePath("light.json");
    prompter.savePaths.push_back(folder.filePath("light")); // the extension is the program's
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(editor.savedPath(), path);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("mass <= 0.25"));
    EXPECT_FALSE(bytes.contains("0,25"));
    const ChallengeRead read = ReadChallenge(path);
    ASSERT_TRUE(read.ok) << read.error.toStdString();
    const Challenge &c = read.challenge;
    EXPECT_EQ(c.title, "Light and fast");
    ASSERT_EQ(c.rules.size(), 3u);
    EXPECT_EQ(c.rules[0].text, "mass <= 0.25");
    EXPECT_DOUBLE_EQ(c.rules[0].number, 0.25);
    EXPECT_EQ(c.rules[1].text, "drive = rear");
    EXPECT_EQ(c.rules[2].text, "reaches-15ft");
    EXPECT_EQ(c.scoring.kind, ScoringKind::Target);
    EXPECT_DOUBLE_EQ(c.scoring.targetTime, 3.5);
    ASSERT_EQ(c.rubric.size(), 1u);
    EXPECT_DOUBLE_EQ(c.rubric[0].weight, 1.5);
    ASSERT_EQ(c.prompts.size(), 2u);
    EXPECT_EQ(c.prompts[1].when, PromptWhen::AfterRace);

    // Opened again, the editor shows the numbers as this desktop writes them.
    ChallengeEditor again(prompter, c, path, nullptr);
    EXPECT_EQ(again.targetField()->text(), "3,5");
    EXPECT_EQ(again.rubricTable()->item(0, 1)->text(), "1,5");
    EXPECT_EQ(again.rulesTable()->item(0, 2)->text(), "0,25");
}

TEST(ChallengeEditor, ARefusedRuleSaysWhyAndAnExistingFileIsReplacedOnlyWithTheUsersWord)
{
    QTemporaryDir folder;
    ScriptedPrompter prompter;
    ChallengeEditor editor(prompter, Challenge{}, {}, nullptr);
    editor.addRule("mass", "", "");
    editor.addRule("no-skid", "<=", "3");
    EXPECT_EQ(editor.refusals(), (QStringList{"the rule \"mass\" needs <=, >= or = and a number",
                                              "the rule \"no-skid <= 3\" takes no value"}));
    EXPECT_EQ(editor.rulesTable()->item(0, 3)->text(), "the rule \"mass\" needs <=, >= or = and a number");
    EXPECT_FALSE(editor.save());
    EXPECT_TRUE(prompter.shown.empty()); // nothing asked while a rule is refused

    qobject_cast<QComboBox *>(editor.rulesTable()->cellWidget(0, 1))->setCurrentText(">=");
    editor.rulesTable()->item(0, 2)->setText("0.1");
    EXPECT_TRUE(editor.rulesTable()->item(0, 3)->text().isEmpty());
    editor.rulesTable()->removeRow(1);

    const QString path = folder.filePath("c.json");
    QFile existing(path);
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("kept");
    existing.close();
    prompter.savePaths.push_back(path);
    prompter.confirmAnswers.push_back(Answer::Cancel);
    EXPECT_FALSE(editor.save());
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), "kept");
    existing.close();

    prompter.savePaths.push_back(path);
    prompter.confirmAnswers.push_back(Answer::Yes);
    ASSERT_TRUE(editor.save());
    EXPECT_EQ(ReadChallenge(path).challenge.rules.at(0).text, "mass >= 0.1");
}

} // namespace
