// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sensitivity.h"

#include "app/ParallelSweep.h"
#include "app/ParameterCheck.h"
#include "geometry/SheetScale.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cmath>
#include <mutex>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Sensitivity)
};

enum class StepCheck { Parameters, Sheet, None };

struct InputDefinition {
    QString id;
    SensitivityWords words;
    QString unit;
    double step = 0.0;     // in the unit, or a fraction of the value when relative
    bool relative = false;
    StepCheck check = StepCheck::Parameters;
    int number = 0; // a weight's
};

constexpr double WeightStepPt = 9.0;

// The inputs in their fixed order: the part sizes, the front axle, the weights in slot order,
// then the preference and the materials.
std::vector<InputDefinition> inputSpecs(const DesignRecord &design)
{
    const QString in = QStringLiteral("in");
    std::vector<InputDefinition> definitions = {
        {QStringLiteral("springLength"),
         SensitivityWords{QT_TRANSLATE_NOOP("Sensitivity", "Spring length"),
                          QT_TRANSLATE_NOOP("Sensitivity", "The spring length")}, in, 1.0},
        {QStringLiteral("springWidth"),
         SensitivityWords{QT_TRANSLATE_NOOP("Sensitivity", "Spring width"),
                          QT_TRANSLATE_NOOP("Sensitivity", "The spring width")}, in, 0.1},
        {QStringLiteral("driveWheelDiameter"),
         SensitivityWords{QT_TRANSLATE_NOOP("Sensitivity", "Drive wheel diameter"),
                          QT_TRANSLATE_NOOP("Sensitivity", "The drive wheel diameter")}, in, 0.1},
        {QStringLiteral("otherWheelDiameter"),
         SensitivityWords{QT_TRANSLATE_NOOP("Sensitivity", "Other wheel diameter"),
                          QT_TRANSLATE_NOOP("Sensitivity", "The other wheel diameter")}, in, 0.1},
        {QStringLiteral("driveAxleDiameter"),
         SensitivityWords{QT_TRANSLATE_NOOP("Sensitivity", "Drive axle diameter"),
                          QT_TRANSLATE_NOOP("Sensitivity", "The drive axle diameter")}, in, 0.05},
        {QStringLiteral("otherAxleDiameter"),
         SensitivityWords{QT_TRANSLATE_NOOP("Sensitivity", "Other axle diameter"),
                          QT_TRANSLATE_NOOP("Sensitivity", "The other axle diameter")}, in, 0.05},
        {QStringLiteral("frontAxlePosition"),
         SensitivityWords{QT_TRANSLATE_NOOP("Sensitivity", "Front axle position"),
                          QT_TRANSLATE_NOOP("Sensitivity", "The front axle position"),
                          QT_TRANSLATE_NOOP("Sensitivity", "%1 farther back"),
                          QT_TRANSLATE_NOOP("Sensitivity", "%1 farther forward")}, in,
         0.1, false, StepCheck::Sheet},
    };
    for (int slot = 0; slot < WeightSlotCount; ++slot) {
        if (design.Weights[static_cast<size_t>(slot)].isFree())
            continue;
        const QString n = QString::number(slot + 1);
        definitions.push_back({QStringLiteral("weight%1Mass").arg(n),
                               SensitivityWords{QT_TRANSLATE_NOOP("Sensitivity", "Weight %1 mass"),
                                                QT_TRANSLATE_NOOP("Sensitivity", "The weight %1 mass"),
                                                QT_TRANSLATE_NOOP("Sensitivity", "%1 heavier"),
                                                QT_TRANSLATE_NOOP("Sensitivity", "%1 lighter")},
                               QStringLiteral("lb"), 0.01, false, StepCheck::None, slot + 1});
        definitions.push_back({QStringLiteral("weight%1Position").arg(n),
                               SensitivityWords{QT_TRANSLATE_NOOP("Sensitivity", "Weight %1 position"),
                                                QT_TRANSLATE_NOOP("Sensitivity", "The weight %1 position"),
                                                QT_TRANSLATE_NOOP("Sensitivity", "%1 farther forward"),
                                                QT_TRANSLATE_NOOP("Sensitivity", "%1 farther back")},
                               in, WeightStepPt / 72.0, false, StepCheck::Sheet, slot + 1});
    }
    definitions.push_back({QStringLiteral("friction"),
                           SensitivityWords{QT_TRANSLATE_NOOP("Sensitivity", "Friction"),
                                            QT_TRANSLATE_NOOP("Sensitivity", "The friction")},
                           QStringLiteral("lb"), 0.01});
    definitions.push_back({QStringLiteral("boardDensity"),
                           SensitivityWords{QT_TRANSLATE_NOOP("Sensitivity", "Board density"),
                                            QT_TRANSLATE_NOOP("Sensitivity", "The board density"),
                                            QT_TRANSLATE_NOOP("Sensitivity", "%1 denser"),
                                            QT_TRANSLATE_NOOP("Sensitivity", "%1 lighter")},
                           QStringLiteral("lb/in³"), 0.05, true, StepCheck::None});
    definitions.push_back({QStringLiteral("boardThickness"),
                           SensitivityWords{QT_TRANSLATE_NOOP("Sensitivity", "Board thickness"),
                                            QT_TRANSLATE_NOOP("Sensitivity", "The board thickness"),
                                            QT_TRANSLATE_NOOP("Sensitivity", "%1 thicker"),
                                            QT_TRANSLATE_NOOP("Sensitivity", "%1 thinner")}, in,
                           0.05, true, StepCheck::None});
    definitions.push_back({QStringLiteral("treadFriction"),
                           SensitivityWords{QT_TRANSLATE_NOOP("Sensitivity", "Tread friction"),
                                            QT_TRANSLATE_NOOP("Sensitivity", "The tread friction"),
                                            QT_TRANSLATE_NOOP("Sensitivity", "%1 grippier"),
                                            QT_TRANSLATE_NOOP("Sensitivity", "%1 slipperier")},
                           QString(), 0.05, true, StepCheck::None});
    return definitions;
}

