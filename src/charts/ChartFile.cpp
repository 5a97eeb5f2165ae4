// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartFile.h"

#include "files/PathText.h"

#include <QBuffer>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace zindle {

std::optional<ChartFormat> chartFormatOf(const QString &fileName)
{
    const QString lower = fileName.toLower();
    if (lower.endsWith(QLatin1String(".png")))
        return ChartFormat::Png;
    if (lower.endsWith(QLatin1String(".svg")))
        return ChartFormat::Svg;
    if (lower.endsWith(QLatin1String(".pdf")))
        return ChartFormat::Pdf;
    return std::nullopt;
}

namespace {

constexpr char SvgTitlePlaceholder[] = "zindle-chart-title-placeholder";

// A white page on a vector device, then the chart; false when the device could not be opened.
bool paintOnWhite(QPaintDevice &device, const QRectF &area, const ChartPainter &paint)
{
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    painter.fillRect(area, Qt::white);
    paint(painter, area);
    painter.end();
    return true;
}

} // namespace

QByteArray renderChart(ChartFormat format, QSize size, const QString &title, const ChartPainter &paint)
{
    size = size.expandedTo(QSize(100, 100));
    const QRectF area(0.0, 0.0, size.width(), size.height());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (format) {
    case ChartFormat::Png: {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            if (!painter.isActive())
                return {};
            painter.setRenderHint(QPainter::TextAntialiasing, true);
            paint(painter, area);
        }
        if (!image.save(&buffer, "PNG"))
            return {};
        break;
    }
    case ChartFormat::Svg: {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(area);
        // The generator writes its title into the file as it stands, markup and all (a name
        // with "&" or "<script>" would break the file or run in a browser), so it gets a
        // placeholder that is replaced by the escaped title afterwards; this stays right
        // whether or not a Qt release escapes the title itself.
        generator.setTitle(QString::fromLatin1(SvgTitlePlaceholder));
        generator.setResolution(96);
        if (!paintOnWhite(generator, area, paint))
            return {};
        buffer.close();
        bytes.replace(QByteArray("<title>") + SvgTitlePlaceholder + "</title>",
                      "<title>" + printableText(title).toHtmlEscaped().toUtf8() + "</title>");
        break;
    }
    case ChartFormat::Pdf: {
        QPdfWriter writer(&buffer);
        writer.setTitle(printableText(title));
        writer.setCreator(QStringLiteral("Zindle"));
        writer.setResolution(72); // one unit per point: the chart's pixels become points
        writer.setPageSize(QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        if (!paintOnWhite(writer, area, paint))
            return {};
        break;
    }
    }
    return bytes;
}

} // namespace zindle
