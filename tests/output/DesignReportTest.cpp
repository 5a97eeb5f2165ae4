// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Workspace.h"
#include "output/DesignReport.h"
#include "app/RefreshChain.h"
#include "sheet/EmptySheet.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace zindle;

namespace {

Workspace simulated(int slot)
{
    Workspace ws;
    BuildBuiltInDesign(ws, slot);
    ws.list.CurrentDesign = slot;
    ws.scale = HeadlessSheetScale();
    PrepareEntireCycle(ws);
    RefreshPhysicsMode(ws, SheetMode::Simulate);
    return ws;
}

const ReportLine *lineStarting(const std::vector<ReportLine> &lines, const QString &start)
{
    for (const ReportLine &line : lines)
        if (line.text.startsWith(start))
            return &line;
    return nullptr;
}

} // namespace

TEST(DesignReport, ValuesHaveTwoDecimalsUnlessBracketed)
{
    EXPECT_EQ(ReportValue("4"), "4.00");
    EXPECT_EQ(ReportValue("0.569999992847443"), "0.57");
    EXPECT_EQ(ReportValue("3.33999991416931"), "3.34");
    EXPECT_EQ(ReportValue("-0.0949"), "-0.09");
    EXPECT_EQ(ReportValue("[1.2]"), "[1.2]");
    EXPECT_EQ(ReportValue("[3.45"), "[3.45");
    EXPECT_EQ(ReportValue("0"), "0.00");
    EXPECT_EQ(ReportValue(""), "0.00"); // never computed
    EXPECT_EQ(ReportValue("n/a"), "n/a");
}

TEST(DesignReport, LinesOfASimulatedDesign)
{
    Workspace ws = simulated(1);
    const std::vector<ReportLine> lines = DesignReportLines(ws);
    ASSERT_EQ(lines.size(), 50u);
    EXPECT_EQ(lines[0].text, "ZINDLE Design Report for Racer");
    EXPECT_EQ(lines[0].fontSize, 16);
    EXPECT_EQ(lines[0].y, 50);
    EXPECT_EQ(lines[2].text, "Spring Width: " + ws.design.SpringWidth + " in");
    EXPECT_EQ(lines[9].text, "Other Axle Dia: 0.25 in");
    EXPECT_EQ(lines[10].text, "Materials and Assumptions: ");
    EXPECT_EQ(lines[10].fontSize, 14);
    EXPECT_EQ(lines[11].text, "Outer layers: Default Foamcore (t= 0.50 in, dens= 0.0023 lb/cu in)");
    EXPECT_EQ(lines[14].text, "Other wheels: Default Foamcore (t= 0.50 in, dens=0.0023 lb/cu in)");
    EXPECT_EQ(lines[15].text, "Drive axle: Default Oak (0.027 lbm/cu in)");
    EXPECT_EQ(lines[17].text, "Spring: Default plastic (t=0.0125 in)");
    EXPECT_EQ(lines[18].text, "Tread: Ideal Rubber (mu=1)");
    EXPECT_EQ(lines[19].text, "Maximum torque: 0.57 in-lb (width= 1.5 in)");
    EXPECT_EQ(lines[20].text, "Finite element size: 9 pixels");

    const ReportLine *time = lineStarting(lines, "Time to 15 ft:");
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->column, ReportColumn::Right);
    EXPECT_EQ(time->y, 2750);
    EXPECT_EQ(time->text, "Time to 15 ft: " + ReportValue(ws.results.TimeEF) + " sec");
    EXPECT_EQ(lineStarting(lines, "Cored layers: ")->text, "Cored layers: 4.00");
    EXPECT_EQ(lineStarting(lines, "Total number of layers: ")->text, "Total number of layers: 6.00 layers");
    EXPECT_EQ(lineStarting(lines, "Bottles needed: ")->text, "Bottles needed: 0.75");
    EXPECT_EQ(lines.back().text.left(27), "Normal force, other wheel: ");
    EXPECT_EQ(lines.back().y, 5300);

    // The Racer skids.
    const ReportLine *advisory = &lines[27];
    EXPECT_EQ(advisory->column, ReportColumn::LeftPlusRight);
    EXPECT_EQ(advisory->y, 3250);
    EXPECT_EQ(advisory->text, "Skid advisory!");
    ws.forces.SkidOccurred = false;
    EXPECT_EQ(DesignReportLines(ws)[27].text, "No advisories");
}

