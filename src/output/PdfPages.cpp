// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfPages.h"

#include <QFontMetricsF>
#include <QTextLayout>

namespace zindle {

PdfPages::PdfPages(PdfPageSink &sink, int dpi, const QSizeF &paperPoints) : sink_(sink), dpi_(dpi), paper_(paperPoints) {}

bool PdfPages::newPage()
{
    if (painter_)
        ok_ = sink_.endItem() && ok_;
    painter_ = sink_.beginItem(QPageLayout::Portrait);
    if (!painter_) {
        ok_ = false;
        return false;
    }
    painter_->scale(dpi_ / 72.0, dpi_ / 72.0);
    y = Margin;
    return true;
}

bool PdfPages::room(double height)
{
    if (painter_ && y + height <= bottom())
        return true;
    return newPage();
}

void PdfPages::setFont(int points, bool bold)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(points);
    font.setBold(bold);
    painter_->setFont(font);
}

void PdfPages::text(double x, double width, const QString &line, Qt::Alignment align, Qt::TextElideMode elide)
{
    const QFontMetricsF metrics(painter_->font());
    const QString shown = metrics.elidedText(line, elide, width);
    painter_->drawText(QRectF(x, y, width, metrics.height()), align | Qt::AlignVCenter, shown);
}

double PdfPages::wrapped(double x, double width, const QString &text, double maxHeight)
{
    QTextLayout layout(text, painter_->font(), painter_->device());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const double lineHeight = QFontMetricsF(painter_->font()).height();
    double used = 0;
    int shown = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, used));
        if (used + lineHeight > maxHeight)
            break;
        used += lineHeight;
        ++shown;
    }
    layout.endLayout();
    for (int i = 0; i < shown; ++i)
        layout.lineAt(i).draw(painter_, QPointF(x, y));
    return used;
}

void PdfPages::finish()
{
    if (painter_)
        ok_ = sink_.endItem() && ok_;
    painter_ = nullptr;
}

} // namespace zindle
