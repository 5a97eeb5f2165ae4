// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How sure a prediction is: the current design built many times, each build with every
// toleranced quantity off by its own drawn error, run through the lean path of the sweep
// (app/ParallelSweep.h: build, torque and mass, revolutions, run; no sheet regions). The run
// is the one with coasting (physics/Coast.h), as a built car is timed on a track: a car whose
// spring runs out just short of 15 ft still gets there, and its time to 15 ft is read between
// the two 0.01 s steps around it, not rounded to a step as TimeEF is.
//
// Each build draws one error per tolerance, uniform within plus or minus the tolerance (what
// "built within tolerance" promises, and no more), and applies it to every part it concerns:
// - board thickness and density: relative, to every board of the catalogue (one sheet of board);
// - outline: inches each side of the outer and inner body outlines moves, each outline scaled
//   about the centre of its bounding box by (extent + 2 x amount) / extent in x and in y; the
//   points are whole sheet points (1/72 in), so each moved point is rounded to the nearest
//   one. The mass analysis counts elements of the design's element size (9 points by default)
//   by their sample points, so a small outline error shows in the mass only where it carries
//   an element's sample point across the line: the effect is real but comes in steps;
// - wheel diameter: inches, added to the drive and the other wheel's diameters;
// - spring torque: relative, through ModelFactors::springEfficiency;
// - friction: relative, through ModelFactors::friction (from the track's calibration when
//   there is one, the design's Preferences friction otherwise);
// - weight mass: relative, to every placed weight.
// A tolerance of zero leaves its quantity exactly as the design has it (its texts untouched).
//
// Build i draws from its own generator seeded from (seed, i) (physics/ToleranceStatistics.h), in
// the order of the tolerances above, all of them always, so changing one tolerance leaves the
// others' draws alone. Builds run on the WorkerPool and are gathered in build order: the same
// seed gives bit-identical results on any number of threads.

#include "app/WorkerPool.h"
#include "app/Workspace.h"
#include "charts/ToleranceChart.h"
#include "physics/ToleranceStatistics.h"

#include <QString>
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace zindle {

// Plus or minus; the defaults are what a class can keep.
struct BuildTolerances {
    double boardThickness = 0.05; // share of the thickness
    double boardDensity = 0.10;   // share of the density
    double outline = 1.0 / 16.0;  // in, each side
    double wheelDiameter = 1.0 / 32.0; // in
    double springTorque = 0.10;   // share of the rated torque
    double friction = 0.20;       // share of the friction force
    double weightMass = 0.05;     // share of each weight's mass
};

inline constexpr int ToleranceCount = 7;

struct ToleranceKind {
    const char *name;    // on the command line and in JSON: "density"
    const char *caption; // for a student: "board density"
    bool inches;         // an amount in inches; otherwise a share, shown in percent
    double BuildTolerances::*value;
};
// In the order of BuildTolerances, which is the order of the draws.
extern const std::array<ToleranceKind, ToleranceCount> ToleranceKinds;

struct ToleranceOptions {
    int samples = 1000;
    std::uint64_t seed = 1;
    int threads = 0; // 0: one per core
    // Both called on the calling thread, at least every 20 ms while the builds run.
    std::function<bool()> stopRequested;
    std::function<void(qint64 completed, qint64 total)> progress;
    // Set from any thread to stop.
    const std::atomic<bool> *stopFlag = nullptr;
    int histogramBins = 20;
};

struct ToleranceBuild {
    std::optional<double> time; // s to 15 ft, between the steps around it; none when short
    float distance = 0.0f;      // ft where the car comes to rest (or stands at the time limit)
    // Each tolerance's draw in [-1, 1): the build's error is the draw times the tolerance.
    std::array<double, ToleranceCount> draws{};
};

struct ToleranceStudy {
    QString message; // why nothing ran (a design the model cannot run); empty otherwise
    BuildTolerances tolerances;
    std::uint64_t seed = 0;
    bool stopped = false; // the builds are then those completed before the stop, in order
    std::optional<double> nominalTime; // the design as drawn, timed the same way
    float nominalDistance = 0.0f;
    std::vector<float> nominalDistances; // ft per 0.01 s step from t = 0, coasting included
    std::vector<ToleranceBuild> builds;  // in build order
    // Nearest rank over all builds, those that fall short ranked last: none when the rank
    // falls on a build that does not reach 15 ft.
    std::optional<double> p5, p50, p95;
    double reachProbability = 0.0; // share of the builds that reach 15 ft
    TimeHistogram histogram;
    std::array<double, ToleranceCount> shares{}; // percent of the spread of the time, adding to 100
    int largestShare = -1;                       // index into ToleranceKinds; -1 when nothing varies
    ToleranceBand band;
};

ToleranceStudy RunTolerances(WorkerPool &workers, const Workspace &start, const BuildTolerances &tolerances,
                             const ToleranceOptions &options = {});

BuildTimes buildTimes(const ToleranceStudy &study);
// The chance that a build of `a` reaches 15 ft before a build of `b` (physics/ToleranceStatistics.h).
double chanceToBeat(const ToleranceStudy &a, const ToleranceStudy &b);
// What the chart of the study shows.
ToleranceChartData toleranceChartData(const ToleranceStudy &study, const QString &designName);

} // namespace zindle
