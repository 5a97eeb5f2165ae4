#pragma once
// Connectivity facts (which part shapes miss each other) and the advisories they raise.
//
// Refresh order: the facts are taken whenever the part regions are rebuilt (RescaleDesign /
// RebuildPartRegions of PartRegions.h; call ComputeOverlapFacts right after, or use
// UpdateOverlapFacts(ws)). The advisories are evaluated at the end of the Design, Build,
// Analyze and Simulate refreshes, after that mode's own steps (EvaluateAdvisories(ws, mode,
// skid)); Race, Preview and Print leave them as they are.
// Reads: PartRegions (screen shapes), the design's drive and outline counts, CaseOuterDEF,
// the skid flag of the last simulation (parameter). Writes: Workspace::overlaps,
// Workspace::advisories.

#include <QString>
#include <QStringList>

namespace zindle {

struct PartRegions;
struct ResultFields;
struct Workspace;
enum class DriveKind;

// Each fact is true when the two shapes have no common pixel.
struct OverlapFacts {
    bool OuterMissesDriveCase = true;
    bool OuterMissesFrontCase = true;
    bool InnerMissesDriveCase = true;
    bool InnerMissesFrontCase = true;
    bool LayersApart = true;
    bool CasesApart = false;
    bool ChambersApart = true;
    bool OuterMissesFrontAxle = true;
    bool InnerMissesFrontAxle = true;
    bool outerFactsMade = false; // the outer outline had at least two points
};

OverlapFacts ComputeOverlapFacts(const PartRegions &regions, DriveKind drive);
void UpdateOverlapFacts(Workspace &workspace);

// The advisory texts.
inline const QString AxleFreeText = QStringLiteral("Front axle not connected.");
inline const QString FloatingText = QStringLiteral("Some parts are floating.");
inline const QString CaseFreeText = QStringLiteral("Spring case is not connected.");
inline const QString CaseFreeAllWheelText = QStringLiteral("Spring case not connected.");
inline const QString CoreInterfereText = QStringLiteral("Spring cases interfere.");
inline const QString CarTooBigText = QStringLiteral("Car overlaps paper edge.");
inline const QString SkidAdvisoryText = QStringLiteral("Skid advisory.");

// One label of the Advisories window: its caption and whether it is shown.
struct AdvisoryLabel {
    QString caption;
    bool visible = false;
};

// The Advisories window's state. Labels in their order from the top.
struct AdvisoryState {
    AdvisoryLabel SkidAdvisoryLabel, CarTooBigLabel, AxleFreeLabel, CaseFreeLabel,
        CoreInterfereLabel, FloatingLabel;
    bool windowVisible = false;
    // Captions of the shown labels, top to bottom.
    QStringList shownTexts() const;
    bool skidShown() const { return SkidAdvisoryLabel.visible; }
};

// Evaluates the advisories for mode m (1, 3, 4, 5) into `state` (captions of hidden labels
// are kept, as the window keeps them).
void EvaluateAdvisories(AdvisoryState &state, const OverlapFacts &facts, DriveKind drive,
                        const QString &caseOuterText, int mode, bool lastSimulationSkidded);
void EvaluateAdvisories(Workspace &workspace, int mode, bool lastSimulationSkidded);

} // namespace zindle
