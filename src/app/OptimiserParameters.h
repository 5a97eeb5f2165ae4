// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the optimiser may change in a design: each parameter by the name the command line's
// --vary gives it, the design's input it writes (an id of SetSensitivityInput) and the range
// it may take. A range defaults to what the part field's own check accepts (ValidateParameters),
// or to the sheet for a position; the student may narrow it, never widen it.
//
// The drive arrangement and the catalogue's materials are choices among a few values: a value
// of such a parameter is the place of its choice in the list (0, 1, ...), which the global
// phase samples among and the local phase leaves as it is.

#include "app/Workspace.h"
#include "model/Challenge.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zindle {

enum class OptimiserParameterKind { Number, Choice };

struct OptimiserChoice {
    QString word; // as the command line writes it: "rear", a material's name
    int code = 0; // the DriveKind, or the material's index in the catalogue
};

struct OptimiserParameter {
    QString name;  // as --vary names it: "spring-length", "weight1-x", "drive"
    QString input; // the id SetSensitivityInput and SensitivityInputValue take; for a choice,
                   // "drive" or "material:" and the part's number
    OptimiserParameterKind kind = OptimiserParameterKind::Number;
    double low = 0.0, high = 0.0; // inches, or lb for a weight's mass; 0 and the last place for a choice
    std::vector<OptimiserChoice> choices = {};

    bool isChoice() const { return kind == OptimiserParameterKind::Choice; }
    // The word of a choice's value; empty for a number.
    QString choiceWord(double value) const;
};

// Every name --vary accepts for `design`, in a fixed order: the part sizes, the front axle,
// the mass and place of each weight the design has, then the choices.
QStringList OptimiserParameterNames(const DesignRecord &design);

// The parameter `name` with its default range (a material's choices are the workspace's
// catalogue); nothing for a name unknown or a weight the design does not have.
std::optional<OptimiserParameter> FindOptimiserParameter(const Workspace &workspace, const QString &name);

// Leaves in each choice only the values a challenge's drive and material rules allow. An empty
// message when every choice keeps one value at least; otherwise which one keeps none.
QString RestrictOptimiserChoices(std::vector<OptimiserParameter> &parameters, const Challenge &challenge);

// Narrows `parameter` to low..high. An empty message when accepted; otherwise why not (a
// range that is empty or leaves the part field's limits).
QString NarrowOptimiserRange(OptimiserParameter &parameter, double low, double high);

// Writes one value of each parameter into the workspace's design, the choices first: a change
// of drive may put back the other wheel's size, which a varied size then overrides.
void ApplyOptimiserValues(Workspace &workspace, const std::vector<OptimiserParameter> &parameters,
                          const std::vector<double> &values);
// The values the workspace's design holds for the parameters (-1 for a choice whose value is
// not among those left).
std::vector<double> ReadOptimiserValues(const Workspace &workspace, const std::vector<OptimiserParameter> &parameters);

} // namespace zindle
