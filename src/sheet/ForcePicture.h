// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The force picture of the Analyze and Simulate modes: the green normal-force bars under the
// wheels, the blue propulsion and red traction bars at the wheels' contact points, their
// labels, the centroid marker and the drive arrow with its caption.
//
// The bars are kept as shapes (position, size, colours, shown or hidden) so that a frame of the
// simulation only changes the shapes and the painter draws them over the mode's picture; the
// window keeps that picture without them and repaints the shapes on a copy for every frame.

#include "model/DesignRecord.h"
#include "SheetPalette.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

namespace zindle {

struct SheetScale;
struct SimulationFrame;
struct PhysicsState;
struct ResultFields;

struct ForceShape {
    QRect rect; // pixels, relative to the sheet picture
    QColor fill, outline;
    bool visible = false;
    // A skidding axle's bar: its outline is dashed in black as well as tinged, so the skid
    // reads without telling the colours apart.
    bool skidding = false;
};

struct ForceLabel {
    QPoint pos; // top-left of the text
    QString text;
    QColor color = Qt::black;
    bool visible = false;
};

struct ForcePicture {
    ForceShape NormalForceLeftShape, NormalForceRightShape;
    ForceShape PropulsionLeftShape, PropulsionRightShape;
    ForceShape TractionLeftShape, TractionRightShape;
    ForceLabel NFLeftLabel, NFRightLabel, PropLeftLabel, PropRightLabel, TracLeftLabel, TracRightLabel;

    void hideNormalForces();
    void hideAll();
    bool anyVisible() const;
};

// Where the bars stand, in pixels relative to the sheet picture.
struct ForceAnchors {
    int driveX = 0, driveLine = 0;  // drive wheel contact point
    int otherX = 0, otherLine = 0;  // other wheel (normal-force bar)
    int mirrorX = 0;                // the right axle's propulsion/traction anchor (all-wheel drive)
};
ForceAnchors forceAnchors(const DesignRecord &design, const ResultFields &results, const SheetScale &scale);

// The normal-force bars and labels for `mass` and the two loads.
void ShowNormalForces(ForcePicture &picture, const PhysicsState &workspace, float mass, float otherLoad,
                      float driveLoad, const SheetPalette &palette = DefaultSheetPalette());
// The propulsion and traction bars and labels (forces after the skid rule).
void ShowForces(ForcePicture &picture, const PhysicsState &workspace, bool skidLeft, bool skidRight, float scale,
                float tractionRight, float propulsionRight, float tractionLeft, float propulsionLeft, const SheetPalette &palette = DefaultSheetPalette());
// Both, for one frame of the simulation.
void ShowSimulationFrame(ForcePicture &picture, const PhysicsState &workspace, const SimulationFrame &frame, const SheetPalette &palette = DefaultSheetPalette());

void PaintForcePicture(QPainter &painter, const ForcePicture &picture);

// The centroid marker at (x, y) inches from the sheet's top-left corner.
void DrawCentroidMarker(QPainter &painter, const SheetScale &scale, float centroidX, float centroidY);
// The drive arrow and its caption, pointing left for front-wheel drive.
void DrawDriveArrow(QPainter &painter, const SheetScale &scale, DriveKind drive, const SheetPalette &palette = DefaultSheetPalette());

} // namespace zindle
