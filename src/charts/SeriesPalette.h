// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours of the charts' series, where several share a chart: one set for every chart, chosen
// so that any two stay apart for readers with protanopia, deuteranopia or tritanopia (and on a
// washed-out projector). Yellow is left out of the set: it does not read on white paper.
// Colours with a meaning of their own (the race's lane colours, the skid tint, the 15 ft line)
// are not series colours.

#include <QColor>
#include <array>

namespace zindle {

inline const QColor SeriesBlue(0, 114, 178);
inline const QColor SeriesOrange(230, 159, 0);
inline const QColor SeriesBluishGreen(0, 158, 115);
inline const QColor SeriesVermillion(213, 94, 0);
inline const QColor SeriesReddishPurple(204, 121, 167);
inline const QColor SeriesSkyBlue(86, 180, 233);
inline const QColor SeriesBlack(0, 0, 0);

// In the order a chart with many series (the measured runs) takes them.
inline const std::array<QColor, 7> SeriesColours{SeriesBlue,          SeriesOrange,  SeriesBluishGreen, SeriesVermillion,
                                                 SeriesReddishPurple, SeriesSkyBlue, SeriesBlack};

} // namespace zindle