// The slot of "weightNMass" / "weightNPosition" and which of the two; -1 for other ids.
int weightSlotOf(const QString &id, bool &mass)
{
    static const QRegularExpression pattern(QStringLiteral("^weight([0-9]+)(Mass|Position)$"));
    const QRegularExpressionMatch match = pattern.match(id);
    if (!match.hasMatch())
        return -1;
    const int slot = match.captured(1).toInt() - 1;
    mass = match.captured(2) == QLatin1String("Mass");
    return slot >= 0 && slot < WeightSlotCount ? slot : -1;
}

template <class Design>
auto designText(Design &design, const QString &id) -> decltype(&design.SpringLength)
{
    if (id == QLatin1String("springLength")) return &design.SpringLength;
    if (id == QLatin1String("springWidth")) return &design.SpringWidth;
    if (id == QLatin1String("driveWheelDiameter")) return &design.DriveWhlDia;
    if (id == QLatin1String("otherWheelDiameter")) return &design.OtherWhlDia;
    if (id == QLatin1String("driveAxleDiameter")) return &design.DriveAxleDia;
    if (id == QLatin1String("otherAxleDiameter")) return &design.OtherAxleDia;
    if (id == QLatin1String("friction")) return &design.Friction;
    return nullptr;
}

// The entry the part uses, as boardOf and treadOf find it.
size_t entryOf(int index, size_t count) { return index >= 0 && static_cast<size_t>(index) < count ? static_cast<size_t>(index) : 0; }

// The text of the body's board or of the tread material.
template <class Space>
auto materialText(Space &workspace, const QString &id) -> decltype(&workspace.catalogue.boards[0].BoardDensity)
{
    auto &catalogue = workspace.catalogue;
    const auto &matIndex = workspace.design.MatIndex;
    if (id == QLatin1String("boardDensity") || id == QLatin1String("boardThickness")) {
        auto &board = catalogue.boards[entryOf(matIndex[OuterBodyPart], catalogue.boards.size())];
        return id == QLatin1String("boardDensity") ? &board.BoardDensity : &board.BoardThickness;
    }
    if (id == QLatin1String("treadFriction"))
        return &catalogue.treads[entryOf(matIndex[TreadPart], catalogue.treads.size())].TreadFriction;
    return nullptr;
}

