// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The design side of the workspace: the current design, the design list and the material
// catalogue. The file readers and writers and the material editing work on this much; the
// computation steps add their results on top (physics/PhysicsState.h), and the application's
// Workspace (app/Workspace.h) is the whole.

#include "DesignList.h"
#include "DesignRecord.h"
#include "MaterialCatalogue.h"

namespace zindle {

struct DesignState {
    DesignRecord design;
    DesignList list;
    MaterialCatalogue catalogue;

    void MarkDesignChanged() { list.MarkDesignChanged(list.CurrentDesign); }
};

// Builds built-in design `slot` into the current design from scratch: reset, clear the
// outlines and weights, generate, then the drive buttons' side effects. The catalogue is kept.
void BuildBuiltInDesign(DesignState &state, int slot);

} // namespace zindle
