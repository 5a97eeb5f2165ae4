// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/OutlineTool.h"
#include "sheet/ToolLock.h"
#include "sheet/WeightTools.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <map>

using namespace zindle;

namespace {

// Clicks and double-clicks as the window delivers them: a double-click comes after the press
// and release of its first click.
struct Drawing {
    SheetScale scale;
    OutlineTool tool;
    DesignRecord design;
    std::vector<SheetLine> lines;

    explicit Drawing(int availWidth, int availHeight)
        : scale(ComputeSheetScaleForArea(availWidth, availHeight, 600, 600))
    {
        design.OuterPts = {{720, 540}, {0, 216}, {0, 540}, {0, 540}};
    }
    QPoint at(int xPt, int yPt) const
    {
        return {scale.SheetOffsetX + static_cast<int>(xPt * scale.ScreenScale) + 1,
                static_cast<int>(yPt * scale.ScreenScale) + 1};
    }
    void click(QPoint p)
    {
        tool.press(p, scale);
        tool.release(p, scale, lines);
    }
    bool doubleClick(QPoint p)
    {
        click(p);
        bool committed = false;
        tool.doubleClick(design, committed);
        return committed;
    }
};

} // namespace

class OutlineClicks : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(OutlineClicks, ThreeClicksAndADoubleClickCommitEightPoints)
{
    Drawing d(GetParam().first, GetParam().second);
    d.tool.start(OutlineTarget::Outer);
    d.click(d.at(100, 100));
    d.click(d.at(300, 100));
    d.click(d.at(300, 300));
    EXPECT_TRUE(d.doubleClick(d.at(100, 300)));
    ASSERT_EQ(d.design.OuterCount(), 8);
    EXPECT_EQ(d.design.OuterPts[0], d.design.OuterPts[1]); // a plain click records its point twice
    EXPECT_EQ(d.design.OuterPts[6], d.design.OuterPts[7]);
    const QPoint first = d.design.OuterPts[0];
    EXPECT_NEAR(first.x(), 100, 1);
    EXPECT_NEAR(first.y(), 100, 1);
    EXPECT_FALSE(d.tool.drawing());
}

TEST_P(OutlineClicks, SixPointsCommitAndFourDoNot)
{
    Drawing d(GetParam().first, GetParam().second);
    d.tool.start(OutlineTarget::Inner);
    d.click(d.at(100, 100));
    d.click(d.at(200, 100));
    EXPECT_TRUE(d.doubleClick(d.at(200, 200)));
    EXPECT_EQ(d.design.InnerCount(), 6);

    d.tool.start(OutlineTarget::Outer);
    d.click(d.at(100, 100));
    EXPECT_FALSE(d.doubleClick(d.at(200, 200)));
    EXPECT_EQ(d.tool.pending(OutlineTarget::Outer).count(), 4);
    EXPECT_EQ(d.design.OuterCount(), 4); // the previous outline stays
    EXPECT_EQ(d.design.OuterPts[1], QPoint(0, 216));
}

INSTANTIATE_TEST_SUITE_P(WindowSizes, OutlineClicks,
                         ::testing::Values(std::pair{1152, 864}, std::pair{1900, 900},
                                           std::pair{540, 294}, std::pair{800, 700}));

TEST(OutlineTool, PressInsideReleaseOutsideRecordsNothingButMovesTheStart)
{
    Drawing d(1152, 864);
    d.tool.start(OutlineTarget::Outer);
    const QPoint inside = d.at(100, 100);
    EXPECT_TRUE(d.tool.press(inside, d.scale));
    EXPECT_FALSE(d.tool.release({d.scale.SheetOffsetX + d.scale.DrawPxWidth + 40, 100}, d.scale, d.lines));
    EXPECT_EQ(d.tool.pending(OutlineTarget::Outer).count(), 0);
    // The rubber band now starts at the pressed point.
    std::vector<SheetLine> band;
    SheetCursor cursor = SheetCursor::Arrow;
    d.tool.move(d.at(200, 200), d.scale, band, cursor);
    ASSERT_EQ(band.size(), 2u);
    EXPECT_EQ(band[1].from, inside);
    EXPECT_TRUE(band[1].notXor);
    EXPECT_EQ(cursor, SheetCursor::HandPoint);
    d.tool.move({-5, 10}, d.scale, band, cursor);
    EXPECT_EQ(cursor, SheetCursor::NoDrop);
    // A press outside the area is not a drawing action.
    EXPECT_FALSE(d.tool.press({d.scale.SheetOffsetX - 5, 10}, d.scale));
}

TEST(OutlineTool, RecordsAllFourCopiesAndStopsAt256Points)
{
    Drawing d(1152, 864);
    d.tool.start(OutlineTarget::Outer);
    const QPoint p = d.at(360, 270);
    d.click(p);
    const PendingOutline &pending = d.tool.pending(OutlineTarget::Outer);
    ASSERT_EQ(pending.count(), 2);
    EXPECT_EQ(pending.stored[0], d.scale.pixelToSheet(p.x(), p.y()));
    EXPECT_EQ(pending.screen[0], QPoint(p.x() - d.scale.SheetOffsetX, p.y()));
    EXPECT_EQ(pending.printer[0], d.scale.pixelToPrinter(p.x(), p.y()));
    EXPECT_EQ(pending.preview[0], d.scale.toPreview(pending.stored[0]));
    for (int i = 0; i < 200; ++i)
        d.click(d.at(10 + i, 10 + i));
    EXPECT_EQ(pending.count(), 256);
    EXPECT_FALSE(d.lines.empty());
}

