// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptimiserParameters.h"

#include "app/Sensitivity.h"
#include "geometry/SheetScale.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <QRegularExpression>

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

} // namespace

QStringList OptimiserParameterNames(const DesignRecord &design)
{
    QStringList names;
    for (const OptimiserParameter &parameter : partParameters())
        names << parameter.name;
    for (int slot = 0; slot < WeightSlotCount; ++slot)
        if (!design.Weights[static_cast<size_t>(slot)].isFree())
            names << QStringLiteral("weight%1-mass").arg(slot + 1) << QStringLiteral("weight%1-x").arg(slot + 1);
    return names;
}

std::optional<OptimiserParameter> FindOptimiserParameter(const DesignRecord &design, const QString &name)
{
    for (const OptimiserParameter &parameter : partParameters())
        if (parameter.name == name)
            return parameter;
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

QString NarrowOptimiserRange(OptimiserParameter &parameter, double low, double high)
{
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
    for (size_t i = 0; i < parameters.size() && i < values.size(); ++i)
        SetSensitivityInput(workspace, parameters[i].input, values[i]);
}

std::vector<double> ReadOptimiserValues(const Workspace &workspace, const std::vector<OptimiserParameter> &parameters)
{
    std::vector<double> values;
    values.reserve(parameters.size());
    for (const OptimiserParameter &parameter : parameters)
        values.push_back(SensitivityInputValue(workspace, parameter.input).value_or(0.0));
    return values;
}

} // namespace zindle
