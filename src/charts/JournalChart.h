// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time to 15 ft over a design's journal versions: a line through the versions that reached
// 15 ft, and an open marker at the bottom edge for each that fell short, so a car that does not
// finish never reads as a fast one.

#include "model/DesignJournal.h"

#include <QPainter>
#include <QRectF>

namespace zindle {

void paintJournalChart(QPainter &painter, const QRectF &area, const DesignJournal &journal);

} // namespace zindle
