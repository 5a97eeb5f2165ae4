// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A built-in design with something in every block of its file: a user material of every kind,
// the inner body made of one, and two weights (one negative).

#include "model/MaterialEditing.h"
#include "model/DesignState.h"

namespace zindle::test {

inline void makeRich(DesignState &workspace, int builtIn)
{
    BuildBuiltInDesign(workspace, builtIn);
    DefineBoard(workspace.catalogue, {"Balsa", "0.25", "0.005"}, 0);
    DefineAxle(workspace.catalogue, {"Pine", "0.02"}, 0);
    SpringMaterial spring{"Steel", "0.01", "0.28", "1", {}};
    spring.SpringTorqueCurve[0] = "0.9";
    DefineSpring(workspace.catalogue, spring, 0);
    DefineTread(workspace.catalogue, {"Grip", "1.2"}, 0);
    workspace.design.MatIndex[InnerBodyPart] = 1;
    workspace.design.Weights[0] = {100, 200, 0.25f, {}};
    workspace.design.Weights[1] = {300, 100, -0.5f, {}};
}

} // namespace zindle::test
