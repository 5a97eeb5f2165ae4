// SPDX-License-Identifier: GPL-3.0-or-later
// The sensitivity chart: a step that saves time is drawn right of the zero line in the helping
// colour, one that costs time left of it in the other.

#include "charts/SensitivityChart.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace zindle;

TEST(SensitivityChart, BarsLieOnTheSideAndInTheColourOfTheirSign)
{
    SensitivityResult result;
    SensitivityEntry saves, costs;
    saves.caption = QStringLiteral("Spring length");
    saves.delta = 1.0;
    saves.timeChange = -0.05;
    costs.caption = QStringLiteral("Friction");
    costs.delta = 0.01;
    costs.timeChange = 0.05;
    result.inputs = {saves, costs};
    result.ranked = RankByEffect(result.inputs);

    QImage image(800, 200, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintSensitivityChart(painter, QRectF(0, 0, 800, 200), result);
    }
    const auto count = [&](QColor colour, int fromX, int toX) {
        int found = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = fromX; x < toX; ++x)
                found += image.pixelColor(x, y) == colour ? 1 : 0;
        return found;
    };
    // The zero line sits in the middle of the bars' column, right of the captions.
    int zero = -1;
    for (int x = 0; x < image.width() && zero < 0; ++x)
        if (image.pixelColor(x, 45) == QColor(90, 90, 90))
            zero = x;
    ASSERT_GT(zero, 0);
    EXPECT_GT(count(sensitivityColour(true), zero + 1, 800), 100);
    EXPECT_GT(count(sensitivityColour(false), 0, zero), 100);
    // Below the bars the legend's swatches only: no helping bar on the left, no costing one on the right.
    EXPECT_LT(count(sensitivityColour(true), 0, zero), 200);
}
