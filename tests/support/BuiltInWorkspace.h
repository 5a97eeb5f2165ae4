// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A workspace holding one built-in design as its current one, at the command line's scale, as
// a test of a computation starts from.

#include "app/Workspace.h"
#include "model/BuiltInDesigns.h"
#include "sheet/EmptySheet.h"

namespace zindle::test {

// Makes built-in design `slot` the current design of `workspace`, at the command line's scale.
inline void loadBuiltIn(Workspace &workspace, int slot)
{
    workspace.list.CurrentDesign = slot;
    BuildBuiltInDesign(workspace, slot);
    workspace.scale = HeadlessSheetScale();
}

inline Workspace builtInWorkspace(int slot)
{
    Workspace workspace;
    loadBuiltIn(workspace, slot);
    return workspace;
}

} // namespace zindle::test
