#include "DesignArgument.h"

#include "files/DesignFile.h"
#include "model/BuiltInDesigns.h"

namespace zindle::cli {

bool loadDesign(Workspace &workspace, const QString &argument, QString &error)
{
    const int builtIn = builtInDesignSlot(argument);
    if (builtIn >= 0) {
        workspace.list.CurrentDesign = builtIn;
        BuildBuiltInDesign(workspace, builtIn);
        return true;
    }
    PrepareForFileRead(workspace);
    const ReadOutcome outcome = ReadBinaryDesignFile(workspace, argument);
    if (!outcome.ok()) {
        error = outcome.error;
        return false;
    }
    const int slot = workspace.list.append(outcome.name, argument, true);
    if (slot < 0) {
        error = QStringLiteral("Cannot open \"%1\": the design list is full").arg(argument);
        return false;
    }
    workspace.list.CurrentDesign = slot;
    return true;
}

} // namespace zindle::cli
