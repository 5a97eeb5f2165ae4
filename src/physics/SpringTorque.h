// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spring: how much torque the design's spring gives, how many revolutions it delivers
// before it runs out, and its torque at any point of the unwinding. The material's test
// sample data is scaled to the design's spring width; the length only decides the turns.

#include "model/DesignRecord.h"
#include "model/MaterialCatalogue.h"
#include "model/DesignNumbers.h"
#include "physics/ResultFields.h"

#include <array>

namespace zindle {

// Maximum torque of a spring `springWidth` wide, from the test sample's fully-wound torque.
// Results below 0.0001 (negatives included) are 0.
float maxSpringTorque(float springWidth, float sampleTorque, float sampleWidth);

// Revolutions a spring of thickness t and length L delivers between a wound coil on an arbor
// of diameter a and its relaxed coil in a chamber of diameter c.
float revolutionsDelivered(float t, float L, float a, float c);

// Feet covered by `revolutions` turns of a wheel `wheelDia` inches across.
float poweredDistance(float wheelDia, float revolutions);

// The torque curve of a material, parsed once so that a simulation does not parse text at
// every step. Row k is the torque after k revolutions of the test sample.
class TorqueCurve {
public:
    explicit TorqueCurve(const SpringMaterial &material);
    // Torque of the test sample, in-lb, after `unwound` of the design's `total` revolutions.
    float torqueAtRevs(float unwound, float total) const;
    int pointCount() const { return N; } // 1 + index of the last curve point

private:
    std::array<float, TorqueCurveCells> value{};
    std::array<bool, TorqueCurveCells> isPoint{};
    int N = 1;
};

float TorqueAtRevs(const SpringMaterial &material, float unwound, float total);

// The torque step's own results: MaxRealTorqueEF, PropulsionLeftEF/RightEF and SpringMassEF
// (the mass analysis' own formula), from the spring width, the drive wheel diameter and the
// spring material.
void ComputeTorqueStep(const DesignNumbers &numbers, ResultFields &results);

// The revolutions step's own results: RevsEF and PoweredDistanceEF, from the spring, the
// drive axle and wheel, the spring material and CaseIDEF.
void ComputeRevolutionsStep(const DesignNumbers &numbers, ResultFields &results);

} // namespace zindle
