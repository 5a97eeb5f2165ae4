// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventCommand.h"

#include "Cli.h"
#include "EventOutput.h"
#include "PhysicsOutput.h"
#include "Interrupt.h"
#include "app/EventServer.h"
#include "app/RaceDayLog.h"
#include "files/EventFile.h"
#include "files/PathText.h"
#include "model/MeasuredRun.h"
#include "physics/RaceDay.h"

#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <QTimer>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(EventCommand)
};

} // namespace

const char *const EventHelp =
    "Usage: zindle-cli event new EVENT --roster FOLDER --lanes L [--blocked K,...]\n"
    "                            [--format balanced|rotation|fastest] [--rounds R]\n"
    "                            [--scoring average|best|points] [--drop-slowest]\n"
    "                            [--title T] [--track T] [--track-ft FT] [--date YYYY-MM-DD]\n"
    "                            [--code C]\n"
    "       zindle-cli event schedule EVENT [--json]\n"
    "       zindle-cli event record EVENT --heat N --times T,...\n"
    "       zindle-cli event standings EVENT [--json] [--csv OUT]\n"
    "       zindle-cli event enter|withdraw EVENT FILE\n"
    "       zindle-cli event serve EVENT --port P [--code C] [--address A]\n"
    "Runs a class's race day on a real track from an event file (JSON, described in\n"
    "docs/event.md), which every command that changes it writes whole before it ends.\n"
    "  new        makes EVENT (never over an existing file) with every .zndl file of FOLDER\n"
    "             as the roster, on a track of L lanes (1 to 8; --blocked names lanes that\n"
    "             are not raced, counted from 1). balanced (the default) runs every car once\n"
    "             in every open lane and has every two cars meet as evenly as the numbers\n"
    "             allow, no car in two heats in a row when there are at least twice as many\n"
    "             cars as open lanes; rotation runs every car once in every open lane in\n"
    "             turn; fastest runs R rounds (1 to 20, 1 by default) of every car once.\n"
    "             Cars rank by their average time (the default), their best time, or points\n"
    "             (a heat gives its fastest car as many points as it had cars, the next one\n"
    "             fewer, a car that did not finish none); --drop-slowest leaves each car's\n"
    "             slowest heat out. --code is what a phone must send to enter times (four\n"
    "             random digits when not given).\n"
    "  schedule   prints the heats; --json as {\"heats\": [{\"lanes\": [car or null, ...]}]},\n"
    "             each car by its file name and null for an empty or blocked lane.\n"
    "  record     enters heat N (counted from 1): one time in seconds per lane of the track,\n"
    "             DNF for a car that did not finish, - for an empty lane. A heat recorded\n"
    "             again is a re-run: its new times replace the old. Every time becomes a run\n"
    "             of that design on the event's track in the class's logbook beside the\n"
    "             designs, so 'zindle-cli calibrate FOLDER --track T' fits the model to it.\n"
    "  standings  prints the standings; --json as one JSON object, --csv OUT as CSV.\n"
    "  enter      enters a late car (a design file of the roster folder): it runs every\n"
    "             open lane once in heats of its own at the end.\n"
    "  withdraw   takes a car out: its times stay, its heats to come run without it.\n"
    "  serve      serves the event's page to the classroom's network on port P (until\n"
    "             Ctrl+C) and prints its address and the join code: every phone sees the\n"
    "             chart and the standings; times are entered there with the join code (--code\n"
    "             for this serving, the event's own otherwise). --address 127.0.0.1 keeps it\n"
    "             to this machine. Requests over 64 kB, malformed or slower than 10 s are\n"
    "             refused; nothing but EVENT is written, and 'zindle-cli event record' puts\n"
    "             the times entered there into the logbook with the next heat.\n"
    "A period is the decimal point.\n";

