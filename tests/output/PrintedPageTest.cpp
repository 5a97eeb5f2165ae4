// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Workspace.h"
#include "app/RefreshChain.h"
#include "model/BuiltInDesigns.h"
#include "output/PrintJobs.h"
#include "output/PrintedPage.h"
#include "sheet/EmptySheet.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;

namespace {

bool haveTool(const char *name) { return !QStandardPaths::findExecutable(QLatin1String(name)).isEmpty(); }

// Width and height of the one-inch check square: the outline whose top-left corner starts a dark
// run about an inch long to the right and downward.
QSize checkSquare(const QImage &page, int dpi)
{
    auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (!dark(x, y) || (x > 0 && dark(x - 1, y)))
                continue;
            int w = 0, h = 0;
            while (x + w < page.width() && dark(x + w, y))
                ++w;
            while (y + h < page.height() && dark(x, y + h))
                ++h;
            if (std::abs(w - dpi) <= dpi / 20 && std::abs(h - dpi) <= dpi / 20)
                return {w, h};
            x += w;
        }
    }
    return {};
}

bool inkWithin(const QImage &page, int band)
{
    const QRect inside = page.rect().adjusted(band, band, -band, -band);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (!inside.contains(x, y) && qGray(page.pixel(x, y)) < 250)
                return true;
    return false;
}

QImage inkImage(const QSizeF &sizeIn, const QRectF &inkIn)
{
    QImage probe(qRound(sizeIn.width() * 72), qRound(sizeIn.height() * 72), QImage::Format_RGB32);
    probe.fill(Qt::white);
    QPainter(&probe).fillRect(QRectF(inkIn.topLeft() * 72, inkIn.size() * 72), Qt::black);
    return probe;
}

} // namespace

TEST(PrintedPage, EveryBuiltInDesignsPdfKeepsTheMarginAndCarriesATrueInch)
{
    if (!haveTool("pdftoppm") || !haveTool("pdftotext"))
        GTEST_SKIP() << "pdftoppm or pdftotext is not installed";
    QTemporaryDir dir;
    const int dpi = 300;
    for (int slot = 0; slot < BuiltInDesignCount; ++slot) {
        for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter}) {
            Workspace ws;
            BuildBuiltInDesign(ws, slot);
            ws.list.CurrentDesign = slot;
            ws.scale = HeadlessSheetScale();
            PrepareEntireCycle(ws);
            RefreshPhysicsMode(ws, SheetMode::Simulate);
            const QString pdf = dir.filePath(QStringLiteral("set.pdf"));
            PdfFileSink sink(pdf, 600, QPageSize(paper));
            PrintState state;
            const PrintOutcome outcome = RunPrintJob(ws, sink, PrintJobKind::EntireSet, state);
            ASSERT_TRUE(outcome.ok && sink.finish().ok) << slot;

            QProcess render;
            render.start(QStringLiteral("pdftoppm"), {"-r", QString::number(dpi), "-gray", pdf, dir.filePath("p")});
            ASSERT_TRUE(render.waitForFinished(300000));
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
            ASSERT_TRUE(text.waitForFinished(30000));
            const QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
            const QStringList images = QDir(dir.path()).entryList({QStringLiteral("p-*.pgm")}, QDir::Files, QDir::Name);
            ASSERT_EQ(images.size(), outcome.itemsPrinted) << slot;
            for (int i = 0; i < images.size(); ++i) {
                const QImage page(dir.filePath(images[i]));
                const std::string where = std::to_string(slot) + " page " + std::to_string(i + 1);
                EXPECT_FALSE(inkWithin(page, dpi / 5)) << where; // 0.2 in
                const QSize square = checkSquare(page, dpi);
                EXPECT_NEAR(square.width(), dpi, 1) << where;
                EXPECT_NEAR(square.height(), dpi, 1) << where;
                EXPECT_TRUE(pages.value(i).contains(QStringLiteral("Print at 100 % (actual size)"))) << where;
                QFile::remove(dir.filePath(images[i]));
            }
        }
    }
}

TEST(PrintedPage, AnItemLargerThanThePaperIsTiledWithOverlap)
{
    const QSizeF letter(11.0, 8.5), check(2.0, 1.3);
    // 15 in wide, 5 in high: two tiles side by side, the second starting where the first ends
    // less the overlap, both under the margin.
    const std::vector<PrintedSheet> wide = PlanSheets(InkMask(inkImage({24, 24}, {1, 1, 15, 5})), letter, check);
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_EQ(wide[1].tile, 2);
    EXPECT_EQ(wide[1].tiles, 2);
    EXPECT_DOUBLE_EQ(wide[0].offsetIn.x(), 0.25 - 1.0);
    EXPECT_DOUBLE_EQ(wide[0].offsetIn.x() - wide[1].offsetIn.x(), 10.5 - TileOverlapIn);
    EXPECT_DOUBLE_EQ(wide[0].offsetIn.y(), 0.25);
    // The check block sits in the footer, below the tile's area.
    EXPECT_GE(wide[0].checkIn.top(), wide[0].areaIn.bottom());
    EXPECT_LE(wide[0].checkIn.bottom(), 8.25);

    // One that fits with room to spare keeps the margin and takes a free corner.
    const std::vector<PrintedSheet> small = PlanSheets(InkMask(inkImage({24, 24}, {0, 0, 5, 5})), letter, check);
    ASSERT_EQ(small.size(), 1u);
    EXPECT_EQ(small[0].offsetIn, QPointF(0.25, 0.25));
    EXPECT_EQ(small[0].tiles, 1);
}
