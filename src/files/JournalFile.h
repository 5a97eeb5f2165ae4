// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journal file of a design (JSON, docs/journal-format.md), beside the design and never
// inside it: "Car.zndl" keeps its journal in "Car.zndl.journal.json". It is written whole and
// atomically. A read that fails names the file and gives nothing; the caller keeps what it had
// and must not write over the file without the user's word. A later version is refused.

#include "FileErrors.h"
#include "model/DesignJournal.h"

#include <QByteArray>
#include <QString>

namespace zindle {

inline constexpr int JournalFileVersion = 1;
// A version holds a design of a few kilobytes; a student's year of versions stays far below.
inline constexpr qint64 MaxJournalFileBytes = 64 * 1024 * 1024;

QString JournalPathOf(const QString &designPath);

struct JournalRead {
    bool ok = false;
    bool existed = false; // false: no journal yet, and an empty one was given
    DesignJournal journal;
    QString error; // one line naming the file and what is wrong, in English
    FileText errorText;
    void fail(const FileText &text) { errorText = text; error = text.english(); }
    QString shownError() const { return errorText.isEmpty() ? error : errorText.shown(); }
};

// A missing file is an empty journal; anything else is read whole or gives an error.
JournalRead ReadJournal(const QString &path);
// `path` only names the file in the error.
JournalRead DecodeJournal(const QByteArray &bytes, const QString &path);

QByteArray EncodeJournal(const DesignJournal &journal);
WriteOutcome WriteJournal(const QString &path, const DesignJournal &journal);

} // namespace zindle
