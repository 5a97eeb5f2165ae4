// SPDX-License-Identifier: GPL-3.0-or-later
// The charts and the projector page ask the translations for what they draw: a translator
// that brackets every text also notes which it was asked for, and in which context.

#include "charts/DesignMap.h"
#include "charts/EnergyChart.h"
#include "charts/RaceChart.h"
#include "charts/RunCharts.h"
#include "output/ProjectorPage.h"
#include "support/PseudoTranslation.h"

#include <QImage>
#include <QSet>
#include <gtest/gtest.h>

using namespace zindle;

TEST(ChartTranslation, ChartsAndProjectorAskForTheirTexts)
{
    test::RecordingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QImage image(640, 480, QImage::Format_ARGB32);
    {
        QPainter painter(&image);
        const QRectF area(0, 0, 640, 480);
        paintRaceChart(painter, area, {});
        RaceChartLane winner;
        winner.name = QStringLiteral("Red Comet");
        winner.distance = {0.0f, 8.0f, 16.0f};
        winner.skid = {0, 0, 0};
        winner.place = 1;
        winner.finishIndex = 2;
        paintRaceChart(painter, area, {winner});
        paintRunChart(painter, area, RunTrace{}, RunChartKind::Forces, {QStringLiteral("Racer"), -1, std::nullopt, true});
        paintEnergyChart(painter, area, EnergyTrace{});
        DesignMapGrid grid;
        grid.xTitle = QStringLiteral("Drive wheel dia (in)");
        grid.yTitle = QStringLiteral("Spring Length (in)");
        grid.xValues = {4.0f, 5.0f};
        grid.yValues = {3.0f};
        grid.cells = {{DesignMapCell::Finished, 1.5f}, {DesignMapCell::NotFinished, 0.0f}};
        paintDesignMap(painter, area, grid);
        ProjectorState state;
        state.now = {{1, QStringLiteral("Red Comet"), {}}};
        state.address = QStringLiteral("http://10.0.0.2:8080");
        state.joinCode = QStringLiteral("4711");
        paintProjectorPage(painter, image.rect(), state);
    }
    QCoreApplication::removeTranslator(&translator);
    for (const char *expected :
         {"RaceChart: No simulated design", "RaceChart: Selected design", "RaceChart: Winner %1 s", "RunCharts: No run",
          "RunCharts: %1 (calibrated)", "RunCharts: %1: %2", "RunCharts: Skidding", "EnergyChart: Car's motion",
          "EnergyChart: Stopping", "EnergyChart: At %1 s: the spring has delivered %2 ft.lb",
          "DesignMap: Spring Length (in)", "DesignMap: Drive wheel dia (in)", "DesignMap: no 15 ft",
          "ProjectorPage: Lane %1", "ProjectorPage: Standings", "ProjectorPage: Follow on your phone: %1",
          "ProjectorPage: Join code for the timekeeper: %1"})
        EXPECT_TRUE(translator.asked.contains(QString::fromUtf8(expected))) << expected;
}