TEST(DesignReport, AReportAfterARaceStillNamesTheSkid)
{
    // The race re-runs the simulation, which hides the skid label until the next evaluation;
    // the report evaluates the advisories of the design as it stands.
    Workspace ws = simulated(1);
    ASSERT_TRUE(ws.advisories.skidShown());
    RefreshPhysicsMode(ws, SheetMode::Race);
    ASSERT_FALSE(ws.advisories.skidShown());
    const std::vector<ReportLine> lines = DesignReportLines(ws);
    EXPECT_EQ(lines[27].text, "Skid advisory!");
}

TEST(DesignReport, EveryAdvisoryHasItsLineAboveTheDetails)
{
    // A car clear of its case, with a front axle in open air, that weighs nothing.
    Workspace ws;
    BuildBuiltInDesign(ws, 0);
    ws.scale = HeadlessSheetScale();
    ws.design.OuterPts = {QPoint(400, 300), QPoint(700, 300), QPoint(700, 530), QPoint(400, 530)};
    ws.design.InnerPts = {QPoint(450, 350), QPoint(650, 350), QPoint(650, 520), QPoint(450, 520)};
    ws.design.Weights[0] = WeightSlot{500, 400, -2.0f, {}};
    ws.design.setFrontAxlePt(20.0f, ws.design.FrontAxleYPt);
    PrepareEntireCycle(ws);
    RefreshPhysicsMode(ws, SheetMode::Simulate);
    const QStringList shown = ws.advisories.shownTexts();
    ASSERT_GE(shown.size(), 3);
    const std::vector<ReportLine> lines = DesignReportLines(ws);
    for (int i = 0; i < shown.size(); ++i) {
        const ReportLine &line = lines[static_cast<size_t>(27 + i)];
        EXPECT_EQ(line.text, shown[i]);
        EXPECT_EQ(line.column, ReportColumn::LeftPlusRight);
        EXPECT_EQ(line.y, 3250 + 100 * i);
    }
    EXPECT_EQ(lines.size(), 49u + shown.size());
}

TEST(DesignReport, UnfinishedRunAllWheelDriveAndMissingResults)
{
    Workspace ws;
    BuildBuiltInDesign(ws, 0);
    ws.results.TimeEF = QStringLiteral("[1.2]");
    ws.results.TopSpeedEF = QStringLiteral("7.91");
    ApplyDrive(ws.design, DriveKind::AllWD);
    const std::vector<ReportLine> lines = DesignReportLines(ws);
    EXPECT_EQ(lineStarting(lines, "Time to 15 ft:")->text, "Time to 15 ft: [1.2] sec");
    EXPECT_EQ(lineStarting(lines, "Speed at 15 ft:")->text, "Speed at 15 ft: 7.91 ft/sec");
    EXPECT_EQ(lines[9].text, "Drive Axle Dia: " + ws.design.DriveAxleDia + " in");
    EXPECT_EQ(lineStarting(lines, "Board Mass: ")->text, "Board Mass: 0.00 lbm");
}

TEST(DesignReport, PrinterPositions)
{
    const float s600 = 600.0f / 72.0f;
    EXPECT_EQ(ReportLineY(100, s600), 100);  // 100 units are 12 points
    EXPECT_EQ(ReportLineY(5300, s600), 5300);
    EXPECT_EQ(ReportLineY(2750, 1.0f), 330);
    EXPECT_EQ(ReportColumnX(ReportColumn::Left, s600), 300);
    EXPECT_EQ(ReportColumnX(ReportColumn::Right, s600), 2250);
    EXPECT_EQ(ReportColumnX(ReportColumn::LeftPlusRight, s600), 2550);
}
