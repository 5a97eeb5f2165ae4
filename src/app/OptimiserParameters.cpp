// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptimiserParameters.h"

#include "app/Sensitivity.h"
#include "geometry/SheetScale.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Optimiser)
};

constexpr double SheetRightIn = SheetRightPt / 72.0;

// The sizes and their limits as ValidateParameters has them (the drive wheel's 7.5 in holds
// unless the spring's case is larger; the build then enlarges the wheel itself).
const std::vector<OptimiserParameter> &partParameters()
{
    static const std::vector<OptimiserParameter> parameters = {
        {QStringLiteral("spring-length"), QStringLiteral("springLength"), OptimiserParameterKind::Number, 3.0, 240.0},
        {QStringLiteral("spring-width"), QStringLiteral("springWidth"), OptimiserParameterKind::Number, 0.1, 6.0},
        {QStringLiteral("drive-wheel"), QStringLiteral("driveWheelDiameter"), OptimiserParameterKind::Number, 0.01, 7.5},
        {QStringLiteral("other-wheel"), QStringLiteral("otherWheelDiameter"), OptimiserParameterKind::Number, 0.25, 7.5},
        {QStringLiteral("drive-axle"), QStringLiteral("driveAxleDiameter"), OptimiserParameterKind::Number, 0.0001, 2.0},
        {QStringLiteral("other-axle"), QStringLiteral("otherAxleDiameter"), OptimiserParameterKind::Number, 0.0001, 1.0},
        {QStringLiteral("front-axle-x"), QStringLiteral("frontAxlePosition"), OptimiserParameterKind::Number, 0.0,
         SheetRightIn},
    };
    return parameters;
}

// A weight's mass has no field check; half a pound is more than any foam car carries.
constexpr double WeightMassHighLb = 0.5;

struct MaterialChoice {
    const char *name;
    Part part;
    MaterialKind kind;
};

// The parts whose material the design record holds, but the axles: an axle's density moves
// the mass by less than a student can weigh.
const std::vector<MaterialChoice> &materialChoices()
{
    static const std::vector<MaterialChoice> choices = {
        {"spring-material", SpringPart, MaterialKind::Spring},
        {"tread-material", TreadPart, MaterialKind::Tread},
        {"outer-material", OuterBodyPart, MaterialKind::Board},
        {"inner-material", InnerBodyPart, MaterialKind::Board},
        {"drive-wheel-material", DriveWheelPart, MaterialKind::Board},
        {"other-wheel-material", OtherWheelPart, MaterialKind::Board},
    };
    return choices;
}

const QString DriveInput = QStringLiteral("drive");
const QString MaterialInput = QStringLiteral("material:");

void setChoice(DesignRecord &design, const OptimiserParameter &parameter, int code)
{
    if (parameter.input != DriveInput) {
        design.MatIndex[static_cast<size_t>(parameter.input.mid(MaterialInput.size()).toInt())] = code;
        return;
    }
    const auto drive = static_cast<DriveKind>(code);
    if (design.Drive == drive)
        return;
    // As the window's drive buttons do: between rear and front the other wheel keeps its size,
    // leaving all-wheel drive brings back the one put aside.
    if (drive != DriveKind::AllWD && design.Drive != DriveKind::AllWD)
        design.SavedOtherWhlDia = design.OtherWhlDia;
    ApplyDrive(design, drive);
    if (design.OtherWhlDia.isEmpty())
        design.OtherWhlDia = ParameterDefaults::OtherWhlDia;
}

int choiceCode(const DesignRecord &design, const OptimiserParameter &parameter)
{
    if (parameter.input == DriveInput)
        return static_cast<int>(design.Drive);
    return design.MatIndex[static_cast<size_t>(parameter.input.mid(MaterialInput.size()).toInt())];
}

void keepChoices(OptimiserParameter &parameter, const std::function<bool(const OptimiserChoice &)> &allowed)
{
    std::vector<OptimiserChoice> kept;
    for (const OptimiserChoice &choice : parameter.choices)
        if (allowed(choice))
            kept.push_back(choice);
    parameter.choices = std::move(kept);
    parameter.high = std::max(0.0, static_cast<double>(parameter.choices.size()) - 1.0);
}

} // namespace

QStringList OptimiserParameterNames(const DesignRecord &design)
{
    QStringList names;
    for (const OptimiserParameter &parameter : partParameters())
        names << parameter.name;
    for (int slot = 0; slot < WeightSlotCount; ++slot)
        if (!design.Weights[static_cast<size_t>(slot)].isFree())
            names << QStringLiteral("weight%1-mass").arg(slot + 1) << QStringLiteral("weight%1-x").arg(slot + 1);
    names << DriveInput;
    for (const MaterialChoice &material : materialChoices())
        names << QLatin1String(material.name);
    return names;
}

QString OptimiserParameter::choiceWord(double value) const
{
    const long index = std::lround(value);
    return isChoice() && index >= 0 && index < static_cast<long>(choices.size()) ? choices[static_cast<size_t>(index)].word
                                                                                 : QString();
}

