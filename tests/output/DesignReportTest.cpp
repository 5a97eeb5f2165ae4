#include "model/Workspace.h"
#include "output/DesignReport.h"
#include "physics/RefreshChain.h"
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
    RefreshPhysicsMode(ws, SimulateMode);
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
    EXPECT_EQ(time->text, "Time to 15 ft:" + ReportValue(ws.results.TimeEF) + " sec");
    EXPECT_EQ(lineStarting(lines, "Cored layers: ")->text, "Cored layers: 4.00");
    EXPECT_EQ(lineStarting(lines, "Total number of layers: ")->text, "Total number of layers: 6.00 layers");
    EXPECT_EQ(lineStarting(lines, "Bottles needed: ")->text, "Bottles needed: 0.75");
    EXPECT_EQ(lines.back().text.left(27), "Normal force, other wheel: ");
    EXPECT_EQ(lines.back().y, 5300);

    const ReportLine *advisory = &lines[27];
    EXPECT_EQ(advisory->column, ReportColumn::LeftPlusRight);
    EXPECT_EQ(advisory->text, ws.advisories.skidShown() ? "Skid advisory!" : "No advisories");
    ws.advisories.SkidAdvisoryLabel.visible = false;
    EXPECT_EQ(DesignReportLines(ws)[27].text, "No advisories");
    ws.advisories.SkidAdvisoryLabel.visible = true;
    EXPECT_EQ(DesignReportLines(ws)[27].text, "Skid advisory!");
}

TEST(DesignReport, UnfinishedRunAllWheelDriveAndMissingResults)
{
    Workspace ws;
    BuildBuiltInDesign(ws, 0);
    ws.results.TimeEF = QStringLiteral("[1.2]");
    ws.results.TopSpeedEF = QStringLiteral("7.91");
    ApplyDrive(ws.design, DriveKind::AllWD);
    const std::vector<ReportLine> lines = DesignReportLines(ws);
    EXPECT_EQ(lineStarting(lines, "Time to 15 ft:")->text, "Time to 15 ft:[1.2] sec");
    EXPECT_EQ(lineStarting(lines, "Speed at 15 ft:")->text, "Speed at 15 ft:7.91 sec");
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
