// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pages of a printed document laid out in points (1/72 inch) from the paper's corner, 0.5 inch
// margins, with a line cursor that moves down the page and starts the next one when told a
// block no longer fits. The painter is scaled so that callers never think in device dots.

#include "output/PrintJobs.h"

#include <QFont>
#include <QPainter>
#include <QSizeF>
#include <QString>

namespace zindle {

class PdfPages {
public:
    static constexpr double Margin = 36.0;

    PdfPages(PdfPageSink &sink, int dpi, const QSizeF &paperPoints = QSizeF(612.0, 792.0));
    bool ok() const { return ok_; }
    QPainter *painter() { return painter_; }
    double width() const { return paper_.width(); }
    double height() const { return paper_.height(); }
    double usableWidth() const { return paper_.width() - 2 * Margin; }
    double bottom() const { return paper_.height() - Margin; }
    double y = Margin;

    bool newPage();
    // Starts a new page when `height` no longer fits on this one.
    bool room(double height);
    // Sizes in points: the painter's units, scaled to the device.
    void setFont(int points, bool bold = false);
    // One line, elided to `width`.
    void text(double x, double width, const QString &line, Qt::Alignment align = Qt::AlignLeft,
              Qt::TextElideMode elide = Qt::ElideRight);
    // Text wrapped at words within `width`, at most `maxHeight` tall (what does not fit is cut
    // at a line); returns the height used.
    double wrapped(double x, double width, const QString &text, double maxHeight);
    void finish();

private:
    PdfPageSink &sink_;
    int dpi_;
    QSizeF paper_;
    QPainter *painter_ = nullptr;
    bool ok_ = true;
};

} // namespace zindle