TEST(OutlineTool, CancelKeepsTheCommittedOutlines)
{
    Drawing d(1152, 864);
    d.tool.start(OutlineTarget::Outer);
    for (int i = 0; i < 4; ++i)
        d.click(d.at(100 + 50 * i, 100));
    d.tool.cancel();
    EXPECT_FALSE(d.tool.drawing());
    EXPECT_EQ(d.tool.pending(OutlineTarget::Outer).count(), 0);
    bool committed = true;
    EXPECT_FALSE(d.tool.doubleClick(d.design, committed));
    EXPECT_FALSE(committed);
    EXPECT_EQ(d.design.OuterCount(), 4);
}

TEST(WeightTools, MassLimitsAreComparedInSinglePrecision)
{
    for (const char *ok : {"1", "-1", "0.0001", "-0.0001", "0.125", " 0.5 "})
        EXPECT_TRUE(AcceptWeightMass(ok).has_value()) << ok;
    for (const char *bad : {"0.00009", "-0.00009", "1.01", "-1.01", "0", "", "heavy", "1,5"})
        EXPECT_FALSE(AcceptWeightMass(bad).has_value()) << bad;
}

TEST(WeightTools, AddTakesTheFirstFreeSlotAndRemoveTheLowestHit)
{
    DesignRecord design;
    EXPECT_EQ(AddWeight(design, {10, 20}, 0.5f), 0);
    EXPECT_EQ(AddWeight(design, {30, 40}, -0.25f), 1);
    design.Weights[0].Rect = {100, 100, 120, 120};
    design.Weights[1].Rect = {110, 110, 130, 130}; // overlaps the first
    EXPECT_EQ(RemoveWeightAt(design, {115, 115}), 0);
    EXPECT_TRUE(design.Weights[0].isFree());
    EXPECT_TRUE(design.Weights[0].Rect.isEmpty());
    EXPECT_EQ(AddWeight(design, {50, 60}, 1.0f), 0); // the freed slot is reused
    EXPECT_EQ(RemoveWeightAt(design, {5, 5}), -1);
    for (int i = 2; i < WeightSlotCount; ++i)
        design.Weights[static_cast<size_t>(i)].Mass = 0.1f;
    EXPECT_EQ(AddWeight(design, {1, 1}, 0.1f), -1);
}

TEST(WeightTools, FrontAxleMovesOnlyInsideItsRegion)
{
    const SheetScale scale = ComputeSheetScaleForArea(1152, 864, 600, 600);
    DesignRecord design;
    const QRect allowed(QPoint(scale.SheetOffsetX + 100, 0),
                        QPoint(scale.SheetOffsetX + scale.DrawPxWidth, scale.DrawPxHeight));
    EXPECT_FALSE(PlaceFrontAxle(design, {scale.SheetOffsetX + 50, 300}, allowed, scale));
    EXPECT_EQ(design.FrontAxleXPt, 115.0f);
    ASSERT_TRUE(PlaceFrontAxle(design, {scale.SheetOffsetX + 600, 690}, allowed, scale));
    const QPoint expected = scale.pixelToAxle(scale.SheetOffsetX + 600, 690);
    EXPECT_EQ(design.FrontAxleXPt, static_cast<float>(expected.x()));
    EXPECT_EQ(design.FrontAxleYPt, static_cast<float>(expected.y()));
    EXPECT_EQ(design.FrontAxleXIn, design.FrontAxleXPt / 72.0f);
    EXPECT_EQ(design.FrontAxleYIn, design.FrontAxleYPt / 72.0f);
}

TEST(ToolLock, RestoresEachControlsOwnStateAndKeepsApplyDisabled)
{
    ToolLock lock;
    std::map<QString, bool> enabled = {{"DrawOuterBtn", true}, {"DrawInnerBtn", false},
                                       {"SpringWidthEF", true}, {"FileMenu", true},
                                       {"ApplyBtn", true}};
    auto add = [&](LockGroup group, const char *name) {
        lock.add(group, name, [&, name] { return enabled[name]; },
                 [&, name](bool on) { enabled[name] = on; });
    };
    add(LockGroup::Tools, "DrawOuterBtn");
    add(LockGroup::Tools, "DrawInnerBtn");
    add(LockGroup::ParameterFields, "SpringWidthEF");
    add(LockGroup::Shell, "FileMenu");
    add(LockGroup::Apply, "ApplyBtn");

    lock.LockTools("DrawOuterBtn");
    EXPECT_TRUE(enabled["DrawOuterBtn"]); // the active tool stays usable
    EXPECT_FALSE(enabled["SpringWidthEF"]);
    EXPECT_FALSE(enabled["FileMenu"]);
    EXPECT_FALSE(enabled["ApplyBtn"]);
    lock.LockTools(); // a second lock must not save the disabled states
    lock.UnlockTools();
    EXPECT_TRUE(enabled["DrawOuterBtn"]);
    EXPECT_FALSE(enabled["DrawInnerBtn"]);
    EXPECT_TRUE(enabled["SpringWidthEF"]);
    EXPECT_TRUE(enabled["FileMenu"]);
    EXPECT_FALSE(enabled["ApplyBtn"]);

    // A key press in a field: only the Apply group locks, with ApplyBtn enabled.
    lock.lockGroup(LockGroup::Apply, "ApplyBtn");
    EXPECT_TRUE(enabled["ApplyBtn"]);
    EXPECT_FALSE(lock.isLocked(LockGroup::Tools));
}
