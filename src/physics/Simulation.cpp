// SPDX-License-Identifier: GPL-3.0-or-later
#include "Simulation.h"

#include "SimulationInputs.h"

#include "model/NumberText.h"
#include "model/PartMaterials.h"
#include "physics/SpringTorque.h"
#include "model/Modes.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SimulationLabels)
};

constexpr float StepSeconds = RunStepSeconds;
constexpr int TimeLimitIndex = RunTimeLimitIndex;
constexpr int StepsPerFrame = 2;

QString distanceLabel(float distance, float predicted)
{
    return Texts::tr("%1 of %2 ft").arg(text00(distance), text00(predicted));
}

QString timeLabel(int timeIndex) { return Texts::tr("%1 sec").arg(text00(timeIndex / 100.0)); }

QString revsLabel(float turned, float total, bool front)
{
    return (front ? Texts::tr("Rev %1 of %2: Front") : Texts::tr("Rev %1 of %2: Rear")).arg(text0(turned), text0(total));
}

void fillLabels(SimulationFrame &frame, const RunInputs &in, float distance, float revsLeft,
                float revsRight)
{
    frame.DynamicDistanceLabel = distanceLabel(distance, in.predicted);
    frame.DynamicTimeLabel = timeLabel(frame.timeIndex);
    frame.DynamicRevsLeftLabel = revsLabel(revsLeft, in.totalRevs, false);
    frame.DynamicRevsRightLabel = in.allWheel ? revsLabel(revsRight, in.totalRevs, true) : QString();
}

} // namespace

