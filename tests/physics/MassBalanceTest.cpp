// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/BuiltInDesigns.h"
#include "model/NumberText.h"
#include "app/Workspace.h"
#include "physics/BuildGeometry.h"
#include "physics/MassBalance.h"
#include "geometry/PartRegions.h"

#include <gtest/gtest.h>
#include <chrono>
#include <cmath>

using namespace zindle;

namespace {

// A design ready for the analysis: built-in, built, with the torque step's two fields.
Workspace analysed(int slot, DriveKind drive = DriveKind::RearWD,
                   ChamberShapeKind shape = ChamberShapeKind::Circular)
{
    Workspace ws;
    BuildBuiltInDesign(ws, slot);
    if (drive != ws.design.Drive)
        ApplyDrive(ws.design, drive);
    ws.design.Drive = drive;
    ws.design.ChamberShape = shape;
    ComputeBuildGeometry(ws);
    WriteSpringMass(ws.design, ws.catalogue, ws.results);
    ws.results.MaxRealTorqueEF = QStringLiteral("0.569999992847443");
    return ws;
}

PointLayerShapes shapesOf(Workspace &ws)
{
    const float rIn = floatOr(ws.results.CaseIDEF, 0) * 72.0f / 2.0f;
    return BuildPointLayerShapes(
        ws.design, partGeometry(ws.design, ws.catalogue, rIn, rIn + 36.0f, ws.build.DriveAxleHeightPt));
}

float field(const QString &text)
{
    const auto v = parseFloat(text);
    EXPECT_TRUE(v.has_value()) << text.toStdString();
    EXPECT_TRUE(v && std::isfinite(*v)) << text.toStdString();
    return v.value_or(0.0f);
}

void expectFiniteResults(const ResultFields &r)
{
    for (const QString *f : {&r.FoamMassEF, &r.AxleMassEF, &r.NormalForceWoundEF, &r.NormalForceAtRestEF,
                             &r.NormalForceFrontEF, &r.ProjectedMassEF, &r.TractionLeftEF,
                             &r.TrueCentroidEF, &r.YCentroidEF, &r.TractionRightEF})
        field(*f);
}

} // namespace

TEST(MassBalance, GridWalkSize)
{
    EXPECT_EQ(elementColumns(9), 81);
    EXPECT_EQ(elementRows(9), 61);
    EXPECT_EQ(elementColumns(2), 361);
    EXPECT_EQ(elementRows(2), 271);
}

TEST(MassBalance, RasterisedClassificationEqualsPointInRegion)
{
    for (int slot = 0; slot < BuiltInDesignCount; ++slot) {
        for (DriveKind drive : {DriveKind::RearWD, DriveKind::AllWD}) {
            for (ChamberShapeKind shape : {ChamberShapeKind::Circular, ChamberShapeKind::Octagonal}) {
                Workspace ws = analysed(slot, drive, shape);
                const PointLayerShapes shapes = shapesOf(ws);
                for (int g : {9, 2}) {
                    const ElementGrid fast = ClassifyElements(shapes, g, ElementTest::Rasterised);
                    const ElementGrid slow = ClassifyElements(shapes, g, ElementTest::PointInRegion);
                    EXPECT_EQ(fast.outer, slow.outer) << "slot " << slot << " g " << g;
                    EXPECT_EQ(fast.inner, slow.inner) << "slot " << slot << " g " << g;
                    EXPECT_GT(std::count(fast.outer.begin(), fast.outer.end(), 1), 0);
                }
            }
        }
    }
}

TEST(MassBalance, BothMethodsGiveTheSameTexts)
{
    Workspace a = analysed(0), b = analysed(0);
    a.design.StepSize = b.design.StepSize = QStringLiteral("2");
    ASSERT_TRUE(RunMassBalance(a, SheetMode::Analyze, {ElementTest::Rasterised}));
    ASSERT_TRUE(RunMassBalance(b, SheetMode::Analyze, {ElementTest::PointInRegion}));
    EXPECT_EQ(a.results.ProjectedMassEF, b.results.ProjectedMassEF);
    EXPECT_EQ(a.results.TrueCentroidEF, b.results.TrueCentroidEF);
    EXPECT_EQ(a.results.YCentroidEF, b.results.YCentroidEF);
}

