// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run of a car from standstill with a fully wound spring, in steps of 0.01 s, until the
// spring has unwound, the car has come to rest for good (a step that starts and ends at rest,
// counted) or 100 s have passed. Friction never drives the car backwards. Writes the time to 15 ft, the top speed and the
// covered distance, and records the design's distance and skid traces for the race.
//
// The integration always runs to the end; the requested frame only decides which moment the
// force picture shows. Nothing is drawn here: a frame is handed to a hook that a window can
// paint or record (the entire-cycle view plays the recorded frames afterwards), and which buttons
// the run leaves available is the application's business (app/SimulationControls.h).

#include "model/Modes.h"
#include "model/DesignList.h"
#include "model/DesignRecord.h"
#include "model/MaterialCatalogue.h"
#include "model/DesignNumbers.h"
#include "physics/Forces.h"
#include "physics/ModelFactors.h"
#include "physics/RunEnergy.h"
#include "physics/ResultFields.h"
#include "physics/RunTrace.h"

#include <QString>
#include <functional>
#include <optional>

namespace zindle {

// SimulateStep values with a meaning of their own.
inline constexpr int FrameEntireCycle = 99998; // every frame is shown (the "View the entire cycle" button)
inline constexpr int FrameRunToEnd = 99999;    // the race runs the simulation without showing it

inline constexpr float GravityFtPerS2 = 32.18f;
inline constexpr float CourseFt = 15.0f;
inline constexpr int NotYetAtCourseEnd = 9999;

// What one frame of the force picture shows.
struct SimulationFrame {
    int frame = 0;        // frame number (1 = t 0.02 s); 0 for the end-of-run picture
    bool final = false;   // the end-of-run picture (no propulsion, at-rest loads)
    int timeIndex = 0;    // hundredths of a second
    bool skidLeft = false, skidRight = false;
    float scale = 0.5f;   // ForcePictureMaxForce
    float propulsionLeft = 0.0f, propulsionRight = 0.0f; // after the skid rule
    float tractionLeft = 0.0f, tractionRight = 0.0f;
    float massScale = 0.5f; // ForcePictureMass
    float loadOther = 0.0f, loadDrive = 0.0f;
    float distance = 0.0f, velocity = 0.0f, revsLeft = 0.0f, revsRight = 0.0f;
    QString DynamicDistanceLabel, DynamicTimeLabel, DynamicRevsLeftLabel, DynamicRevsRightLabel;
};

using SimulationFrameHook = std::function<void(const SimulationFrame &)>;

// What the last run did, as numbers (the texts are in ResultFields).
struct SimulationOutcome {
    int timeToCourseEnd = NotYetAtCourseEnd; // time index at 15 ft, 9999 when never reached
    int finalTimeIndex = 0;
    float velocity = 0.0f, distance = 0.0f;
    float revsLeft = 0.0f, revsRight = 0.0f;
    float totalRevs = 0.0f;
    bool skidOccurred = false;
    int frameCount = 0; // frames the run had
    // The requested frame lay past the run's last one, or every frame was asked for: the run
    // ended its pictures with the end-of-run picture.
    bool framesEnded = false;
    // The picture the run leaves on the sheet in Simulate mode: the requested frame, or the
    // end-of-run picture when the frames ended.
    std::optional<SimulationFrame> shownFrame;
};

// Everything a run reads and writes.
struct SimulationContext {
    const DesignRecord &design;
    const MaterialCatalogue &catalogue;
    const DesignNumbers &numbers; // of `design` and `catalogue`, parsed where the refresh began
    Balance balance;            // d, h and L of the mass analysis; the mass is read from ProjectedMassEF
    ResultFields &results;
    DesignList &list;           // traces and simulated flag of the current design
    ForcePictureState &forces;
    SheetMode currentMode = SheetMode::Simulate; // the window's mode; frames are shown only in Simulate mode
    RunTrace *run = nullptr; // when set, receives every step of the run
    // When set (Simulate mode only), receives every frame the run could show, the end-of-run
    // picture last, so that stepping on shows them without running again.
    std::vector<SimulationFrame> *frames = nullptr;
    // A track's calibration; the default leaves every number of the run as the design gives it.
    ModelFactors factors = {};
    // When set, receives where the spring's energy went at every step.
    EnergyTrace *energy = nullptr;
};

// Runs the simulation of the current design and shows `frame` (SimulateStep, FrameEntireCycle
// or FrameRunToEnd). `onFrame` receives every frame that Simulate mode would show.
SimulationOutcome RunSimulation(SimulationContext &context, int frame,
                                const SimulationFrameHook &onFrame = {});

} // namespace zindle