SimulationOutcome RunSimulation(SimulationContext &context, int frame, const SimulationFrameHook &onFrame)
{
    ResultFields &results = context.results;
    ForcePictureState &forces = context.forces;
    const bool inSimulateMode = context.currentMode == SheetMode::Simulate;

    forces.SkidOccurred = false;
    const int slot = context.list.CurrentDesign;
    RaceTrace *trace = slot >= 0 && slot < RaceSlots ? &context.list.traces[static_cast<size_t>(slot)] : nullptr;
    if (trace)
        trace->clear();
    RunTrace *run = context.run;
    if (run)
        run->clear();
    std::vector<SimulationFrame> *recorded = context.frames;
    if (recorded)
        recorded->clear();
    EnergyTrace *energy = context.energy;
    if (energy)
        energy->clear();

    const RunInputs in = ReadRunInputs(context);
    Balance balance = context.balance;
    balance.mass = in.mass;
    const float tractionRightShown = in.allWheel ? std::fabs(floatOr(results.TractionRightEF, 0.0f)) : 0.0f;
    forces.ForcePictureMaxForce = std::max(std::fabs(floatOr(results.TractionLeftEF, 0.0f)), tractionRightShown);

    const TorqueCurve curve(springOf(context.design, context.catalogue));
    // A wheel without a radius turns no torque into force and no distance into turns.
    const bool wheelUsable = in.wheelDia > 0.0f;
    const float halfWheel = in.wheelDia / 2.0f;
    const float circumferenceFt = 3.1415927f * in.wheelDia / 12.0f;
    const float inertiaMass = in.mass / GravityFtPerS2;

    SimulationOutcome out;
    out.totalRevs = in.totalRevs;
    int timeIndex = 0;
    float v = 0.0f, distance = 0.0f, revsLeft = 0.0f, revsRight = 0.0f, peak = 0.0f;
    int frameCounter = 1, stepCounter = 0;
    bool skidLeft = false, skidRight = false;

    const auto propulsionAt = [&](float turned) {
        if (!wheelUsable)
            return 0.0f;
        const float force = in.widthRatio * curve.torqueAtRevs(turned, in.totalRevs) / halfWheel;
        return std::isfinite(force) ? force : 0.0f;
    };

    for (;;) {
        ++timeIndex;
        ++stepCounter;
        float forceLeft = propulsionAt(revsLeft);
        float forceRight = in.allWheel ? propulsionAt(revsRight) : 0.0f;
        const float demanded = forceLeft + forceRight;
        const float springLeft = forceLeft, springRight = forceRight;

        const AxleLoad load = AxleLoads(context.design.Drive, balance, forceLeft);
        const float tractionLeft = TractionCapacity(in.mu, load.drive);
        const float tractionRight = TractionCapacity(in.mu, load.other);
        const SkidResult left = ApplySkidRule(forceLeft, tractionLeft);
        forceLeft = left.force;
        skidLeft = left.skids;
        skidRight = false;
        if (in.allWheel) {
            const SkidResult right = ApplySkidRule(forceRight, tractionRight);
            forceRight = right.force;
            skidRight = right.skids;
        }
        if (skidLeft || skidRight)
            forces.SkidOccurred = true;

        const float net = (forceLeft + forceRight) * (1.0f - in.inertiaShare) - in.friction;
        // A car without a positive mass cannot be accelerated by a finite force: it stays where
        // it is (this only happens when no mass analysis has run, e.g. without a body outline).
        float acceleration = in.mass > 0.0f ? net / inertiaMass : 0.0f;
        if (!std::isfinite(acceleration))
            acceleration = 0.0f;
        const bool startedAtRest = v == 0.0f;
        float v2 = v + acceleration * StepSeconds;
        if (!std::isfinite(v2))
            v2 = v; // keep the last finite speed rather than letting an overflow reach the traces
        // Friction resists motion but cannot drive the car backwards: a car at rest that the
        // spring cannot move stays at rest, and a car that slows down stops rather than
        // reversing. Runs that keep moving take neither branch and are computed as before.
        const bool stopped = (startedAtRest && !(net > 0.0f)) || v2 < 0.0f;
        if (stopped)
            v2 = 0.0f;
        const bool atRest = startedAtRest && v2 == 0.0f;
        float dx = (v + v2) / 2.0f * StepSeconds;
        if (!std::isfinite(distance + dx))
            dx = 0.0f;
        distance += dx;
        if (energy)
            AddEnergyStep(*energy, {timeIndex, springLeft, springRight, forceLeft, forceRight, skidLeft, skidRight,
                                    in.inertiaShare, in.friction, inertiaMass, v, v2, dx, stopped});
        v = v2;
        peak = std::max(peak, v);

        float base = wheelUsable ? dx / circumferenceFt : 0.0f;
        if (!std::isfinite(base))
            base = 0.0f; // a wheel too small to measure turns no countable revolutions
        revsLeft += skidLeft ? 2.0f * base : base;
        revsRight += skidRight ? 2.0f * base : base;

        if (distance >= CourseFt && out.timeToCourseEnd == NotYetAtCourseEnd)
            out.timeToCourseEnd = timeIndex;

        if (run)
            run->samples.push_back({timeIndex, distance, v, demanded,
                                    in.allWheel ? tractionLeft + tractionRight : tractionLeft,
                                    skidLeft || skidRight});
        if (trace && timeIndex < TraceSamples) {
            trace->DistanceTrace[static_cast<size_t>(timeIndex)] = distance;
            trace->SkidTrace[static_cast<size_t>(timeIndex)] = (skidLeft || skidRight) ? 1 : 0;
        }

        const bool spent = revsLeft >= in.totalRevs || revsRight >= in.totalRevs;
        // A run that ends at rest ends its frame too, as one whose spring ran out does.
        if (stepCounter >= StepsPerFrame || spent || atRest) {
            stepCounter = 0;
            const bool requested = frameCounter == frame || frame == FrameEntireCycle;
            if ((requested || recorded) && inSimulateMode) {
                SimulationFrame shown;
                shown.frame = frameCounter;
                shown.timeIndex = timeIndex;
                shown.skidLeft = skidLeft;
                shown.skidRight = skidRight;
                shown.scale = forces.ForcePictureMaxForce;
                shown.propulsionLeft = forceLeft;
                shown.propulsionRight = forceRight;
                shown.tractionLeft = tractionLeft;
                shown.tractionRight = tractionRight;
                shown.massScale = forces.ForcePictureMass;
                shown.loadOther = load.other;
                shown.loadDrive = load.drive;
                shown.distance = distance;
                shown.velocity = v;
                shown.revsLeft = revsLeft;
                shown.revsRight = revsRight;
                // Labels cost a formatting each; the entire-cycle view without a window to
                // show them only needs the last one (the end picture writes its own).
                if (onFrame || frame != FrameEntireCycle || recorded)
                    fillLabels(shown, in, distance, revsLeft, revsRight);
                if (recorded)
                    recorded->push_back(shown);
                if (requested) {
                    if (onFrame)
                        onFrame(shown);
                    out.shownFrame = std::move(shown);
                }
            }
            ++frameCounter;
        }
        // Nothing changes any more once a step starts and ends at rest (that step is counted).
        if (spent || atRest || timeIndex > TimeLimitIndex)
            break;
    }

    if (run && out.timeToCourseEnd != NotYetAtCourseEnd)
        run->timeToCourseEnd = out.timeToCourseEnd;
    out.finalTimeIndex = timeIndex;
    out.velocity = v;
    out.distance = distance;
    out.revsLeft = revsLeft;
    out.revsRight = revsRight;
    out.skidOccurred = forces.SkidOccurred;
    out.frameCount = frameCounter - 1;

    out.framesEnded = frame == FrameEntireCycle || frame == frameCounter;
    if ((out.framesEnded || recorded) && inSimulateMode) {
        const AxleLoad atRest = AxleLoads(context.design.Drive, balance, 0.0f);
        if (out.framesEnded) {
            forces.NormalForceOtherAtRest = atRest.other;
            forces.NormalForceDriveAtRest = atRest.drive;
        }
        SimulationFrame last;
        last.final = true;
        last.timeIndex = timeIndex;
        last.skidLeft = skidLeft;
        last.skidRight = skidRight;
        last.scale = forces.ForcePictureMaxForce;
        last.tractionLeft = in.mu * atRest.drive;
        last.tractionRight = in.mu * atRest.other;
        last.massScale = forces.ForcePictureMass;
        last.loadOther = atRest.other;
        last.loadDrive = atRest.drive;
        last.distance = distance;
        last.velocity = v;
        last.revsLeft = revsLeft;
        last.revsRight = revsRight;
        fillLabels(last, in, distance, revsLeft, revsRight);
        if (recorded)
            recorded->push_back(last);
        if (out.framesEnded) {
            if (onFrame)
                onFrame(last);
            out.shownFrame = std::move(last);
        }
    }

    if (out.timeToCourseEnd != NotYetAtCourseEnd)
        results.TimeEF = floatText(static_cast<float>(out.timeToCourseEnd) / 100.0f);
    else
        results.TimeEF = QStringLiteral("[") + doubleText(timeIndex / 100.0).left(4) + QStringLiteral("]");
    results.TopSpeedEF = floatText(v).left(4);
    results.PeakSpeedEF = floatText(peak).left(4);
    if (in.predicted > distance) {
        results.RevisedLabel = QStringLiteral("(was ") + results.PoweredDistanceEF.left(4) + QStringLiteral(")");
        results.PoweredDistanceEF = floatText(distance).left(4);
    } else {
        results.RevisedLabel.clear();
    }
    if (slot >= 0 && slot < context.list.DesignCount())
        context.list.entries[static_cast<size_t>(slot)].DesignSimulated = true;
    return out;
}

} // namespace zindle
