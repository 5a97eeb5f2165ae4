// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A chart as the bytes of a PNG, SVG or PDF file, drawn by the same painter as on screen.

#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

namespace zindle {

enum class ChartFormat { Png, Svg, Pdf };

// The format a file name asks for by its extension (".png", ".svg", ".pdf", any case).
std::optional<ChartFormat> chartFormatOf(const QString &fileName);

using ChartPainter = std::function<void(QPainter &, const QRectF &)>;

// Paints the chart on a white page of `size` (pixels; points for PDF) and returns the file's
// bytes; empty when the device could not be painted on.
QByteArray renderChart(ChartFormat format, QSize size, const QString &title, const ChartPainter &paint);

} // namespace zindle
