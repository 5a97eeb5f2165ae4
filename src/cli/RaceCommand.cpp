#include "RaceCommand.h"

#include "ChartOutput.h"
#include "Cli.h"
#include "DesignArgument.h"
#include "PhysicsOutput.h"
#include "app/RefreshChain.h"
#include "charts/RaceChart.h"
#include "sheet/EmptySheet.h"

#include <QJsonArray>

namespace zindle::cli {

const char *const RaceHelp =
    "Usage: zindle-cli race DESIGN... [--json] [--chart FILE]\n"
    "Puts up to 16 designs in a design list (built-ins keep their slots 0 to 4, files are\n"
    "appended in the order given), makes each current and simulates it, then enters Race\n"
    "mode with the last one and replays the race without a timer. Prints, for each lane\n"
    "with a result, \"<slot> <name>: <text>\" (\"15 ft in 2.37 sec - 1st place\" or\n"
    "\"3.45 sec/12.34 ft\"). Only slots 0 to 15 race. --json prints one JSON object instead.\n"
    "--chart FILE draws the distance of every raced design over time (the selected design,\n"
    "the others and skidding in the race view's colours, the finish line at 15 ft, the winner\n"
    "marked) into FILE, a .png, .svg or .pdf file.\n"
    ZINDLE_HEADLESS_SCALE_HELP;

int raceCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    const bool usable = parseArguments(args, {QStringLiteral("--json")}, {QStringLiteral("--chart")}, parsed, error);
    if (usable && parsed.positional.size() > RaceSlots)
        error = QStringLiteral("at most %1 designs can race, %2 were given").arg(RaceSlots).arg(parsed.positional.size());
    if (!usable || parsed.positional.isEmpty() || parsed.positional.size() > RaceSlots) {
        if (!error.isEmpty())
            err << "zindle-cli race: " << error << '\n';
        err << RaceHelp;
        return UsageFailure;
    }
    const QString chartName = parsed.value(QStringLiteral("--chart"));
    std::optional<ChartFormat> chartFormat;
    if (parsed.hasValue(QStringLiteral("--chart"))) {
        chartFormat = chartFileFormat(QStringLiteral("race"), QStringLiteral("--chart"), chartName, err);
        if (!chartFormat)
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
    const auto writeChart = [&] {
        if (!chartFormat)
            return Success;
        const std::vector<RaceChartLane> lanes = raceChartLanes(workspace.list, workspace.race);
        const bool written = writeChartFile(
            chartName, *chartFormat, QSize(1000, 620), QStringLiteral("Race"),
            [&](QPainter &painter, const QRectF &area) { paintRaceChart(painter, area, lanes); }, out, err);
        return written ? Success : FileFailure;
    };
    if (parsed.has(QStringLiteral("--json"))) {
        QJsonArray lanes;
        for (const RaceResult &result : results)
            lanes.append(QJsonObject{{QStringLiteral("slot"), result.lane},
                                     {QStringLiteral("name"), result.name},
                                     {QStringLiteral("text"), result.text}});
        printJson(QJsonObject{{QStringLiteral("Results"), lanes}}, out);
        return writeChart();
    }
    for (const RaceResult &result : results)
        out << result.lane << ' ' << result.name << ": " << result.text << '\n';
    return writeChart();
}

} // namespace zindle::cli
