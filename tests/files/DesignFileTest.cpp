// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/DesignFile.h"
#include "model/MaterialEditing.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;

namespace {

QByteArray le(qint32 v)
{
    QByteArray b(4, 0);
    for (int i = 0; i < 4; ++i)
        b[i] = static_cast<char>((static_cast<quint32>(v) >> (8 * i)) & 0xFF);
    return b;
}

QByteArray str(const QByteArray &text) { return le(static_cast<qint32>(text.size())) + text; }

DesignState builtIn(int slot)
{
    DesignState workspace;
    workspace.list.CurrentDesign = slot;
    BuildBuiltInDesign(workspace, slot);
    return workspace;
}

// Reads `bytes` into a fresh workspace as Open does.
ReadOutcome readInto(DesignState &workspace, const QByteArray &bytes)
{
    PrepareForFileRead(workspace);
    return ReadBinaryDesign(workspace, bytes, "test.zndl");
}

} // namespace

TEST(DesignFileBytes, BeginsWithTheVersionBlock)
{
    DesignState workspace = builtIn(1);
    const QByteArray bytes = EncodeDesign(workspace.design, workspace.catalogue, "Racer");
    const QByteArray head = le(28) + QByteArray(":::::VersionInformation:::::") + le(3) + str("Racer");
    EXPECT_EQ(bytes.left(head.size()), head);
}

TEST(DesignFileBytes, NoUserMaterialsWritesFlagIndicesAndFourZeroCounts)
{
    DesignState workspace = builtIn(0);
    const QByteArray bytes = EncodeDesign(workspace.design, workspace.catalogue, "Default Design");
    QByteArray expected = le(28) + QByteArray(":::::VersionInformation:::::") + le(3) + str("Default Design");
    for (const char *p : {"1.5", "36", "4.80", "0.5", "7", "1.75", "0.25", "7"})
        expected += str(p);
    expected += le(1);
    for (int i = 0; i < 8; ++i)
        expected += le(0);
    expected += le(0) + le(0) + le(0) + le(0);
    expected += str("9") + str("4.0") + str("0.05") + le(14) + le(10);
    expected += le(4) + le(720) + le(540) + le(0) + le(216) + le(0) + le(540) + le(0) + le(540);
    expected += le(4) + le(720) + le(540) + le(0) + le(216) + le(0) + le(540) + le(0) + le(540);
    expected += le(0);
    expected += str("1.59722220897675") + str("0.347222208976746") + str("115") + str("25");
    EXPECT_EQ(bytes.toHex(' '), expected.toHex(' '));
}

TEST(DesignFileRoundTrip, EverythingComesBackAndWeightsAreCompacted)
{
    DesignState workspace = builtIn(2);
    DesignRecord &design = workspace.design;
    DefineBoard(workspace.catalogue, {"Balsa", "0.25", "0.005"}, 0);
    SpringMaterial spring{"Steel", "0.01", "0.28", "1", {}};
    spring.SpringTorqueCurve[0] = "0.9";
    spring.SpringTorqueCurve[1] = "0.8";
    DefineSpring(workspace.catalogue, spring, 0);
    DefineTread(workspace.catalogue, {"Grip", "1.2"}, 0);
    design.MatIndex[InnerBodyPart] = 1;
    design.MatIndex[SpringPart] = 1;
    design.MatIndex[TreadPart] = 1;
    design.SpringLength = "30   "; // trailing blanks do not survive a save and a read
    design.ChamberShape = ChamberShapeKind::Octagonal;
    design.StepSize = "4";
    design.Weights[2] = {100, 200, 0.25f, {}};
    design.Weights[7] = {300, 100, -0.5f, {1, 2, 3, 4}};
    design.setFrontAxlePt(150, 30);
    const QByteArray bytes = EncodeDesign(design, workspace.catalogue, "Pickup");

    DesignState read;
    const ReadOutcome outcome = readInto(read, bytes);
    ASSERT_TRUE(outcome.ok()) << outcome.error.toStdString();
    EXPECT_EQ(outcome.name, "Pickup");
    EXPECT_EQ(read.design.SpringLength, "30");
    EXPECT_EQ(read.design.Drive, DriveKind::FrontWD);
    EXPECT_EQ(read.design.ChamberShape, ChamberShapeKind::Octagonal);
    EXPECT_EQ(read.design.StepSize, "4");
    EXPECT_EQ(read.design.OuterPts, design.OuterPts);
    EXPECT_EQ(read.design.InnerPts, design.InnerPts);
    EXPECT_EQ(read.design.MatIndex, design.MatIndex);
    EXPECT_EQ(read.catalogue.springs[1].SpringTorqueCurve[1], "0.8");
    EXPECT_EQ(read.catalogue.treads[1].TreadName, "Grip");
    ASSERT_EQ(read.design.usedWeightCount(), 2);
    EXPECT_EQ(read.design.Weights[0].X, 100);
    EXPECT_EQ(read.design.Weights[0].Mass, 0.25f);
    EXPECT_EQ(read.design.Weights[1].Mass, -0.5f);
    EXPECT_TRUE(read.design.Weights[1].Rect.isEmpty());
    EXPECT_EQ(read.design.FrontAxleXIn, 150.0f / 72.0f);
    EXPECT_EQ(read.design.FrontAxleYPt, 30.0f);
    // Writing what was read gives the same bytes but for the trimmed blanks.
    design.SpringLength = "30";
    EXPECT_EQ(EncodeDesign(read.design, read.catalogue, "Pickup"),
              EncodeDesign(design, workspace.catalogue, "Pickup"));
}

