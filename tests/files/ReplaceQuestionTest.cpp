// SPDX-License-Identifier: GPL-3.0-or-later
// The question before a file that exists is replaced: asked about the name really written, No
// goes back to the dialog, Cancel writes nothing, and a new name asks nothing (Yes: the
// window's Save test).

#include "files/ReplaceQuestion.h"
#include "support/QtPrinters.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;
using zindle::test::ScriptedPrompter;

namespace {

QString withZndl(const QString &path)
{
    const QFileInfo info(path);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral(".zndl"));
}

TEST(ReplaceQuestion, AskedAboutTheNameWrittenAndOnlyWhenThatFileExists)
{
    QTemporaryDir dir;
    const QString kept = dir.filePath(QStringLiteral("kept.zndl"));
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("a student's car");
    file.close();
    const QStringList filters = {QStringLiteral("Zindle|*.zndl")};
    const QString title = QStringLiteral("Save car as:");

    // "kept.txt" becomes kept.zndl, which exists: No shows the dialog again at that name.
    ScriptedPrompter prompter;
    prompter.savePaths = {dir.filePath(QStringLiteral("kept.txt")), dir.filePath(QStringLiteral("new.txt"))};
    prompter.confirmAnswers = {Answer::No};
    EXPECT_EQ(AskPathToWrite(prompter, title, filters, QStringLiteral("kept.zndl"), withZndl),
              dir.filePath(QStringLiteral("new.zndl")));
    ASSERT_EQ(prompter.shown.size(), 3u);
    EXPECT_EQ(prompter.shown[1].kind, QStringLiteral("confirm"));
    EXPECT_EQ(prompter.shown[1].caption, title);
    EXPECT_TRUE(prompter.shown[1].text.startsWith(QStringLiteral("\"kept.zndl\" already exists in ")));
    EXPECT_EQ(prompter.shown[2].text, kept); // the second dialog's initial name

    ScriptedPrompter cancel;
    cancel.savePaths = {kept};
    cancel.confirmAnswers = {Answer::Cancel};
    EXPECT_EQ(AskPathToWrite(cancel, title, filters, QString()), QString());

    ScriptedPrompter fresh;
    fresh.savePaths = {dir.filePath(QStringLiteral("fresh.zndl"))};
    EXPECT_EQ(AskPathToWrite(fresh, title, filters, QString()), dir.filePath(QStringLiteral("fresh.zndl")));
    EXPECT_EQ(fresh.shown.size(), 1u);
}

} // namespace
