#include "RaceCommand.h"

#include "Cli.h"
#include "DesignArgument.h"
#include "PhysicsOutput.h"
#include "app/RefreshChain.h"
#include "sheet/EmptySheet.h"

#include <QJsonArray>

namespace zindle::cli {

const char *const RaceHelp =
    "Usage: zindle-cli race DESIGN... [--json]\n"
    "Puts up to 16 designs in a design list (built-ins keep their slots 0 to 4, files are\n"
    "appended in the order given), makes each current and simulates it, then enters Race\n"
    "mode with the last one and replays the race without a timer. Prints, for each lane\n"
    "with a result, \"<slot> <name>: <text>\" (\"15 ft in 2.37 sec - 1st place\" or\n"
    "\"3.45 sec/12.34 ft\"). Only slots 0 to 15 race. --json prints one JSON object instead.\n"
    ZINDLE_HEADLESS_SCALE_HELP;

int raceCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    const bool usable = parseArguments(args, {QStringLiteral("--json")}, {}, parsed, error);
    if (usable && parsed.positional.size() > RaceSlots)
        error = QStringLiteral("at most %1 designs can race, %2 were given").arg(RaceSlots).arg(parsed.positional.size());
    if (!usable || parsed.positional.isEmpty() || parsed.positional.size() > RaceSlots) {
        if (!error.isEmpty())
            err << "zindle-cli race: " << error << '\n';
        err << RaceHelp;
        return UsageFailure;
    }
    Workspace workspace;
    workspace.scale = HeadlessSheetScale();
    for (const QString &design : parsed.positional) {
        // Selecting a design rebuilds it from scratch (a file is read again), then Simulate
        // mode is entered for it.
        if (!loadDesign(workspace, design, err))
            return FileFailure;
        EnterSimulateMode(workspace);
        RefreshPhysicsMode(workspace, SheetMode::Simulate);
    }
    RefreshPhysicsMode(workspace, SheetMode::Race);

    const auto results = RaceResults(workspace.race, workspace.list);
    if (parsed.has(QStringLiteral("--json"))) {
        QJsonArray lanes;
        for (const RaceResult &result : results)
            lanes.append(QJsonObject{{QStringLiteral("slot"), result.lane},
                                     {QStringLiteral("name"), result.name},
                                     {QStringLiteral("text"), result.text}});
        printJson(QJsonObject{{QStringLiteral("Results"), lanes}}, out);
        return Success;
    }
    for (const RaceResult &result : results)
        out << result.lane << ' ' << result.name << ": " << result.text << '\n';
    return Success;
}

} // namespace zindle::cli