TEST(MassBalance, DefaultDesignBalances)
{
    Workspace ws = analysed(0);
    // A gentle spring, so that the front wheels stay down when it is wound.
    ws.results.MaxRealTorqueEF = QStringLiteral("0.1");
    ASSERT_TRUE(RunMassBalance(ws, SheetMode::Analyze));
    const ResultFields &r = ws.results;
    expectFiniteResults(r);
    const float M = field(r.ProjectedMassEF);
    EXPECT_GT(M, 0.0f);
    // The whole car is board, axles and the spring (no weights).
    EXPECT_NEAR(M, field(r.FoamMassEF) + field(r.AxleMassEF) + field(r.SpringMassEF), 1e-5);
    // At rest both wheel pairs carry the car.
    EXPECT_NEAR(ws.mass.StaticDriveForce + ws.mass.StaticOtherForce, M, 1e-5);
    // Rear drive: winding moves load to the drive wheels.
    EXPECT_GT(field(r.NormalForceWoundEF), field(r.NormalForceAtRestEF));
    EXPECT_NEAR(field(r.NormalForceWoundEF) + field(r.NormalForceFrontEF), M, 1e-5);
    // Built-in tread friction 1: traction equals the normal forces.
    EXPECT_EQ(r.TractionLeftEF, r.NormalForceWoundEF);
    EXPECT_EQ(r.TractionRightEF, r.NormalForceFrontEF);
    // The centroid lies between the axles, above the contact line.
    EXPECT_GT(ws.mass.CentroidX, ws.mass.DriveAxleX);
    EXPECT_LT(ws.mass.CentroidX, ws.mass.OtherAxleX);
    EXPECT_GT(ws.mass.CentroidHeight, 0.0f);
    EXPECT_FLOAT_EQ(ws.mass.Wheelbase, ws.mass.OtherAxleX - ws.mass.DriveAxleX);
    EXPECT_FLOAT_EQ(ws.mass.OtherAxleX, 10.0f - 115.0f / 72.0f);
}

TEST(MassBalance, NoOutlineLeavesTheFieldsAlone)
{
    Workspace ws = analysed(0);
    ws.design.OuterPts.resize(1);
    ws.results.ProjectedMassEF = QStringLiteral("earlier");
    EXPECT_FALSE(RunMassBalance(ws, SheetMode::Analyze));
    EXPECT_EQ(ws.results.ProjectedMassEF, "earlier");
    EXPECT_FALSE(ws.mass.computed);
}

TEST(MassBalance, ElementSizeOneOrLessBecomesNine)
{
    for (const char *text : {"1", "0", "-4", "x"}) {
        Workspace ws = analysed(0);
        ws.design.StepSize = QString::fromLatin1(text);
        ASSERT_TRUE(RunMassBalance(ws, SheetMode::Analyze));
        EXPECT_EQ(ws.design.StepSize, "9");
        EXPECT_EQ(ws.mass.ElementSize, 9);
    }
}

TEST(MassBalance, OversizedElementIsTheSheetWidth)
{
    Workspace ws = analysed(0);
    ws.design.StepSize = QStringLiteral("2000000000");
    ASSERT_TRUE(RunMassBalance(ws, SheetMode::Analyze));
    EXPECT_EQ(ws.mass.ElementSize, 720);
    expectFiniteResults(ws.results);
}

TEST(MassBalance, CaseDoesNotCountBelowTheSheet)
{
    Workspace ws = analysed(0);
    // A body drawn clear of the bottom edge: row 0 (half an element below the edge) holds
    // only case material, which never counts there.
    ws.design.OuterPts = {QPoint(100, 300), QPoint(600, 300), QPoint(600, 500), QPoint(100, 500)};
    ws.design.InnerPts.clear();
    const PointLayerShapes shapes = shapesOf(ws);
    ASSERT_TRUE(shapes.driveCase.contains(QPoint(ws.mass.DriveAxleX * 72, 544)) ||
                shapes.driveCase.boundingRect().bottom() > 540);
    const ElementGrid grid = ClassifyElements(shapes, 9);
    for (int j = 0; j < grid.columns; ++j) {
        EXPECT_EQ(grid.outer[static_cast<size_t>(j) * grid.rows], 0) << j;
        EXPECT_EQ(grid.inner[static_cast<size_t>(j) * grid.rows], 0) << j;
    }
    // The same row counts through an outline that reaches below the edge.
    ws.design.OuterPts = {QPoint(100, 300), QPoint(600, 300), QPoint(600, 560), QPoint(100, 560)};
    const ElementGrid low = ClassifyElements(shapesOf(ws), 9);
    EXPECT_EQ(low.outer[static_cast<size_t>(40) * low.rows], 1);
}

