// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/NumberText.h"
#include "app/Workspace.h"
#include "physics/BuildGeometry.h"

#include <gtest/gtest.h>
#include <cmath>

using namespace zindle;

namespace {

Workspace defaultDesign()
{
    Workspace ws;
    BuildBuiltInDesign(ws, 0);
    return ws;
}

// Every field the build step writes parses back as a finite number.
void expectParsableResults(const ResultFields &r)
{
    for (const QString *field : {&r.LayersCoredEF, &r.LayersFullEF, &r.LayersWideEF, &r.CaseWidthEF,
                                 &r.CarWidthEF, &r.CaseIDEF, &r.CaseOuterDEF, &r.BottlesNeededEF}) {
        const auto v = parseFloat(*field);
        ASSERT_TRUE(v.has_value()) << field->toStdString();
        EXPECT_TRUE(std::isfinite(*v)) << field->toStdString();
    }
}

} // namespace

TEST(BuildGeometry, DefaultDesignTexts)
{
    Workspace ws = defaultDesign();
    ComputeBuildGeometry(ws);
    const ResultFields &r = ws.results;
    EXPECT_EQ(r.LayersCoredEF, "4");
    EXPECT_EQ(r.LayersFullEF, "2");
    EXPECT_EQ(r.LayersWideEF, "6");
    EXPECT_EQ(r.CaseWidthEF, "2");
    EXPECT_EQ(r.CarWidthEF, "3");
    EXPECT_EQ(r.CaseIDEF, "3.8175835609436");
    EXPECT_EQ(r.CaseOuterDEF, "4.8175835609436");
    EXPECT_EQ(ws.design.DriveWhlDia, "4.80");
    EXPECT_EQ(r.BottlesNeededEF, "0.75");
    EXPECT_EQ(ws.design.SpringLength, "36");
    // The case (radius 2.409) is larger than the 4.80 wheel: the case touches the contact line.
    EXPECT_FLOAT_EQ(ws.build.DriveAxleHeightPt, 3.8175835609436f / 2.0f * 72.0f);
    // Front wheel 1.75 in: lowest point 36 points below the sheet's bottom edge.
    EXPECT_EQ(ws.design.FrontAxleYPt, 27.0f);
    EXPECT_FLOAT_EQ(ws.design.FrontAxleYIn, 27.0f / 72.0f);
}

TEST(BuildGeometry, CaseRatioIsTurnedIntoAFractionBeforeTheProductWithPi)
{
    // At 7.5 % the two orders part in the last digit: pi x (7.5 / 100) gives 2.80881404876709,
    // pi x 7.5 / 100 would give 2.80881428718567. The outer diameter and the revolutions
    // follow from it.
    Workspace ws = defaultDesign();
    ws.design.CaseRatio = QStringLiteral("7.5");
    ComputeBuildGeometry(ws);
    EXPECT_EQ(ws.results.CaseIDEF, "2.80881404876709");
    EXPECT_EQ(ws.results.CaseOuterDEF, "3.80881404876709");
    EXPECT_EQ(ws.build.CaseRatioFraction, 7.5f / 100.0f);
    // At the default 4 % both orders agree.
    EXPECT_EQ(caseRatioFraction(QStringLiteral("4.0")) * Pi, Pi * 4.0f / 100.0f);
}

TEST(BuildGeometry, RunningTwiceChangesNothing)
{
    Workspace ws = defaultDesign();
    ComputeBuildGeometry(ws);
    const ResultFields first = ws.results;
    const QString wheel = ws.design.DriveWhlDia;
    ComputeBuildGeometry(ws);
    EXPECT_EQ(ws.results.CaseIDEF, first.CaseIDEF);
    EXPECT_EQ(ws.design.DriveWhlDia, wheel);
}

TEST(BuildGeometry, EnlargedWheelIsCutToTwoDecimals)
{
    EXPECT_EQ(enlargedDriveWheelText(2.3456f), "3.33");
    EXPECT_EQ(enlargedDriveWheelText(3.8175835609436f), "4.80");
}

TEST(BuildGeometry, LargerWheelIsKeptAndRaisesTheAxle)
{
    Workspace ws = defaultDesign();
    ws.design.DriveWhlDia = QStringLiteral("6");
    ComputeBuildGeometry(ws);
    EXPECT_EQ(ws.design.DriveWhlDia, "6");
    EXPECT_NEAR(ws.build.DriveAxleHeightPt, (3.0f - 0.5f) * 72.0f, 1e-3);

    ws.design.DriveWhlDia = QStringLiteral("9");
    ComputeBuildGeometry(ws);
    EXPECT_EQ(ws.design.DriveWhlDia, "7.5");
}

