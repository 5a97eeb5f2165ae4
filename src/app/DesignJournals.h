// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The journals of the designs open in this run, without widgets. The current design's journal
// is read from beside its file the first time the design is met; a design never saved keeps
// its journal in memory until its first save writes it beside the new file. Each Simulate run
// of a changed design appends a version and writes the journal at once, so a saved design's
// record survives a crash. A journal that could not be read is never written over: its design
// still opens, and the versions made meanwhile stay in memory.

#include "files/FileErrors.h"
#include "model/DesignJournal.h"

#include <QDateTime>
#include <QString>
#include <map>

namespace zindle {

class DesignList;
struct Workspace;

// The version a Simulate run of the workspace's current design gives: its .zndl bytes (stored
// under no name, so that a rename is not a change) and the results it shows.
JournalVersion JournalVersionOf(const Workspace &workspace, const QDateTime &when);

class DesignJournals {
public:
    // The list's current design becomes the one followed. True when it was another before.
    bool follow(const DesignList &list);

    const DesignJournal &journal() const { return current().journal; }
    // The journal file of the followed design; empty for a design without a file.
    const QString &path() const { return current().path; }
    // Why the journal beside the design could not be read; empty when it was (or there is none).
    const FileText &readError() const { return current().readError; }

    // After a Simulate run whose results are the current design's as it stands: appends its
    // version when the design differs from the last version's. Returns whether it did;
    // `written` says how writing the file went (ok when there is no file to write).
    bool recordRun(const Workspace &workspace, const QDateTime &when, WriteOutcome &written);
    // Sets the note of version `index` (0 first) and writes the journal.
    WriteOutcome setNote(size_t index, const QString &note);
    // Keeps the answer to `prompt` (replacing an earlier one) and writes the journal.
    WriteOutcome setAnswer(const QString &prompt, const QString &answer, const QDateTime &when);
    // The followed design was just written to `designPath`: its journal goes beside it, unless
    // a journal already there cannot be read.
    WriteOutcome designSaved(const QString &designPath);

private:
    struct Entry {
        DesignJournal journal;
        QString path;
        FileText readError;
    };
    Entry &current() { return entries_[key_]; }
    const Entry &current() const;
    WriteOutcome write(Entry &entry);
    Entry load(const QString &designPath) const;
    bool renamed(const QString &key) const;

    std::map<QString, Entry> entries_;
    QString key_;
    int slot_ = -1;
};

} // namespace zindle