TEST(MassBalance, ChamberIsCutFromInnerLayersOnly)
{
    Workspace ws = analysed(0);
    const PointLayerShapes shapes = shapesOf(ws);
    const ElementGrid grid = ClassifyElements(shapes, 9);
    int cut = 0;
    for (int j = 0; j < grid.columns; ++j)
        for (int k = 0; k < grid.rows; ++k) {
            const size_t i = static_cast<size_t>(j) * grid.rows + k;
            if (shapes.driveChamber.contains(QPoint(grid.sampleX(j), grid.sampleY(k)))) {
                EXPECT_EQ(grid.inner[i], 0);
                cut += grid.outer[i];
            }
        }
    EXPECT_GT(cut, 0); // full layers cover the chamber
}

TEST(MassBalance, WeightsMoveTheCentroid)
{
    Workspace ws = analysed(0);
    ASSERT_TRUE(RunMassBalance(ws, SheetMode::Analyze));
    const float M = ws.mass.TotalMass, cx = ws.mass.CentroidX, cy = ws.mass.CentroidY;

    Workspace empty = analysed(0);
    empty.design.Weights[3] = {360, 100, 0.0f, {}}; // a free slot changes nothing
    ASSERT_TRUE(RunMassBalance(empty, SheetMode::Analyze));
    EXPECT_EQ(empty.results.TrueCentroidEF, ws.results.TrueCentroidEF);
    EXPECT_EQ(empty.results.ProjectedMassEF, ws.results.ProjectedMassEF);

    Workspace heavy = analysed(0);
    heavy.design.Weights[0] = {576, 144, 0.5f, {}};
    ASSERT_TRUE(RunMassBalance(heavy, SheetMode::Analyze));
    EXPECT_NEAR(heavy.mass.TotalMass, M + 0.5f, 1e-5);
    EXPECT_NEAR(heavy.mass.CentroidX, (cx * M + 8.0f * 0.5f) / (M + 0.5f), 1e-4);
    EXPECT_NEAR(heavy.mass.CentroidY, (cy * M + 2.0f * 0.5f) / (M + 0.5f), 1e-4);
    EXPECT_GT(heavy.mass.StaticOtherForce, ws.mass.StaticOtherForce);
}

TEST(MassBalance, FrontLiftsUnderAStrongSpring)
{
    Workspace ws = analysed(0);
    ws.results.MaxRealTorqueEF = QStringLiteral("1000");
    ASSERT_TRUE(RunMassBalance(ws, SheetMode::Simulate));
    EXPECT_LT(field(ws.results.NormalForceFrontEF), 0.0f);
    EXPECT_EQ(ws.results.TractionRightEF, "0");
    EXPECT_EQ(ws.results.NormalForceWoundEF, ws.results.ProjectedMassEF);
}

TEST(MassBalance, FrontDriveLoadsTheFront)
{
    Workspace rear = analysed(0);
    Workspace front = analysed(0, DriveKind::FrontWD);
    ASSERT_TRUE(RunMassBalance(rear, SheetMode::Analyze));
    ASSERT_TRUE(RunMassBalance(front, SheetMode::Analyze));
    EXPECT_GT(front.mass.WoundOtherForce, front.mass.StaticOtherForce);
    EXPECT_LT(rear.mass.WoundOtherForce, rear.mass.StaticOtherForce);
}

TEST(MassBalance, AllWheelDriveWeighsASecondDriveAssembly)
{
    Workspace ws = analysed(0, DriveKind::AllWD);
    ASSERT_TRUE(RunMassBalance(ws, SheetMode::Analyze));
    const float caseOuter = field(ws.results.CaseOuterDEF);
    EXPECT_FLOAT_EQ(ws.mass.OtherAxleX, 10.0f - caseOuter / 2.0f);
    EXPECT_FLOAT_EQ(ws.mass.OtherAxleY, ws.mass.DriveAxleY);
    const float M = field(ws.results.ProjectedMassEF);
    EXPECT_NEAR(M, field(ws.results.FoamMassEF) + field(ws.results.AxleMassEF) +
                       2.0f * field(ws.results.SpringMassEF), 1e-5);
    expectFiniteResults(ws.results);
}

