// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the optimiser may change in a design: each parameter by the name the command line's
// --vary gives it, the design's input it writes (an id of SetSensitivityInput) and the range
// it may take. A range defaults to what the part field's own check accepts (ValidateParameters),
// or to the sheet for a position; the student may narrow it, never widen it.
//
// Every parameter is a number today. The drive arrangement and the catalogue's materials are
// choices among a few values: they will come as parameters of kind Choice, whose values the
// global phase samples among and the local phase leaves as they are.

#include "app/Workspace.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zindle {

enum class OptimiserParameterKind { Number /*, Choice: drive arrangement, catalogue materials */ };

struct OptimiserParameter {
    QString name;  // as --vary names it: "spring-length", "weight1-x"
    QString input; // the id SetSensitivityInput and SensitivityInputValue take
    OptimiserParameterKind kind = OptimiserParameterKind::Number;
    double low = 0.0, high = 0.0; // inches, or lb for a weight's mass
};

// Every name --vary accepts for `design`, in a fixed order: the part sizes, the front axle,
// then the mass and place of each weight the design has.
QStringList OptimiserParameterNames(const DesignRecord &design);

// The parameter `name` with its default range; nothing for a name unknown or a weight the
// design does not have.
std::optional<OptimiserParameter> FindOptimiserParameter(const DesignRecord &design, const QString &name);

// Narrows `parameter` to low..high. An empty message when accepted; otherwise why not (a
// range that is empty or leaves the part field's limits).
QString NarrowOptimiserRange(OptimiserParameter &parameter, double low, double high);

// Writes one value of each parameter into the workspace's design.
void ApplyOptimiserValues(Workspace &workspace, const std::vector<OptimiserParameter> &parameters,
                          const std::vector<double> &values);
// The values the workspace's design holds for the parameters.
std::vector<double> ReadOptimiserValues(const Workspace &workspace, const std::vector<OptimiserParameter> &parameters);

} // namespace zindle
