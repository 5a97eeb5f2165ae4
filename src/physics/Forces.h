// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The force rules between spring and road: propulsion at the drive wheels, how propulsion
// moves load between the axles, the traction each axle can take and the skid rule. The drive
// axle is always the "left" one, the other axle the "right" one.

#include "model/DesignRecord.h"
#include "model/MaterialCatalogue.h"

namespace zindle {

// What the mass and balance analysis found, as the force rules need it.
struct Balance {
    float mass = 0.0f;      // M, lbm used as lb
    float ahead = 0.0f;     // d, centroid ahead of the drive axle, in
    float height = 0.0f;    // h, centroid above the contact line, in
    float wheelbase = 0.0f; // L, in
};

struct AxleLoad {
    float other = 0.0f; // right axle
    float drive = 0.0f; // left axle
};

struct SkidResult {
    float force = 0.0f;
    bool skids = false;
};

// The values the force picture keeps between steps and modes.
struct ForcePictureState {
    float ForcePictureMass = 0.5f;
    float ForcePictureMaxForce = 0.5f;
    float NormalForceOtherAtRest = 0.0f;
    float NormalForceDriveAtRest = 0.0f;
    bool SkidOccurred = false;
};

inline constexpr int ForceBarLength = 150;

// Propulsion of one driven axle with the full spring torque; below 0.0001 it is 0.
float staticPropulsion(float maxTorque, float driveWhlDia);

AxleLoad AxleLoads(DriveKind drive, const Balance &balance, float propulsion);
float TractionCapacity(float mu, float load);
SkidResult ApplySkidRule(float force, float traction);

// The at-rest loads of the revolutions step: the loads without propulsion, and the mass as
// the scale of the normal-force markers.
void ComputeAtRestLoads(DriveKind drive, const Balance &balance, ForcePictureState &state);

// The drive caption drawn beside the drive arrow.
const char *driveCaption(DriveKind drive);
// -1 for front-wheel drive (the car travels to the left), +1 otherwise.
inline int driveDirection(DriveKind drive) { return drive == DriveKind::FrontWD ? -1 : 1; }

} // namespace zindle
