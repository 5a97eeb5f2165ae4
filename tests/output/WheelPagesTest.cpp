// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Workspace.h"
#include "output/PrintJobs.h"
#include "output/WheelPages.h"
#include "sheet/CarRenderer.h"
#include "support/QtPrinters.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace zindle;

namespace {

Workspace wheelsOf(const QString &drive, const QString &other)
{
    Workspace ws;
    BuildBuiltInDesign(ws, 1);
    ws.design.DriveWhlDia = drive;
    ws.design.OtherWhlDia = other;
    return ws;
}

} // namespace

TEST(WheelPages, LayoutByDiameter)
{
    EXPECT_EQ(WheelPageLayout(3.74f), WheelLayout::OneBelowOther);
    EXPECT_EQ(WheelPageLayout(3.75f), WheelLayout::SideBySide);
    EXPECT_EQ(WheelPageLayout(5.0f), WheelLayout::SideBySide);
    EXPECT_EQ(WheelPageLayout(5.1f), WheelLayout::TwoPages);
}

TEST(WheelPages, DriveWheelsFirstThenTheOtherWheels)
{
    // 5 in: both drive wheels side by side; 3.74 in: the other wheels one below the other.
    std::vector<WheelPage> pages = WheelPages(wheelsOf("5", "3.74").design);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_TRUE(pages[0].driveWheels);
    ASSERT_EQ(pages[0].wheelsPt.size(), 2u);
    EXPECT_EQ(pages[0].wheelsPt[0], QRectF(0, 0, 360, 360));
    EXPECT_EQ(pages[0].wheelsPt[1], QRectF(360, 0, 360, 360));
    EXPECT_EQ(pages[0].holeText, "0.5");
    EXPECT_FALSE(pages[1].driveWheels);
    ASSERT_EQ(pages[1].wheelsPt.size(), 2u);
    EXPECT_EQ(pages[1].wheelsPt[1].topLeft(), QPointF(0, pages[1].wheelsPt[0].height()));
    EXPECT_NEAR(pages[1].wheelsPt[0].width(), 3.74 * 72, 1e-3);
    EXPECT_EQ(pages[1].holeText, "0.25");

    // 5.1 in: one drive wheel per page; 3.75 in: the other wheels side by side.
    pages = WheelPages(wheelsOf("5.1", "3.75").design);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0].wheelsPt.size(), 1u);
    EXPECT_EQ(pages[1].wheelsPt.size(), 1u);
    EXPECT_TRUE(pages[1].driveWheels);
    EXPECT_EQ(pages[2].wheelsPt[1].topLeft(), QPointF(3.75 * 72, 0));
}

TEST(WheelPages, AllWheelDriveCutsFourDriveWheels)
{
    Workspace ws = wheelsOf("5.5", "1.75");
    ApplyDrive(ws.design, DriveKind::AllWD);
    ws.design.DriveWhlDia = QStringLiteral("5.5");
    const std::vector<WheelPage> pages = WheelPages(ws.design);
    ASSERT_EQ(pages.size(), 4u);
    for (const WheelPage &page : pages) {
        EXPECT_FLOAT_EQ(page.diameterIn, 5.5f);
        EXPECT_EQ(page.holeText, ws.design.DriveAxleDia);
    }
}

TEST(WheelPages, SilverDiscWhiteHoleAndTheHoleLabel)
{
    EXPECT_EQ(HoleLabel("0.25"), "hole: 0.25 in dia");
    Workspace ws = wheelsOf("4", "1.75");
    // A 100-dpi page: the wheel 400 pixels across, the hole (0.5 in) 50.
    ApplyPrinterResolution(ws.scale, 100.0f, 100.0f);
    const WheelPage page = WheelPages(ws.design)[0];
    EXPECT_EQ(page.labelPt, QPointF(144 + 18, 144 + 18));
    QImage image(1100, 850, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintWheelPage(painter, ws, page, 0);
    }
    EXPECT_EQ(image.pixelColor(200, 200), Qt::white);   // the hole
    EXPECT_EQ(image.pixelColor(200, 240), SilverColor); // the disc below it (clear of the label)
    EXPECT_EQ(image.pixelColor(600, 160), SilverColor); // the second wheel, right of the first
    EXPECT_EQ(image.pixelColor(600, 200), Qt::white);
    EXPECT_EQ(image.pixelColor(850, 200), Qt::white);   // beyond both wheels
    EXPECT_EQ(image.pixelColor(200, 405), Qt::white);   // below them
}
