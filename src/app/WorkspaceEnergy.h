// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the current design's spring energy goes in its run (physics/RunEnergy.h).

#include "app/Workspace.h"
#include "physics/RunEnergy.h"

#include <optional>

namespace zindle {

// The run as the last physics refresh set it up, again on scratch copies: nothing of the
// workspace changes. A design the model cannot run has none.
std::optional<EnergyTrace> RunWorkspaceEnergy(const Workspace &workspace);

} // namespace zindle
