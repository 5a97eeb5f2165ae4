// SPDX-License-Identifier: GPL-3.0-or-later
#include "Advisories.h"

#include "model/NumberText.h"
#include "physics/PhysicsState.h"
#include "model/DesignNumbers.h"
#include "model/PartMaterials.h"
#include "physics/SpringTorque.h"
#include "model/Modes.h"
#include "geometry/PartRegions.h"

#include <QCoreApplication>

#include <cmath>

namespace zindle {

RunChecks CheckRunnable(const PhysicsState &workspace)
{
    return CheckRunnable(workspace, ParseDesignNumbers(workspace.design, workspace.catalogue));
}

RunChecks CheckRunnable(const PhysicsState &workspace, const DesignNumbers &numbers)
{
    const DesignRecord &design = workspace.design;
    RunChecks checks;
    checks.noBody = design.OuterCount() < 2;

    checks.notNumbers = numbers.notNumbers;
    // With a text that is no number, or before the car is built, the spring and axle checks
    // below would judge a made-up 0.
    if (checks.noNumbers() || !workspace.build.computed)
        return checks;

    const float revs = revolutionsDelivered(numbers.SpringThickness, numbers.SpringLength, numbers.DriveAxleDia,
                                            floatOr(workspace.results.CaseIDEF, 0.0f));
    checks.noRevolutions = !(revs > 0.0f);

    // The wheelbase as the mass analysis takes it; a front axle behind the drive axle is far
    // enough apart when it is 0.1 in behind.
    const float caseOuter = floatOr(workspace.results.CaseOuterDEF, 0.0f);
    const bool awd = design.Drive == DriveKind::AllWD;
    const float wheelbase = (10.0f - (awd ? caseOuter / 2.0f : design.FrontAxleXIn)) - caseOuter / 2.0f;
    checks.axlesTooClose = !(std::fabs(wheelbase) >= MinWheelbaseIn);
    return checks;
}

void CheckMass(RunChecks &checks, float mass)
{
    checks.massChecked = true;
    checks.tooLight = !(mass >= MinCarMassLb);
}

QString notNumbersText(const QStringList &names)
{
    return (names.size() == 1 ? QStringLiteral("Not a number: ") : QStringLiteral("Not numbers: "))
           + names.join(QStringLiteral(", ")) + QLatin1Char('.');
}

QString advisoryText(const QString &english)
{
    return QCoreApplication::translate("Advisories", english.toUtf8().constData());
}

QStringList AdvisoryState::shownTexts() const
{
    QStringList texts;
    for (const AdvisoryLabel *label : {&NoBodyLabel, &NotNumberLabel, &NoRevolutionsLabel, &TooLightLabel,
                                       &AxlesTooCloseLabel, &SkidAdvisoryLabel, &CarTooBigLabel,
                                       &AxleFreeLabel, &CaseFreeLabel, &CoreInterfereLabel, &FloatingLabel})
        if (label->visible)
            texts << label->caption;
    return texts;
}

void EvaluateAdvisories(AdvisoryState &state, const OverlapFacts &f, DriveKind drive,
                        const QString &caseOuterText, SheetMode mode, bool lastSimulationSkidded,
                        const RunChecks &checks)
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

    // Designs the model cannot run.
    set(state.NoBodyLabel, checks.noBody, NoBodyText);
    set(state.NotNumberLabel, checks.noNumbers(), notNumbersText(checks.notNumbers));
    set(state.NoRevolutionsLabel, checks.noRevolutions, NoRevolutionsText);
    set(state.TooLightLabel, checks.massChecked && checks.tooLight, TooLightText);
    set(state.AxlesTooCloseLabel, checks.axlesTooClose, AxlesTooCloseText);
    // Without a body nothing is connected or floating: the advisory above says what is missing.
    const bool body = !checks.noBody;

    // 1. Front axle.
    set(state.AxleFreeLabel, body && !awd && f.OuterMissesFrontAxle && f.InnerMissesFrontAxle,
        AxleFreeText);

    if (!body) {
        set(state.FloatingLabel, false, FloatingText);
        set(state.CaseFreeLabel, false, CaseFreeText);
    } else if (!awd) {
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
    set(state.SkidAdvisoryLabel, mode >= SheetMode::Simulate && lastSimulationSkidded && !checks.cannotRun(),
        SkidAdvisoryText);

    // 7.
    state.windowVisible = anyShown;
}

void EvaluateAdvisories(PhysicsState &workspace, SheetMode mode, bool lastSimulationSkidded)
{
    EvaluateAdvisories(workspace, ParseDesignNumbers(workspace.design, workspace.catalogue), mode,
                       lastSimulationSkidded);
}

void EvaluateAdvisories(PhysicsState &workspace, const DesignNumbers &numbers, SheetMode mode, bool lastSimulationSkidded)
{
    RunChecks checks = CheckRunnable(workspace, numbers);
    // Design and Build do not weigh the car; a mass of an earlier analysis may be out of date.
    if (mode >= SheetMode::Analyze && workspace.checks.massChecked)
        CheckMass(checks, workspace.mass.TotalMass);
    workspace.checks = checks;
    EvaluateAdvisories(workspace.advisories, workspace.overlaps, workspace.design.Drive,
                       workspace.results.CaseOuterDEF, mode, lastSimulationSkidded, checks);
}

QStringList CurrentAdvisories(const PhysicsState &workspace)
{
    RunChecks checks = CheckRunnable(workspace);
    if (!checks.cannotWeigh()) {
        // The report is printed from a simulated design, whose mass field is current.
        if (const auto mass = parseFloat(workspace.results.ProjectedMassEF))
            CheckMass(checks, *mass);
    }
    AdvisoryState state;
    EvaluateAdvisories(state, workspace.overlaps, workspace.design.Drive, workspace.results.CaseOuterDEF,
                       SheetMode::Simulate, workspace.forces.SkidOccurred, checks);
    return state.shownTexts();
}

} // namespace zindle
