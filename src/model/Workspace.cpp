#include "Workspace.h"

#include "BuiltInDesigns.h"

namespace zindle {

void BuildBuiltInDesign(Workspace &workspace, int slot)
{
    DesignRecord &design = workspace.design;
    ResetParameters(design);
    ClearOuterShape(design);
    ClearInnerShape(design);
    ClearWeights(design);
    GenerateBuiltInDesign(design, slot);
    ApplyDrive(design, design.Drive);
}

} // namespace zindle
