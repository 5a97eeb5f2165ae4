// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Workspace.h"
#include "output/BuildView3D.h"
#include "physics/BuildGeometry.h"
#include "sheet/EmptySheet.h"
#include "geometry/PartRegions.h"
#include "support/QtPrinters.h"
#include "physics/SheetPreparation.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace zindle;

namespace {

const Build3DPlacementInput Window{1152, 0};

Workspace builtDesign(int slot, DriveKind drive = DriveKind::RearWD)
{
    Workspace ws;
    BuildBuiltInDesign(ws, slot);
    if (drive != DriveKind::RearWD)
        ApplyDrive(ws.design, drive);
    ws.scale = HeadlessSheetScale();
    RescaleDesign(ws);
    ComputeBuildGeometry(ws);
    RebuildPartRegions(ws);
    return ws;
}

QImage emptySheet(const Workspace &ws)
{
    QImage image(1152, 864, QImage::Format_RGB32);
    PaintEmptySheet(image, SheetMode::Build, ws.scale, DefaultBackgroundColor, 1152);
    return image;
}

void run(BuildView3D &view, QImage &image, const Workspace &ws, const Build3DRequest &request,
         const std::function<void(int)> &afterStage = {})
{
    if (request.clearSheet)
        image = emptySheet(ws);
    QPainter painter(&image);
    view.draw(painter, ws, Window, request, afterStage);
}

int countColour(const QImage &image, const QRect &area, const QColor &colour)
{
    int n = 0;
    const QRect r = area & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

} // namespace

TEST(Build3DStages, TableRunsFromTheFarWheelsToTheAxleEnds)
{
    for (int n : {0, 3, 4, 10}) {
        const std::vector<Build3DStage> stages = Build3DStageTable(n);
        const int N = n + 7;
        ASSERT_EQ(Build3DStageCount(n), N);
        ASSERT_EQ(static_cast<int>(stages.size()), N);
        for (int i = 0; i < N; ++i)
            EXPECT_EQ(stages[i].number, i + 1);
        EXPECT_EQ(stages[0].kind, Build3DStageKind::FarWheels);
        EXPECT_EQ(stages[1].kind, Build3DStageKind::AxleStubs);
        EXPECT_EQ(stages[2].kind, Build3DStageKind::FarFullLayer);
        EXPECT_EQ(stages[2].board, Build3DBoard::OuterBody);
        for (int k = 1; k <= n; ++k) {
            EXPECT_EQ(stages[2 + k].kind, Build3DStageKind::CoredLayer);
            EXPECT_EQ(stages[2 + k].coredLayer, k);
            EXPECT_EQ(stages[2 + k].board, Build3DBoard::InnerBody);
        }
        EXPECT_EQ(stages[N - 4].kind, Build3DStageKind::NearFullLayer);
        EXPECT_EQ(stages[N - 3].kind, Build3DStageKind::AxleStubs);
        EXPECT_EQ(stages[N - 2].kind, Build3DStageKind::NearWheels);
        EXPECT_EQ(stages[N - 1].kind, Build3DStageKind::AxleEnds);
        for (int s : {0, 1, N - 3, N - 2, N - 1})
            EXPECT_EQ(stages[s].board, Build3DBoard::DriveWheel) << "stage " << s + 1;
    }
}

TEST(Build3DStages, SweepIsADigitalLineBackToFront)
{
    const std::vector<QPoint> half = Build3DSweepSteps(10.0f, 5.0f);
    ASSERT_EQ(half.size(), 10u);
    for (size_t i = 0; i < half.size(); ++i)
        EXPECT_EQ(half[i], QPoint(-1, i % 2 == 1 ? 1 : 0)) << i;

    // 8.5 x 2.125: eight steps left, the accumulator reaching 1 on the fourth and the eighth.
    const std::vector<QPoint> board = Build3DSweepSteps(8.5f, 2.125f);
    ASSERT_EQ(board.size(), 8u);
    int down = 0;
    for (const QPoint &p : board) {
        EXPECT_EQ(p.x(), -1);
        down += p.y();
    }
    EXPECT_EQ(down, 2);

    // Deeper than wide: one pixel down per step.
    const std::vector<QPoint> steep = Build3DSweepSteps(1.0f, 4.0f);
    ASSERT_EQ(steep.size(), 4u);
    EXPECT_EQ(steep[3], QPoint(-1, 1));
    EXPECT_EQ(steep[0], QPoint(0, 1));
    EXPECT_TRUE(Build3DSweepSteps(0.0f, 0.0f).empty());
}

TEST(Build3DView, DepthAndPlacementCentreTheStack)
{
    const Workspace ws = builtDesign(0);
    // Screen scale 4/3, zoom 0.4: 17 and 4 pixels per inch; the default car's stack is
    // 2 x 8.5 + 4 x 8.5 + 17 + 2 x 8.5 = 85 pixels deep and its picture 384 + 85 wide.
    const Build3DPlacement p = ComputeBuild3DPlacement(ws.scale, 4, 0.5f, 0.5f, 0.5f, Window);
    EXPECT_EQ(p.DepthPxX, 17);
    EXPECT_EQ(p.DepthPxY, 4);
    EXPECT_EQ(p.stackDepth, 85);
    EXPECT_EQ(p.pictureWidth, 469);
    EXPECT_EQ(p.freeWidth, 1152);
    EXPECT_EQ(p.x0, 341 + 85);
    EXPECT_EQ(ComputeBuild3DPlacement(ws.scale, 4, 0.5f, 0.5f, 0.5f, {1352, 200}).x0, 426);
}

TEST(Build3DView, WholeDefaultCarTakesElevenStages)
{
    const Workspace ws = builtDesign(0);
    ASSERT_EQ(ws.results.LayersCoredEF, "4");
    BuildView3D view;
    QImage image = emptySheet(ws);
    QPainter painter(&image);
    view.begin(ws, Window, 0, build3d::WholePicture);
    EXPECT_EQ(view.progressText(), "11 layers");
    EXPECT_EQ(view.controls.cancelCaption, "Stop");
    EXPECT_FALSE(view.controls.rewindEnabled);
    QStringList labels;
    while (view.hasNextStage()) {
        view.drawNextStage(painter);
        labels << view.progressText();
    }
    view.finish();
    ASSERT_EQ(labels.size(), 11);
    EXPECT_EQ(labels[4], "5 of 11");
    EXPECT_EQ(labels.last(), "11 of 11");
    EXPECT_EQ(view.Built3DStage, 11);
    EXPECT_FALSE(view.controls.stepEnabled);
    EXPECT_FALSE(view.controls.toEndEnabled);
    EXPECT_TRUE(view.controls.rewindEnabled);
    EXPECT_TRUE(view.controls.sliderEnabled);
    EXPECT_FALSE(view.controls.cancelVisible);
    EXPECT_EQ(view.controls.cancelCaption, "Cancel");
    // Five wheel-board, two outer-board and four inner-board sweeps of 8 steps each, every one
    // moving a pixel left; at 8.5 x 2 pixels the accumulator reaches 1 once per sweep.
    EXPECT_EQ(view.sweepPosition(), QPoint(-88, 11));
}

TEST(Build3DView, RewindAndTenStepsDrawTheSamePictureAsTheWholeCar)
{
    const Workspace ws = builtDesign(1);
    BuildView3D whole;
    QImage wholeImage;
    run(whole, wholeImage, ws, whole.refreshRequest());

    BuildView3D view;
    QImage image;
    run(view, image, ws, view.rewindRequest());
    EXPECT_EQ(view.progressText(), "1 of 11");
    EXPECT_EQ(view.Built3DStage, 1);
    EXPECT_TRUE(view.controls.stepEnabled);
    EXPECT_TRUE(view.controls.toEndEnabled);
    EXPECT_NE(image, wholeImage);
    for (int i = 0; i < 10; ++i) {
        ASSERT_TRUE(view.controls.stepEnabled) << "press " << i + 1;
        run(view, image, ws, view.stepRequest());
        EXPECT_EQ(view.Built3DStage, i + 2);
    }
    EXPECT_EQ(view.progressText(), "11 of 11");
    EXPECT_FALSE(view.controls.stepEnabled);
    EXPECT_FALSE(view.controls.toEndEnabled);
    EXPECT_EQ(image, wholeImage);
}

TEST(Build3DView, StopEndsTheDrawingAtTheStageBoundaryAndSteppingGoesOn)
{
    const Workspace ws = builtDesign(1);
    BuildView3D view;
    QImage image;
    std::vector<int> seen;
    run(view, image, ws, view.toEndRequest(), [&](int stage) {
        seen.push_back(stage);
        if (stage == 5)
            view.stop(); // the Stop button, pressed while stage 5 was drawn
    });
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(view.Built3DStage, 5);
    EXPECT_EQ(view.progressText(), "5 of 11");
    EXPECT_FALSE(view.StopFlag);
    // The student goes on from where the drawing stopped.
    EXPECT_TRUE(view.controls.stepEnabled);
    EXPECT_TRUE(view.controls.toEndEnabled);

    // Drawing the next stage on its own walks the first five again without painting them.
    const QImage before = image;
    const Build3DRequest next = view.stepRequest();
    EXPECT_EQ(next.from, 6);
    EXPECT_EQ(next.to, 6);
    EXPECT_FALSE(next.clearSheet);
    run(view, image, ws, next);
    EXPECT_EQ(view.Built3DStage, 6);
    EXPECT_EQ(view.progressText(), "6 of 11");
    EXPECT_TRUE(view.controls.stepEnabled);

    BuildView3D six;
    QImage sixImage;
    run(six, sixImage, ws, {0, 6, true});
    EXPECT_EQ(image, sixImage);
    EXPECT_NE(image, before);

    // To end takes the rest on the same sheet and gives the whole car.
    const Build3DRequest rest = view.toEndRequest();
    EXPECT_EQ(rest.from, 7);
    EXPECT_FALSE(rest.clearSheet);
    std::vector<int> walked; // 1 to 6 only walked, 7 to 11 painted
    run(view, image, ws, rest, [&](int stage) { walked.push_back(stage); });
    EXPECT_EQ(walked, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(view.Built3DStage, 11);
    EXPECT_FALSE(view.controls.stepEnabled);
    EXPECT_FALSE(view.controls.toEndEnabled);
    BuildView3D whole;
    QImage wholeImage;
    run(whole, wholeImage, ws, whole.refreshRequest());
    EXPECT_EQ(image, wholeImage);
    // A finished picture is drawn anew by To end.
    EXPECT_TRUE(view.toEndRequest().clearSheet);
}

TEST(Build3DView, StageCountFollowsTheCoredLayers)
{
    Workspace ws = builtDesign(0);
    ws.design.SpringWidth = QStringLiteral("6"); // wider spring, more cored layers
    ComputeBuildGeometry(ws);
    const int cored = ws.results.LayersCoredEF.toInt();
    ASSERT_GT(cored, 4);
    BuildView3D view;
    QImage image;
    run(view, image, ws, view.refreshRequest());
    EXPECT_EQ(view.stageCount(), cored + 7);
    EXPECT_EQ(view.progressText(), QString("%1 of %1").arg(cored + 7));
}

TEST(Build3DView, AllWheelDriveDrawsNoFrontAxle)
{
    for (DriveKind drive : {DriveKind::RearWD, DriveKind::AllWD}) {
        const Workspace ws = builtDesign(1, drive);
        BuildView3D view;
        QImage image(1152, 864, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        view.draw(painter, ws, Window, {2, 2, false}); // the axle stubs only
        painter.end();
        const float s = ws.scale.PreviewScale * ws.scale.PreviewZoom;
        const int x0 = view.placement().x0;
        const PartGeometry &g = ws.regions.geometry;
        auto around = [&](QPoint pt) {
            const QPoint c(int(pt.x() * s) + x0, int(pt.y() * s));
            return QRect(c - QPoint(30, 10), c + QPoint(10, 20)); // the sweep moves left and down
        };
        const int front = countColour(image, around(g.frontAxleCentre()), build3d::AxleFill);
        const int second = countColour(image, around(g.secondDriveAxleCentre()), build3d::AxleFill);
        const int first = countColour(image, around(g.driveAxleCentre()), build3d::AxleFill);
        EXPECT_GT(first, 0);
        if (drive == DriveKind::AllWD) {
            EXPECT_EQ(front, 0);
            EXPECT_GT(second, 0);
        } else {
            EXPECT_GT(front, 0);
            EXPECT_EQ(second, 0);
        }
    }
}

TEST(Build3DView, PictureSizeSliderChangesTheZoomAndDisablesStepping)
{
    BuildView3D view;
    view.controls.stepEnabled = view.controls.toEndEnabled = true;
    float zoom = 0.4f;
    EXPECT_FALSE(view.sliderMoved(0, zoom));
    EXPECT_TRUE(view.controls.stepEnabled);
    EXPECT_TRUE(view.sliderMoved(2, zoom));
    EXPECT_FLOAT_EQ(zoom, 0.75f);
    EXPECT_FALSE(view.controls.stepEnabled);
    EXPECT_FALSE(view.controls.toEndEnabled);
    EXPECT_TRUE(view.sliderMoved(1, zoom));
    EXPECT_FLOAT_EQ(zoom, 0.575f);

    // The larger picture is deeper per inch.
    Workspace ws = builtDesign(0);
    ws.scale.PreviewZoom = zoom = 0.75f;
    EXPECT_EQ(ComputeBuild3DPlacement(ws.scale, 4, 0.5f, 0.5f, 0.5f, Window).DepthPxX, 32);
}
