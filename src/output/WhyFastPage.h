// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report's "Why is it fast, and how sure" page: above, where the spring's energy went over
// the run with each share as a bar and the largest loss in one sentence; below, the distance
// over time with the band 9 in 10 builds within the class's tolerances stay in, and what that
// means for the time to 15 ft.

#include "physics/RunEnergy.h"
#include "physics/RunTrace.h"
#include "physics/ToleranceStatistics.h"

#include <QPainter>
#include <QRectF>
#include <QString>
#include <optional>

namespace zindle {

struct WhyFastPage {
    QString designName;
    EnergyTrace energy;
    RunTrace run;
    std::optional<ToleranceBand> band = {}; // none: the builds could not be run
    QString toleranceSentence = {};
};

// `page` is the printable page in device units; `dotsPerPoint` the device's resolution.
void PaintWhyFastPage(QPainter &painter, const QRectF &page, double dotsPerPoint, const WhyFastPage &content);

class PageSink;
// Prints the page as one more portrait item of `sink`; false when it could not be printed.
bool PrintWhyFastPage(PageSink &sink, const WhyFastPage &content);

} // namespace zindle
