#include "Advisories.h"

#include "model/NumberText.h"
#include "model/Workspace.h"
#include "sheet/PartRegions.h"

namespace zindle {

namespace {
bool misses(const QRegion &a, const QRegion &b) { return !a.intersects(b); }
} // namespace

OverlapFacts ComputeOverlapFacts(const PartRegions &regions, DriveKind drive)
{
    const bool awd = drive == DriveKind::AllWD;
    const RegionSet &screen = regions.screen();
    OverlapFacts f;

    if (awd) {
        f.CasesApart = misses(screen.caseShape[0], screen.caseShape[1]);
        f.ChambersApart = misses(screen.chamberShape[0], screen.chamberShape[1]);
    } else {
        f.CasesApart = false;
        f.ChambersApart = true;
    }

    // Without an outer outline there is no body for the case to join: the outer facts stay
    // "misses", so an empty sheet reports its case as unconnected rather than as joined.
    f.outerFactsMade = regions.OuterLayerBuilt;
    if (f.outerFactsMade) {
        f.OuterMissesDriveCase = misses(screen.outerOutline, screen.caseShape[0]);
        f.OuterMissesFrontCase = awd ? misses(screen.outerOutline, screen.caseShape[1]) : true;
        if (!awd)
            f.OuterMissesFrontAxle = misses(regions.outerLayerBeforeOtherHole, screen.otherAxle);
    }

    f.InnerMissesDriveCase = misses(screen.innerOutline, screen.caseShape[0]);
    f.InnerMissesFrontCase = awd ? misses(screen.innerOutline, screen.caseShape[1]) : true;
    f.LayersApart = misses(screen.outerOutline, screen.innerOutline);
    if (!awd)
        f.InnerMissesFrontAxle = misses(regions.innerLayerBeforeOtherHole, screen.otherAxle);
    return f;
}

void UpdateOverlapFacts(Workspace &workspace)
{
    workspace.overlaps = ComputeOverlapFacts(workspace.regions, workspace.design.Drive);
}

QStringList AdvisoryState::shownTexts() const
{
    QStringList texts;
    for (const AdvisoryLabel *label : {&SkidAdvisoryLabel, &CarTooBigLabel, &AxleFreeLabel,
                                       &CaseFreeLabel, &CoreInterfereLabel, &FloatingLabel})
        if (label->visible)
            texts << label->caption;
    return texts;
}

void EvaluateAdvisories(AdvisoryState &state, const OverlapFacts &f, DriveKind drive,
                        const QString &caseOuterText, int mode, bool lastSimulationSkidded)
{
    const bool awd = drive == DriveKind::AllWD;
    bool anyShown = false;
    auto set = [&anyShown](AdvisoryLabel &label, bool holds, const QString &text) {
        if (holds) {
            label.caption = text;
            label.visible = true;
            anyShown = true;
        } else {
            label.visible = false;
        }
    };

    // 1. Front axle.
    set(state.AxleFreeLabel, !awd && f.OuterMissesFrontAxle && f.InnerMissesFrontAxle,
        AxleFreeText);

    if (!awd) {
        // 2. A layer not joined to the case, directly or through the other layer.
        set(state.FloatingLabel,
            (f.OuterMissesDriveCase && f.InnerMissesDriveCase) ||
                (f.LayersApart && (f.OuterMissesDriveCase || f.InnerMissesDriveCase)),
            FloatingText);
        set(state.CaseFreeLabel, f.OuterMissesDriveCase && f.InnerMissesDriveCase, CaseFreeText);
    } else {
        // 3. Drive case, front case, outer and inner layer as a graph joined by overlaps.
        const bool casesUnjoined =
            f.CasesApart && (f.OuterMissesDriveCase || f.OuterMissesFrontCase) &&
            (f.InnerMissesDriveCase || f.InnerMissesFrontCase) &&
            (f.OuterMissesDriveCase || f.InnerMissesFrontCase || f.LayersApart) &&
            (f.InnerMissesDriveCase || f.OuterMissesFrontCase || f.LayersApart);
        set(state.CaseFreeLabel, casesUnjoined, CaseFreeAllWheelText);
        const bool x = f.OuterMissesDriveCase && f.OuterMissesFrontCase;
        const bool y = f.InnerMissesDriveCase && f.InnerMissesFrontCase;
        set(state.FloatingLabel, (x && y) || (f.LayersApart && (x || y)), FloatingText);
    }

    // 4. Chambers cutting into each other.
    set(state.CoreInterfereLabel, awd && !f.ChambersApart, CoreInterfereText);

    // 5. Paper.
    set(state.CarTooBigLabel, floatOr(caseOuterText, 0.0f) > 7.5f, CarTooBigText);

    // 6. Skid, only once a simulation can have run in this refresh.
    set(state.SkidAdvisoryLabel, mode >= 5 && lastSimulationSkidded, SkidAdvisoryText);

    // 7.
    state.windowVisible = anyShown;
}

void EvaluateAdvisories(Workspace &workspace, int mode, bool lastSimulationSkidded)
{
    EvaluateAdvisories(workspace.advisories, workspace.overlaps, workspace.design.Drive,
                       workspace.results.CaseOuterDEF, mode, lastSimulationSkidded);
}

} // namespace zindle
