// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing of a student's work is lost through the window: a Save over another file asks first,
// and an Open that fails (a file cut short, a file of another program) leaves the design in
// memory as it was, through the Open button and a dropped file alike; a design of an earlier
// release opens.

#include "GuiTestSupport.h"
#include "support/FolderFiles.h"

#include "files/DesignFile.h"

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <QToolButton>
#include <QUrl>

namespace zindle::test {
namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void press(StartedWindow &s, const char *button)
{
    QToolButton *b = s.w().findChild<QToolButton *>(QLatin1String(button));
    ASSERT_TRUE(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

void drop(StartedWindow &s, const QString &path)
{
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    // A drop follows an accepted enter.
    QDragEnterEvent enter(QPoint(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&s.w(), &enter);
    QDropEvent event(QPointF(200, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&s.w(), &event);
}

QByteArray designBytes(const Workspace &ws) { return EncodeDesign(ws.design, ws.catalogue, QString()); }

TEST(LostWork, SaveOverAnExistingFileAsksAndNoLeavesItAsItWas)
{
    QTemporaryDir dir;
    StartedWindow s;
    const QString other = dir.filePath(QStringLiteral("Racer.zndl"));
    writeBytes(other, QByteArrayLiteral("another student's car"));
    s.w().DesignListClick(1);

    // "Racer" without an extension is saved as Racer.zndl, which is there: No, then Cancel.
    s.prompter.savePaths = {dir.filePath(QStringLiteral("Racer")), QString()};
    s.prompter.confirmAnswers = {Answer::No};
    press(s, "SaveBtn");
    EXPECT_EQ(test::contentOf(other), QByteArrayLiteral("another student's car"));
    ASSERT_EQ(s.prompter.shown.size(), 3u);
    EXPECT_EQ(s.prompter.shown[1].kind, QStringLiteral("confirm"));
    EXPECT_TRUE(s.prompter.shown[1].text.startsWith(QStringLiteral("\"Racer.zndl\" already exists")));
    EXPECT_EQ(s.workspace.list.DesignCount(), 5);

    // Yes replaces it.
    s.prompter.savePaths = {dir.filePath(QStringLiteral("Racer"))};
    s.prompter.confirmAnswers = {Answer::Yes};
    press(s, "SaveBtn");
    Workspace read;
    PrepareForFileRead(read);
    EXPECT_TRUE(ReadBinaryDesignFile(read, other).ok());
    EXPECT_EQ(designBytes(read), designBytes(s.workspace));
}

TEST(LostWork, AFailedOpenLeavesTheDesignAsItWasAndTheNextSaveWritesIt)
{
    QTemporaryDir dir;
    StartedWindow s;
    const QString mine = dir.filePath(QStringLiteral("Pickup.zndl"));
    s.w().DesignListClick(2);
    ASSERT_TRUE(SaveDesign(s.workspace, mine, 2).ok);
    const QByteArray saved = test::contentOf(mine);
    s.prompter.openPaths = {mine};
    press(s, "OpenBtn");
    ASSERT_EQ(s.workspace.list.CurrentDesign, 5);
    const QByteArray design = designBytes(s.workspace);

    const QString cut = dir.filePath(QStringLiteral("cut.zndl")), png = dir.filePath(QStringLiteral("picture.zndl"));
    writeBytes(cut, saved.left(saved.size() / 2));
    writeBytes(png, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    s.prompter.openPaths = {cut, png};
    s.prompter.shown.clear();
    press(s, "OpenBtn");
    press(s, "OpenBtn");
    drop(s, cut);
    const QStringList messages = s.prompter.messages();
    ASSERT_EQ(messages.size(), 3);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("cut.zndl"))) << qPrintable(messages[0]);
    EXPECT_TRUE(messages[1].contains(QStringLiteral("it is not a Zindle design file"))) << qPrintable(messages[1]);
    EXPECT_EQ(messages[2], messages[0]);
    EXPECT_EQ(s.workspace.list.DesignCount(), 6);
    EXPECT_EQ(s.workspace.list.CurrentDesign, 5);
    EXPECT_TRUE(s.workspace.list.current().DesignSaved);
    EXPECT_EQ(designBytes(s.workspace), design);

    // The design in memory is the student's: saving it over its file writes what it held.
    s.prompter.savePaths = {mine};
    s.prompter.confirmAnswers = {Answer::Yes};
    press(s, "SaveBtn");
    EXPECT_EQ(test::contentOf(mine), saved);
}

TEST(LostWork, ADesignOfAnEarlierReleaseDroppedOnTheWindowOpens)
{
    QTemporaryDir dir;
    StartedWindow s;
    const QString older = dir.filePath(QStringLiteral("wedge.zndl"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZINDLE_TEST_DATA "/wedge-v3.txt"), older));
    drop(s, older);
    EXPECT_TRUE(s.prompter.messages().isEmpty()) << qPrintable(s.prompter.messages().join('\n'));
    EXPECT_EQ(s.workspace.list.current().DesignName, QStringLiteral("Old Wedge"));
    EXPECT_EQ(s.workspace.design.SpringLength, QStringLiteral("36"));
    EXPECT_EQ(s.w().CurrentMode(), SheetMode::Design);
}

} // namespace
} // namespace zindle::test
