// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Workspace.h"
#include "physics/Advisories.h"
#include "physics/BuildGeometry.h"
#include "geometry/PartRegions.h"
#include "physics/SheetPreparation.h"

#include <gtest/gtest.h>
#include <limits>

using namespace zindle;

namespace {

std::vector<QPoint> rect(int l, int t, int r, int b)
{
    return {QPoint(l, t), QPoint(r, t), QPoint(r, b), QPoint(l, b)};
}

// Refresh of mode `mode` for a design with the given outlines (empty: keep the built-in's).
QStringList advisories(DriveKind drive, std::vector<QPoint> outer, std::vector<QPoint> inner,
                       SheetMode mode = SheetMode::Design, bool skidded = false, Workspace *out = nullptr)
{
    Workspace ws;
    BuildBuiltInDesign(ws, 0);
    ApplyDrive(ws.design, drive);
    ws.design.Drive = drive;
    if (!outer.empty()) {
        ws.design.OuterPts = outer;
        ws.design.InnerPts = inner;
    }
    ws.scale = HeadlessSheetScale();
    RescaleDesign(ws);
    ComputeBuildGeometry(ws);
    RebuildPartRegions(ws);
    EvaluateAdvisories(ws, mode, skidded);
    if (out)
        *out = ws;
    return ws.advisories.shownTexts();
}

} // namespace

TEST(Advisories, WellJoinedBodyHasNone)
{
    Workspace ws;
    EXPECT_TRUE(advisories(DriveKind::RearWD, {}, {}, SheetMode::Design, false, &ws).isEmpty());
    EXPECT_FALSE(ws.advisories.windowVisible);
    EXPECT_FALSE(ws.overlaps.OuterMissesDriveCase);
    EXPECT_FALSE(ws.overlaps.InnerMissesDriveCase);
    EXPECT_FALSE(ws.overlaps.LayersApart);
    EXPECT_FALSE(ws.overlaps.OuterMissesFrontAxle);
}

TEST(Advisories, BodyClearOfTheCase)
{
    Workspace ws;
    const QStringList shown = advisories(DriveKind::RearWD, rect(400, 300, 700, 530),
                                         rect(450, 350, 650, 520), SheetMode::Design, false, &ws);
    EXPECT_EQ(shown, (QStringList{"Spring case is not connected.", "Some parts are floating."}));
    EXPECT_TRUE(ws.advisories.windowVisible);
}

TEST(Advisories, InnerLayerApartFromTheOuter)
{
    // Only the outer layer (the built-in triangle) reaches the case.
    Workspace ws;
    BuildBuiltInDesign(ws, 0);
    const QStringList shown =
        advisories(DriveKind::RearWD, ws.design.OuterPts, rect(600, 100, 700, 200));
    EXPECT_EQ(shown, QStringList{"Some parts are floating."});
}

TEST(Advisories, FrontAxleInOpenAir)
{
    // The body covers the case but not the front axle at (605, 513).
    EXPECT_EQ(advisories(DriveKind::RearWD, rect(0, 300, 400, 540), {}),
              QStringList{"Front axle not connected."});
    // All-wheel drive makes no front axle check.
    EXPECT_FALSE(advisories(DriveKind::AllWD, rect(0, 300, 400, 540), {})
                     .contains("Front axle not connected."));
}

TEST(Advisories, AllWheelDriveCasesJoinedOnlyAtTheRear)
{
    // Both layers overlap each other and the rear case; the front case (from x 374) is alone.
    Workspace ws;
    const QStringList shown = advisories(DriveKind::AllWD, rect(100, 300, 360, 500),
                                         rect(150, 350, 365, 480), SheetMode::Design, false, &ws);
    ASSERT_TRUE(ws.overlaps.CasesApart);
    EXPECT_TRUE(shown.contains("Spring case not connected."));
    EXPECT_FALSE(shown.contains("Some parts are floating."));
    EXPECT_FALSE(shown.contains("Spring cases interfere."));
}

TEST(Advisories, AllWheelDriveBodyAcrossBothCases)
{
    EXPECT_TRUE(advisories(DriveKind::AllWD, rect(0, 200, 720, 540), rect(0, 220, 720, 540)).isEmpty());
}

