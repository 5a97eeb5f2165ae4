// SPDX-License-Identifier: GPL-3.0-or-later
#include "ForcePicture.h"

#include "model/NumberText.h"
#include "physics/PhysicsState.h"
#include "physics/Forces.h"
#include "physics/Simulation.h"
#include "geometry/SheetScale.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPolygon>

#include <algorithm>
#include <utility>
#include <vector>

namespace zindle {

namespace {

const QColor NormalForceGreen(0, 128, 0);
const QColor PropulsionBlue(0, 0, 255);
const QColor SkidFuchsia(255, 0, 255);
const QColor TractionRed(255, 0, 0);

constexpr int BarThickness = 4;
constexpr int LabelHeight = 12; // pixel height of the force labels' text

// Chamber and case radius in whole points, as every user of the build geometry reads them back.
struct Radii {
    int inner = 0, outer = 36;
};

Radii caseRadii(const ResultFields &results)
{
    Radii r;
    r.inner = truncToInt(floatOr(results.CaseIDEF, 0.0f) * 72.0f / 2.0f);
    r.outer = r.inner + 36;
    return r;
}

QString forceText(float force, int characters)
{
    return floatText(force).left(characters) + QStringLiteral(" lb");
}

// A vertical bar standing on `line` (hanging below it when the length is negative).
QRect standingBar(int x, int line, int length)
{
    if (length >= 0)
        return QRect(x, line - length, BarThickness, length);
    return QRect(x, line, BarThickness, -length);
}

// A horizontal bar of `length` pixels from `x` against the direction of travel.
QRect lyingBar(int x, int top, int length, int direction)
{
    const int magnitude = length < 0 ? -length : length;
    const int towardsRear = (length >= 0 ? -direction : direction);
    if (towardsRear < 0)
        return QRect(x - magnitude, top, magnitude, BarThickness);
    return QRect(x, top, magnitude, BarThickness);
}

} // namespace

void ForcePicture::hideNormalForces()
{
    NormalForceLeftShape.visible = NormalForceRightShape.visible = false;
    NFLeftLabel.visible = NFRightLabel.visible = false;
}

void ForcePicture::hideAll() { *this = ForcePicture{}; }

bool ForcePicture::anyVisible() const
{
    for (const ForceShape *shape : {&NormalForceLeftShape, &NormalForceRightShape, &PropulsionLeftShape,
                                    &PropulsionRightShape, &TractionLeftShape, &TractionRightShape})
        if (shape->visible)
            return true;
    return false;
}

ForceAnchors forceAnchors(const DesignRecord &d, const ResultFields &results, const SheetScale &scale)
{
    const float s = scale.ScreenScale;
    const Radii r = caseRadii(results);
    ForceAnchors a;
    a.driveX = truncToInt(r.outer * s) + scale.SheetOffsetX;
    a.driveLine = truncToInt((540 - r.inner + r.outer) * s);
    a.mirrorX = truncToInt((720 - r.outer) * s) + scale.SheetOffsetX;
    if (d.Drive == DriveKind::AllWD) {
        a.otherX = a.mirrorX;
        a.otherLine = a.driveLine;
    } else {
        a.otherX = truncToInt((720.0f - d.FrontAxleXPt) * s + scale.SheetOffsetX);
        const int wheelRadius = truncToInt(floatOr(d.OtherWhlDia, 0.0f) * 72.0f / 2.0f);
        a.otherLine = truncToInt((540.0f - d.FrontAxleYPt + wheelRadius) * s);
    }
    return a;
}

void ShowNormalForces(ForcePicture &picture, const PhysicsState &workspace, float mass, float otherLoad,
                      float driveLoad, const SheetPalette &palette)
{
    const ForceAnchors a = forceAnchors(workspace.design, workspace.results, workspace.scale);
    // A car without mass has nothing to scale the bars by; they shrink to nothing.
    const auto length = [mass](float force) {
        return mass != 0.0f ? truncToInt(force / mass * float(ForceBarLength)) : 0;
    };
    picture.NormalForceLeftShape = {standingBar(a.driveX, a.driveLine, length(driveLoad)), NormalForceGreen,
                                    NormalForceGreen, true};
    picture.NormalForceRightShape = {standingBar(a.otherX, a.otherLine, length(otherLoad)), NormalForceGreen,
                                     NormalForceGreen, true};
    picture.NFLeftLabel = {QPoint(a.driveX + BarThickness + 5, a.driveLine - 40), forceText(driveLoad, 5),
                           palette.forceText, true};
    picture.NFRightLabel = {QPoint(a.otherX + BarThickness + 5, a.otherLine - 30), forceText(otherLoad, 5),
                            palette.forceText, true};
}

void ShowForces(ForcePicture &picture, const PhysicsState &workspace, bool skidLeft, bool skidRight, float scale,
                float tractionRight, float propulsionRight, float tractionLeft, float propulsionLeft,
                const SheetPalette &palette)
{
    picture.PropulsionRightShape.visible = picture.TractionRightShape.visible = false;
    picture.PropRightLabel.visible = picture.TracRightLabel.visible = false;

    const float s = workspace.scale.ScreenScale;
    const ForceAnchors a = forceAnchors(workspace.design, workspace.results, workspace.scale);
    const int direction = driveDirection(workspace.design.Drive);
    const auto length = [scale, s](float force) {
        const int points = scale != 0.0f ? truncToInt(float(ForceBarLength) * force / scale) : 0;
        return truncToInt(points * s);
    };
    const auto axle = [&](int x, bool skids, float propulsion, float traction, ForceShape &propShape,
                          ForceShape &tracShape, ForceLabel &propLabel, ForceLabel &tracLabel, int propLeft,
                          int tracLeft) {
        const QColor outline = skids ? SkidFuchsia : PropulsionBlue;
        propShape = {lyingBar(x, a.driveLine, length(propulsion), direction), PropulsionBlue, outline, true, skids};
        const int tractionTop = a.driveLine + BarThickness + 6;
        tracShape = {lyingBar(x, tractionTop, length(traction), direction), TractionRed, TractionRed, true};
        // The label's text ends 20 pixels above the bar, clear of the normal-force label.
        propLabel = {QPoint(x - propLeft, a.driveLine - 20 - LabelHeight), forceText(propulsion, 6),
                     skids ? palette.skidText : palette.propulsionText, true};
        tracLabel = {QPoint(x - tracLeft, tractionTop + BarThickness + 10), forceText(traction, 6),
                     palette.forceText, true};
    };
    axle(a.driveX, skidLeft, propulsionLeft, tractionLeft, picture.PropulsionLeftShape, picture.TractionLeftShape,
         picture.PropLeftLabel, picture.TracLeftLabel, 50, 20);
    if (workspace.design.Drive == DriveKind::AllWD)
        axle(a.mirrorX, skidRight, propulsionRight, tractionRight, picture.PropulsionRightShape,
             picture.TractionRightShape, picture.PropRightLabel, picture.TracRightLabel, 40, 20);
}

void ShowSimulationFrame(ForcePicture &picture, const PhysicsState &workspace, const SimulationFrame &frame,
                         const SheetPalette &palette)
{
    ShowForces(picture, workspace, frame.skidLeft, frame.skidRight, frame.scale, frame.tractionRight,
               frame.propulsionRight, frame.tractionLeft, frame.propulsionLeft, palette);
    ShowNormalForces(picture, workspace, frame.massScale, frame.loadOther, frame.loadDrive, palette);
}

void PaintForcePicture(QPainter &painter, const ForcePicture &picture)
{
    painter.save();
    for (const ForceShape *shape : {&picture.NormalForceLeftShape, &picture.NormalForceRightShape,
                                    &picture.PropulsionLeftShape, &picture.PropulsionRightShape,
                                    &picture.TractionLeftShape, &picture.TractionRightShape}) {
        if (!shape->visible || shape->rect.isEmpty())
            continue;
        painter.fillRect(shape->rect, shape->fill);
        painter.setPen(QPen(shape->outline, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(shape->rect.adjusted(0, 0, -1, -1));
        if (shape->skidding) {
            QPen dashes(Qt::black, 1, Qt::CustomDashLine);
            dashes.setDashPattern({2, 2});
            painter.setPen(dashes);
            painter.drawRect(shape->rect.adjusted(0, 0, -1, -1));
        }
    }
    QFont font = painter.font();
    font.setPixelSize(LabelHeight - 1);
    painter.setFont(font);
    // A label that would run into one drawn before it moves a line further from its bar (the
    // propulsion labels up, the traction labels down): two forces printed on one spot read as
    // one number ("0.5999 lb0.160 lb").
    const QFontMetrics metrics(font);
    std::vector<QRect> placed;
    const std::pair<const ForceLabel *, int> labels[] = {
        {&picture.NFLeftLabel, -1},   {&picture.NFRightLabel, -1},  {&picture.PropLeftLabel, -1},
        {&picture.PropRightLabel, -1}, {&picture.TracLeftLabel, 1}, {&picture.TracRightLabel, 1}};
    for (const auto &[label, away] : labels) {
        if (!label->visible)
            continue;
        QRect box(label->pos, QSize(metrics.horizontalAdvance(label->text), LabelHeight + 2));
        const auto clashes = [&placed](const QRect &r) {
            return std::any_of(placed.begin(), placed.end(),
                               [&r](const QRect &other) { return other.adjusted(-4, 0, 4, 0).intersects(r); });
        };
        for (int tries = 0; tries < 4 && clashes(box); ++tries)
            box.translate(0, away * (LabelHeight + 2));
        placed.push_back(box);
        painter.setPen(label->color);
        painter.drawText(QRect(box.topLeft(), QSize(200, 14)), Qt::AlignLeft | Qt::AlignTop, label->text);
    }
    painter.restore();
}

void DrawCentroidMarker(QPainter &painter, const SheetScale &scale, float centroidX, float centroidY)
{
    const float s = scale.ScreenScale;
    const int radius = truncToInt(15.0f * s);
    const QPoint centre(truncToInt(centroidX * 72.0f * s) + scale.SheetOffsetX, truncToInt(centroidY * 72.0f * s));
    const QRect box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(NormalForceGreen, 1));
    painter.setBrush(Qt::white);
    painter.drawEllipse(box);
    painter.setBrush(NormalForceGreen);
    painter.drawPie(box, 90 * 16, 90 * 16);  // from the top to the left
    painter.drawPie(box, 270 * 16, 90 * 16); // from the bottom to the right
    painter.restore();
}

void DrawDriveArrow(QPainter &painter, const SheetScale &scale, DriveKind drive, const SheetPalette &palette)
{
    static const int rightward[8][2] = {{250, 70}, {415, 70}, {415, 55}, {450, 75},
                                        {415, 95}, {415, 80}, {250, 80}, {250, 70}};
    static const int leftward[8][2] = {{500, 70}, {335, 70}, {335, 55}, {300, 75},
                                       {335, 95}, {335, 80}, {500, 80}, {500, 70}};
    const float s = scale.ScreenScale;
    const bool front = drive == DriveKind::FrontWD;
    const int(*points)[2] = front ? leftward : rightward;
    QPolygon line;
    for (int i = 0; i < 8; ++i)
        line << QPoint(truncToInt(points[i][0] * s) + scale.SheetOffsetX, truncToInt(points[i][1] * s));
    painter.save();
    painter.setPen(QPen(palette.driveArrow, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
    painter.setPen(QPen(palette.driveCaption, 2));
    QFont font = painter.font();
    font.setPointSize(std::max(1, truncToInt(16.0f * s)));
    painter.setFont(font);
    const int x = truncToInt((front ? 340.0f : 270.0f) * s) + scale.SheetOffsetX;
    const int y = truncToInt(40.0f * s);
    // The caption stands on its line above the arrowhead's top (55 points), never across it,
    // whatever height the font comes out at.
    const int arrowTop = truncToInt(55.0f * s);
    const int baseline = std::min(y + painter.fontMetrics().ascent(), arrowTop - 2);
    painter.drawText(QPoint(x, baseline), QCoreApplication::translate("DriveCaption", driveCaption(drive)));
    painter.restore();
}

} // namespace zindle
