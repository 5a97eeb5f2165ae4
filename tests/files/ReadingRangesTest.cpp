// SPDX-License-Identifier: GPL-3.0-or-later
// What a design file may hold: values no geometry could handle are refused with the value
// named, in the binary and the text layouts alike; everything else is read as it stands.

#include "files/DesignFile.h"
#include "files/FileAccess.h"
#include "files/PathText.h"
#include "files/TextDesignFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zindle;

namespace {

DesignState racer()
{
    DesignState workspace;
    BuildBuiltInDesign(workspace, 1);
    return workspace;
}

// Every name in a folder, as the bytes the system holds.
QList<QByteArray> namesIn(const QString &folder)
{
    QList<QByteArray> names;
    DIR *dir = ::opendir(QFile::encodeName(folder).constData());
    while (dirent *entry = dir ? ::readdir(dir) : nullptr)
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names << QByteArray(entry->d_name);
    if (dir)
        ::closedir(dir);
    return names;
}

ReadOutcome readBack(const DesignState &source, DesignState &into)
{
    PrepareForFileRead(into);
    return ReadBinaryDesign(into, EncodeDesign(source.design, source.catalogue, "Racer"), "edge.zndl");
}

void expectRefusedNaming(const DesignState &source, const char *value)
{
    DesignState into;
    const ReadOutcome outcome = readBack(source, into);
    ASSERT_FALSE(outcome.ok()) << value;
    EXPECT_TRUE(outcome.error.contains("edge.zndl")) << outcome.error.toStdString();
    EXPECT_TRUE(outcome.error.contains(QLatin1String(value))) << outcome.error.toStdString();
    EXPECT_TRUE(outcome.error.contains("beyond what a design can hold")) << outcome.error.toStdString();
}

} // namespace

TEST(ReadingRanges, ValuesNoGeometryCanHandleAreRefusedByName)
{
    {
        DesignState w = racer();
        w.design.OuterPts[3] = QPoint(INT_MAX, 100);
        expectRefusedNaming(w, "2147483647");
    }
    {
        DesignState w = racer();
        w.design.InnerPts[0] = QPoint(10, -10001);
        expectRefusedNaming(w, "-10001");
    }
    {
        DesignState w = racer();
        w.design.DriveAxleDia = "1e38";
        expectRefusedNaming(w, "1e38");
    }
    {
        DesignState w = racer();
        w.design.SpringLength = "100000000000";
        expectRefusedNaming(w, "100000000000");
    }
    {
        DesignState w = racer();
        w.design.Weights[0] = {100, 100, 3.4e38f, {}};
        expectRefusedNaming(w, "weight 1");
    }
    {
        DesignState w = racer();
        w.design.Weights[0] = {100, 100, -1.01f, {}};
        expectRefusedNaming(w, "-1.0");
    }
    {
        DesignState w = racer();
        w.design.FrontAxleXPt = 1e30f;
        expectRefusedNaming(w, "front axle");
    }
    {
        DesignState w = racer();
        w.design.CaseRatio = "2e9";
        expectRefusedNaming(w, "2e9");
    }
}

TEST(ReadingRanges, OddButComputableValuesAreReadAsTheyStand)
{
    DesignState w = racer();
    w.design.Friction = "0";
    w.design.StepSize = "1";
    w.design.DriveWhlDia = "0.1"; // smaller than its axle
    w.design.DriveAxleDia = "0.25";
    w.design.SpringWidth = "-3";   // the part field would refuse it
    w.design.OtherAxleLength = "abc"; // not a number at all
    w.design.OuterPts[0] = QPoint(-10000, 10000);
    w.design.Weights[0] = {700, 500, 1.0f, {}};
    w.design.FrontAxleXPt = -200.0f; // behind the drive axle
    DesignState into;
    const ReadOutcome outcome = readBack(w, into);
    ASSERT_TRUE(outcome.ok()) << outcome.error.toStdString();
    EXPECT_EQ(into.design.Friction, "0");
    EXPECT_EQ(into.design.SpringWidth, "-3");
    EXPECT_EQ(into.design.OtherAxleLength, "abc");
    EXPECT_EQ(into.design.OuterPts[0], QPoint(-10000, 10000));
    EXPECT_EQ(into.design.Weights[0].Mass, 1.0f);
    EXPECT_EQ(into.design.FrontAxleXPt, -200.0f);
    EXPECT_TRUE(outcome.warning.isEmpty());
}

