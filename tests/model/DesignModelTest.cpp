// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/BuiltInDesigns.h"
#include "model/DesignState.h"

#include <QRegularExpression>
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <set>

using namespace zindle;

TEST(BuiltInDesigns, OutlineCountsAndDrives)
{
    const int outer[] = {4, 20, 12, 42, 26};
    const int inner[] = {4, 36, 32, 60, 22};
    for (int slot = 0; slot < BuiltInDesignCount; ++slot) {
        DesignState workspace;
        BuildBuiltInDesign(workspace, slot);
        EXPECT_EQ(workspace.design.OuterCount(), outer[slot]) << slot;
        EXPECT_EQ(workspace.design.InnerCount(), inner[slot]) << slot;
        EXPECT_EQ(workspace.design.Drive, slot == 2 ? DriveKind::FrontWD : DriveKind::RearWD);
        EXPECT_EQ(workspace.design.usedWeightCount(), 0);
        EXPECT_EQ(workspace.design.DriveWhlDia, "4.80");
    }
    DesignState workspace;
    BuildBuiltInDesign(workspace, 0);
    EXPECT_EQ(workspace.design.OuterPts,
              (std::vector<QPoint>{{720, 540}, {0, 216}, {0, 540}, {0, 540}}));
    BuildBuiltInDesign(workspace, 3);
    EXPECT_EQ(workspace.design.OuterPts.back(), QPoint(681, 396));
    EXPECT_EQ(workspace.design.InnerPts[36], QPoint(0, 490));
}

TEST(BuiltInDesigns, NamesAndListItems)
{
    DesignList list;
    ASSERT_EQ(list.DesignCount(), 5);
    EXPECT_EQ(list.entries[0].DesignName, "Default Design");
    EXPECT_EQ(list.items[0], "Default design");
    EXPECT_EQ(list.items[3], "Tow Truck");
    for (const DesignSlot &slot : list.entries)
        EXPECT_TRUE(slot.DesignSaved);
    EXPECT_EQ(builtInDesignSlot("Wheelie"), 4);
    EXPECT_EQ(builtInDesignSlot("Default design"), -1);
}

TEST(NewDesignNames, TwoLettersAToYAndANumberUpTo999)
{
    std::mt19937 random(7);
    const QRegularExpression pattern("^Untitled design [A-Y]{2}(0|[1-9][0-9]{0,2})$");
    std::set<QChar> letters;
    for (int i = 0; i < 3000; ++i) {
        const QString name = newDesignName(random);
        ASSERT_TRUE(pattern.match(name).hasMatch()) << name.toStdString();
        letters.insert(name[16]);
    }
    EXPECT_EQ(letters.size(), 25u);
}

TEST(DesignRecord, ResetKeepsOutlinesWeightsAndPreferences)
{
    DesignState workspace;
    BuildBuiltInDesign(workspace, 1);
    DesignRecord &design = workspace.design;
    design.SpringWidth = "2";
    design.Weights[0].Mass = 0.5f;
    design.CaseRatio = "10";
    design.MatIndex[SpringPart] = 3;
    design.setFrontAxlePt(200, 30);
    ResetParameters(design);
    EXPECT_EQ(design.SpringWidth, "1.5");
    EXPECT_EQ(design.RArborDia, "0.5");
    EXPECT_EQ(design.MatIndex[SpringPart], 0);
    EXPECT_EQ(design.FrontAxleXPt, 115.0f);
    EXPECT_EQ(design.FrontAxleXIn, 115.0f / 72.0f);
    EXPECT_EQ(design.OuterCount(), 20);
    EXPECT_EQ(design.Weights[0].Mass, 0.5f);
    EXPECT_EQ(design.CaseRatio, "10");
}

TEST(DesignRecord, DriveButtonsPutTheOtherWheelAsideAndBack)
{
    DesignState workspace;
    BuildBuiltInDesign(workspace, 0);
    DesignRecord &design = workspace.design;
    design.OtherWhlDia = "2.5";
    design.SpringLength = "30";
    ApplyDrive(design, DriveKind::AllWD);
    EXPECT_EQ(design.RSpringLength, "30");
    EXPECT_EQ(design.SavedOtherWhlDia, "2.5");
    design.OtherWhlDia = "4.80"; // all-wheel drive shows the drive wheel there
    ApplyDrive(design, DriveKind::FrontWD);
    EXPECT_EQ(design.OtherWhlDia, "2.5");

    // A built-in chosen afterwards starts from the default other wheel, not the one put aside.
    BuildBuiltInDesign(workspace, 1);
    EXPECT_EQ(workspace.design.OtherWhlDia, "1.75");
}

TEST(DesignList, RemovingASlotMovesLaterSlotsAndTheirTracesDown)
{
    DesignList list;
    const int a = list.append("A", "/a.zndl", true);
    const int b = list.append("B", "/b.zndl", false);
    list.traces[static_cast<size_t>(b)].DistanceTrace[10] = 3.5f;
    list.CurrentDesign = a;
    list.RemoveSlot(a);
    EXPECT_EQ(list.DesignCount(), 6);
    EXPECT_EQ(list.entries[5].DesignName, "B");
    EXPECT_EQ(list.items[5], "B");
    EXPECT_EQ(list.traces[5].DistanceTrace[10], 3.5f);
    EXPECT_EQ(list.traces[6].DistanceTrace[10], -1.0f);
    EXPECT_EQ(list.CurrentDesign, 0);
}

TEST(DesignList, HoldsAtMost257Designs)
{
    DesignList list;
    while (list.DesignCount() < MaxDesigns)
        ASSERT_GE(list.append("x", "", true), 0);
    EXPECT_TRUE(list.isFull());
    EXPECT_EQ(list.append("one too many", "", true), -1);
    EXPECT_EQ(list.DesignCount(), 257);
}
