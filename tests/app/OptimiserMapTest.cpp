// SPDX-License-Identifier: GPL-3.0-or-later
// The optimiser's map of where it looked: the cells of the designs tried and the ways of the
// local searches.

#include "app/OptimiserMap.h"

#include <gtest/gtest.h>

using namespace zindle;

TEST(OptimiserMap, CellsKeepTheFastestCarAndASearchGoesOnlyThroughBetterDesigns)
{
    const std::vector<OptimiserParameter> parameters = {
        {QStringLiteral("spring-length"), QStringLiteral("springLength"), OptimiserParameterKind::Number, 10.0, 50.0},
        {QStringLiteral("drive-wheel"), QStringLiteral("driveWheelDiameter"), OptimiserParameterKind::Number, 2.0, 6.0}};
    OptimiserResult result;
    result.tried = {
        {{30.0, 4.0}, 1.6, 1.6, true, -1},          // the student's design
        {{12.0, 5.9}, std::nullopt, 9.0, true, -1}, // short of 15 ft
        {{31.0, 4.1}, 1.5, 1.5, true, 0},
        {{35.0, 4.5}, 1.7, 1.7, true, 0},           // a step the search rejected
        {{29.0, 3.9}, 1.4, 1.4, true, 0},
        {{48.0, 2.5}, 2.5, 2.5, true, 1},
        {{60.0, 1.0}, 2.4, 2.4, true, 1},           // an enlarged wheel, past the range
    };
    OptimiserDesign best;
    best.values = {29.0, 3.9};
    result.best = {best};
    const OptimiserMap map = MakeOptimiserMap(result, parameters, 0, 1, 4);

    ASSERT_EQ(map.grid.cells.size(), 16u);
    EXPECT_EQ(map.grid.xValues, std::vector<float>({15.0f, 25.0f, 35.0f, 45.0f}));
    // The middle cells hold three designs: the fastest of them shows.
    EXPECT_EQ(map.grid.cells[2 * 4 + 2].kind, DesignMapCell::Finished);
    EXPECT_FLOAT_EQ(map.grid.cells[2 * 4 + 2].time, 1.5f);
    EXPECT_FLOAT_EQ(map.grid.cells[1 * 4 + 1].time, 1.4f);
    EXPECT_EQ(map.grid.cells[3 * 4 + 0].kind, DesignMapCell::NotFinished);
    EXPECT_EQ(map.grid.cells[0 * 4 + 3].kind, DesignMapCell::Finished);
    EXPECT_EQ(map.grid.cells[1 * 4 + 3].kind, DesignMapCell::NotRun);
    EXPECT_EQ(map.grid.best, 1 * 4 + 1);

    EXPECT_EQ(map.start, QPointF(30.0, 4.0));
    EXPECT_EQ(map.samples, std::vector<QPointF>({{30.0, 4.0}, {12.0, 5.9}}));
    ASSERT_EQ(map.paths.size(), 2u);
    EXPECT_EQ(map.paths[0], std::vector<QPointF>({{31.0, 4.1}, {29.0, 3.9}}));
    EXPECT_EQ(map.paths[1], std::vector<QPointF>({{48.0, 2.5}, {60.0, 1.0}}));
    // A point past the range is drawn at the plot's edge.
    const QRectF area(0, 0, 800, 500);
    EXPECT_EQ(OptimiserMapPoint(area, map, {60.0, 1.0}), designMapPlot(area, map.grid).bottomRight());
}
