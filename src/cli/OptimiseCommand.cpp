// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptimiseCommand.h"

#include "ChallengeCommand.h"
#include "Cli.h"
#include "Interrupt.h"
#include "OutputFile.h"
#include "PhysicsOutput.h"
#include "app/Optimiser.h"
#include "files/DesignFile.h"
#include "model/NumberText.h"
#include "physics/BuildGeometry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonArray>

#include <algorithm>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(OptimiseCommand)
};

constexpr qint64 ProgressIntervalMs = 1000;
constexpr int InterruptedStatus = 130;
constexpr int MaxEvaluations = 1000000;

} // namespace

const char *const OptimiseHelp =
    "Usage: zindle-cli optimise DESIGN --vary P,P... [--range P:LOW:HIGH]...\n"
    "                           [--goal time|distance|target:T] [--max-mass M] [--no-skid]\n"
    "                           [--no-advisory] [--challenge C.json] [--seed S]\n"
    "                           [--evaluations N] [--threads N] [--json] [--out FILE]\n"
    "Searches the sizes named by --vary for the best car: spring-length, spring-width,\n"
    "drive-wheel, other-wheel, drive-axle, other-axle, front-axle-x, and weightN-mass and\n"
    "weightN-x for each weight N of the design (inches, lb). Each ranges over what its\n"
    "field accepts; --range narrows it, once per parameter. --vary also takes choices,\n"
    "which take no --range: drive (rear, front or all) and the catalogue's materials of\n"
    "spring-material, tread-material, outer-material, inner-material,\n"
    "drive-wheel-material and other-wheel-material; the local refinement keeps the\n"
    "choices of the design it starts from. The goal is the least time\n"
    "to 15 ft (time, the default), the greatest distance, or the time closest to T\n"
    "seconds; cars that fall short of 15 ft rank after those that reach it, by distance.\n"
    "Every design returned passes the part fields' checks with the sizes the build gave\n"
    "the car (a drive wheel enlarged to fit the spring's case is reported enlarged);\n"
    "--max-mass M (lb), --no-skid and --no-advisory add constraints (--no-advisory\n"
    "prepares the sheet for every design, several times slower); --challenge C.json adds\n"
    "every rule of the challenge, and its drive and material rules limit the choices.\n"
    "A seeded global search, then local refinement with restarts, at most N designs\n"
    "(--evaluations; default 250 per parameter) on all cores (--threads N to use N); the\n"
    "same seed (--seed, default 1) gives the same answer on any number of threads.\n"
    "Prints the best design's TimeEF, DistanceFt, MassLb, Evaluations and its sizes\n"
    "(a choice by its word or material name);\n"
    "--json adds the next best designs. --out FILE writes the best design as a design file\n"
    "(- for standard output, the result lines then go to standard error).\n"
    "Ctrl+C stops, prints the best so far and exits with status 130.\n"
    ZINDLE_HEADLESS_SCALE_HELP;

namespace {

bool readGoal(const QString &text, OptimiserGoal &goal)
{
    if (text.isEmpty() || text == QLatin1String("time"))
        goal.kind = OptimiserGoal::Time;
    else if (text == QLatin1String("distance"))
        goal.kind = OptimiserGoal::Distance;
    else if (text.startsWith(QLatin1String("target:"))) {
        const std::optional<double> target = parseDouble(text.mid(7));
        if (!target || !(*target > 0.0))
            return false;
        goal = {OptimiserGoal::Target, *target};
    } else
        return false;
    return true;
}

// Refuses with one line and the usage status.
int refused(QTextStream &err, const QString &message)
{
    err << "zindle-cli optimise: " << message << '\n';
    return UsageFailure;
}

QJsonObject sizesJson(const std::vector<OptimiserParameter> &parameters, const OptimiserDesign &design)
{
    QJsonObject sizes;
    for (size_t p = 0; p < parameters.size(); ++p) {
        if (parameters[p].isChoice())
            sizes.insert(parameters[p].name, parameters[p].choiceWord(design.values[p]));
        else
            sizes.insert(parameters[p].name, design.values[p]);
    }
    return sizes;
}

QJsonObject designJson(const std::vector<OptimiserParameter> &parameters, const OptimiserDesign &design)
{
    QJsonObject object;
    object.insert(QStringLiteral("TimeEF"), design.time);
    object.insert(QStringLiteral("distanceFt"), design.distanceFt);
    object.insert(QStringLiteral("massLb"), design.massLb);
    object.insert(QStringLiteral("sizes"), sizesJson(parameters, design));
    return object;
}

} // namespace

int optimiseCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QString error;
    QStringList rangeTexts;
    const QStringList rest = takeRepeatedOption(args, QStringLiteral("--range"), rangeTexts, error);
    ParsedArguments parsed;
    const bool usable = error.isEmpty()
                        && parseArguments(rest, {QStringLiteral("--json"), QStringLiteral("--no-skid"), QStringLiteral("--no-advisory")},
                                          {QStringLiteral("--vary"), QStringLiteral("--goal"), QStringLiteral("--max-mass"),
                                           QStringLiteral("--seed"), QStringLiteral("--evaluations"),
                                           QStringLiteral("--threads"), QStringLiteral("--out"),
                                           QStringLiteral("--challenge")},
                                          parsed, error)
                        && parsed.positional.size() == 1 && parsed.hasValue(QStringLiteral("--vary"));
    if (!usable) {
        if (!error.isEmpty())
            err << "zindle-cli optimise: " << error << '\n';
        err << OptimiseHelp;
        return UsageFailure;
    }
    OptimiserOptions options;
    if (!readGoal(parsed.value(QStringLiteral("--goal")), options.goal))
        return refused(err, Texts::tr("--goal takes time, distance or target:T with T seconds above 0"));
    if (parsed.hasValue(QStringLiteral("--max-mass"))) {
        const std::optional<double> mass = parseDouble(parsed.value(QStringLiteral("--max-mass")));
        if (!mass || !(*mass > 0.0))
            return refused(err, Texts::tr("--max-mass takes a mass in lb above 0"));
        options.constraints.maxMassLb = *mass;
    }
    options.constraints.noSkid = parsed.has(QStringLiteral("--no-skid"));
    options.constraints.noAdvisory = parsed.has(QStringLiteral("--no-advisory"));
    if (parsed.hasValue(QStringLiteral("--seed"))) {
        bool ok = false;
        options.seed = parsed.value(QStringLiteral("--seed")).toULongLong(&ok);
        if (!ok)
            return refused(err, Texts::tr("--seed takes a whole number from 0"));
    }
    const auto wholeNumber = [&](const QString &option, int low, int high, int &value) {
        if (!parsed.hasValue(option))
            return true;
        bool ok = false;
        value = parsed.value(option).toInt(&ok);
        return ok && value >= low && value <= high;
    };
    if (!wholeNumber(QStringLiteral("--threads"), 1, 256, options.threads))
        return refused(err, Texts::tr("--threads takes a whole number from 1 to 256"));
    if (!wholeNumber(QStringLiteral("--evaluations"), 1, MaxEvaluations, options.maxEvaluations))
        return refused(err, Texts::tr("--evaluations takes a whole number from 1 to %1").arg(MaxEvaluations));

    if (parsed.hasValue(QStringLiteral("--challenge"))) {
        Challenge challenge;
        if (!readChallengeOption(parsed.value(QStringLiteral("--challenge")), challenge, err))
            return FileFailure;
        options.constraints.challenge = challenge;
    }

    Workspace workspace;
    if (!loadHeadless(workspace, parsed.positional[0], err))
        return FileFailure;
    workspace.MarkDesignChanged();

    std::vector<OptimiserParameter> parameters;
    for (const QString &name : parsed.value(QStringLiteral("--vary")).split(QLatin1Char(','))) {
        const std::optional<OptimiserParameter> parameter = FindOptimiserParameter(workspace, name);
        if (!parameter)
            return refused(err, Texts::tr("unknown parameter %1; this design has %2")
                                    .arg(name, OptimiserParameterNames(workspace.design).join(QStringLiteral(", "))));
        for (const OptimiserParameter &earlier : parameters)
            if (earlier.name == name)
                return refused(err, Texts::tr("parameter %1 is given twice").arg(name));
        parameters.push_back(*parameter);
    }
    QStringList narrowed;
    for (const QString &text : rangeTexts) {
        const QStringList parts = text.split(QLatin1Char(':'));
        auto parameter = std::find_if(parameters.begin(), parameters.end(),
                                      [&](const OptimiserParameter &p) { return p.name == parts[0]; });
        // A material's name may hold the separators a list of values would need; a challenge's
        // rules are how a class limits the choices.
        if (parameter != parameters.end() && parameter->isChoice())
            return refused(err, NarrowOptimiserRange(*parameter, 0.0, 0.0));
        const std::optional<double> low = parts.size() == 3 ? parseDouble(parts[1]) : std::nullopt;
        const std::optional<double> high = parts.size() == 3 ? parseDouble(parts[2]) : std::nullopt;
        if (!low || !high)
            return refused(err, Texts::tr("--range takes P:LOW:HIGH, such as drive-wheel:2.6:7.5"));
        if (parameter == parameters.end())
            return refused(err, Texts::tr("--range names %1, which --vary does not").arg(parts[0]));
        if (narrowed.contains(parts[0]))
            return refused(err, Texts::tr("parameter %1 is given twice").arg(parts[0]));
        narrowed << parts[0];
        const QString invalid = NarrowOptimiserRange(*parameter, *low, *high);
        if (!invalid.isEmpty())
            return refused(err, invalid);
    }
    if (options.constraints.challenge) {
        const QString left = RestrictOptimiserChoices(parameters, *options.constraints.challenge);
        if (!left.isEmpty())
            return refused(err, left);
    }

    std::atomic<bool> stop{false};
    options.stopFlag = &stop;
    QElapsedTimer clock;
    clock.start();
    qint64 lastReport = 0;
    options.progress = [&](qint64 tried, std::optional<double> best) {
        if (interruptRequested())
            stop.store(true);
        if (clock.elapsed() - lastReport < ProgressIntervalMs)
            return;
        lastReport = clock.elapsed();
        err << (best ? Texts::tr("%1 designs tried, best %2 s").arg(tried).arg(QString::number(*best, 'f', 2))
                     : Texts::tr("%1 designs tried, none reaches 15 ft yet").arg(tried))
            << '\n';
        err.flush();
    };
    WorkerPool workers;
    const OptimiserResult outcome = RunOptimiser(workers, workspace, parameters, options);
    if (outcome.best.empty()) {
        err << "zindle-cli optimise: " << (outcome.message.isEmpty() ? Texts::tr("stopped before any design ran") : outcome.message) << '\n';
        return outcome.stopped ? InterruptedStatus : FileFailure;
    }
    const OptimiserDesign &best = outcome.best.front();
    const QString outName = parsed.value(QStringLiteral("--out"));
    QTextStream &lines = parsed.hasValue(QStringLiteral("--out")) && isStandardOutput(outName) ? err : out;
    if (parsed.has(QStringLiteral("--json"))) {
        QJsonObject object;
        if (best.timeTo15Ft)
            object.insert(QStringLiteral("bestTime"), parseDouble(best.time).value_or(0.0));
        object.insert(QStringLiteral("TimeEF"), best.time);
        object.insert(QStringLiteral("distanceFt"), best.distanceFt);
        object.insert(QStringLiteral("massLb"), best.massLb);
        object.insert(QStringLiteral("evaluations"), outcome.evaluations);
        object.insert(QStringLiteral("best"), sizesJson(parameters, best));
        QJsonArray designs;
        for (const OptimiserDesign &design : outcome.best)
            designs.append(designJson(parameters, design));
        object.insert(QStringLiteral("designs"), designs);
        object.insert(QStringLiteral("stopped"), outcome.stopped);
        printJson(object, lines);
    } else {
        Fields fields = {{QStringLiteral("TimeEF"), best.time},
                         {QStringLiteral("DistanceFt"), doubleText(best.distanceFt)},
                         {QStringLiteral("MassLb"), doubleText(best.massLb)},
                         {QStringLiteral("Evaluations"), QString::number(outcome.evaluations)}};
        for (size_t p = 0; p < parameters.size(); ++p)
            fields.emplace_back(parameters[p].name, parameters[p].isChoice() ? parameters[p].choiceWord(best.values[p])
                                                                              : doubleText(best.values[p]));
        printFields(fields, lines);
    }

    int status = Success;
    if (parsed.hasValue(QStringLiteral("--out"))) {
        ApplyOptimiserDesign(workspace, parameters, best);
        // As convert does: the file holds the design as the build leaves it.
        ComputeBuildGeometry(workspace);
        const int slot = workspace.list.CurrentDesign;
        if (isStandardOutput(outName)) {
            const QByteArray bytes = EncodeDesign(workspace.design, workspace.catalogue,
                                                  workspace.list.entries[static_cast<size_t>(slot)].DesignName);
            if (!writeOutputFile(outName, bytes, out, err))
                status = FileFailure;
        } else {
            const WriteOutcome written = SaveDesign(workspace, outName, slot);
            if (!written.ok) {
                err << written.shownError() << '\n';
                status = FileFailure;
            }
        }
    }
    if (outcome.stopped) {
        err << "zindle-cli optimise: "
            << Texts::tr("stopped after %1 designs; the best so far is printed").arg(outcome.evaluations) << '\n';
        return InterruptedStatus;
    }
    return status;
}

} // namespace zindle::cli
