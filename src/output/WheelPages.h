// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The wheel templates: two wheels of each kind, full size, silver discs with the axle hole
// white at the centre, laid out by diameter, one or two to a page.
//
// Reads: the design's DriveWhlDia, OtherWhlDia, DriveAxleDia, OtherAxleDia and drive (after
// the build step's corrections), the printer scale, and for the page labels the design name and
// the wheel boards.

#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

namespace zindle {

struct DesignRecord;
struct PhysicsState;

enum class WheelLayout {
    TwoPages,      // D > 5 in: one wheel per page
    SideBySide,    // 3.75 in <= D <= 5 in: the second wheel right of the first
    OneBelowOther, // D < 3.75 in: the second wheel below the first
};
WheelLayout WheelPageLayout(float diameterIn);

// One printed wheel page, in points from the page origin.
struct WheelPage {
    bool driveWheels = true;      // the drive wheels' page(s) come first
    float diameterIn = 0.0f;
    float holeIn = 0.0f;
    QString holeText;             // the axle diameter as typed
    std::vector<QRectF> wheelsPt; // bounding boxes of the wheels on this page
    QPointF labelPt;              // where the hole label starts: right of the first hole,
                                  // one hole radius below its centre
};

// "hole: " + axle diameter text + " in dia".
QString HoleLabel(const QString &axleDiaText);

// The wheel pages in print order: drive wheels, then the other wheels (with all-wheel drive
// the other wheels are drive wheels: the drive wheel's diameter and the drive axle's hole).
std::vector<WheelPage> WheelPages(const DesignRecord &design);

// Paints one wheel page (discs, holes, hole label, the wheel labels) in printer coordinates.
void PaintWheelPage(QPainter &painter, const PhysicsState &workspace, const WheelPage &page,
                    int templateLayerNumber);

} // namespace zindle
