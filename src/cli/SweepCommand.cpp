// SPDX-License-Identifier: GPL-3.0-or-later
#include "SweepCommand.h"

#include "ChartOutput.h"
#include "Cli.h"
#include "OutputFile.h"
#include "PhysicsOutput.h"
#include "physics/PowerDesigner.h"
#include "Interrupt.h"
#include "app/ParallelSweep.h"
#include "app/RefreshChain.h"
#include "charts/DesignMap.h"
#include "sheet/EmptySheet.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SweepCommand)
};

} // namespace

const char *const SweepHelp =
    "Usage: zindle-cli sweep DESIGN [--width F:T:S] [--length F:T:S] [--wheel F:T:S] [--json]\n"
    "                        [--map FILE] [--csv FILE] [--threads N] [--force]\n"
    "Runs the Power Designer sweep: every drive wheel diameter, spring length and spring\n"
    "width from F to T in steps of S is written into the design and simulated; prints\n"
    "BestYet, BestSWYet, BestSLYet, BestDWYet and Combinations (the simulations run).\n"
    "Defaults as the dialog: --width 1.5:1.5:1.5 --length 36:36:4 --wheel 4:7.5:0.5.\n"
    "Invalid ranges print the dialog's message and exit with status 2, and so do grids of\n"
    "more than 100000 combinations (a few minutes of work) unless --force is given.\n"
    "A sweep that runs longer than a second reports its progress on standard error.\n"
    "Ctrl+C stops after the combination being simulated, prints the best so far and exits\n"
    "with status 130.\n"
    "--map FILE draws the design map, the time to 15 ft over the two ranges with more than\n"
    "one value (cars that do not reach 15 ft hatched grey, the best marked), into FILE, a\n"
    ".png, .svg or .pdf file; --csv FILE writes its grid of times (\"-\" for standard output,\n"
    "the result lines then go to standard error). Both need the third range fixed (F = T).\n"
    "The combinations are spread over all cores (--threads N to use N); the results are\n"
    "those of simulating them one after the other.\n"
    ZINDLE_HEADLESS_SCALE_HELP;

namespace {

// About two minutes of simulation on a classroom laptop.
constexpr qint64 MaxCombinationsWithoutForce = 100000;
constexpr qint64 ProgressIntervalMs = 1000;
constexpr int InterruptedStatus = 130;

bool readRange(const ParsedArguments &parsed, const QString &option, SweepRange &range)
{
    const QString text = parsed.value(option);
    if (text.isEmpty())
        return true;
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3)
        return false;
    range = {parts[0], parts[1], parts[2]};
    return true;
}

} // namespace

int sweepCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    SweepRanges ranges;
    const bool usable =
        parseArguments(args, {QStringLiteral("--json"), QStringLiteral("--force")},
                       {QStringLiteral("--width"), QStringLiteral("--length"), QStringLiteral("--wheel"),
                        QStringLiteral("--threads"), QStringLiteral("--map"), QStringLiteral("--csv")},
                       parsed, error)
        && parsed.positional.size() == 1 && readRange(parsed, QStringLiteral("--width"), ranges.width)
        && readRange(parsed, QStringLiteral("--length"), ranges.length)
        && readRange(parsed, QStringLiteral("--wheel"), ranges.wheel);
    if (!usable) {
        if (!error.isEmpty())
            err << "zindle-cli sweep: " << error << '\n';
        err << SweepHelp;
        return UsageFailure;
    }
    int threads = 0;
    if (parsed.hasValue(QStringLiteral("--threads"))) {
        bool ok = false;
        threads = parsed.value(QStringLiteral("--threads")).toInt(&ok);
        if (!ok || threads < 1 || threads > 256) {
            err << "zindle-cli sweep: " << Texts::tr("--threads takes a whole number from 1 to 256") << '\n';
            return UsageFailure;
        }
    }
    const QString invalid = ValidateSweepRanges(ranges);
    if (!invalid.isEmpty()) {
        err << invalid << '\n';
        return UsageFailure;
    }

    const QString mapName = parsed.value(QStringLiteral("--map"));
    const QString csvName = parsed.value(QStringLiteral("--csv"));
    const bool wantsMap = parsed.hasValue(QStringLiteral("--map"));
    const bool wantsCsv = parsed.hasValue(QStringLiteral("--csv"));
    std::optional<ChartFormat> mapFormat;
    if (wantsMap) {
        mapFormat = chartFileFormat(QStringLiteral("sweep"), QStringLiteral("--map"), mapName, err);
        if (!mapFormat)
            return UsageFailure;
    }
    if ((wantsMap || wantsCsv) && SweepValues(ranges.wheel).size() > 1 && SweepValues(ranges.length).size() > 1
        && SweepValues(ranges.width).size() > 1) {
        err << "zindle-cli sweep: " << Texts::tr("a map shows two ranges; fix the third (give it F:F:S)") << '\n';
        return UsageFailure;
    }

    const qint64 total = CountSweepCombinations(ranges);
    if (total > MaxCombinationsWithoutForce && !parsed.has(QStringLiteral("--force"))) {
        err << "zindle-cli sweep: "
            << Texts::tr("these ranges make %1 simulations, more than %2; narrow them or add --force")
                   .arg(total)
                   .arg(MaxCombinationsWithoutForce)
            << '\n';
        return UsageFailure;
    }

    Workspace workspace;
    if (!loadHeadless(workspace, parsed.positional[0], err))
        return FileFailure;
    workspace.MarkDesignChanged();
    SweepBest best;
    ParallelSweepOptions options;
    options.threads = threads;
    options.stopRequested = interruptRequested;
    // Only a map or its grid needs every combination's cell; the result lines need the best.
    options.keepCells = wantsMap || wantsCsv;
    QElapsedTimer clock;
    clock.start();
    qint64 lastReport = 0;
    options.progress = [&](qint64 completed, qint64) {
        if (clock.elapsed() - lastReport < ProgressIntervalMs)
            return;
        lastReport = clock.elapsed();
        err << Texts::tr("Sweep: %1 of %2 simulated").arg(completed).arg(total) << '\n';
        err.flush();
    };
    // The command's own workers: one command runs per process.
    WorkerPool workers;
    const ParallelSweepResult outcome = RunParallelSweep(workers, workspace, best, ranges, options);
    if (outcome.combinations == 0 && !outcome.stopped) {
        err << "zindle-cli sweep: " << Texts::tr("no combination was simulated") << '\n';
        return FileFailure;
    }
    best = outcome.best;
    HoldLastCombination(workspace.design, outcome);

    const Fields fields = {
        {"BestYet", best.BestYet},
        {"BestSWYet", best.BestSWYet},
        {"BestSLYet", best.BestSLYet},
        {"BestDWYet", best.BestDWYet},
        {"Combinations", QString::number(outcome.combinations)},
    };
    // With the grid on standard output the result lines make way for it.
    QTextStream &lines = wantsCsv && isStandardOutput(csvName) ? err : out;
    if (parsed.has(QStringLiteral("--json"))) {
        QJsonObject object = fieldsJson(fields);
        object.insert(QStringLiteral("Combinations"), outcome.combinations);
        printJson(object, lines);
    } else {
        printFields(fields, lines);
    }
    int status = Success;
    if (wantsMap || wantsCsv) {
        const QString name = workspace.list.CurrentDesign >= 0 && workspace.list.CurrentDesign < workspace.list.DesignCount()
                                 ? workspace.list.entries[static_cast<size_t>(workspace.list.CurrentDesign)].DesignName
                                 : QString();
        const std::optional<DesignMapGrid> grid = sweepDesignMap(outcome, name);
        if (grid && wantsMap
            && !writeChartFile(
                mapName, *mapFormat, QSize(900, 720), grid->title,
                [&](QPainter &painter, const QRectF &area) { paintDesignMap(painter, area, *grid); }, out, err))
            status = FileFailure;
        if (grid && wantsCsv && !writeOutputFile(csvName, designMapCsv(*grid), out, err))
            status = FileFailure;
    }
    if (outcome.stopped) {
        err << "zindle-cli sweep: "
            << Texts::tr("stopped after %1 of %2 simulations; the best so far is printed").arg(outcome.combinations).arg(total)
            << '\n';
        return InterruptedStatus;
    }
    return status;
}

} // namespace zindle::cli
