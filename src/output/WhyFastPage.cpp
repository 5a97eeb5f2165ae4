// SPDX-License-Identifier: GPL-3.0-or-later
#include "WhyFastPage.h"

#include "PrintedPage.h"

#include "charts/EnergyChart.h"
#include "charts/RunCharts.h"
#include "files/PathText.h"
#include "output/PrintJobs.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(WhyFastPage)
};

// A sentence across the page, wrapped; returns the height it took.
double paintSentence(QPainter &painter, const QRectF &area, const QString &text, double points, double dotsPerPoint)
{
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(points * dotsPerPoint)));
    painter.setFont(font);
    const QRectF bounds = painter.boundingRect(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    painter.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return bounds.height();
}

// The chart painters size their lettering to their area as a window would; on paper they draw in
// points, so a page at any resolution reads like the chart on screen.
template <class Paint> void inPoints(QPainter &painter, const QRectF &area, double dotsPerPoint, Paint &&paint)
{
    painter.save();
    painter.scale(dotsPerPoint, dotsPerPoint);
    paint(QRectF(area.topLeft() / dotsPerPoint, area.size() / dotsPerPoint));
    painter.restore();
}

} // namespace

void PaintWhyFastPage(QPainter &painter, const QRectF &page, double dotsPerPoint, const WhyFastPage &content)
{
    painter.save();
    painter.setPen(Qt::black);
    const double margin = 36.0 * dotsPerPoint; // half an inch
    const QRectF area = page.adjusted(margin, margin, -margin, -margin);
    double y = area.top();
    QFont title = painter.font();
    title.setBold(true);
    painter.setFont(title);
    y += paintSentence(painter, QRectF(area.left(), y, area.width(), area.height()),
                       Texts::tr("%1: why it is fast, and how sure").arg(printableText(content.designName)), 14.0,
                       dotsPerPoint);
    title.setBold(false);
    painter.setFont(title);
    y += 6.0 * dotsPerPoint;

    const double half = (area.bottom() - y) / 2.0;
    const QString energySentence = ShownLargestLossSentence(content.energy.totals());
    const double energyText = energySentence.isEmpty() ? 0.0 : 30.0 * dotsPerPoint;
    EnergyChartOptions energy;
    inPoints(painter, QRectF(area.left(), y, area.width(), half - energyText), dotsPerPoint,
             [&](const QRectF &chart) { paintEnergyChart(painter, chart, content.energy, energy); });
    if (!energySentence.isEmpty())
        paintSentence(painter, QRectF(area.left(), y + half - energyText + 4.0 * dotsPerPoint, area.width(), energyText),
                      energySentence + QLatin1Char('.'), 10.0, dotsPerPoint);
    y += half;

    const double bandText = 30.0 * dotsPerPoint;
    RunChartOptions run;
    run.band = content.band;
    painter.setPen(Qt::black);
    inPoints(painter, QRectF(area.left(), y, area.width(), half - bandText), dotsPerPoint, [&](const QRectF &chart) {
        paintRunChart(painter, chart, content.run, RunChartKind::Distance, run);
    });
    painter.setPen(Qt::black);
    paintSentence(painter, QRectF(area.left(), y + half - bandText + 4.0 * dotsPerPoint, area.width(), bandText),
                  content.band ? content.toleranceSentence
                               : Texts::tr("The builds within the class's tolerances could not be run."),
                  10.0, dotsPerPoint);
    painter.restore();
}

bool PrintWhyFastPage(PageSink &sink, const WhyFastPage &content)
{
    // The page lays itself out to the room the paper leaves inside its margins.
    auto paint = [&](QPainter &painter, const QSizeF &roomIn) {
        const QPaintDevice *device = painter.device();
        PaintWhyFastPage(painter, QRectF(0, 0, roomIn.width() * device->logicalDpiX(), roomIn.height() * device->logicalDpiY()),
                         device->logicalDpiX() / 72.0, content);
    };
    return PrintOnSheets([&] { return sink.beginItem(QPageLayout::Portrait); }, [&] { return sink.endItem(); }, paint,
                         paint) > 0;
}

} // namespace zindle