TEST(Advisories, ChambersInterfere)
{
    Workspace ws;
    BuildBuiltInDesign(ws, 0);
    ApplyDrive(ws.design, DriveKind::AllWD);
    ws.design.Drive = DriveKind::AllWD;
    ws.design.SpringLength = QStringLiteral("60"); // chamber 4.9 in across: the two cut into each other
    ws.design.OuterPts = rect(0, 200, 720, 540);
    ws.design.InnerPts = ws.design.OuterPts;
    ws.scale = HeadlessSheetScale();
    ComputeBuildGeometry(ws);
    RebuildPartRegions(ws);
    EvaluateAdvisories(ws, SheetMode::Design, false);
    EXPECT_FALSE(ws.overlaps.ChambersApart);
    EXPECT_EQ(ws.advisories.shownTexts(), QStringList{"Spring cases interfere."});
}

TEST(Advisories, PaperEdge)
{
    const OverlapFacts joined{false, true, false, true, false, false, true, false, false, true};
    AdvisoryState state;
    EvaluateAdvisories(state, joined, DriveKind::RearWD, QStringLiteral("7.5"), SheetMode::Design, false);
    EXPECT_TRUE(state.shownTexts().isEmpty());
    EvaluateAdvisories(state, joined, DriveKind::RearWD, QStringLiteral("7.51"), SheetMode::Design, false);
    EXPECT_EQ(state.shownTexts(), QStringList{"Car overlaps paper edge."});
    EXPECT_TRUE(state.windowVisible);
    // The next clean evaluation hides the window; the label keeps its caption.
    EvaluateAdvisories(state, joined, DriveKind::RearWD, QStringLiteral("4.8"), SheetMode::Design, false);
    EXPECT_FALSE(state.windowVisible);
    EXPECT_FALSE(state.CarTooBigLabel.visible);
    EXPECT_EQ(state.CarTooBigLabel.caption, "Car overlaps paper edge.");
}

TEST(Advisories, SkidOnlyFromSimulateOn)
{
    const OverlapFacts joined{false, true, false, true, false, false, true, false, false, true};
    for (SheetMode mode : {SheetMode::Design, SheetMode::Build, SheetMode::Analyze}) {
        AdvisoryState state;
        EvaluateAdvisories(state, joined, DriveKind::RearWD, QStringLiteral("4.8"), mode, true);
        EXPECT_FALSE(state.skidShown()) << ModeNumber(mode);
        EXPECT_FALSE(state.windowVisible);
    }
    AdvisoryState state;
    EvaluateAdvisories(state, joined, DriveKind::RearWD, QStringLiteral("4.8"), SheetMode::Simulate, true);
    EXPECT_EQ(state.shownTexts(), QStringList{"Skid advisory."});
    EvaluateAdvisories(state, joined, DriveKind::RearWD, QStringLiteral("4.8"), SheetMode::Simulate, false);
    EXPECT_FALSE(state.skidShown());
}

TEST(Advisories, AllWheelDriveGraph)
{
    // Outer joins both cases, inner joins neither and misses the outer: inner floats, but the
    // cases are joined through the outer layer.
    OverlapFacts f;
    f.OuterMissesDriveCase = false;
    f.OuterMissesFrontCase = false;
    f.InnerMissesDriveCase = true;
    f.InnerMissesFrontCase = true;
    f.LayersApart = true;
    f.CasesApart = true;
    f.ChambersApart = true;
    AdvisoryState state;
    EvaluateAdvisories(state, f, DriveKind::AllWD, QStringLiteral("4.8"), SheetMode::Design, false);
    EXPECT_EQ(state.shownTexts(), QStringList{"Some parts are floating."});
    // Outer on the rear case, inner on the front case, layers touching: all joined.
    f = OverlapFacts{};
    f.OuterMissesDriveCase = false;
    f.InnerMissesFrontCase = false;
    f.LayersApart = false;
    f.CasesApart = true;
    EvaluateAdvisories(state, f, DriveKind::AllWD, QStringLiteral("4.8"), SheetMode::Design, false);
    EXPECT_TRUE(state.shownTexts().isEmpty());
    // The same with the layers apart: the cases are no longer joined.
    f.LayersApart = true;
    EvaluateAdvisories(state, f, DriveKind::AllWD, QStringLiteral("4.8"), SheetMode::Design, false);
    EXPECT_EQ(state.shownTexts(), QStringList{"Spring case not connected."});
}