std::optional<OptimiserParameter> FindOptimiserParameter(const Workspace &workspace, const QString &name)
{
    const DesignRecord &design = workspace.design;
    for (const OptimiserParameter &parameter : partParameters())
        if (parameter.name == name)
            return parameter;
    if (name == DriveInput) {
        OptimiserParameter drive{name, DriveInput, OptimiserParameterKind::Choice, 0.0, 2.0, {}};
        for (int code = 0; code < static_cast<int>(DriveWords.size()); ++code)
            drive.choices.push_back({DriveWords[code], code});
        return drive;
    }
    for (const MaterialChoice &material : materialChoices()) {
        if (name != QLatin1String(material.name))
            continue;
        OptimiserParameter parameter{name, MaterialInput + QString::number(material.part), OptimiserParameterKind::Choice,
                                     0.0, 0.0, {}};
        for (int index = 0; index < workspace.catalogue.count(material.kind); ++index)
            parameter.choices.push_back({workspace.catalogue.name(material.kind, index).trimmed(), index});
        parameter.high = static_cast<double>(parameter.choices.size()) - 1.0;
        return parameter;
    }
    static const QRegularExpression weight(QStringLiteral("^weight([0-9]+)-(mass|x)$"));
    const QRegularExpressionMatch match = weight.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const int slot = match.captured(1).toInt() - 1;
    if (slot < 0 || slot >= WeightSlotCount || design.Weights[static_cast<size_t>(slot)].isFree())
        return std::nullopt;
    const QString n = QString::number(slot + 1);
    if (match.captured(2) == QLatin1String("mass"))
        return OptimiserParameter{name, QStringLiteral("weight%1Mass").arg(n), OptimiserParameterKind::Number, 0.001,
                                  WeightMassHighLb};
    return OptimiserParameter{name, QStringLiteral("weight%1Position").arg(n), OptimiserParameterKind::Number, 0.0,
                              SheetRightIn};
}

QString RestrictOptimiserChoices(std::vector<OptimiserParameter> &parameters, const Challenge &challenge)
{
    QStringList drives, boards;
    for (const ChallengeRule &rule : challenge.rules) {
        if (rule.name == QLatin1String("drive"))
            drives << rule.limit;
        else if (rule.name == QLatin1String("material"))
            boards << rule.limit.trimmed();
    }
    for (OptimiserParameter &parameter : parameters) {
        if (!parameter.isChoice())
            continue;
        if (parameter.input == DriveInput && !drives.isEmpty())
            keepChoices(parameter, [&](const OptimiserChoice &choice) {
                return std::all_of(drives.begin(), drives.end(), [&](const QString &word) { return word == choice.word; });
            });
        const bool board = std::any_of(materialChoices().begin(), materialChoices().end(), [&](const MaterialChoice &m) {
            return m.kind == MaterialKind::Board && parameter.name == QLatin1String(m.name);
        });
        if (board && !boards.isEmpty())
            keepChoices(parameter,
                        [&](const OptimiserChoice &choice) { return boards.contains(choice.word, Qt::CaseInsensitive); });
        if (parameter.choices.empty())
            return Texts::tr("the challenge's rules leave %1 no value").arg(parameter.name);
    }
    return {};
}

QString NarrowOptimiserRange(OptimiserParameter &parameter, double low, double high)
{
    if (parameter.isChoice())
        return Texts::tr("%1 is a choice and takes no range").arg(parameter.name);
    if (!(low <= high))
        return Texts::tr("the range of %1 is empty: %2 is more than %3")
            .arg(parameter.name, doubleText(low), doubleText(high));
    if (low < parameter.low || high > parameter.high)
        return Texts::tr("%1 takes values from %2 to %3")
            .arg(parameter.name, doubleText(parameter.low), doubleText(parameter.high));
    parameter.low = low;
    parameter.high = high;
    return {};
}

void ApplyOptimiserValues(Workspace &workspace, const std::vector<OptimiserParameter> &parameters,
                          const std::vector<double> &values)
{
    for (size_t i = 0; i < parameters.size() && i < values.size(); ++i) {
        const long index = std::lround(values[i]);
        if (parameters[i].isChoice() && index >= 0 && index < static_cast<long>(parameters[i].choices.size()))
            setChoice(workspace.design, parameters[i], parameters[i].choices[static_cast<size_t>(index)].code);
    }
    for (size_t i = 0; i < parameters.size() && i < values.size(); ++i)
        if (!parameters[i].isChoice())
            SetSensitivityInput(workspace, parameters[i].input, values[i]);
}

std::vector<double> ReadOptimiserValues(const Workspace &workspace, const std::vector<OptimiserParameter> &parameters)
{
    std::vector<double> values;
    values.reserve(parameters.size());
    for (const OptimiserParameter &parameter : parameters) {
        if (!parameter.isChoice()) {
            values.push_back(SensitivityInputValue(workspace, parameter.input).value_or(0.0));
            continue;
        }
        const int code = choiceCode(workspace.design, parameter);
        const auto found = std::find_if(parameter.choices.begin(), parameter.choices.end(),
                                        [&](const OptimiserChoice &choice) { return choice.code == code; });
        values.push_back(found == parameter.choices.end() ? -1.0
                                                          : static_cast<double>(found - parameter.choices.begin()));
    }
    return values;
}

} // namespace zindle
