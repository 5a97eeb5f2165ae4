// SPDX-License-Identifier: GPL-3.0-or-later
#include "RaceCommand.h"

#include "ChartOutput.h"
#include "Cli.h"
#include "files/PathText.h"
#include "DesignArgument.h"
#include "PhysicsOutput.h"
#include "app/RefreshChain.h"
#include "app/Tolerances.h"
#include "model/NumberText.h"
#include "model/BuiltInDesigns.h"
#include "charts/RaceChart.h"
#include "sheet/EmptySheet.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <algorithm>
#include <array>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RaceCommand)
};

} // namespace

const char *const RaceHelp =
    "Usage: zindle-cli race DESIGN... [--json] [--chart FILE] [--chances]\n"
    "Simulates up to 16 designs, each as Simulate mode runs it, and replays the race without\n"
    "a timer. The lanes are the design list's slots: a built-in design keeps its slot 0 to 4,\n"
    "files take slots 5 to 15 in the order given and then the slots of built-in designs not\n"
    "named, so every design named races. Prints, for each lane with a result,\n"
    "\"<lane> <name>: <text>\" (\"15 ft in 2.37 sec - 1st place\" or \"3.45 sec/12.34 ft\"); a\n"
    "design without a run is named on standard error. --json prints one JSON object instead.\n"
    "--chart FILE draws the distance of every raced design over time (the last design named,\n"
    "the others and skidding in the race view's colours, the finish line at 15 ft, the winner\n"
    "marked) into FILE, a .png, .svg or .pdf file.\n"
    "--chances builds every design 1000 times within the default tolerances (as\n"
    "'zindle-cli tolerances', seed 1) and prints, for every two designs that raced,\n"
    "\"A beats B in 73 % of builds\": how often a build of A reaches 15 ft first (with\n"
    "--json, \"Chances\": objects with design, beats and chance from 0 to 1).\n"
    ZINDLE_HEADLESS_SCALE_HELP;

namespace {

// One design named on the command line, simulated on its own.
struct Entrant {
    int builtIn = -1; // its built-in slot, -1 for a file
    QString name;
    bool simulated = false;
    RaceTrace trace;
    BuildTimes builds; // with --chances: its times over builds within the default tolerances
};

// The lane of every entrant (-1 for a built-in named a second time, which races once): built-in
// designs in their own slots, as the window has them, files after them; once slots 5 to 15 are
// taken, files take the slots no named built-in design holds.
std::vector<int> assignLanes(const std::vector<Entrant> &entrants)
{
    std::array<bool, RaceSlots> taken{};
    std::vector<int> lanes(entrants.size(), -1);
    for (size_t i = 0; i < entrants.size(); ++i) {
        const int slot = entrants[i].builtIn;
        if (slot >= 0 && !taken[static_cast<size_t>(slot)]) {
            taken[static_cast<size_t>(slot)] = true;
            lanes[i] = slot;
        }
    }
    std::vector<int> free;
    for (int slot = BuiltInDesignCount; slot < RaceSlots; ++slot)
        free.push_back(slot);
    for (int slot = 0; slot < BuiltInDesignCount; ++slot)
        if (!taken[static_cast<size_t>(slot)])
            free.push_back(slot);
    size_t next = 0;
    for (size_t i = 0; i < entrants.size(); ++i)
        if (entrants[i].builtIn < 0 && next < free.size())
            lanes[i] = free[next++];
    return lanes;
}

// A design list of the race alone: the entrants in their lanes, the lanes between them empty.
DesignList raceList(const std::vector<Entrant> &entrants, const std::vector<int> &lanes)
{
    DesignList list;
    list.entries.assign(RaceSlots, DesignSlot{});
    list.items = QStringList(RaceSlots, QString());
    list.CurrentDesign = -1;
    for (size_t i = 0; i < entrants.size(); ++i) {
        if (lanes[i] < 0)
            continue;
        const size_t lane = static_cast<size_t>(lanes[i]);
        list.entries[lane].DesignName = entrants[i].name;
        list.items[static_cast<qsizetype>(lane)] = entrants[i].name;
        list.entries[lane].DesignSimulated = entrants[i].simulated;
        list.traces[lane] = entrants[i].trace;
        // The last design named is the one the window would show in Race mode.
        list.CurrentDesign = lanes[i];
    }
    return list;
}

} // namespace

int raceCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    const bool usable = parseArguments(args, {QStringLiteral("--json"), QStringLiteral("--chances")},
                                       {QStringLiteral("--chart")}, parsed, error);
    const bool chances = parsed.has(QStringLiteral("--chances"));
    WorkerPool workers;
    if (usable && parsed.positional.size() > RaceSlots)
        error = Texts::tr("at most %1 designs can race, %2 were given").arg(RaceSlots).arg(parsed.positional.size());
    if (!usable || parsed.positional.isEmpty() || parsed.positional.size() > RaceSlots) {
        if (!error.isEmpty())
            err << "zindle-cli race: " << printableText(error) << '\n';
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
    std::vector<Entrant> entrants;
    for (const QString &design : parsed.positional) {
        // Each design rebuilt from scratch (a file read again) and run as Simulate mode runs it.
        Workspace workspace;
        workspace.scale = HeadlessSheetScale();
        if (!loadDesign(workspace, design, err))
            return FileFailure;
        EnterSimulateMode(workspace);
        RefreshPhysicsMode(workspace, SheetMode::Simulate);
        Entrant entrant;
        entrant.builtIn = workspace.list.currentIsBuiltIn() ? workspace.list.CurrentDesign : -1;
        entrant.name = workspace.list.current().DesignName;
        const int slot = workspace.list.CurrentDesign;
        entrant.simulated = workspace.list.current().DesignSimulated && slot < RaceSlots;
        if (entrant.simulated)
            entrant.trace = workspace.list.traces[static_cast<size_t>(slot)];
        if (chances && entrant.simulated)
            entrant.builds = buildTimes(RunTolerances(workers, workspace, BuildTolerances{}));
        entrants.push_back(std::move(entrant));
    }
    const std::vector<int> lanes = assignLanes(entrants);
    Workspace workspace;
    workspace.list = raceList(entrants, lanes);
    RunRaceToEnd(workspace.race, workspace.list);

    const auto results = RaceResults(workspace.race, workspace.list);
    for (size_t i = 0; i < entrants.size(); ++i) {
        const bool raced = std::any_of(results.begin(), results.end(),
                                       [&](const RaceResult &result) { return result.lane == lanes[i]; });
        if (lanes[i] < 0)
            err << "zindle-cli race: " << Texts::tr("%1 is named twice and races once").arg(printableText(entrants[i].name))
                << '\n';
        else if (!raced)
            err << "zindle-cli race: " << Texts::tr("%1 cannot race: it has no run").arg(printableText(entrants[i].name))
                << '\n';
    }
    const auto writeChart = [&] {
        if (!chartFormat)
            return Success;
        const std::vector<RaceChartLane> lanes = raceChartLanes(workspace.list, workspace.race);
        const bool written = writeChartFile(
            chartName, *chartFormat, QSize(1000, 620), QStringLiteral("Race"),
            [&](QPainter &painter, const QRectF &area) { paintRaceChart(painter, area, lanes); }, out, err);
        return written ? Success : FileFailure;
    };
    // Every pair of designs that raced, in the order named: how often a build of the first,
    // within the class's tolerances, reaches 15 ft before a build of the second.
    struct Chance {
        const Entrant *a, *b;
        double chance;
    };
    std::vector<Chance> pairs;
    if (chances)
        for (size_t i = 0; i < entrants.size(); ++i)
            for (size_t j = 0; j < entrants.size(); ++j)
                if (i != j && lanes[i] >= 0 && lanes[j] >= 0 && !entrants[i].builds.empty() && !entrants[j].builds.empty())
                    pairs.push_back({&entrants[i], &entrants[j], chanceToBeat(entrants[i].builds, entrants[j].builds)});
    if (parsed.has(QStringLiteral("--json"))) {
        QJsonArray lanes;
        for (const RaceResult &result : results)
            lanes.append(QJsonObject{{QStringLiteral("slot"), result.lane},
                                     {QStringLiteral("name"), result.name},
                                     {QStringLiteral("text"), result.text}});
        QJsonObject object{{QStringLiteral("Results"), lanes}};
        if (chances) {
            QJsonArray list;
            for (const Chance &pair : pairs)
                list.append(QJsonObject{{QStringLiteral("design"), pair.a->name},
                                        {QStringLiteral("beats"), pair.b->name},
                                        {QStringLiteral("chance"), pair.chance}});
            object.insert(QStringLiteral("Chances"), list);
        }
        printJson(object, out);
        return writeChart();
    }
    for (const RaceResult &result : results)
        out << result.lane << ' ' << printableText(result.name) << ": " << result.text << '\n';
    for (const Chance &pair : pairs)
        out << printableText(pair.a->name) << " beats " << printableText(pair.b->name) << " in "
            << fixedText(pair.chance * 100.0, 0) << " % of builds\n";
    return writeChart();
}

} // namespace zindle::cli
