// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Workspace.h"
#include "output/PrintJobs.h"
#include "output/Templates.h"
#include "physics/BuildGeometry.h"
#include "sheet/EmptySheet.h"
#include "support/QtPrinters.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace zindle;

namespace {

Workspace templatesOf(int slot)
{
    Workspace ws;
    BuildBuiltInDesign(ws, slot);
    ws.list.CurrentDesign = slot;
    ws.scale = HeadlessSheetScale();
    PrepareTemplates(ws);
    return ws;
}

// A point well inside a region (the centre of its largest rectangle).
QPoint inside(const QRegion &region)
{
    QRect best;
    for (const QRect &r : region)
        if (r.width() * r.height() > best.width() * best.height())
            best = r;
    return best.center();
}

} // namespace

TEST(TemplateSet, OuterLayersEnclosTheInnerOnesAndAreNumberedInStackingOrder)
{
    const std::vector<LayerTemplate> five = TemplateSet(3, 2);
    ASSERT_EQ(five.size(), 5u);
    const LayerKind expected[] = {LayerKind::Outer, LayerKind::Inner, LayerKind::Inner,
                                  LayerKind::Inner, LayerKind::Outer};
    for (size_t i = 0; i < five.size(); ++i) {
        EXPECT_EQ(five[i].kind, expected[i]) << i;
        EXPECT_EQ(five[i].TemplateLayerNumber, static_cast<int>(i) + 1);
    }
    EXPECT_EQ(TemplateSet(0, 2).size(), 2u);

    const Workspace ws = templatesOf(0);
    EXPECT_EQ(TemplateCount(ws.results), 6);
    EXPECT_EQ(TemplateSet(ws.results).size(), 6u);
}

TEST(TemplateLabels, TitlesMaterialsAndTheSpringAccessNote)
{
    Workspace ws = templatesOf(1);
    ws.results.LayersCoredEF = QStringLiteral("3");
    ws.results.LayersWideEF = QStringLiteral("5");
    TemplateLabelPage outer{true, true, false, 100.0f};
    TemplateLabelPage inner{true, false, false, 100.0f};

    TemplateLabelLines single = TemplateLabels(ws, outer, 0);
    EXPECT_EQ(single.top, "Racer: Outer Layer template");
    EXPECT_EQ(single.middle, "Default Foamcore (0.50 in) ");
    EXPECT_EQ(single.bottom, "");
    EXPECT_FALSE(single.springNote); // never on a single-layer print

    EXPECT_EQ(TemplateLabels(ws, inner, 3).top, "Racer: Inner Layer 3");
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(TemplateLabels(ws, inner, n).springNote, n == 2) << "layer " << n << " of 5";

    ws.catalogue.boards.push_back({"Blue", "0.25", "0.002"});
    ws.design.MatIndex[OtherWheelPart] = 1;
    const TemplateLabelLines wheels = TemplateLabels(ws, {false, false, true, 0.0f}, 0);
    EXPECT_EQ(wheels.top, "Racer: Wheels ");
    EXPECT_EQ(wheels.middle, "Drive wheels: Default Foamcore (0.50 in)");
    EXPECT_EQ(wheels.bottom, "Other wheels: Blue (0.25 in)");
}

TEST(TemplateLabels, PrintOnlyOnThePrinter)
{
    const Workspace ws = templatesOf(1);
    QImage image(800, 700, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QImage blank = image;
    {
        QPainter painter(&image);
        PrintTemplateLabels(painter, ws, PaintTarget::Screen, {true, true, false, 0.0f}, 0);
    }
    EXPECT_EQ(image, blank);
    {
        QPainter painter(&image);
        PrintTemplateLabels(painter, ws, PaintTarget::Printer, {true, true, false, 0.0f}, 0);
    }
    EXPECT_NE(image, blank);
}

TEST(TemplatePreview, StepsThroughTheTemplatesAndStopsAtTheLast)
{
    TemplatePreviewState state;
    state.enter(5);
    EXPECT_EQ(state.PreviewIndex, 1);
    EXPECT_TRUE(state.stepEnabled);
    EXPECT_FALSE(state.rewindEnabled);
    for (int n = 2; n <= 5; ++n) {
        ASSERT_TRUE(state.step());
        EXPECT_EQ(state.PreviewIndex, n);
        EXPECT_TRUE(state.rewindEnabled);
        EXPECT_EQ(state.stepEnabled, n < 5);
    }
    EXPECT_FALSE(state.step());
    EXPECT_EQ(state.PreviewIndex, 5);
    state.rewind();
    EXPECT_EQ(state.PreviewIndex, 1);
    EXPECT_TRUE(state.stepEnabled);
    EXPECT_FALSE(state.rewindEnabled);
}

TEST(TemplatePreview, OuterRegionForTheFirstAndLastTemplateInnerOtherwise)
{
    const Workspace ws = templatesOf(1); // the Racer's inner outline is a strip inside the outer
    const RegionSet &screen = ws.regions.screen();
    const QPoint outerOnly = inside(screen.outerLayer - screen.innerLayer);
    const QPoint innerPt = inside(screen.innerLayer);
    const int count = TemplateCount(ws.results);
    ASSERT_EQ(count, 6);
    for (int n = 1; n <= count; ++n) {
        QImage sheet(1152, 864, QImage::Format_RGB32);
        const QString label = ShowTemplatePreview(sheet, ws, n, DefaultBackgroundColor, 1152);
        EXPECT_EQ(label, QString("%1 of 6").arg(n));
        const bool outer = n == 1 || n == count;
        EXPECT_EQ(sheet.pixelColor(outerOnly) == SilverColor, outer) << n;
        EXPECT_EQ(sheet.pixelColor(innerPt), SilverColor) << n; // the strip lies inside both
    }
}
