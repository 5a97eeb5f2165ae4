// SPDX-License-Identifier: GPL-3.0-or-later
#include "SimulationInputs.h"

#include "model/NumberText.h"
#include "model/PartMaterials.h"

#include <cmath>

namespace zindle {

RunInputs ReadRunInputs(const SimulationContext &context)
{
    const DesignRecord &design = context.design;
    const ResultFields &results = context.results;
    RunInputs in;
    const DesignNumbers &numbers = context.numbers;
    in.totalRevs = floatOr(results.RevsEF, 0.0f);
    in.wheelDia = numbers.DriveWhlDia;
    in.mass = floatOr(results.ProjectedMassEF, 0.0f);
    const float sampleWidth = numbers.SpringSampleWidth;
    // A test sample without width cannot be scaled to the spring: no torque at all.
    in.widthRatio = sampleWidth > 0.0f ? numbers.SpringWidth / sampleWidth : 0.0f;
    if (!std::isfinite(in.widthRatio))
        in.widthRatio = 0.0f;
    // Multiplying by exactly 1 changes no bit, so an uncalibrated run is the run it always was.
    in.widthRatio *= context.factors.springEfficiency;
    in.predicted = floatOr(results.PoweredDistanceEF, 0.0f);
    in.friction = context.factors.friction.value_or(numbers.Friction);
    in.mu = numbers.TreadFriction;
    in.allWheel = design.Drive == DriveKind::AllWD;

    const BoardMaterial &wheelBoard = boardOf(design, context.catalogue, DriveWheelPart);
    const float radius = in.wheelDia / 2.0f;
    float wheelMass = floatOr(wheelBoard.BoardDensity, 0.0f) * floatOr(wheelBoard.BoardThickness, 0.0f)
                      * (3.1416f * radius * radius) * 2.0f;
    if (in.allWheel)
        wheelMass *= 2.0f;
    // Massless wheels take no share of the force (the limit of the formula as the wheel mass
    // goes to 0); a share that is not finite (a negative total mass can put the denominator at
    // 0) is treated the same way rather than letting it reach the velocity.
    if (wheelMass != 0.0f) {
        in.inertiaShare = 1.0f / (2.0f * (in.mass - wheelMass) / wheelMass + 3.0f);
        if (!std::isfinite(in.inertiaShare))
            in.inertiaShare = 0.0f;
    }
    return in;
}

} // namespace zindle
