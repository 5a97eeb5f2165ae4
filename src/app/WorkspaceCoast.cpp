// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkspaceCoast.h"

#include "RefreshChain.h"

namespace zindle {

std::optional<CoastedRun> RunWorkspaceCoast(Workspace &workspace)
{
    if (workspace.checks.cannotRun())
        return std::nullopt;
    const DesignNumbers numbers = ParseDesignNumbers(workspace.design, workspace.catalogue);
    const SimulationContext context{workspace.design, workspace.catalogue, numbers, currentBalance(workspace),
                                    workspace.results, workspace.list, workspace.forces, SheetMode::Race,
                                    nullptr, nullptr, workspace.trackFactors};
    return RunWithCoast(context);
}

} // namespace zindle
