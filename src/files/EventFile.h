// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The race-day event file (.zevent, JSON, docs/event.md). Written whole and atomically after
// every change, so a program killed mid-event leaves the file as it was before the change or
// after it, never half. Cars are named by their design's file name, in the chart as in the
// roster. Fields a later release adds at the top are kept and written back.

#include "FileErrors.h"
#include "model/RaceEvent.h"

#include <QByteArray>
#include <QString>

namespace zindle {

inline constexpr int EventFileVersion = 1;
inline constexpr qint64 MaxEventFileBytes = 4 * 1024 * 1024;

struct EventRead {
    bool ok = false;
    RaceEvent event;
    QString error; // one line naming the file and what is wrong, in English
    FileText errorText;
    void fail(const FileText &text) { errorText = text; error = text.english(); }
    QString shownError() const { return errorText.isEmpty() ? error : errorText.shown(); }
};

EventRead ReadEvent(const QString &path);
// `path` only names the file in the error.
EventRead DecodeEvent(const QByteArray &bytes, const QString &path);

QByteArray EncodeEvent(const RaceEvent &event);
WriteOutcome WriteEvent(const QString &path, const RaceEvent &event);

} // namespace zindle