TEST(BuildGeometry, OtherWheelCorrections)
{
    Workspace ws = defaultDesign();
    ws.design.OtherWhlDia = QStringLiteral("8");
    ComputeBuildGeometry(ws);
    EXPECT_EQ(ws.design.OtherWhlDia, "7.5");
    EXPECT_EQ(ws.design.FrontAxleYPt, 270.0f - 36.0f);

    ws.design.OtherWhlDia = QStringLiteral("0.2");
    ComputeBuildGeometry(ws);
    EXPECT_EQ(ws.design.OtherWhlDia, "1.75");

    ws.design.OtherWhlDia = QStringLiteral("0.25");
    ComputeBuildGeometry(ws);
    EXPECT_EQ(ws.design.OtherWhlDia, "0.25");
    EXPECT_EQ(ws.design.FrontAxleYPt, 9.0f - 36.0f);

    ws.design.OtherWhlDia = QStringLiteral("abc");
    ComputeBuildGeometry(ws);
    EXPECT_EQ(ws.design.OtherWhlDia, "1.75");
}

TEST(BuildGeometry, SpringWidthAndBottles)
{
    Workspace ws = defaultDesign();
    ws.design.SpringWidth = QStringLiteral("7");
    ComputeBuildGeometry(ws);
    EXPECT_EQ(ws.design.SpringWidth, "6");
    EXPECT_EQ(ws.results.BottlesNeededEF, "3"); // one strip per bottle, 36 / 12

    Workspace awd = defaultDesign();
    awd.design.Drive = DriveKind::AllWD;
    ComputeBuildGeometry(awd);
    EXPECT_EQ(awd.results.BottlesNeededEF, "1.5");
}

TEST(BuildGeometry, WholeLayerCountGetsNoExtraLayer)
{
    Workspace ws = defaultDesign();
    const float W = 1.5f;
    const float c = static_cast<float>(static_cast<double>(W) * 0.1333);
    const float span = W + 2.0f * c;
    // A board exactly half the spring's span: two cored layers, not three.
    ws.catalogue.boards.push_back({QStringLiteral("Half"), floatText(span / 2.0f), QStringLiteral("0.0023")});
    ws.design.MatIndex[InnerBodyPart] = 1;
    ComputeBuildGeometry(ws);
    EXPECT_EQ(ws.results.LayersCoredEF, "2");
    EXPECT_EQ(ws.results.LayersWideEF, "4");
}

TEST(BuildGeometry, DegenerateInputsGiveFiniteResults)
{
    {
        // Inner board without thickness: no cored layers instead of an infinite count.
        Workspace ws = defaultDesign();
        ws.catalogue.boards.push_back({QStringLiteral("Flat"), QStringLiteral("0"), QStringLiteral("0.0023")});
        ws.design.MatIndex[InnerBodyPart] = 1;
        ComputeBuildGeometry(ws);
        EXPECT_EQ(ws.results.LayersCoredEF, "0");
        EXPECT_EQ(ws.results.CaseWidthEF, "0");
        EXPECT_EQ(ws.results.CarWidthEF, "1");
        expectParsableResults(ws.results);
    }
    {
        // No spring width: no strips to cut, no bottles.
        Workspace ws = defaultDesign();
        ws.design.SpringWidth = QStringLiteral("0");
        ComputeBuildGeometry(ws);
        EXPECT_EQ(ws.results.BottlesNeededEF, "0");
        EXPECT_EQ(ws.results.LayersCoredEF, "0");
        expectParsableResults(ws.results);
    }
    {
        // A case ratio of 0 (from a damaged file) falls back to the default 4 %.
        Workspace ws = defaultDesign();
        ws.design.CaseRatio = QStringLiteral("0");
        ComputeBuildGeometry(ws);
        EXPECT_EQ(ws.results.CaseIDEF, "3.8175835609436");
        expectParsableResults(ws.results);
    }
    {
        // Negative spring length: the chamber shrinks to nothing rather than NaN.
        Workspace ws = defaultDesign();
        ws.design.SpringLength = QStringLiteral("-500");
        ComputeBuildGeometry(ws);
        EXPECT_EQ(ws.results.CaseIDEF, "0");
        EXPECT_TRUE(std::isfinite(ws.build.DriveAxleHeightPt));
        expectParsableResults(ws.results);
    }
    {
        // Overflowing board thickness.
        Workspace ws = defaultDesign();
        ws.catalogue.boards.push_back({QStringLiteral("Huge"), QStringLiteral("3e38"), QStringLiteral("1")});
        ws.design.MatIndex[OuterBodyPart] = 1;
        ComputeBuildGeometry(ws);
        expectParsableResults(ws.results);
    }
}
