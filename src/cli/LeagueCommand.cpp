// SPDX-License-Identifier: GPL-3.0-or-later
#include "LeagueCommand.h"

#include "ChallengeCommand.h"
#include "Cli.h"
#include "app/ClassStandings.h"
#include "output/LeaguePages.h"
#include "output/LeagueRules.h"
#include "OutputFile.h"
#include "PhysicsOutput.h"
#include "Interrupt.h"
#include "files/PathText.h"
#include "physics/RunComparison.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(LeagueCommand)
};

} // namespace

const char *const LeagueHelp =
    "Usage: zindle-cli league FILE|FOLDER... [--track T] [--csv OUT] [--json] [--html OUT]\n"
    "                         [--pdf OUT] [--heats] [--threads N] [--challenge C.json]\n"
    "                         [--class-csv OUT]\n"
    "Ranks a whole class's designs. Every design (a FOLDER stands for every .zndl file below\n"
    "it, in path order; a built-in design's name is taken too) is read and simulated as\n"
    "'simulate' does, each on its own, over all cores. Cars that reach 15 ft rank by time\n"
    "(ties by the higher peak speed, then by name), then the others by powered distance,\n"
    "then those the model cannot run. Prints a table: place, design, file, time to 15 ft,\n"
    "peak speed (the highest of the run), powered distance (where the spring's drive ended),\n"
    "total mass and advisories; files that cannot be read are listed with the\n"
    "reason and do not stop the others.\n"
    "Where the class's logbook zindle-log.json beside the designs holds runs, two columns\n"
    "follow the time: Measured, the mean of the design's times at the 15 ft mark (s), and\n"
    "Error, measured minus the predicted time to 15 ft with coasting, in s and in percent\n"
    "of the measured time (\"-\" where either is missing). Without runs they are left out.\n"
    "A damaged logbook is reported and left as it is; its designs are ranked without runs.\n"
    "  --track T     only the runs on track T count, and every design is predicted with the\n"
    "                track's calibration from its logbook ('zindle-cli calibrate'), which a\n"
    "                line before the table names; the ranking stays by the prediction\n"
    "  --csv OUT     the standings as CSV, the values as the result fields hold them (the\n"
    "                runs' as MeasuredTime, TimeError and TimeErrorPercent)\n"
    "  --json        one JSON object instead of the table\n"
    "  --html OUT    a page that needs nothing else (pictures inline): the table, the\n"
    "                distance-time chart of the first eight and each car's side view\n"
    "  --pdf OUT     the same for printing (US Letter)\n"
    "  --heats       also race the cars in heats of at most 16 with the race's rules; each\n"
    "                heat's winner races on until one final of at most 16 remains\n"
    "  --threads N   designs run side by side (default: one per core)\n"
    "  --challenge C.json\n"
    "                every design is checked against the challenge's rules ('zindle-cli\n"
    "                check'): only the cars that keep every rule are placed, the others\n"
    "                follow without a place and are listed after the table with the rules\n"
    "                they break. The CSV adds the columns legal (yes or no), broken (the\n"
    "                rules broken) and one per rule, headed by the rule, with the value\n"
    "                measured; the JSON adds legal, broken and rules to every design.\n"
    "                The legal cars are placed by the challenge's scoring: time (as\n"
    "                without a challenge), distance (the powered distance, farthest first,\n"
    "                every car that ran), target:T (the cars that reach 15 ft by how near\n"
    "                their time is to T s, then the cars short of 15 ft, farthest first)\n"
    "                or efficiency (the powered distance in ft per ft.lb of energy the\n"
    "                spring delivered, as 'zindle-cli energy' counts it; greatest first).\n"
    "                A line before the table names the scoring; the table, the page and\n"
    "                the PDF add Score, one column per rule (the value measured, a \"!\"\n"
    "                after a rule broken) and Legal. CSV and JSON add Score, the number\n"
    "                ranked by (time s, distance ft, seconds off the target, efficiency),\n"
    "                empty or null for a car it cannot score\n"
    "  --class-csv OUT\n"
    "                with --challenge: a gradebook's CSV, one row per design in the order\n"
    "                found: name, file, legal (yes or no), score, one column per rule with\n"
    "                the value as a bare number (reaches-15ft and no-skid 1 where the car\n"
    "                keeps them, 0 where not; drive and material as their word) and one\n"
    "                empty column per rubric row, headed \"<text> (weight <w>)\", for\n"
    "                the teacher's marks (docs/challenge-format.md)\n"
    "OUT is a file (replaced only once written in full) or - for standard output, which\n"
    "then carries nothing else. Exit status 1 when no design could be read. Ctrl+C stops\n"
    "before the next design; the designs run so far are ranked, with status 130.\n"
    ZINDLE_HEADLESS_SCALE_HELP;

