// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometry/KerfCompensation.h"

#include <gtest/gtest.h>

using namespace zindle;

TEST(KerfCompensation, OutlinesGrowHolesShrinkByHalfTheKerfAndCirclesStayCircles)
{
    // A 2.000 in square board part with a 1.000 in square hole and a 0.25 in round axle hole.
    CutShape part;
    part.contours = {QPolygonF({{0, 0}, {2, 0}, {2, 2}, {0, 2}}), QPolygonF({{0.5, 0.5}, {1.5, 0.5}, {1.5, 1.5}, {0.5, 1.5}})};
    part.circles = {{QPointF(1.75, 1.75), 0.125}};
    const CutShape cut = KerfCompensated(part, 0.008);
    ASSERT_EQ(cut.contours.size(), 2u);
    const QRectF outer = cut.contours[0].boundingRect();
    EXPECT_NEAR(outer.width(), 2.008, 1e-6);
    EXPECT_NEAR(outer.left(), -0.004, 1e-6);
    EXPECT_EQ(cut.contours[0].size(), 4); // mitred: the corners stay corners
    EXPECT_NEAR(cut.contours[1].boundingRect().width(), 0.992, 1e-6);
    ASSERT_EQ(cut.circles.size(), 1u);
    EXPECT_NEAR(cut.circles[0].radius, 0.121, 1e-9);

    // A wheel: the rim grows, its axle hole inside it shrinks; a hole narrower than the kerf
    // is opened by the cut itself.
    CutShape wheel = WheelShape(4.80, 0.25);
    wheel.circles.push_back({wheel.circles[0].centre + QPointF(1.0, 0.0), 0.003});
    const CutShape cutWheel = KerfCompensated(wheel, 0.008);
    ASSERT_EQ(cutWheel.circles.size(), 2u);
    EXPECT_NEAR(2 * cutWheel.circles[0].radius, 4.808, 1e-9);
    EXPECT_NEAR(2 * cutWheel.circles[1].radius, 0.242, 1e-9);

    EXPECT_EQ(KerfCompensated(part, 0.0).contours[0], part.contours[0]);
}
