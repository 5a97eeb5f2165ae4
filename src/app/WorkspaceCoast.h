// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The current design's run with coasting (physics/Coast.h), for wherever a prediction meets a
// measured run.

#include "app/Workspace.h"
#include "physics/Coast.h"

#include <optional>

namespace zindle {

// From the results the last physics refresh left; nothing of the workspace changes. A design
// the model cannot run has no run.
std::optional<CoastedRun> RunWorkspaceCoast(Workspace &workspace);

} // namespace zindle