// Texts as a student would type them: no float noise after the sixth decimal.
QString valueText(double value) { return doubleText(std::round(value * 1e7) / 1e7); }

class SilentPrompter : public Prompter {
public:
    void message(const QString &, const QString &) override {}
    Answer confirm(const QString &, const QString &) override { return Answer::Cancel; }
    std::optional<QString> input(const QString &, const QString &, const QString &) override { return std::nullopt; }
    QString savePath(const QString &, const QStringList &, const QString &) override { return {}; }
    QString openPath(const QString &, const QStringList &) override { return {}; }
    void beep() override {}
};

bool stepAccepted(const Workspace &stepped, const InputDefinition &definition, const QString &caseOuterD)
{
    const DesignRecord &d = stepped.design;
    switch (definition.check) {
    case StepCheck::Parameters: {
        SilentPrompter silent;
        return ValidateParameters({d.DriveWhlDia, d.OtherWhlDia, d.DriveAxleDia, d.DriveAxleLength, d.OtherAxleDia,
                                   d.OtherAxleLength, d.SpringWidth, d.SpringLength, d.CaseRatio, d.Friction,
                                   caseOuterD},
                                  silent);
    }
    case StepCheck::Sheet: {
        const double value = SensitivityInputValue(stepped, definition.id).value_or(-1.0) * 72.0;
        return value >= 0.0 && value <= SheetRightPt;
    }
    case StepCheck::None:
        break;
    }
    return true;
}

struct Evaluation {
    bool runs = false;
    std::optional<double> time;
    double distance = 0.0;
    QString builtWheel;
};

Evaluation evaluate(Workspace &workspace)
{
    RefreshSweepCombination(workspace);
    Evaluation result;
    result.runs = !workspace.checks.cannotRun();
    if (result.runs) {
        result.time = SmoothTimeAtDistance(workspace.run, CourseFt);
        result.distance = DistanceReached(workspace.run);
    }
    result.builtWheel = workspace.design.DriveWhlDia;
    return result;
}

struct Job {
    QString id;     // empty: the design as it is
    double value = 0.0;
};

} // namespace

std::optional<double> SensitivityInputValue(const Workspace &workspace, const QString &input)
{
    if (const QString *text = designText(workspace.design, input))
        return parseDouble(*text).value_or(0.0);
    if (const QString *text = materialText(workspace, input))
        return parseDouble(*text).value_or(0.0);
    if (input == QLatin1String("frontAxlePosition"))
        return workspace.design.FrontAxleXPt / 72.0;
    bool mass = false;
    const int slot = weightSlotOf(input, mass);
    if (slot < 0)
        return std::nullopt;
    const WeightSlot &weight = workspace.design.Weights[static_cast<size_t>(slot)];
    return mass ? static_cast<double>(weight.Mass) : weight.X / 72.0;
}

bool SetSensitivityInput(Workspace &workspace, const QString &input, double value)
{
    if (QString *text = designText(workspace.design, input)) {
        *text = valueText(value);
        return true;
    }
    if (QString *text = materialText(workspace, input)) {
        *text = valueText(value);
        return true;
    }
    if (input == QLatin1String("frontAxlePosition")) {
        workspace.design.setFrontAxlePt(static_cast<float>(value * 72.0), workspace.design.FrontAxleYPt);
        return true;
    }
    bool mass = false;
    const int slot = weightSlotOf(input, mass);
    if (slot < 0)
        return false;
    WeightSlot &weight = workspace.design.Weights[static_cast<size_t>(slot)];
    // A mass stepped to exactly nothing would free the slot: the weight would vanish.
    if (mass)
        weight.Mass = static_cast<float>(value) == 0.0f ? 1e-6f : static_cast<float>(value);
    else {
        const int x = static_cast<int>(std::lround(value * 72.0));
        weight.Rect.left += x - weight.X;
        weight.Rect.right += x - weight.X;
        weight.X = x;
    }
    return true;
}

