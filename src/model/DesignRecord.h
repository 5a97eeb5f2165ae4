// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one design held open for editing. Part parameters are kept as the text that was typed
// or read, never as numbers, so a design comes back from its file character for character.

#include <QPoint>
#include <QString>
#include <array>
#include <vector>

namespace zindle {

enum class DriveKind { RearWD, FrontWD, AllWD };
enum class ChamberShapeKind { Octagonal, Circular };

inline constexpr int MaxOutlinePoints = 256;
// How far from the sheet's corner any stored point may lie, in points (the sheet is 720 x 540):
// room for any drawing near the sheet, and the window every part region is cut to.
inline constexpr int MaxSheetCoordinate = 10000;
inline constexpr int WeightSlotCount = 256;
inline constexpr int PartCount = 8;

// Parts in the order of MatIndex and of the design file.
enum Part { OuterBodyPart, InnerBodyPart, DriveWheelPart, OtherWheelPart, DriveAxlePart,
            OtherAxlePart, SpringPart, TreadPart };

struct HitRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool isEmpty() const { return right <= left || bottom <= top; }
    // The corners are the drawn weight's ends: its point lies on the bottom (or top) edge, and a
    // click there must pick it.
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

struct WeightSlot {
    int X = 0, Y = 0;
    float Mass = 0.0f; // 0 marks a free slot; negative masses are allowed
    HitRect Rect;
    bool isFree() const { return Mass == 0.0f; }
};

// Default front axle position in the axle frame (points from the right and bottom edges).
inline constexpr float DefaultFrontAxleXPt = 115.0f;
inline constexpr float DefaultFrontAxleYPt = 25.0f;

struct DesignRecord {
    // Part parameters, inches, as text.
    QString SpringWidth, SpringLength, DriveWhlDia, DriveAxleDia, DriveAxleLength;
    QString OtherWhlDia, OtherAxleDia, OtherAxleLength;
    // The second spring of an all-wheel-drive car.
    QString RSpringWidth, RSpringLength, RArborDia;
    // The other-wheel diameter put aside while all-wheel drive is chosen.
    QString SavedOtherWhlDia;

    // Settings that travel with the design (the Preferences dialog shows them).
    QString StepSize = QStringLiteral("9");
    QString CaseRatio = QStringLiteral("4.0");
    QString Friction = QStringLiteral("0.05");
    ChamberShapeKind ChamberShape = ChamberShapeKind::Circular;

    std::vector<QPoint> OuterPts; // sheet points, at most MaxOutlinePoints
    std::vector<QPoint> InnerPts;
    int OuterCount() const { return static_cast<int>(OuterPts.size()); }
    int InnerCount() const { return static_cast<int>(InnerPts.size()); }

    float FrontAxleXPt = DefaultFrontAxleXPt, FrontAxleYPt = DefaultFrontAxleYPt;
    float FrontAxleXIn = DefaultFrontAxleXPt / 72.0f, FrontAxleYIn = DefaultFrontAxleYPt / 72.0f;

    DriveKind Drive = DriveKind::RearWD;
    std::array<WeightSlot, WeightSlotCount> Weights{}; // slot i of the user is Weights[i - 1]

    std::array<int, PartCount> MatIndex{};
    int CustomMaterialsInFile = 1;

    // Index of the first free weight slot, or -1 when all are taken.
    int firstFreeWeightSlot() const;
    int usedWeightCount() const;
    // Keeps the inch values in step with the point values (always points / 72).
    void setFrontAxlePt(float xPt, float yPt);
};

// The texts every reset puts into the part parameters.
struct ParameterDefaults {
    static inline const QString SpringWidth = QStringLiteral("1.5");
    static inline const QString SpringLength = QStringLiteral("36");
    static inline const QString DriveWhlDia = QStringLiteral("4.80");
    static inline const QString DriveAxleDia = QStringLiteral("0.5");
    static inline const QString DriveAxleLength = QStringLiteral("7");
    static inline const QString OtherWhlDia = QStringLiteral("1.75");
    static inline const QString OtherAxleDia = QStringLiteral("0.25");
    static inline const QString OtherAxleLength = QStringLiteral("7");
};

// The model part of resetting a design: default parameters, second-spring texts, rear drive,
// built-in materials, default front axle. Outlines and weights are not touched, nor are the
// settings of the Preferences dialog: a new or built-in design keeps the ones in effect.
void ResetParameters(DesignRecord &design);
void ClearOuterShape(DesignRecord &design);
void ClearInnerShape(DesignRecord &design);
void ClearWeights(DesignRecord &design);

// The side effects of pressing a drive button on the design's texts.
void ApplyDrive(DesignRecord &design, DriveKind drive);

// The eight parameter texts in file order (SpringWidth ... OtherAxleLength).
std::array<QString *, 8> parameterFields(DesignRecord &design);
std::array<const QString *, 8> parameterFields(const DesignRecord &design);
extern const std::array<const char *, 8> ParameterNames;

} // namespace zindle
