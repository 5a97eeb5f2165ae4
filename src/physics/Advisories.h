// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The advisories the connectivity facts (geometry/OverlapFacts.h) and the run checks raise.
//
// Refresh order: the facts are taken whenever the part regions are rebuilt (RescaleDesign /
// RebuildPartRegions of SheetPreparation.h, or ComputeOverlapFacts right after the builders). The advisories are evaluated at the end of the Design, Build,
// Analyze and Simulate refreshes, after that mode's own steps (EvaluateAdvisories(ws, mode,
// skid)); Race, Preview and Print leave them as they are.
// Reads: PartRegions (screen shapes), the design's drive and outline counts, CaseOuterDEF,
// the skid flag of the last simulation (parameter). Writes: Workspace::overlaps,
// Workspace::advisories.

#include "model/Modes.h"
#include "geometry/OverlapFacts.h"

#include <QString>
#include <QStringList>

namespace zindle {

struct DesignNumbers;
struct ResultFields;
struct PhysicsState;

// Conditions under which the model cannot run the car at all. Each one shows an advisory and
// leaves the results that would depend on it empty rather than made up.
inline constexpr float MinCarMassLb = 0.01f;   // below this the centroid divides by almost 0
inline constexpr float MinWheelbaseIn = 0.1f;  // closer axles put the normal forces out of reach
struct RunChecks {
    bool noBody = false;        // the outer outline has fewer than 2 points
    QStringList notNumbers;     // names of parameter texts that are not numbers
    bool noRevolutions = false; // the spring delivers no revolutions (at or below 0)
    bool axlesTooClose = false; // drive and front axles less than MinWheelbaseIn apart
    bool massChecked = false;   // the mass analysis ran for the design as it stands
    bool tooLight = false;      // total mass below MinCarMassLb (only when massChecked)

    // Nothing past the build step can be computed.
    bool noNumbers() const { return !notNumbers.isEmpty(); }
    // No mass analysis.
    bool cannotWeigh() const { return noBody || noNumbers(); }
    // No centroid.
    bool noBalance() const { return cannotWeigh() || tooLight; }
    // No normal forces and no traction.
    bool noLoads() const { return noBalance() || axlesTooClose; }
    // No revolutions and no powered distance.
    bool noTurns() const { return noNumbers() || noRevolutions; }
    // No simulation.
    bool cannotRun() const { return noLoads() || noTurns(); }
};

// The checks that need no mass analysis, for the design as built now (run after the build
// step: they read CaseIDEF and the build's case diameter). massChecked is false.
RunChecks CheckRunnable(const PhysicsState &workspace);
// The same with the design's numbers the refresh has parsed.
RunChecks CheckRunnable(const PhysicsState &workspace, const DesignNumbers &numbers);
// The mass check once the analysis has found total mass `mass`.
void CheckMass(RunChecks &checks, float mass);

// The advisory texts. They stay English in the results, where the program compares them and
// the command line prints them; advisoryText says one to a person.
inline const QString AxleFreeText = QStringLiteral(QT_TRANSLATE_NOOP("Advisories", "Front axle not connected."));
inline const QString FloatingText = QStringLiteral(QT_TRANSLATE_NOOP("Advisories", "Some parts are floating."));
inline const QString CaseFreeText = QStringLiteral(QT_TRANSLATE_NOOP("Advisories", "Spring case is not connected."));
inline const QString CaseFreeAllWheelText = QStringLiteral(QT_TRANSLATE_NOOP("Advisories", "Spring case not connected."));
inline const QString CoreInterfereText = QStringLiteral(QT_TRANSLATE_NOOP("Advisories", "Spring cases interfere."));
inline const QString CarTooBigText = QStringLiteral(QT_TRANSLATE_NOOP("Advisories", "Car overlaps paper edge."));
inline const QString SkidAdvisoryText = QStringLiteral(QT_TRANSLATE_NOOP("Advisories", "Skid advisory."));
inline const QString NoBodyText = QStringLiteral(QT_TRANSLATE_NOOP("Advisories", "No car body drawn."));
inline const QString NoRevolutionsText = QStringLiteral(QT_TRANSLATE_NOOP("Advisories", "Spring gives no revolutions."));
inline const QString TooLightText = QStringLiteral(QT_TRANSLATE_NOOP("Advisories", "Car weighs less than 0.01 lb."));
inline const QString AxlesTooCloseText = QStringLiteral(QT_TRANSLATE_NOOP("Advisories", "Axles less than 0.1 in apart."));
// "Not a number: Spring length." or "Not numbers: Spring length, Friction force."
QString notNumbersText(const QStringList &names);
// An advisory as it is shown: translated when it is one of the texts above, else as it is.
QString advisoryText(const QString &english);

// One label of the Advisories window: its caption and whether it is shown.
struct AdvisoryLabel {
    QString caption;
    bool visible = false;
};

// The Advisories window's state. Labels in their order from the top.
struct AdvisoryState {
    // The designs the model cannot run, first: they explain why results are missing.
    AdvisoryLabel NoBodyLabel, NotNumberLabel, NoRevolutionsLabel, TooLightLabel, AxlesTooCloseLabel;
    AdvisoryLabel SkidAdvisoryLabel, CarTooBigLabel, AxleFreeLabel, CaseFreeLabel,
        CoreInterfereLabel, FloatingLabel;
    bool windowVisible = false;
    // Captions of the shown labels, top to bottom.
    QStringList shownTexts() const;
    bool skidShown() const { return SkidAdvisoryLabel.visible; }
};

// Evaluates the advisories for mode m (1, 3, 4, 5) into `state` (captions of hidden labels
// are kept, as the window keeps them). Without a body the connectivity advisories are not
// given (there is nothing to connect); a design that cannot run cannot have skidded.
void EvaluateAdvisories(AdvisoryState &state, const OverlapFacts &facts, DriveKind drive,
                        const QString &caseOuterText, SheetMode mode, bool lastSimulationSkidded,
                        const RunChecks &checks = {});
// For the workspace: the run checks are taken afresh (Workspace::checks; the mass check only
// in Analyze and Simulate, whose refresh has just weighed the car).
void EvaluateAdvisories(PhysicsState &workspace, SheetMode mode, bool lastSimulationSkidded);
void EvaluateAdvisories(PhysicsState &workspace, const DesignNumbers &numbers, SheetMode mode, bool lastSimulationSkidded);
// The advisories of the design as it stands, whatever the window's mode: the run checks,
// the mass check from ProjectedMassEF, the connectivity facts of the last sheet preparation
// and the skid of the last run (the design report's list).
QStringList CurrentAdvisories(const PhysicsState &workspace);

} // namespace zindle