namespace {

constexpr int InterruptedStatus = 130;

QJsonObject rowJson(const StandingRow &row)
{
    QJsonObject object{{QStringLiteral("Place"), row.place},
                       {QStringLiteral("Name"), row.name},
                       {QStringLiteral("File"), row.source},
                       {QStringLiteral("Ran"), row.ran},
                       {QStringLiteral("Finished"), row.finished},
                       {QStringLiteral("TimeEF"), row.TimeEF},
                       {QStringLiteral("TopSpeedEF"), row.TopSpeedEF},
                       {QStringLiteral("PeakSpeedEF"), row.PeakSpeedEF},
                       {QStringLiteral("PoweredDistanceEF"), row.PoweredDistanceEF},
                       {QStringLiteral("ProjectedMassEF"), row.ProjectedMassEF},
                       {QStringLiteral("Advisories"), QJsonArray::fromStringList(row.advisories)}};
    if (!row.warning.isEmpty())
        object.insert(QStringLiteral("Warning"), row.warning);
    if (!row.calibration.isEmpty())
        object.insert(QStringLiteral("Calibrated"), row.calibration);
    return object;
}

// Only where some design has runs, as the table shows the columns; null where there is none.
void addMeasuredJson(QJsonObject &object, const StandingRow &row)
{
    const auto number = [](const std::optional<double> &value) { return value ? QJsonValue(*value) : QJsonValue(); };
    const bool compared = row.measuredTime && row.coastTime;
    object.insert(QStringLiteral("MeasuredRuns"), row.measuredRuns);
    object.insert(QStringLiteral("MeasuredTime"), number(row.measuredTime));
    object.insert(QStringLiteral("CoastTime"), number(row.coastTime));
    object.insert(QStringLiteral("TimeError"), compared ? QJsonValue(*row.measuredTime - *row.coastTime) : QJsonValue());
    object.insert(QStringLiteral("TimeErrorPercent"),
                  compared ? QJsonValue(ErrorPercent(*row.measuredTime, *row.coastTime)) : QJsonValue());
}

void addChecksJson(QJsonObject &object, const StandingRow &row)
{
    QJsonArray broken;
    for (const RuleCheck &check : row.ruleChecks)
        if (!check.passed)
            broken.append(check.rule);
    object.insert(QStringLiteral("legal"), row.legal());
    object.insert(QStringLiteral("broken"), broken);
    object.insert(QStringLiteral("Score"), row.score ? QJsonValue(ScoreText(*row.score).toDouble()) : QJsonValue());
    object.insert(QStringLiteral("rules"), ruleChecksJson(row.ruleChecks));
}

QJsonArray heatsJson(const std::vector<Heat> &heats, const std::vector<StandingRow> &rows)
{
    QJsonArray list;
    for (const Heat &heat : heats) {
        QJsonArray lanes;
        for (const HeatLane &lane : heat.lanes)
            lanes.append(QJsonObject{{QStringLiteral("Lane"), lane.lane},
                                     {QStringLiteral("Name"), lane.name},
                                     {QStringLiteral("File"), rows[static_cast<size_t>(lane.row)].source},
                                     {QStringLiteral("Place"), lane.result.RacePlace},
                                     {QStringLiteral("Text"), lane.text}});
        QJsonObject object{{QStringLiteral("Round"), heat.round},
                           {QStringLiteral("Heat"), heat.number},
                           {QStringLiteral("Final"), heat.final},
                           {QStringLiteral("Lanes"), lanes}};
        if (heat.winnerLane >= 0)
            object.insert(QStringLiteral("WinnerLane"), heat.winnerLane);
        list.append(object);
    }
    return list;
}

} // namespace

int leagueCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString csv = QStringLiteral("--csv"), html = QStringLiteral("--html"), pdf = QStringLiteral("--pdf"),
                  json = QStringLiteral("--json"), heatsFlag = QStringLiteral("--heats"),
                  threadsOption = QStringLiteral("--threads"), trackOption = QStringLiteral("--track"),
                  challengeOption = QStringLiteral("--challenge"), classCsv = QStringLiteral("--class-csv");
    ParsedArguments parsed;
    QString error;
    bool usable = parseArguments(args, {json, heatsFlag}, {csv, html, pdf, threadsOption, trackOption, challengeOption, classCsv}, parsed, error);
    if (usable && parsed.hasValue(trackOption) && parsed.value(trackOption).trimmed().isEmpty()) {
        error = Texts::tr("--track needs the name of a track");
        usable = false;
    }
    if (usable && parsed.hasValue(classCsv) && !parsed.hasValue(challengeOption)) {
        error = Texts::tr("--class-csv needs --challenge");
        usable = false;
    }
    int threads = 0;
    if (usable && parsed.hasValue(threadsOption)) {
        bool number = false;
        threads = parsed.value(threadsOption).toInt(&number);
        if (!number || threads < 1 || threads > 256) {
            error = Texts::tr("--threads takes a number from 1 to 256");
            usable = false;
        }
    }
    int toStandardOutput = parsed.has(json) ? 1 : 0;
    for (const QString &option : {csv, html, pdf, classCsv})
        if (parsed.hasValue(option) && isStandardOutput(parsed.value(option)))
            ++toStandardOutput;
    if (usable && toStandardOutput > 1) {
        error = Texts::tr("only one output can go to standard output");
        usable = false;
    }
    if (!usable || parsed.positional.isEmpty()) {
        if (!error.isEmpty())
            err << "zindle-cli league: " << printableText(error) << '\n';
        err << LeagueHelp;
        return UsageFailure;
    }

    Challenge challenge;
    if (parsed.hasValue(challengeOption) && !readChallengeOption(parsed.value(challengeOption), challenge, err))
        return FileFailure;
    const DesignSources sources = CollectDesignSources(parsed.positional);
    if (sources.isEmpty()) {
        err << "zindle-cli league: " << Texts::tr("no design files found") << '\n';
        return FileFailure;
    }
    // Each folder's logbook once, before any design runs; a damaged one only costs its runs.
    FolderLogbooks logbooks = ReadFolderLogbooks(sources);
    const QStringList uncalibrated = ChooseTrack(logbooks, parsed.value(trackOption));
    for (const QString &line : logbooks.shownErrors + uncalibrated)
        err << "zindle-cli league: " << line << '\n';
    StandingsOptions options;
    options.logbooks = &logbooks;
    options.threads = threads;
    const Challenge *checked = parsed.hasValue(challengeOption) ? &challenge : nullptr;
    options.challenge = checked;
    options.sideViews = parsed.hasValue(html) || parsed.hasValue(pdf);
    std::atomic<bool> stop{false};
    options.stop = &stop;
    options.progress = [&stop](int, int) {
        if (interruptRequested())
            stop = true;
    };
    // The command's own workers: one command runs per process.
    WorkerPool workers;
    const std::vector<StandingRow> rows = RunStandings(workers, sources, options);
    if (stop) {
        err << "zindle-cli league: "
            << Texts::tr("stopped by Ctrl+C after %1 of %2 designs").arg(rows.size()).arg(sources.size()) << '\n';
    }
    const std::vector<Heat> heats = parsed.has(heatsFlag) ? RunHeats(rows) : std::vector<Heat>{};
    for (const StandingRow &row : rows)
        if (!row.warning.isEmpty())
            err << row.shownWarning << '\n';

    bool written = true;
    if (parsed.hasValue(csv))
        written = writeOutputFile(parsed.value(csv), standingsCsv(rows), out, err) && written;
    if (parsed.hasValue(classCsv))
        written = writeOutputFile(parsed.value(classCsv), zindle::classCsv(rows, challenge), out, err) && written;
    if (parsed.hasValue(html))
        written = writeOutputFile(parsed.value(html), standingsHtml(rows, heats, checked), out, err) && written;
    if (parsed.hasValue(pdf)) {
        QByteArray document;
        if (standingsPdf(rows, heats, document, checked))
            written = writeOutputFile(parsed.value(pdf), document, out, err) && written;
        else {
            err << Texts::tr("Cannot write \"%1\": the PDF could not be made").arg(printableText(parsed.value(pdf)))
                << '\n';
            written = false;
        }
    }

    if (parsed.has(json)) {
        QJsonArray standings, unreadable;
        const bool measured = anyMeasured(rows);
        for (const StandingRow &row : rows) {
            if (row.readable()) {
                QJsonObject object = rowJson(row);
                if (measured)
                    addMeasuredJson(object, row);
                if (row.checked)
                    addChecksJson(object, row);
                standings.append(object);
            } else {
                unreadable.append(QJsonObject{{QStringLiteral("File"), row.source}, {QStringLiteral("Error"), row.error}});
            }
        }
        QJsonObject object{{QStringLiteral("Standings"), standings}, {QStringLiteral("Unreadable"), unreadable}};
        if (parsed.has(heatsFlag))
            object.insert(QStringLiteral("Heats"), heatsJson(heats, rows));
        if (!logbooks.track.isEmpty())
            object.insert(QStringLiteral("Track"), logbooks.track);
        printJson(object, out);
    } else if (toStandardOutput == 0) {
        out << standingsTable(rows, checked);
        if (parsed.has(heatsFlag))
            out << heatsText(heats, rows);
    }

    const bool anyRead = std::any_of(rows.begin(), rows.end(), [](const StandingRow &r) { return r.readable(); });
    if (!anyRead)
        err << "zindle-cli league: " << Texts::tr("no design could be read") << '\n';
    if (stop)
        return InterruptedStatus;
    return written && anyRead ? Success : FileFailure;
}

} // namespace zindle::cli
