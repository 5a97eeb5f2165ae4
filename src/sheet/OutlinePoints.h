// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An outline's points as a student reads and types them: inches across and down from the sheet's
// top left corner, instead of the sheet points (1/72 in) the design stores. Typed points go
// through the checks a drawn outline meets: on the sheet, at least 5 of them, at most 256.

#include <QPoint>
#include <QString>
#include <vector>

namespace zindle {

struct InchTexts {
    QString across, down;
};

// Each stored point in inches, with as few decimals as bring back the same point.
std::vector<InchTexts> PointsInInches(const std::vector<QPoint> &stored);

struct TypedOutline {
    std::vector<QPoint> points; // empty when `error` says why not
    QString error;
};

// Every typed place goes to the nearest sheet point. The first fault found is the one told.
TypedOutline OutlineFromInches(const std::vector<InchTexts> &typed);

} // namespace zindle
