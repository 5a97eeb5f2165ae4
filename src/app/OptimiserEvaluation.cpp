// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptimiserEvaluation.h"

#include "app/ChallengeCheck.h"
#include "app/ParallelSweep.h"
#include "app/ParameterCheck.h"
#include "app/RefreshChain.h"
#include "model/NumberText.h"
#include "physics/SensitivityResult.h"

#include <algorithm>
#include <cmath>

namespace zindle {

namespace {

class SilentPrompter : public Prompter {
public:
    void message(const QString &, const QString &) override {}
    Answer confirm(const QString &, const QString &) override { return Answer::Cancel; }
    std::optional<QString> input(const QString &, const QString &, const QString &) override { return std::nullopt; }
    QString savePath(const QString &, const QStringList &, const QString &) override { return {}; }
    QString openPath(const QString &, const QStringList &) override { return {}; }
    void beep() override {}
};

bool fieldsAccepted(const Workspace &built)
{
    const DesignRecord &d = built.design;
    SilentPrompter silent;
    return ValidateParameters({d.DriveWhlDia, d.OtherWhlDia, d.DriveAxleDia, d.DriveAxleLength, d.OtherAxleDia,
                               d.OtherAxleLength, d.SpringWidth, d.SpringLength, d.CaseRatio, d.Friction,
                               built.results.CaseOuterDEF},
                              silent);
}

// Scores far apart, so that no time or distance crosses from one class into the next.
constexpr double ShortClass = 1e4;
constexpr double BrokenClass = 1e6;

} // namespace

double OptimiserScore(const OptimiserDesign &design, const OptimiserGoal &goal)
{
    if (design.onlyShort)
        return ShortClass - design.distanceFt;
    if (!design.broken.isEmpty())
        return BrokenClass + design.broken.size() - std::min(design.distanceFt, 100.0) / 1000.0;
    if (goal.kind == OptimiserGoal::Distance)
        return -design.distanceFt;
    if (!design.timeTo15Ft)
        return ShortClass - design.distanceFt;
    return goal.kind == OptimiserGoal::Target ? std::fabs(*design.timeTo15Ft - goal.targetTime) : *design.timeTo15Ft;
}

OptimiserDesign EvaluateOptimiserDesign(Workspace &copy, const Workspace &start,
                                        const std::vector<OptimiserParameter> &parameters,
                                        const std::vector<double> &values, const OptimiserGoal &goal,
                                        const OptimiserConstraints &constraints)
{
    copy.design = start.design;
    copy.catalogue = start.catalogue;
    ApplyOptimiserValues(copy, parameters, values);
    if (constraints.noAdvisory) {
        PrepareEntireCycle(copy);
        RefreshPhysicsMode(copy, SheetMode::Simulate);
    } else {
        RefreshSweepCombination(copy);
    }

    OptimiserDesign design;
    design.values = ReadOptimiserValues(copy, parameters);
    design.time = copy.results.TimeEF;
    design.massLb = floatOr(copy.results.ProjectedMassEF, 0.0f);
    design.skidded = copy.forces.SkidOccurred;
    const bool runs = !copy.checks.cannotRun();
    if (runs) {
        design.distanceFt = DistanceReached(copy.run);
        if (!design.time.isEmpty() && !design.time.startsWith(QLatin1Char('[')))
            design.timeTo15Ft = SmoothTimeAtDistance(copy.run, CourseFt);
    }
    if (!fieldsAccepted(copy))
        design.broken << QString::fromLatin1(BrokenFields);
    if (!runs)
        design.broken << QString::fromLatin1(BrokenCannotRun);
    if (constraints.maxMassLb && !(design.massLb <= *constraints.maxMassLb))
        design.broken << QString::fromLatin1(BrokenMass);
    if (constraints.noSkid && design.skidded)
        design.broken << QString::fromLatin1(BrokenSkid);
    if (constraints.noAdvisory && !copy.advisories.shownTexts().isEmpty())
        design.broken << QString::fromLatin1(BrokenAdvisory);
    if (constraints.challenge) {
        // The lean path leaves the advisories as the copy had them; in Simulate the skid
        // advisory shows exactly when the run skidded and the car can run.
        if (!constraints.noAdvisory)
            copy.advisories.SkidAdvisoryLabel.visible = copy.forces.SkidOccurred && runs;
        const std::vector<RuleCheck> checks = CheckChallenge(copy, *constraints.challenge);
        if (!KeepsEveryRule(checks)) {
            design.broken << QString::fromLatin1(BrokenChallenge);
            design.onlyShort = design.broken.size() == 1
                               && std::all_of(checks.begin(), checks.end(), [](const RuleCheck &check) {
                                      return check.passed || check.name == QLatin1String("reaches-15ft");
                                  });
        }
    }
    design.score = OptimiserScore(design, goal);
    return design;
}

} // namespace zindle
