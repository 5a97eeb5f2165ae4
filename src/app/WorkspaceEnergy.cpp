// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkspaceEnergy.h"

#include "RefreshChain.h"

namespace zindle {

std::optional<EnergyTrace> RunWorkspaceEnergy(const Workspace &workspace)
{
    if (workspace.checks.cannotRun())
        return std::nullopt;
    ResultFields results = workspace.results;
    DesignList list;
    list.CurrentDesign = -1; // no slot: no race trace and no simulated flag
    ForcePictureState forces = workspace.forces;
    EnergyTrace energy;
    const DesignNumbers numbers = ParseDesignNumbers(workspace.design, workspace.catalogue);
    SimulationContext context{workspace.design, workspace.catalogue, numbers, currentBalance(workspace),
                              results, list, forces, SheetMode::Race, nullptr, nullptr, workspace.trackFactors};
    context.energy = &energy;
    RunSimulation(context, FrameRunToEnd);
    return energy;
}

} // namespace zindle
