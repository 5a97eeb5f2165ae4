// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one-page design report: design parameters, materials, predicted performance and physical
// details, all as the result fields and the catalogue hold them.
//
// Reads: the design's texts, the material catalogue, the result fields of the build, torque,
// mass, force and simulation steps, the connectivity facts and the skid of the last run (the
// advisories are evaluated for the report itself). Run the Simulate chain first.

#include <QPainter>
#include <QString>
#include <vector>

namespace zindle {

struct PhysicsState;

// Where a report line's text starts.
enum class ReportColumn {
    Left,         // 36 points (0.5 in)
    Right,        // 270 points (3.75 in)
    LeftPlusRight // both offsets added: the advisory line, indented under its heading
};

struct ReportLine {
    QString text;
    ReportColumn column = ReportColumn::Left;
    int y = 0;        // report units: 100 units are 12 points
    int fontSize = 9;
};

// A result value as the report prints it: "0.00" (two decimals) unless the text begins with
// "[" (an unfinished run's time), which is printed unchanged. An empty field (never computed)
// prints as 0.00, like the field's initial "0"; any other text that is not a number is printed
// as it stands rather than hidden behind a made-up value.
QString ReportValue(const QString &fieldText);

// The report's lines in printing order.
std::vector<ReportLine> DesignReportLines(const PhysicsState &workspace);

// Printer position of a line: y = Trunc(units / 8.333 x PrinterScaleY); x = Trunc(36 x
// PrinterScaleX), Trunc(270 x PrinterScaleX) or their sum.
int ReportLineY(int units, float printerScaleY);
int ReportColumnX(ReportColumn column, float printerScaleX);

// Paints the report with the workspace's printer scale (clear brush, black pen; each line's
// top at its y).
void PaintDesignReport(QPainter &painter, const PhysicsState &workspace);
// The same for any page of report lines, at the given printer scale (device dots per point).
void PaintReportLines(QPainter &painter, const std::vector<ReportLine> &lines, float printerScaleX,
                      float printerScaleY);

} // namespace zindle