namespace {

int usage(const QString &error, QTextStream &err)
{
    err << "zindle-cli event: " << printableText(error) << '\n' << EventHelp;
    return UsageFailure;
}

int refused(const QString &error, QTextStream &err)
{
    err << "zindle-cli event: " << printableText(error) << '\n';
    return UsageFailure;
}

bool readEvent(const QString &path, RaceEvent &event, QTextStream &err)
{
    const EventRead read = ReadEvent(path);
    if (!read.ok) {
        err << read.shownError() << '\n';
        return false;
    }
    event = read.event;
    return true;
}

// Writes the event, then its times into the logbook; a logbook that cannot be written is said
// but does not undo the event, which holds the times.
int saveEvent(const QString &path, const RaceEvent &event, QTextStream &err, const RaceEvent *before = nullptr)
{
    const EventSaved saved = SaveEventAndRuns(path, event, before);
    if (!saved.written.ok) {
        err << saved.written.shownError() << '\n';
        return FileFailure;
    }
    if (!saved.runs.ok) {
        err << saved.runs.shownError() << '\n';
        return FileFailure;
    }
    return Success;
}

std::optional<std::vector<bool>> blockedOption(const QString &text, int lanes, QString &error)
{
    QString badItem;
    const std::optional<std::vector<bool>> blocked = BlockedLanesNamed(text, lanes, badItem);
    if (!blocked)
        error = badItem.isEmpty() ? Texts::tr("every lane is blocked")
                                  : Texts::tr("--blocked names lanes from 1 to %1, not \"%2\"").arg(lanes).arg(badItem);
    return blocked;
}

int newEvent(const ParsedArguments &parsed, QTextStream &out, QTextStream &err)
{
    const QString path = parsed.positional[1];
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        return refused(Texts::tr("%1 exists already; an event file is made once and never over another file")
                           .arg(path), err);
    if (!parsed.hasValue(QStringLiteral("--roster")) || !parsed.hasValue(QStringLiteral("--lanes")))
        return usage(Texts::tr("new needs --roster and --lanes"), err);
    RaceEvent event;
    event.roster = parsed.value(QStringLiteral("--roster"));
    bool ok = false;
    event.lanes = parsed.value(QStringLiteral("--lanes")).toInt(&ok);
    if (!ok || event.lanes < 1 || event.lanes > MaxEventLanes)
        return refused(Texts::tr("--lanes must be a whole number from 1 to %1").arg(MaxEventLanes), err);
    QString error;
    const std::optional<std::vector<bool>> blocked = blockedOption(parsed.value(QStringLiteral("--blocked")), event.lanes, error);
    if (!blocked)
        return refused(error, err);
    event.blocked = *blocked;
    const QString format = parsed.hasValue(QStringLiteral("--format")) ? parsed.value(QStringLiteral("--format"))
                                                                       : QStringLiteral("balanced");
    if (!formatNamed(format))
        return refused(Texts::tr("--format is balanced, rotation or fastest"), err);
    event.format = *formatNamed(format);
    if (parsed.hasValue(QStringLiteral("--rounds"))) {
        event.rounds = parsed.value(QStringLiteral("--rounds")).toInt(&ok);
        if (!ok || event.rounds < 1 || event.rounds > MaxEventRounds)
            return refused(Texts::tr("--rounds must be a whole number from 1 to %1").arg(MaxEventRounds), err);
    }
    const QString scoring = parsed.hasValue(QStringLiteral("--scoring")) ? parsed.value(QStringLiteral("--scoring"))
                                                                         : QStringLiteral("average");
    if (!scoringNamed(scoring))
        return refused(Texts::tr("--scoring is average, best or points"), err);
    event.scoring = *scoringNamed(scoring);
    event.dropSlowest = parsed.has(QStringLiteral("--drop-slowest"));
    event.title = parsed.hasValue(QStringLiteral("--title")) ? parsed.value(QStringLiteral("--title"))
                                                             : QFileInfo(path).completeBaseName();
    event.track = parsed.hasValue(QStringLiteral("--track")) ? parsed.value(QStringLiteral("--track")) : event.title;
    if (parsed.hasValue(QStringLiteral("--track-ft"))) {
        const std::optional<double> feet =
            parseRunNumber(parsed.value(QStringLiteral("--track-ft")), QStringLiteral("--track-ft"), error);
        if (!feet || *feet <= 0.0 || *feet > MaxTrackFt)
            return refused(feet ? Texts::tr("--track-ft must lie above 0 and up to 100 ft") : error, err);
        event.trackFt = *feet;
    }
    event.date = parsed.hasValue(QStringLiteral("--date"))
                     ? QDate::fromString(parsed.value(QStringLiteral("--date")), Qt::ISODate)
                     : QDate::currentDate();
    if (!event.date.isValid())
        return refused(Texts::tr("--date is a day as YYYY-MM-DD"), err);
    event.joinCode = parsed.hasValue(QStringLiteral("--code"))
                         ? parsed.value(QStringLiteral("--code"))
                         : RandomJoinCode();
    if (event.joinCode.trimmed().isEmpty() || event.joinCode.size() > 64)
        return refused(Texts::tr("--code must be 1 to 64 characters"), err);
    error = EnterRoster(event, path);
    if (!error.isEmpty())
        return refused(error, err);
    const int written = saveEvent(path, event, err);
    if (written != Success)
        return written;
    out << "Event " << printableText(path) << ": " << event.cars.size() << " cars, " << trackText(event) << ", "
        << event.heats.size() << " heats, " << formatName(event.format) << " chart; join code "
        << printableText(event.joinCode) << '\n';
    return Success;
}

std::optional<std::vector<std::optional<double>>> timesOption(const QString &text, QString &error)
{
    std::vector<std::optional<double>> times;
    for (const QString &raw : text.split(QLatin1Char(','))) {
        const QString item = raw.trimmed();
        if (item == QLatin1String("-") || item.compare(QLatin1String("DNF"), Qt::CaseInsensitive) == 0 ||
            item.isEmpty()) {
            times.push_back(std::nullopt);
            continue;
        }
        const std::optional<double> time = parseRunNumber(item, QStringLiteral("a time"), error);
        if (!time)
            return std::nullopt;
        times.push_back(time);
    }
    return times;
}

int recordHeat(const ParsedArguments &parsed, QTextStream &out, QTextStream &err)
{
    const QString path = parsed.positional[1];
    if (!parsed.hasValue(QStringLiteral("--heat")) || !parsed.hasValue(QStringLiteral("--times")))
        return usage(Texts::tr("record needs --heat and --times"), err);
    RaceEvent event;
    if (!readEvent(path, event, err))
        return FileFailure;
    bool ok = false;
    const int heat = parsed.value(QStringLiteral("--heat")).toInt(&ok);
    if (!ok)
        return refused(Texts::tr("--heat is a heat's number, counted from 1"), err);
    QString error;
    const auto times = timesOption(parsed.value(QStringLiteral("--times")), error);
    if (!times)
        return refused(error, err);
    const RaceEvent before = event;
    error = RecordHeat(event, heat - 1, *times);
    if (!error.isEmpty())
        return refused(error, err);
    const int written = saveEvent(path, event, err, &before);
    if (written != Success)
        return written;
    out << heatLine(event, heat - 1) << '\n';
    const int next = NextHeat(event);
    if (next >= 0)
        out << "On deck: " << heatLine(event, next) << '\n';
    else
        out << "Every heat is recorded\n";
    return Success;
}

int changeRoster(const ParsedArguments &parsed, bool enter, QTextStream &out, QTextStream &err)
{
    const QString path = parsed.positional[1];
    const QString file = parsed.positional[2];
    RaceEvent event;
    if (!readEvent(path, event, err))
        return FileFailure;
    if (enter && !QFileInfo(QDir(RosterFolder(event, path)).filePath(file)).isFile())
        return refused(Texts::tr("%1 is not a design file of the roster folder").arg(file), err);
    const RaceEvent before = event;
    const QString error = enter ? AddLateEntry(event, file) : WithdrawCar(event, file);
    if (!error.isEmpty())
        return refused(error, err);
    const int written = saveEvent(path, event, err, &before);
    if (written != Success)
        return written;
    out << (enter ? "Entered " : "Withdrew ") << printableText(file) << "; the event has " << event.heats.size()
        << " heats\n";
    return Success;
}

int serveEvent(const ParsedArguments &parsed, QTextStream &out, QTextStream &err)
{
    const QString path = parsed.positional[1];
    RaceEvent event;
    if (!readEvent(path, event, err))
        return FileFailure;
    bool ok = false;
    const int port = parsed.value(QStringLiteral("--port")).toInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return usage(Texts::tr("serve needs --port, a number from 1 to 65535"), err);
    QHostAddress address(QHostAddress::Any);
    if (parsed.hasValue(QStringLiteral("--address")) && !address.setAddress(parsed.value(QStringLiteral("--address"))))
        return refused(Texts::tr("--address is an IP address such as 127.0.0.1"), err);
    EventServer server(path, parsed.value(QStringLiteral("--code")));
    if (server.joinCode().isEmpty())
        return refused(Texts::tr("the event has no join code; give one with --code"), err);
    QString error;
    if (!server.listen(address, static_cast<quint16>(port), error))
        return refused(error, err);
    out << "Serving " << printableText(path) << " at " << server.address() << "; join code "
        << printableText(server.joinCode()) << '\n';
    out.flush();
    installInterruptHandler();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [] {
        if (interruptRequested())
            QCoreApplication::quit();
    });
    watch.start(100);
    QCoreApplication::exec();
    out << "Stopped serving " << printableText(path) << '\n';
    return Success;
}

} // namespace

int eventCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    const QStringList flags{QStringLiteral("--json"), QStringLiteral("--drop-slowest")};
    const QStringList valued{QStringLiteral("--roster"), QStringLiteral("--lanes"), QStringLiteral("--blocked"),
                             QStringLiteral("--format"), QStringLiteral("--rounds"), QStringLiteral("--scoring"),
                             QStringLiteral("--title"), QStringLiteral("--track"), QStringLiteral("--track-ft"),
                             QStringLiteral("--date"), QStringLiteral("--code"), QStringLiteral("--heat"),
                             QStringLiteral("--times"), QStringLiteral("--csv"), QStringLiteral("--port"),
                             QStringLiteral("--address")};
    if (!parseArguments(args, flags, valued, parsed, error))
        return usage(error, err);
    const QString action = parsed.positional.value(0);
    const qsizetype count = parsed.positional.size();
    if (action == QLatin1String("new") && count == 2)
        return newEvent(parsed, out, err);
    if (action == QLatin1String("serve") && count == 2)
        return serveEvent(parsed, out, err);
    if (action == QLatin1String("record") && count == 2)
        return recordHeat(parsed, out, err);
    if ((action == QLatin1String("enter") || action == QLatin1String("withdraw")) && count == 3)
        return changeRoster(parsed, action == QLatin1String("enter"), out, err);
    if ((action == QLatin1String("schedule") || action == QLatin1String("standings")) && count == 2) {
        RaceEvent event;
        if (!readEvent(parsed.positional[1], event, err))
            return FileFailure;
        if (action == QLatin1String("schedule"))
            return printSchedule(event, parsed.has(QStringLiteral("--json")), out);
        return printStandings(event, parsed, out, err);
    }
    return usage(action.isEmpty() ? Texts::tr("no action given")
                                  : Texts::tr("\"%1\" with %2 arguments is not an action").arg(action).arg(count - 1),
                 err);
}

} // namespace zindle::cli