TEST(MassBalance, MasslessCarStaysFinite)
{
    Workspace ws = analysed(0);
    ws.catalogue.boards[0].BoardDensity = QStringLiteral("0");
    ws.catalogue.axles[0].AxleDensity = QStringLiteral("0");
    ws.results.SpringMassEF = QStringLiteral("0");
    ASSERT_TRUE(RunMassBalance(ws, SheetMode::Analyze));
    expectFiniteResults(ws.results);
    EXPECT_EQ(ws.results.ProjectedMassEF, "0");
    // No mass: the centroid is put on the drive axle and no wheel carries anything.
    EXPECT_FLOAT_EQ(ws.mass.CentroidX, ws.mass.DriveAxleX);
    EXPECT_EQ(ws.results.NormalForceAtRestEF, "0");
    EXPECT_EQ(ws.results.NormalForceWoundEF, "0");
}

TEST(MassBalance, NegativeWeightCancellingTheCarStaysFinite)
{
    Workspace ws = analysed(0);
    ASSERT_TRUE(RunMassBalance(ws, SheetMode::Analyze));
    Workspace cancel = analysed(0);
    cancel.design.Weights[0] = {300, 300, -ws.mass.TotalMass, {}};
    ASSERT_TRUE(RunMassBalance(cancel, SheetMode::Analyze));
    expectFiniteResults(cancel.results);
}

TEST(MassBalance, ZeroWheelbaseStaysFinite)
{
    Workspace ws = analysed(0);
    // Front axle placed right over the drive axle.
    ws.results.CaseOuterDEF = QStringLiteral("10");
    ws.design.FrontAxleXIn = 5.0f;
    ASSERT_TRUE(RunMassBalance(ws, SheetMode::Analyze));
    EXPECT_EQ(ws.mass.Wheelbase, 0.0f);
    expectFiniteResults(ws.results);
    // The drive wheels carry the whole car.
    EXPECT_EQ(ws.results.NormalForceAtRestEF, ws.results.ProjectedMassEF);
    EXPECT_EQ(ws.results.NormalForceWoundEF, ws.results.ProjectedMassEF);
    EXPECT_EQ(ws.results.NormalForceFrontEF, "0");
}

TEST(MassBalance, ZeroDriveWheelStaysFinite)
{
    Workspace ws = analysed(0);
    ws.design.DriveWhlDia = QStringLiteral("0");
    ASSERT_TRUE(RunMassBalance(ws, SheetMode::Analyze));
    expectFiniteResults(ws.results);
}

TEST(MassBalance, RecordsTheGrownElements)
{
    Workspace ws = analysed(0);
    std::vector<GridElement> elements;
    MassBalanceOptions options;
    options.recordElements = true;
    ASSERT_TRUE(RunMassBalance(ws, SheetMode::Analyze, options, &elements));
    ASSERT_FALSE(elements.empty());
    // Column by column from the left, rows from the bottom up.
    EXPECT_LE(elements.front().sample.x(), elements.back().sample.x());
    for (size_t i = 1; i < elements.size(); ++i) {
        if (elements[i].sample.x() == elements[i - 1].sample.x()) {
            EXPECT_LT(elements[i].sample.y(), elements[i - 1].sample.y());
        }
    }
}

TEST(MassBalance, FinestGridIsFast)
{
#if !defined(NDEBUG)
    GTEST_SKIP() << "timings mean something only in an optimised build";
#endif
    Workspace ws = analysed(0);
    ws.design.StepSize = QStringLiteral("2");
    using Clock = std::chrono::steady_clock;
    double best = 1e9;
    for (int i = 0; i < 5; ++i) {
        const auto t0 = Clock::now();
        ComputeBuildGeometry(ws);
        ASSERT_TRUE(RunMassBalance(ws, SheetMode::Analyze));
        best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - t0).count());
    }
    RecordProperty("BestMs", std::to_string(best));
    std::printf("build + mass balance at element size 2: %.2f ms\n", best);
    EXPECT_LT(best, 10.0);
}
