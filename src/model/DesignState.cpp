// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignState.h"

#include "BuiltInDesigns.h"

namespace zindle {

void BuildBuiltInDesign(DesignState &state, int slot)
{
    DesignRecord &design = state.design;
    ResetParameters(design);
    ClearOuterShape(design);
    ClearInnerShape(design);
    ClearWeights(design);
    GenerateBuiltInDesign(design, slot);
    ApplyDrive(design, design.Drive);
}

} // namespace zindle