TEST(DesignFileRead, AnInnerCountBelowOneCopiesTheOuterOutline)
{
    DesignState workspace = builtIn(1);
    workspace.design.InnerPts.clear();
    const QByteArray bytes = EncodeDesign(workspace.design, workspace.catalogue, "Racer");
    DesignState read;
    ASSERT_TRUE(readInto(read, bytes).ok());
    EXPECT_EQ(read.design.InnerCount(), 20);
    EXPECT_EQ(read.design.InnerPts, read.design.OuterPts);
}

TEST(DesignFileRead, ReadingRemovesEarlierUserMaterials)
{
    DesignState workspace = builtIn(0);
    const QByteArray bytes = EncodeDesign(workspace.design, workspace.catalogue, "x");
    DefineAxle(workspace.catalogue, {"Pine", "0.02"}, 0);
    ASSERT_TRUE(readInto(workspace, bytes).ok());
    EXPECT_EQ(workspace.catalogue.count(MaterialKind::Axle), 1);
}

TEST(DesignFileRead, AllWheelDriveKeepsTheOtherWheelAside)
{
    DesignState workspace = builtIn(0);
    workspace.design.OtherWhlDia = "2.2";
    ApplyDrive(workspace.design, DriveKind::AllWD);
    const QByteArray bytes = EncodeDesign(workspace.design, workspace.catalogue, "x");
    DesignState read;
    ASSERT_TRUE(readInto(read, bytes).ok());
    EXPECT_EQ(read.design.Drive, DriveKind::AllWD);
    EXPECT_EQ(read.design.SavedOtherWhlDia, "2.2");
    EXPECT_EQ(read.design.RSpringWidth, "1.5");
}

TEST(DesignFileRead, ForeignAndBrokenFilesAreRefusedWithTheFileNamed)
{
    DesignState workspace;
    EXPECT_EQ(readInto(workspace, QByteArray()).status, ReadStatus::Failed);
    EXPECT_TRUE(readInto(workspace, QByteArray()).error.contains("test.zndl"));
    // A text file: its first four bytes make a length far past the end.
    EXPECT_EQ(readInto(workspace, ":::::VersionInformation:::::\r\n3\r\n").status, ReadStatus::Failed);
    // The marker with another version is not a design of this release.
    EXPECT_EQ(readInto(workspace, str(":::::VersionInformation:::::") + le(2)).status,
              ReadStatus::NotADesign);
    EXPECT_EQ(readInto(workspace, str("something else") + le(3)).status, ReadStatus::NotADesign);
}

TEST(DesignFileRead, AbsurdCountsAreRefused)
{
    DesignState source = builtIn(0);
    const QByteArray good = EncodeDesign(source.design, source.catalogue, "x");
    // The outer count follows the drive code 10 of the default design.
    const qsizetype outerAt = good.indexOf(le(10) + le(4)) + 4;
    ASSERT_GT(outerAt, 4);
    for (qint32 count : {-1, 257, 100000, INT_MIN}) {
        QByteArray bad = good;
        bad.replace(outerAt, 4, le(count));
        DesignState workspace;
        const ReadOutcome outcome = readInto(workspace, bad);
        EXPECT_EQ(outcome.status, ReadStatus::Failed) << count;
        EXPECT_TRUE(outcome.error.contains("impossible")) << outcome.error.toStdString();
    }
    // A material index past the catalogue.
    QByteArray bad = good;
    const qsizetype flagAt = good.indexOf(le(1) + le(0) + le(0));
    bad.replace(flagAt + 4, 4, le(5));
    DesignState workspace;
    EXPECT_EQ(readInto(workspace, bad).status, ReadStatus::Failed);
}

TEST(DesignFileRead, StringLengthsUseOnlyTheirLowSixteenBits)
{
    // 0x00010000 has zero low bits: an empty string, no bytes read.
    DesignState workspace = builtIn(0);
    QByteArray bytes = EncodeDesign(workspace.design, workspace.catalogue, "");
    const QByteArray emptyName = le(0);
    const qsizetype nameAt = 32 + 4;
    ASSERT_EQ(bytes.mid(nameAt, 4), emptyName);
    bytes.replace(nameAt, 4, le(0x00010000));
    DesignState read;
    const ReadOutcome outcome = readInto(read, bytes);
    ASSERT_TRUE(outcome.ok()) << outcome.error.toStdString();
    EXPECT_EQ(outcome.name, "");
}

TEST(DesignFileSave, WritesAtomicallyAndMarksTheSlotSaved)
{
    QTemporaryDir dir;
    DesignState workspace = builtIn(1);
    workspace.list.MarkDesignChanged(1);
    const QString path = dir.filePath("racer.zndl");
    ASSERT_TRUE(SaveDesign(workspace, path, 1).ok);
    EXPECT_TRUE(workspace.list.entries[1].DesignSaved);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), EncodeDesign(workspace.design, workspace.catalogue, "Racer"));
    file.close();

    // A save that cannot be written reports it and leaves the old file alone.
    workspace.list.MarkDesignChanged(1);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    const WriteOutcome failed = SaveDesign(workspace, path, 1);
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!failed.ok) { // root may write anyway
        EXPECT_TRUE(failed.error.contains("racer.zndl"));
        EXPECT_FALSE(workspace.list.entries[1].DesignSaved);
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().left(4), le(28));

    const WriteOutcome nowhere = SaveDesign(workspace, dir.filePath("missing/folder/x.zndl"), 1);
    EXPECT_FALSE(nowhere.ok);
    EXPECT_TRUE(nowhere.error.startsWith("Cannot write"));
}
