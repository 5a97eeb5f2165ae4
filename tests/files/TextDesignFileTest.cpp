// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/DesignFile.h"
#include "files/TextDesignFile.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {
ReadOutcome readFixture(DesignState &workspace, const char *name)
{
    PrepareForFileRead(workspace);
    return ReadTextDesignFile(workspace, QStringLiteral(ZINDLE_TEST_DATA "/") + name);
}
} // namespace

TEST(TextVersion3, ReadsEveryItemAndCopiesTheOuterOutlineInward)
{
    DesignState workspace;
    const ReadOutcome outcome = readFixture(workspace, "wedge-v3.txt");
    ASSERT_TRUE(outcome.ok()) << outcome.error.toStdString();
    EXPECT_EQ(outcome.name, "Old Wedge");
    const DesignRecord &design = workspace.design;
    EXPECT_EQ(design.DriveWhlDia, "4.80");
    EXPECT_EQ(design.OuterCount(), 4);
    EXPECT_EQ(design.InnerPts, design.OuterPts);
    EXPECT_EQ(design.Weights[0].Mass, 0.25f);
    EXPECT_EQ(design.Weights[0].X, 300);
    EXPECT_EQ(workspace.catalogue.boards[1].BoardName, "Balsa sheet");
    EXPECT_EQ(workspace.catalogue.treads[1].TreadFriction, "1.4");
    EXPECT_EQ(design.MatIndex[OuterBodyPart], 1);
    EXPECT_EQ(design.FrontAxleXIn, 1.5972222f);

    // Saved again in the binary layout, the mass is text once more and both outlines are whole.
    const QByteArray bytes = EncodeDesign(design, workspace.catalogue, outcome.name);
    EXPECT_TRUE(bytes.contains(QByteArray("\x04\0\0\0" "0.25", 8)));
    DesignState again;
    PrepareForFileRead(again);
    ASSERT_TRUE(ReadBinaryDesign(again, bytes, "x").ok());
    EXPECT_EQ(again.design.InnerCount(), 4);
    EXPECT_EQ(again.design.Weights[0].Mass, 0.25f);
}

TEST(TextOlderLayout, ReadsWithoutNameOrInnerOutline)
{
    DesignState workspace;
    const ReadOutcome outcome = readFixture(workspace, "wedge-older.txt");
    ASSERT_TRUE(outcome.ok()) << outcome.error.toStdString();
    EXPECT_EQ(outcome.name, "");
    const DesignRecord &design = workspace.design;
    EXPECT_EQ(design.SpringWidth, "2");
    EXPECT_EQ(design.OtherWhlDia, "2.0");
    EXPECT_EQ(design.DriveAxleLength, "7"); // not in these files: the default stays
    EXPECT_EQ(design.Drive, DriveKind::FrontWD);
    EXPECT_EQ(design.ChamberShape, ChamberShapeKind::Octagonal);
    EXPECT_EQ(design.MatIndex[SpringPart], 1);
    EXPECT_EQ(workspace.catalogue.springs[1].SpringTorqueCurve[0], "0.9");
    EXPECT_EQ(workspace.catalogue.springs[1].SpringTorqueCurve[1], "0");
    EXPECT_EQ(design.OuterCount(), 4);
    EXPECT_EQ(design.InnerPts, design.OuterPts);
    EXPECT_EQ(design.usedWeightCount(), 2);
    EXPECT_EQ(design.Weights[0].Mass, -0.5f);
    EXPECT_EQ(design.FrontAxleYPt, 25.2f);
}

TEST(TextLayouts, BrokenLinesNameTheFileAndTheLine)
{
    DesignState workspace;
    PrepareForFileRead(workspace);
    const ReadOutcome outcome = ReadTextDesign(
        workspace, ":::::VersionInformation:::::\n3\nName\n1\n2\n3\n4\n5\n6\n7\n8\nnot a number\n", "bad.txt");
    EXPECT_EQ(outcome.status, ReadStatus::Failed);
    EXPECT_TRUE(outcome.error.contains("bad.txt"));
    EXPECT_TRUE(outcome.error.contains("line 12"));
    EXPECT_EQ(workspace.design.SpringWidth, "1"); // what was read before the fault stays

    PrepareForFileRead(workspace);
    EXPECT_EQ(ReadTextDesign(workspace, ":::::VersionInformation:::::\n2\n", "v2.txt").status,
              ReadStatus::NotADesign);
    EXPECT_EQ(ReadTextDesign(workspace, "", "empty.txt").status, ReadStatus::Failed);
}
