// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/ShapeNesting.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {

// A 6 in square with a round 4 in cut-out, and a 1.5 in wheel.
CutShape frame()
{
    CutShape shape;
    shape.contours = {QPolygonF({{0, 0}, {6, 0}, {6, 6}, {0, 6}})};
    shape.circles = {{QPointF(3, 3), 2.0}};
    return shape;
}

} // namespace

TEST(ShapeNesting, ASmallPartGoesIntoACutOutWhenTheBoardHasNoOtherRoomAndTheSameInputGivesTheSameLayout)
{
    NestingSheet sheet;
    sheet.widthIn = 6.6;
    sheet.heightIn = 6.6;
    const std::vector<CutShape> shapes = {WheelShape(1.5, 0.25), frame()};
    const ShapeNesting nested = NestShapes(shapes, sheet);
    ASSERT_EQ(nested.unplaced, -1);
    EXPECT_EQ(nested.boards, 1);
    const CutShape placedFrame = shapes[1].mapped(nested.placements[1].toBoard);
    const CutShape placedWheel = shapes[0].mapped(nested.placements[0].toBoard);
    const CutCircle &hole = placedFrame.circles[0], &rim = placedWheel.circles[0];
    // Inside the cut-out, with the whole gap to its edge.
    EXPECT_LE(std::hypot(rim.centre.x() - hole.centre.x(), rim.centre.y() - hole.centre.y()) + rim.radius,
              hole.radius - sheet.gapIn);
    EXPECT_GE(placedFrame.bounds().left(), sheet.marginIn - 1e-9);

    const ShapeNesting again = NestShapes(shapes, sheet);
    EXPECT_EQ(again.placements[0].toBoard, nested.placements[0].toBoard);
    EXPECT_EQ(again.placements[1].toBoard, nested.placements[1].toBoard);

    // Without the cut-out the two need two boards; a part larger than the board is named.
    CutShape solid = frame();
    solid.circles.clear();
    EXPECT_EQ(NestShapes({WheelShape(1.5, 0.25), solid}, sheet).boards, 2);
    EXPECT_EQ(NestShapes({WheelShape(1.5, 0.25), WheelShape(7.0, 0.25)}, sheet).unplaced, 1);
}
