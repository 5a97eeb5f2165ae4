// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The results of the computation steps, as the text the program shows. Each step writes its
// fields here and the next step parses them back, which is why the steps of a mode run in a
// fixed order. The desktop program copies them into its widgets after each refresh; the
// command line prints them. A field that was never written is empty.

#include <QString>

namespace zindle {

struct ResultFields {
    // Build geometry.
    QString LayersCoredEF, LayersFullEF, LayersWideEF, CaseWidthEF, CarWidthEF;
    QString CaseIDEF, CaseOuterDEF, BottlesNeededEF;
    // Spring and torque.
    QString MaxRealTorqueEF, SpringMassEF, RevsEF, PoweredDistanceEF;
    // Mass and balance.
    QString ProjectedMassEF, FoamMassEF, AxleMassEF, TrueCentroidEF, YCentroidEF;
    QString NormalForceAtRestEF, NormalForceWoundEF, NormalForceFrontEF;
    // Propulsion and traction.
    QString PropulsionLeftEF, PropulsionRightEF, TractionLeftEF, TractionRightEF;
    // Simulation.
    // TopSpeedEF is the speed at the end of the run (when the spring ran out or the time limit
    // struck), as Simulate has always shown it; PeakSpeedEF the highest speed of the run.
    QString TimeEF, TopSpeedEF, PeakSpeedEF;
    // "(was ...)" beside PoweredDistanceEF after a run fell short of the prediction; empty
    // while the label is hidden.
    QString RevisedLabel;
};

} // namespace zindle
