// SPDX-License-Identifier: GPL-3.0-or-later
#include "RaceDayLog.h"

#include "app/DesignFileOpen.h"
#include "files/EventFile.h"
#include "files/Logbook.h"
#include "model/DesignState.h"
#include "physics/RaceDay.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <QFileInfo>
#include <QRandomGenerator>

namespace zindle {

QString RosterFolder(const RaceEvent &event, const QString &eventPath)
{
    if (QDir::isAbsolutePath(event.roster))
        return QDir::cleanPath(event.roster);
    return QDir::cleanPath(QFileInfo(eventPath).absoluteDir().filePath(event.roster));
}

QStringList RosterFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.zndl")}, QDir::Files, QDir::Name);
}

QString EnterRoster(RaceEvent &event, const QString &eventPath)
{
    const QString folder = RosterFolder(event, eventPath);
    const QStringList files = RosterFiles(folder);
    if (files.isEmpty())
        return QCoreApplication::translate("RaceDayLog", "%1 holds no design file (*.zndl) to race").arg(folder);
    if (files.size() > MaxEventCars)
        return QCoreApplication::translate("RaceDay", "an event holds at most %1 cars").arg(MaxEventCars);
    event.cars.clear();
    for (const QString &file : files)
        event.cars.push_back(EventCar{file, false, false});
    ScheduleEvent(event);
    return {};
}

std::optional<std::vector<bool>> BlockedLanesNamed(const QString &text, int lanes, QString &badItem)
{
    std::vector<bool> blocked(static_cast<size_t>(std::max(lanes, 0)), false);
    for (const QString &item : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int lane = item.trimmed().toInt(&ok);
        if (!ok || lane < 1 || lane > lanes) {
            badItem = item;
            return std::nullopt;
        }
        blocked[static_cast<size_t>(lane - 1)] = true;
    }
    badItem.clear();
    if (std::all_of(blocked.begin(), blocked.end(), [](bool b) { return b; }))
        return std::nullopt;
    return blocked;
}

QString RandomJoinCode()
{
    return QString::number(QRandomGenerator::system()->bounded(1000, 10000));
}

QString EventRunTag(const RaceEvent &event)
{
    return QStringLiteral("Race day \"%1\"").arg(event.title);
}

namespace {

const char *const LogbookKept = QT_TRANSLATE_NOOP("RaceDayLog", "%1; the logbook is left as it is");

void keptLogbook(EventRunsOutcome &outcome, const QString &error, const QString &shownError)
{
    outcome.error = QString::fromUtf8(LogbookKept).arg(error);
    outcome.readError = QCoreApplication::translate("RaceDayLog", LogbookKept).arg(shownError);
}

} // namespace

EventRunsOutcome SyncEventRuns(const RaceEvent &event, const QString &eventPath)
{
    EventRunsOutcome outcome;
    const QString folder = RosterFolder(event, eventPath);
    const QString logbookPath = QDir(folder).filePath(LogbookFileName);
    const LogbookRead read = ReadLogbook(logbookPath);
    if (!read.ok) {
        keptLogbook(outcome, read.error, read.shownError());
        return outcome;
    }
    Logbook logbook = read.logbook;
    const QString tag = EventRunTag(event) + QStringLiteral(", heat ");
    for (LoggedDesign &design : logbook.designs)
        std::erase_if(design.runs, [&](const LoggedRun &logged) { return logged.run.note.startsWith(tag); });

    // The logbook knows a design by its name and its file, so each car's design is read once.
    std::vector<QString> names(event.cars.size());
    for (size_t heatIndex = 0; heatIndex < event.heats.size(); ++heatIndex) {
        const EventHeat &heat = event.heats[heatIndex];
        if (!heat.recorded)
            continue;
        for (size_t lane = 0; lane < heat.lanes.size() && lane < heat.times.size(); ++lane) {
            const int car = heat.lanes[lane];
            if (car < 0 || !heat.times[lane])
                continue;
            const QString &file = event.cars[static_cast<size_t>(car)].file;
            QString &name = names[static_cast<size_t>(car)];
            if (name.isEmpty()) {
                DesignState state;
                const ReadOutcome design = ReadDesignFileOfAnyLayout(state, QDir(folder).filePath(file));
                if (!design.ok()) {
                    keptLogbook(outcome, design.error, design.shownError());
                    return outcome;
                }
                name = design.name;
            }
            MeasuredRun run;
            run.date = event.date.isValid() ? event.date : QDate::currentDate();
            run.track = event.track;
            run.marks = {RunMark{event.trackFt, *heat.times[lane]}};
            run.note = tag + QStringLiteral("%1, lane %2").arg(heatIndex + 1).arg(lane + 1);
            const DesignMatch match = FindLoggedDesign(logbook, folder, name, file);
            if (match.index < 0) {
                LoggedDesign entry;
                entry.name = name;
                entry.file = file;
                logbook.designs.push_back(entry);
            }
            const size_t index = match.index < 0 ? logbook.designs.size() - 1 : static_cast<size_t>(match.index);
            logbook.designs[index].runs.push_back(LoggedRun{run, {}});
            ++outcome.runs;
        }
    }
    if (!read.existed && outcome.runs == 0) {
        outcome.ok = true;
        return outcome;
    }
    const WriteOutcome written = WriteLogbook(logbookPath, logbook);
    outcome.ok = written.ok;
    outcome.error = written.error;
    outcome.readError = written.shownError();
    return outcome;
}

EventSaved SaveEventAndRuns(const QString &eventPath, const RaceEvent &changed, const RaceEvent *before)
{
    EventSaved saved;
    saved.runs = SyncEventRuns(changed, eventPath);
    saved.written = WriteEvent(eventPath, changed);
    if (!saved.written.ok && before && saved.runs.ok)
        SyncEventRuns(*before, eventPath);
    return saved;
}

} // namespace zindle
