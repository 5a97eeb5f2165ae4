// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's edits of one design's entry in its class logbook (files/Logbook.h): a run added,
// changed or deleted, the student's prediction set, and each one taken back. Every edit reads
// the logbook afresh and writes it whole, atomically, so that runs the command line added in
// the meantime are kept; an edit whose run is no longer where the window saw it (the logbook
// was changed elsewhere) is refused rather than applied to another run.

#include "files/Logbook.h"

#include <QString>
#include <optional>

namespace zindle {

struct DesignSlot;

// Where a saved design's runs are kept; none for a design never saved to a file.
struct DesignLogSubject {
    QString designName, fileName, folder, logbookPath;
};
std::optional<DesignLogSubject> LogSubjectOf(const DesignSlot &entry);

struct LogEdit {
    // Adopt: the entry of a design that was both renamed and moved in, which the logbook could
    // not match by either, becomes this design's, as the student said.
    enum Kind { Add, Change, Delete, Predict, Adopt } kind = Add;
    int index = -1; // the run among the design's runs (Change, Delete; Add appends)
    std::optional<MeasuredRun> before, after;
    std::optional<double> predictionBefore, predictionAfter;
    // Fields of the run this release does not know: taken along when the run is deleted, so that
    // taking the deletion back restores them too.
    QJsonObject runUnknown;
    QString formerName, formerFile; // Adopt: the entry as the logbook knew it
};

// Entries whose file is no longer in the folder and which match the subject by neither name nor
// file: the student may say one of them is this design (LogEdit::Adopt).
std::vector<const LoggedDesign *> UnmatchedEntries(const Logbook &logbook, const DesignLogSubject &subject);

struct LogEditOutcome {
    bool ok = false;
    QString error; // names the logbook and what went wrong; the file is then as it was
    QString readError; // a read or write error in the window's language
    Logbook logbook; // as written
    // The error as the window shows it.
    QString shownError() const { return readError.isEmpty() ? error : readError; }
};

// Applies `edit` (or, with `undo`, takes it back) to the subject's entry and writes the logbook.
// A successful edit learns where its run now is and what it carries, so that it can be taken
// back or done again.
LogEditOutcome ApplyLogEdit(const DesignLogSubject &subject, LogEdit &edit, bool undo);

} // namespace zindle