TEST(ReadingRanges, TheTextLayoutsKeepTheSameRanges)
{
    QFile fixture(ZINDLE_TEST_DATA "/wedge-v3.txt");
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    QList<QByteArray> lines = fixture.readAll().split('\n');
    // Line 4 is the spring width.
    lines[3] = "1e20";
    DesignState workspace;
    PrepareForFileRead(workspace);
    const ReadOutcome outcome = ReadTextDesign(workspace, lines.join('\n'), "wedge.zndl");
    ASSERT_FALSE(outcome.ok());
    EXPECT_TRUE(outcome.error.contains("spring width 1e20")) << outcome.error.toStdString();
}

TEST(ReadingRanges, TrailingBytesAreReadButNoted)
{
    const DesignState w = racer();
    DesignState into;
    PrepareForFileRead(into);
    const ReadOutcome outcome =
        ReadBinaryDesign(into, EncodeDesign(w.design, w.catalogue, "Racer") + "junk!", "tail.zndl");
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome.warning, "Read \"tail.zndl\", but 5 bytes after the end of the design were ignored");
}

TEST(ReadingLimits, OversizedFilesAndEndlessDevicesAreRefusedAtOnce)
{
    QTemporaryDir dir;
    const QString big = dir.filePath("big.zndl");
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(MaxDesignFileBytes + 1, 'x'));
    file.close();
    DesignState workspace;
    const ReadOutcome outcome = ReadTextDesignFile(workspace, big);
    ASSERT_FALSE(outcome.ok());
    EXPECT_TRUE(outcome.error.contains("larger than")) << outcome.error.toStdString();

    QByteArray bytes;
    QString reason;
    EXPECT_FALSE(ReadWholeFile("/dev/zero", MaxDesignFileBytes, bytes, reason));
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_FALSE(ReadWholeFile(dir.path(), MaxDesignFileBytes, bytes, reason));
    EXPECT_TRUE(reason.contains("folder"));
}

TEST(FileNames, BytesThatAreNotUtf8SurviveTheRoundTripAndShowEscaped)
{
    const QByteArray raw("d\xe9sign\xff\x80.zndl");
    const QString path = pathFromBytes(raw);
    EXPECT_EQ(pathToBytes(path), raw);
    EXPECT_EQ(printableText(path), "d\\xe9sign\\xff\\x80.zndl");
    const QByteArray utf8 = QStringLiteral("Dépôt/Über.zndl").toUtf8();
    EXPECT_EQ(pathFromBytes(utf8), QStringLiteral("Dépôt/Über.zndl"));
    EXPECT_EQ(pathToBytes(pathFromBytes(utf8)), utf8);
    // Encoded surrogates and overlong forms are not UTF-8 either: escaped byte by byte.
    EXPECT_EQ(pathToBytes(pathFromBytes("\xed\xb2\x80|\xc0\xaf")), QByteArray("\xed\xb2\x80|\xc0\xaf"));
    EXPECT_EQ(printableText("a\x1b[31mred\r"), "a\\x1b[31mred\\x0d");

    QTemporaryDir dir;
    const QString target = pathFromBytes(QFile::encodeName(dir.path()) + "/" + raw);
    ASSERT_TRUE(WriteFileAtomically(target, "bytes").ok);
    EXPECT_EQ(namesIn(dir.path()), QList<QByteArray>{raw});
    QByteArray back;
    QString reason;
    ASSERT_TRUE(ReadWholeFile(target, 100, back, reason)) << reason.toStdString();
    EXPECT_EQ(back, "bytes");
}

TEST(AtomicWrites, OnlyRegularFilesAreReplacedAndNothingIsLeftBehind)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("keep.zndl");
    ASSERT_TRUE(WriteFileAtomically(target, "first").ok);
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0640), 0);
    ASSERT_TRUE(WriteFileAtomically(target, "second").ok);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(target).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    const WriteOutcome device = WriteFileAtomically("/dev/null", "x");
    EXPECT_FALSE(device.ok);
    EXPECT_TRUE(device.error.contains("not a regular file")) << device.error.toStdString();
    const WriteOutcome folder = WriteFileAtomically(dir.path(), "x");
    EXPECT_FALSE(folder.ok);
    EXPECT_TRUE(folder.error.contains("folder"));
    EXPECT_FALSE(WriteFileAtomically(dir.filePath("no/such/folder/x.zndl"), "x").ok);

    // Through a link the file it names is replaced, and the link stays a link.
    const QString link = dir.filePath("link.zndl");
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_TRUE(WriteFileAtomically(link, "third").ok);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "third");
    EXPECT_EQ(namesIn(dir.path()).size(), 2); // no temporary file left over
}
