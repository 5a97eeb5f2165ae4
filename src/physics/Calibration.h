// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The model fitted to one track: the friction and the spring efficiency (physics/ModelFactors.h)
// that bring the runs with coasting of every design closest, in least squares, to every mark
// time and resting distance the class measured there (physics/RunResiduals.h).
//
// The error surface has local optima (a stronger spring and more friction can mimic a weaker
// spring and less friction over part of a run, and skidding makes it kink), so the whole
// bounded box is searched on a grid first and the best few points, with the designs' own values,
// are refined by a bounded derivative-free local method.

#include "model/DesignNumbers.h"
#include "model/DesignRecord.h"
#include "model/MaterialCatalogue.h"
#include "model/MeasuredRun.h"
#include "physics/Forces.h"
#include "physics/MassBalance.h"
#include "physics/ModelFactors.h"
#include "physics/ResultFields.h"

#include <vector>

namespace zindle {

// A design as its refresh left it (torque, mass analysis, revolutions), ready to run again and
// again with other factors, and its runs on the track.
struct CalibrationDesign {
    DesignRecord design;
    MaterialCatalogue catalogue;
    DesignNumbers numbers;
    Balance balance;
    ResultFields results;
    ForcePictureState forces;
    std::vector<MeasuredRun> runs;
};

struct Calibration {
    double friction = 0.0;         // lb
    double springEfficiency = 1.0; // share of the rated torque
    bool frictionFitted = false;
    bool efficiencyFitted = false; // false when the runs hold too few numbers for two factors
    double rmsBefore = 0.0;        // s, with each design's own friction and the rated torque
    double rmsAfter = 0.0;         // s, with the fitted factors
    int runs = 0;
    int observations = 0;          // marks and resting distances
    int marks = 0;
    bool ok() const { return frictionFitted; }
};

// Fewer numbers than this and only the friction is fitted: two factors fitted to two numbers
// always match them exactly, so the error left over would say nothing about the fit, and from
// fewer they would be guessed, not measured.
inline constexpr int ObservationsForTwoFactors = 3;

// Nothing fitted when the designs hold no run.
Calibration Calibrate(const std::vector<CalibrationDesign> &designs);

// The RMS error, s, of the designs' runs under `factors`.
double CalibrationRms(const std::vector<CalibrationDesign> &designs, const ModelFactors &factors);

// What a calibration means, in the factors a run reads.
ModelFactors FactorsOf(const Calibration &calibration);

} // namespace zindle
