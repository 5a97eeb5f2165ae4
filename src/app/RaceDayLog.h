// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A race day and the class folder it races: the roster read from the folder, and every measured
// time put into the class's logbook as a run of that design on the event's track, so that the
// model can be fitted to the race (calibrate FOLDER --track T) straight after it.

#include "files/FileErrors.h"
#include "model/RaceEvent.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace zindle {

// The roster folder of an event: as given when absolute, else beside the event file.
QString RosterFolder(const RaceEvent &event, const QString &eventPath);

// The design files of a class folder (*.zndl), by name.
QStringList RosterFiles(const QString &folder);

// Enters every design file of the roster folder as a car and makes the chart; the broken rule
// (an empty folder, too many cars) as a sentence, with the event unchanged, or empty.
QString EnterRoster(RaceEvent &event, const QString &eventPath);
// "2,4": the lanes not raced, counted from 1, as one flag per lane of the track. None when an
// item is not a lane of the track (`badItem` then holds it) or when every lane would be blocked.
std::optional<std::vector<bool>> BlockedLanesNamed(const QString &text, int lanes, QString &badItem);
// Four random digits: what a phone must send to enter times, unless the teacher chose a code.
QString RandomJoinCode();
// What the event's runs are noted as in the logbook; runs noted so are the event's own.
QString EventRunTag(const RaceEvent &event);

struct EventRunsOutcome {
    bool ok = false;
    QString error; // the logbook or a design that could not be read or written, in English
    QString readError; // a read or write error in the window's language
    int runs = 0;  // the event's runs in the logbook now
    // The error as the window shows it.
    QString shownError() const { return readError.isEmpty() ? error : readError; }
};

// Puts one run per recorded time (DNFs give none) into the logbook of the roster folder,
// replacing the runs the event put there before: a heat recorded again leaves its new times
// only. Nothing is written when the logbook cannot be read.
EventRunsOutcome SyncEventRuns(const RaceEvent &event, const QString &eventPath);

struct EventSaved {
    WriteOutcome written; // the event file
    EventRunsOutcome runs; // the logbook, which never stops the event from being saved
};

// Saves the changed event and its runs. The logbook goes first: a program stopped between the
// two writes then leaves the heat unrecorded in the event, still on deck, and entering it again
// puts the logbook right; the other way round a recorded heat could keep its runs out of the
// logbook for good. When the event cannot be written, the logbook goes back to `before`.
EventSaved SaveEventAndRuns(const QString &eventPath, const RaceEvent &changed, const RaceEvent *before);

} // namespace zindle
