// SPDX-License-Identifier: GPL-3.0-or-later
// Files that belong together are replaced together or not at all, and leftovers of an earlier
// output go without taking anything else along.

#include "files/FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include "support/FolderFiles.h"

#include <gtest/gtest.h>

using namespace zindle;

using zindle::test::contentOf;
using zindle::test::everything;
using zindle::test::put;

TEST(FileSets, AllAreReplacedOrNone)
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a.svg"), b = dir.filePath("a-2.svg"), c = dir.filePath("a-3.svg");
    put(a, "old a");
    put(b, "old b");

    // The third target is a folder: the first two temporaries were already complete by then.
    ASSERT_TRUE(QDir(dir.path()).mkdir("a-3.svg"));
    WriteOutcome outcome = WriteFilesAtomically({{a, "new a"}, {b, "new b"}, {c, "new c"}});
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.error.contains("a-3.svg")) << outcome.error.toStdString();
    EXPECT_TRUE(outcome.error.contains("folder")) << outcome.error.toStdString();
    EXPECT_EQ(contentOf(a), "old a");
    EXPECT_EQ(contentOf(b), "old b");
    EXPECT_EQ(everything(dir.path()), (QStringList{"a-2.svg", "a-3.svg", "a.svg"}));

    // A name that leads through a regular file cannot even take its temporary file.
    outcome = WriteFilesAtomically({{a, "new a"}, {dir.filePath("a.svg/inside.svg"), "x"}});
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.error.contains("inside.svg")) << outcome.error.toStdString();
    EXPECT_EQ(contentOf(a), "old a");
    EXPECT_EQ(everything(dir.path()), (QStringList{"a-2.svg", "a-3.svg", "a.svg"}));

    ASSERT_TRUE(QDir(dir.path()).rmdir("a-3.svg"));
    outcome = WriteFilesAtomically({{a, "new a"}, {b, QByteArray()}, {c, "new c"}});
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(contentOf(a), "new a");
    EXPECT_EQ(contentOf(b), "");
    EXPECT_EQ(contentOf(c), "new c");
    EXPECT_EQ(everything(dir.path()), (QStringList{"a-2.svg", "a-3.svg", "a.svg"}));
}

TEST(FileSets, TwoNamesForOneFileAreRefused)
{
    QTemporaryDir dir;
    const QString a = dir.filePath("a.svg"), link = dir.filePath("a-2.svg");
    put(a, "old");
    ASSERT_TRUE(QFile::link(a, link));
    // Written one after the other, the second board would silently replace the first.
    const WriteOutcome outcome = WriteFilesAtomically({{a, "first"}, {link, "second"}});
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.error.contains("same file")) << outcome.error.toStdString();
    EXPECT_EQ(contentOf(a), "old");
    EXPECT_EQ(everything(dir.path()), (QStringList{"a-2.svg", "a.svg"}));
    EXPECT_FALSE(WriteFilesAtomically({{a, "first"}, {a, "second"}}).ok);
    EXPECT_EQ(contentOf(a), "old");
}

TEST(FileSets, LeftoversAreRemovedButNeverWhatALinkNamesNorAFolder)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath("a-2.svg"), kept = dir.filePath("kept.svg"), link = dir.filePath("a-3.svg");
    put(plain, "old");
    put(kept, "someone else's");
    ASSERT_TRUE(QFile::link(kept, link));
    ASSERT_TRUE(QDir(dir.path()).mkdir("a-4.svg"));
    put(dir.filePath("a-4.svg/inside"), "x");

    QString reason;
    EXPECT_EQ(RemoveLeftoverFile(plain, reason), RemoveResult::Removed);
    EXPECT_EQ(RemoveLeftoverFile(link, reason), RemoveResult::Removed);
    EXPECT_EQ(RemoveLeftoverFile(dir.filePath("a-4.svg"), reason), RemoveResult::Kept);
    EXPECT_EQ(RemoveLeftoverFile(dir.filePath("a-5.svg"), reason), RemoveResult::Missing);
    EXPECT_EQ(RemoveLeftoverFile(dir.filePath("kept.svg/a-6.svg"), reason), RemoveResult::Missing);
    EXPECT_EQ(everything(dir.path()), (QStringList{"a-4.svg", "kept.svg"}));
    EXPECT_EQ(contentOf(kept), "someone else's");
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("a-4.svg/inside")));
}
