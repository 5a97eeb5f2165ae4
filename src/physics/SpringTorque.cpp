// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpringTorque.h"

#include "physics/Forces.h"
#include "physics/MassBalance.h"
#include "model/PartMaterials.h"
#include "model/NumberText.h"

#include <algorithm>
#include <cmath>

namespace zindle {

float maxSpringTorque(float springWidth, float sampleTorque, float sampleWidth)
{
    // A sample of no width has no meaningful torque per inch; the material dialog keeps it
    // positive, so this only protects against a damaged file.
    if (!(sampleWidth > 0.0f))
        return 0.0f;
    const float torque = springWidth * sampleTorque / sampleWidth;
    if (!std::isfinite(torque) || torque < 0.0001f)
        return 0.0f;
    return torque;
}

float revolutionsDelivered(float t, float L, float a, float c)
{
    // A spring without thickness, or one that cannot lie in its chamber or wind on its arbor
    // (a square root of a negative number below), cannot be wound at all: it delivers no
    // revolutions rather than a NaN that would poison every later step. The build geometry
    // sizes the chamber from the spring, so this only happens with hand-made numbers.
    if (!(t > 0.0f))
        return 0.0f;
    const float twoPiT = 2.0f * Pi * t;
    const float piC = Pi * c;
    const float relaxedArg = piC * piC - 4.0f * Pi * t * L;
    if (!(relaxedArg >= 0.0f))
        return 0.0f;
    const float n = (piC - std::sqrt(relaxedArg)) / twoPiT;
    const float d = c - t * n;
    const float Le = L - (c / 2.0f - a / 2.0f);
    const float piA = Pi * a;
    const float arborArg = piA * piA + 4.0f * Pi * t * Le;
    const float piD = Pi * d;
    const float coreArg = piD * piD + 4.0f * Pi * t * Le;
    if (!(arborArg >= 0.0f) || !(coreArg >= 0.0f))
        return 0.0f;
    const float Na = (std::sqrt(arborArg) - piA) / twoPiT;
    const float Nd = (std::sqrt(coreArg) - piD) / twoPiT;
    const float revs = Na - Nd - 1.0f;
    return std::isfinite(revs) ? revs : 0.0f;
}

float poweredDistance(float wheelDia, float revolutions)
{
    const long double feet = 3.1415927L * static_cast<long double>(wheelDia)
                             * static_cast<long double>(revolutions) / 12.0L;
    const float result = static_cast<float>(feet);
    return std::isfinite(result) ? result : 0.0f;
}

TorqueCurve::TorqueCurve(const SpringMaterial &material)
{
    int last = 0;
    for (int k = 0; k < TorqueCurveCells; ++k) {
        const QString &text = material.SpringTorqueCurve[static_cast<size_t>(k)];
        const bool point = !text.isEmpty() && text != QLatin1String("0");
        isPoint[static_cast<size_t>(k)] = point;
        value[static_cast<size_t>(k)] = point ? floatOr(text, 0.0f) : 0.0f;
        if (point)
            last = k;
    }
    N = 1 + last;
}

float TorqueCurve::torqueAtRevs(float unwound, float total) const
{
    // No revolutions to stretch the curve over: the spring is spent from the start.
    if (!(total > 0.0f))
        return 0.0f;
    const float x = unwound * static_cast<float>(N) / total;
    if (!std::isfinite(x))
        return 0.0f;
    const int start = truncToInt(x);
    float x0 = 0.0f, y0 = 0.0f;
    for (int k = std::min(start, TorqueCurveCells - 1); k >= 0; --k) {
        if (isPoint[static_cast<size_t>(k)]) {
            x0 = static_cast<float>(k);
            y0 = value[static_cast<size_t>(k)];
            break;
        }
    }
    float x1 = static_cast<float>(N), y1 = 0.0f;
    for (int k = std::max(start + 1, 0); k <= N && k < TorqueCurveCells; ++k) {
        if (isPoint[static_cast<size_t>(k)]) {
            x1 = static_cast<float>(k);
            y1 = value[static_cast<size_t>(k)];
            break;
        }
    }
    // A wheel that rolled backwards (x below 0) finds no lower point and the upper point at
    // row 0, so both ends sit at 0: the spring is fully wound there, give its full torque.
    if (x1 == x0)
        return y1;
    return y0 + (x - x0) / (x1 - x0) * (y1 - y0);
}

float TorqueAtRevs(const SpringMaterial &material, float unwound, float total)
{
    return TorqueCurve(material).torqueAtRevs(unwound, total);
}

void ComputeTorqueStep(const DesignNumbers &numbers, ResultFields &results)
{
    const float maxTorque = maxSpringTorque(numbers.SpringWidth, numbers.SpringMaxTorque, numbers.SpringSampleWidth);
    results.MaxRealTorqueEF = floatText(maxTorque);

    const float propulsion = staticPropulsion(maxTorque, numbers.DriveWhlDia);
    results.PropulsionLeftEF = floatText(propulsion);
    results.PropulsionRightEF = floatText(propulsion);

    results.SpringMassEF = floatText(ComputeSpringMass(numbers));
}

void ComputeRevolutionsStep(const DesignNumbers &numbers, ResultFields &results)
{
    const float revs = revolutionsDelivered(numbers.SpringThickness, numbers.SpringLength, numbers.DriveAxleDia,
                                            floatOr(results.CaseIDEF, 0.0f));
    results.RevsEF = floatText(revs);
    results.PoweredDistanceEF = floatText(poweredDistance(numbers.DriveWhlDia, revs));
}

} // namespace zindle
