// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Workspace.h"
#include "output/PrintJobs.h"
#include "output/Templates.h"
#include "app/RefreshChain.h"
#include "sheet/EmptySheet.h"
#include "support/QtPrinters.h"

#include <QImage>
#include <QPageSize>
#include <gtest/gtest.h>
#include <memory>

using namespace zindle;

namespace {

// Prints every item onto its own 100-dpi page image and records the orientations; refuses
// items from `failAt` on.
class ImageSink : public PageSink {
public:
    std::vector<QPageLayout::Orientation> orientations;
    std::vector<QImage> pages;
    int failAt = -1;
    QSizeF paperIn{8.5, 11.0}; // upright

    QPainter *beginItem(QPageLayout::Orientation orientation) override
    {
        if (failAt >= 0 && static_cast<int>(pages.size()) >= failAt)
            return nullptr;
        orientations.push_back(orientation);
        const bool landscape = orientation == QPageLayout::Landscape;
        const QSize upright(qRound(paperIn.width() * 100), qRound(paperIn.height() * 100));
        QImage page(landscape ? upright.transposed() : upright, QImage::Format_RGB32);
        page.fill(Qt::white);
        page.setDotsPerMeterX(3937); // 100 dpi
        page.setDotsPerMeterY(3937);
        pages.push_back(page);
        painter = std::make_unique<QPainter>(&pages.back());
        return painter.get();
    }
    bool endItem() override
    {
        painter.reset();
        return true;
    }

private:
    std::unique_ptr<QPainter> painter;
};

Workspace simulatedRacer()
{
    Workspace ws;
    BuildBuiltInDesign(ws, 1);
    ws.list.CurrentDesign = 1;
    ws.scale = HeadlessSheetScale();
    PrepareEntireCycle(ws);
    RefreshPhysicsMode(ws, SheetMode::Simulate);
    return ws;
}

} // namespace

TEST(PrintJobs, EntireSetPrintsReportLayersAndWheelsInOrder)
{
    Workspace ws = simulatedRacer();
    const float screenPrinterScale = ws.scale.PrinterScaleX;
    ImageSink sink;
    PrintState state;
    const PrintOutcome outcome = RunPrintJob(ws, sink, PrintJobKind::EntireSet, state);
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.itemsPrinted, 9);
    ASSERT_EQ(sink.orientations.size(), 9u);
    EXPECT_EQ(sink.orientations[0], QPageLayout::Portrait);
    for (size_t i = 1; i < 9; ++i)
        EXPECT_EQ(sink.orientations[i], QPageLayout::Landscape) << i;
    EXPECT_EQ(state.TemplateLayerNumber, 6);
    // The sheet keeps the screen's printer scale.
    EXPECT_EQ(ws.scale.PrinterScaleX, screenPrinterScale);

    // Outer layers are filled with the outline, inner ones are cored: the middle of the
    // chamber is silver on page 2 (outer layer 1) and white on page 3 (inner layer 2).
    const QPoint axle = ws.regions.geometry.driveAxleCentre();
    const int inside = static_cast<int>(ws.regions.geometry.rIn * 0.7f); // clear of the spring
    const QPoint margin(25, 25); // a quarter inch at 100 dpi
    const QPoint inChamber = QPoint((axle.x() + inside) * 100 / 72, axle.y() * 100 / 72) + margin;
    EXPECT_EQ(sink.pages[1].pixelColor(inChamber), SilverColor);
    EXPECT_EQ(sink.pages[2].pixelColor(inChamber), Qt::white);
}

TEST(PrintJobs, SingleLayerIsNumberZeroAndWheelsKeepTheNumber)
{
    Workspace ws = simulatedRacer();
    PrintState state;
    state.TemplateLayerNumber = 4;
    ImageSink wheels;
    EXPECT_EQ(RunPrintJob(ws, wheels, PrintJobKind::Wheels, state).itemsPrinted, 2);
    EXPECT_EQ(state.TemplateLayerNumber, 4);
    ImageSink inner;
    EXPECT_EQ(RunPrintJob(ws, inner, PrintJobKind::OneInnerLayer, state).itemsPrinted, 1);
    EXPECT_EQ(state.TemplateLayerNumber, 0);
    EXPECT_EQ(inner.orientations, std::vector<QPageLayout::Orientation>{QPageLayout::Landscape});
}

// The inked area of a page, in pixels.
QRect inkBox(const QImage &page)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x)
            if (line[x] != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

TEST(PrintJobs, EveryItemFitsA4AndUsLetterInsideTheMargins)
{
    struct Case {
        const char *name;
        int slot;
        const char *driveWheel, *otherWheel, *springWidth;
        size_t wheelPages;
    };
    const Case cases[] = {
        {"Racer", 1, nullptr, nullptr, nullptr, 2},
        {"Tow Truck", 3, nullptr, nullptr, nullptr, 2},
        {"largest wheels", 0, "7.5", "7.5", "6", 4},
        {"wheels side by side", 0, "5", "3.75", nullptr, 2},
        {"wheels one below the other", 0, "3.7", "3.7", nullptr, 2},
    };
    for (const Case &c : cases) {
        Workspace ws;
        BuildBuiltInDesign(ws, c.slot);
        ws.list.CurrentDesign = c.slot;
        if (c.driveWheel) {
            ws.design.DriveWhlDia = QLatin1String(c.driveWheel);
            ws.design.OtherWhlDia = QLatin1String(c.otherWheel);
        }
        if (c.springWidth)
            ws.design.SpringWidth = QLatin1String(c.springWidth);
        ws.scale = HeadlessSheetScale();
        PrepareEntireCycle(ws);
        RefreshPhysicsMode(ws, SheetMode::Simulate);
        for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
            ImageSink sink;
            sink.paperIn = QPageSize(paper).size(QPageSize::Inch);
            PrintState state;
            ASSERT_TRUE(RunPrintJob(ws, sink, PrintJobKind::EntireSet, state).ok) << c.name;
            // No item needs tiles, and the ink keeps a quarter inch (25 px) off every edge.
            EXPECT_EQ(sink.pages.size(), 1 + size_t(state.TemplateLayerNumber) + c.wheelPages) << c.name;
            for (size_t i = 0; i < sink.pages.size(); ++i) {
                const QRect ink = inkBox(sink.pages[i]);
                const QRect inside = sink.pages[i].rect().adjusted(25, 25, -25, -25);
                EXPECT_TRUE(inside.contains(ink)) << c.name << " page " << i + 1 << " on " << paper;
            }
        }
    }
}

TEST(PrintJobs, AnItemThatCannotBePrintedEndsTheJob)
{
    Workspace ws = simulatedRacer();
    ImageSink sink;
    sink.failAt = 2;
    PrintState state;
    const PrintOutcome outcome = RunPrintJob(ws, sink, PrintJobKind::EntireSet, state);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.itemsPrinted, 2);
    EXPECT_EQ(sink.pages.size(), 2u);
}