SensitivityResult ComputeSensitivity(WorkerPool &workers, const Workspace &workspace, int threads)
{
    // Everything the runs read is copied here, on the calling thread; the workers copy this.
    const Workspace snapshot = workspace;
    const std::vector<InputDefinition> definitions = inputSpecs(snapshot.design);

    // The case the build makes, for the drive wheel's limit in the part fields' checks.
    DesignRecord built = snapshot.design;
    ResultFields builtFields;
    BuildShared buildShared;
    ComputeBuildGeometry(built, snapshot.catalogue, builtFields, buildShared);

    SensitivityResult result;
    std::vector<Job> jobs{Job{}};
    for (const InputDefinition &definition : definitions) {
        SensitivityEntry entry;
        entry.input = definition.id;
        entry.words = definition.words;
        entry.number = definition.number;
        entry.caption = definition.number > 0 ? QString::fromUtf8(definition.words.caption).arg(definition.number)
                                              : QString::fromUtf8(definition.words.caption);
        entry.unit = definition.unit;
        entry.baseValue = SensitivityInputValue(snapshot, definition.id).value_or(0.0);
        const double step = definition.relative ? definition.step * std::fabs(entry.baseValue) : definition.step;
        Workspace stepped = snapshot;
        SetSensitivityInput(stepped, definition.id, entry.baseValue + step);
        entry.delta = stepAccepted(stepped, definition, builtFields.CaseOuterDEF) ? step : -step;
        if (definition.id == QLatin1String("friction") && snapshot.trackFactors.friction)
            entry.held = SensitivityHeld::Calibration;
        result.inputs.push_back(entry);
        jobs.push_back({definition.id, entry.baseValue + entry.delta});
    }

    // Each thread runs jobs one after the other in its own copy, started afresh from the
    // snapshot's design and materials for every job; what it ran comes back through its future.
    std::mutex nextMutex;
    size_t next = 0;
    using Ran = std::vector<std::pair<size_t, Evaluation>>;
    const auto work = [&]() -> Ran {
        Workspace copy = snapshot;
        Ran ran;
        for (;;) {
            size_t index = 0;
            {
                const std::lock_guard<std::mutex> lock(nextMutex);
                if (next >= jobs.size())
                    return ran;
                index = next++;
            }
            copy.design = snapshot.design;
            copy.catalogue = snapshot.catalogue;
            if (!jobs[index].id.isEmpty())
                SetSensitivityInput(copy, jobs[index].id, jobs[index].value);
            ran.emplace_back(index, evaluate(copy));
        }
    };
    const int threadCount = WorkerThreadCount(threads, static_cast<long long>(jobs.size()));
    std::vector<std::future<Ran>> running;
    for (int t = 0; t < threadCount; ++t)
        running.push_back(workers.run(work));
    std::vector<Evaluation> evaluations(jobs.size());
    std::exception_ptr failure;
    for (std::future<Ran> &future : running) {
        try {
            for (auto &[index, evaluation] : future.get())
                evaluations[index] = std::move(evaluation);
        } catch (...) {
            failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);

    const Evaluation &base = evaluations.front();
    if (!base.runs) {
        result.inputs.clear();
        result.message = Texts::tr("The model cannot run this design.");
        return result;
    }
    result.measure = base.time ? SensitivityMeasure::Time : SensitivityMeasure::Distance;
    result.baseTime = base.time.value_or(0.0);
    result.baseDistance = base.distance;
    for (size_t i = 0; i < result.inputs.size(); ++i) {
        SensitivityEntry &entry = result.inputs[i];
        const Evaluation &stepped = evaluations[i + 1];
        if (result.measure == SensitivityMeasure::Time) {
            if (stepped.runs && stepped.time)
                entry.timeChange = *stepped.time - *base.time;
            else
                entry.stepFallsShort = true;
        } else {
            entry.distanceChange = (stepped.runs ? stepped.distance : 0.0) - base.distance;
        }
        if (entry.input == QLatin1String("driveWheelDiameter") && stepped.builtWheel == base.builtWheel)
            entry.held = SensitivityHeld::Build;
    }
    result.ranked = RankByEffect(result.inputs);
    result.sentence = LargestEffectSentence(result);
    return result;
}

} // namespace zindle