TEST(Advisories, NoOutlineSaysSoInsteadOfReportingUnconnectedParts)
{
    Workspace ws;
    BuildBuiltInDesign(ws, 0);
    ws.design.OuterPts.clear();
    ws.design.InnerPts.clear();
    ws.scale = HeadlessSheetScale();
    ComputeBuildGeometry(ws);
    RebuildPartRegions(ws);
    EXPECT_FALSE(ws.overlaps.outerFactsMade);
    for (SheetMode mode : {SheetMode::Design, SheetMode::Build, SheetMode::Analyze, SheetMode::Simulate}) {
        EvaluateAdvisories(ws, mode, true); // even a skid flag left from another car
        EXPECT_EQ(ws.advisories.shownTexts(), QStringList{"No car body drawn."}) << ModeNumber(mode);
        EXPECT_TRUE(ws.advisories.windowVisible);
    }
}

TEST(Advisories, DesignsThatCannotRunAreNamedFromTheDesignModeOn)
{
    {
        // A short spring on a thick arbor delivers no revolutions.
        Workspace ws;
        BuildBuiltInDesign(ws, 0);
        ws.design.SpringLength = QStringLiteral("3");
        ws.design.DriveAxleDia = QStringLiteral("2");
        ComputeBuildGeometry(ws);
        RebuildPartRegions(ws);
        EvaluateAdvisories(ws, SheetMode::Design, false);
        EXPECT_EQ(ws.advisories.shownTexts(), QStringList{"Spring gives no revolutions."});
    }
    {
        // Texts from a file that are not numbers; the spring check is not made on them.
        Workspace ws;
        BuildBuiltInDesign(ws, 0);
        ws.design.SpringLength = QStringLiteral("long");
        ws.design.Friction = QStringLiteral("");
        ComputeBuildGeometry(ws);
        RebuildPartRegions(ws);
        EvaluateAdvisories(ws, SheetMode::Design, false);
        EXPECT_EQ(ws.advisories.shownTexts(), QStringList{"Not numbers: Spring length, Friction force."});
        EXPECT_EQ(notNumbersText({"Case ratio"}), "Not a number: Case ratio.");
    }
    {
        // The front axle put 0.05 in ahead of the drive axle.
        Workspace ws;
        BuildBuiltInDesign(ws, 0);
        ComputeBuildGeometry(ws);
        const float driveX = ws.build.CaseOuterDia / 2.0f;
        ws.design.setFrontAxlePt((10.0f - driveX - 0.05f) * 72.0f, ws.design.FrontAxleYPt);
        RebuildPartRegions(ws);
        EvaluateAdvisories(ws, SheetMode::Design, false);
        EXPECT_TRUE(ws.advisories.shownTexts().contains("Axles less than 0.1 in apart."));
        // 0.2 in behind it is far enough: a file may hold that, and it runs as it is.
        ws.design.setFrontAxlePt((10.0f - driveX + 0.2f) * 72.0f, ws.design.FrontAxleYPt);
        EvaluateAdvisories(ws, SheetMode::Design, false);
        EXPECT_FALSE(ws.advisories.shownTexts().contains("Axles less than 0.1 in apart."));
    }
}

TEST(Advisories, TheMassCheckIsShownOnlyWhereTheCarWasWeighed)
{
    AdvisoryState state;
    RunChecks checks;
    CheckMass(checks, 0.0099f);
    EvaluateAdvisories(state, OverlapFacts{}, DriveKind::RearWD, QStringLiteral("4.8"), SheetMode::Simulate, true, checks);
    // The skid of a car that cannot run is not believed.
    EXPECT_TRUE(state.shownTexts().contains("Car weighs less than 0.01 lb."));
    EXPECT_FALSE(state.shownTexts().contains("Skid advisory."));
    CheckMass(checks, 0.01f);
    EXPECT_FALSE(checks.tooLight);
    CheckMass(checks, std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE(checks.tooLight);
}
