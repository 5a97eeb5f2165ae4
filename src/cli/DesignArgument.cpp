#include "DesignArgument.h"

#include "files/DesignFile.h"
#include "files/PathText.h"
#include "model/BuiltInDesigns.h"

namespace zindle::cli {

bool loadDesign(Workspace &workspace, const QString &argument, QTextStream &err)
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
        err << outcome.error << '\n';
        return false;
    }
    if (!outcome.warning.isEmpty())
        err << outcome.warning << '\n';
    const int slot = workspace.list.append(outcome.name, argument, true);
    if (slot < 0) {
        err << QStringLiteral("Cannot open \"%1\": the design list is full").arg(printableText(argument)) << '\n';
        return false;
    }
    workspace.list.CurrentDesign = slot;
    return true;
}

} // namespace zindle::cli
