// SPDX-License-Identifier: GPL-3.0-or-later
#include "Forces.h"

#include <cmath>

namespace zindle {

float staticPropulsion(float maxTorque, float driveWhlDia)
{
    // A wheel without a radius turns no torque into force; the build geometry never leaves
    // the drive wheel smaller than its case, so this only guards hand-made numbers.
    if (!(driveWhlDia > 0.0f))
        return 0.0f;
    const float force = maxTorque / (driveWhlDia / 2.0f);
    if (!std::isfinite(force) || force < 0.0001f)
        return 0.0f;
    return force;
}

AxleLoad AxleLoads(DriveKind drive, const Balance &balance, float propulsion)
{
    const float M = balance.mass, d = balance.ahead, h = balance.height, L = balance.wheelbase;
    AxleLoad load;
    // With both axles at the same place no moment can share the weight out: the drive axle,
    // which is always there, carries the whole car and the other axle nothing.
    if (L == 0.0f || !std::isfinite(L)) {
        load.other = 0.0f;
        load.drive = M;
        return load;
    }
    switch (drive) {
    case DriveKind::RearWD: load.other = (M * d - propulsion * h) / L; break;
    case DriveKind::AllWD: load.other = (M * d - 2.0f * propulsion * h) / L; break;
    case DriveKind::FrontWD: load.other = (M * d + propulsion * h) / L; break;
    }
    // Centroid values that are not numbers (a broken analysis) must not spread into the run.
    if (!std::isfinite(load.other)) {
        load.other = 0.0f;
        load.drive = M;
        return load;
    }
    load.drive = M - load.other;
    if (load.drive > M)
        load.drive = M;
    return load;
}

float TractionCapacity(float mu, float load)
{
    const float traction = mu * load;
    return traction > 0.0f ? traction : 0.0f;
}

SkidResult ApplySkidRule(float force, float traction)
{
    if (force >= traction)
        return {force * 0.75f, true};
    return {force, false};
}

void ComputeAtRestLoads(DriveKind drive, const Balance &balance, ForcePictureState &state)
{
    const AxleLoad load = AxleLoads(drive, balance, 0.0f);
    state.NormalForceOtherAtRest = load.other;
    state.NormalForceDriveAtRest = load.drive;
    state.ForcePictureMass = balance.mass;
}

const char *driveCaption(DriveKind drive)
{
    switch (drive) {
    case DriveKind::AllWD: return QT_TRANSLATE_NOOP("DriveCaption", "All wheel drive");
    case DriveKind::FrontWD: return QT_TRANSLATE_NOOP("DriveCaption", "Front wheel drive");
    case DriveKind::RearWD: break;
    }
    return QT_TRANSLATE_NOOP("DriveCaption", "Rear wheel drive");
}

} // namespace zindle
