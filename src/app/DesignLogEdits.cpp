// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignLogEdits.h"

#include "model/DesignList.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zindle {

namespace {

const char *const ChangedElsewhere = QT_TRANSLATE_NOOP(
    "DesignLogEdits", "%1 was changed by another program since it was shown here, so nothing was changed; "
                      "close and open the Test runs window to see it as it is now");

LogEditOutcome changedElsewhere(const DesignLogSubject &subject)
{
    LogEditOutcome outcome;
    outcome.error = QString::fromUtf8(ChangedElsewhere).arg(subject.logbookPath);
    outcome.readError = QCoreApplication::translate("DesignLogEdits", ChangedElsewhere).arg(subject.logbookPath);
    return outcome;
}

LogEdit reversed(const LogEdit &edit)
{
    LogEdit back = edit;
    std::swap(back.before, back.after);
    std::swap(back.predictionBefore, back.predictionAfter);
    if (edit.kind == LogEdit::Add)
        back.kind = LogEdit::Delete;
    else if (edit.kind == LogEdit::Delete)
        back.kind = LogEdit::Add;
    return back;
}

// The run at `index` is the one the edit was made from.
bool runIs(const LoggedDesign &design, int index, const std::optional<MeasuredRun> &expected)
{
    return expected && index >= 0 && index < static_cast<int>(design.runs.size()) &&
           design.runs[static_cast<size_t>(index)].run == *expected;
}

LogEditOutcome written(const DesignLogSubject &subject, Logbook logbook)
{
    LogEditOutcome outcome;
    const WriteOutcome write = WriteLogbook(subject.logbookPath, logbook);
    if (!write.ok) {
        outcome.error = write.error;
        outcome.readError = write.shownError();
        return outcome;
    }
    outcome.ok = true;
    outcome.logbook = std::move(logbook);
    return outcome;
}

LogEditOutcome adopt(const DesignLogSubject &subject, Logbook logbook, const LogEdit &edit, bool undo)
{
    const QString fromName = undo ? subject.designName : edit.formerName;
    const QString fromFile = undo ? subject.fileName : edit.formerFile;
    for (LoggedDesign &design : logbook.designs)
        if (design.name == fromName && design.file == fromFile) {
            design.name = undo ? edit.formerName : subject.designName;
            design.file = undo ? edit.formerFile : subject.fileName;
            return written(subject, std::move(logbook));
        }
    return changedElsewhere(subject);
}

} // namespace

std::vector<const LoggedDesign *> UnmatchedEntries(const Logbook &logbook, const DesignLogSubject &subject)
{
    std::vector<const LoggedDesign *> unmatched;
    if (FindLoggedDesign(logbook, subject.folder, subject.designName, subject.fileName).index >= 0)
        return unmatched;
    for (const LoggedDesign &design : logbook.designs)
        if (design.file.isEmpty() || !QFileInfo::exists(QDir(subject.folder).filePath(design.file)))
            unmatched.push_back(&design);
    return unmatched;
}

std::optional<DesignLogSubject> LogSubjectOf(const DesignSlot &entry)
{
    if (entry.DesignPath.isEmpty())
        return std::nullopt;
    const QFileInfo file(entry.DesignPath);
    return DesignLogSubject{entry.DesignName, file.fileName(), file.absolutePath(),
                            LogbookPathBeside(entry.DesignPath)};
}

LogEditOutcome ApplyLogEdit(const DesignLogSubject &subject, LogEdit &asked, bool undo)
{
    LogEdit edit = undo ? reversed(asked) : asked;
    LogEditOutcome outcome;
    const LogbookRead read = ReadLogbook(subject.logbookPath);
    if (!read.ok) {
        const char *const kept = QT_TRANSLATE_NOOP("DesignLogEdits", "%1; the logbook is left as it is");
        outcome.error = QString::fromUtf8(kept).arg(read.error);
        outcome.readError = QCoreApplication::translate("DesignLogEdits", kept).arg(read.shownError());
        return outcome;
    }
    Logbook logbook = read.logbook;
    if (edit.kind == LogEdit::Adopt)
        return adopt(subject, logbook, edit, undo);
    DesignMatch match = FindLoggedDesign(logbook, subject.folder, subject.designName, subject.fileName);
    if (match.index < 0) {
        logbook.designs.push_back({subject.designName, subject.fileName, {}, std::nullopt, {}});
        match.index = static_cast<int>(logbook.designs.size()) - 1;
    }
    LoggedDesign &design = logbook.designs[static_cast<size_t>(match.index)];
    // The design was renamed, or its file renamed or moved in: the entry follows it.
    design.name = subject.designName;
    design.file = subject.fileName;
    switch (edit.kind) {
    case LogEdit::Add: {
        if (!edit.after)
            return outcome;
        // A deleted run taken back returns to its place; a new one goes last.
        const int at = undo ? edit.index : static_cast<int>(design.runs.size());
        if (at < 0 || at > static_cast<int>(design.runs.size()))
            return changedElsewhere(subject);
        design.runs.insert(design.runs.begin() + at, LoggedRun{*edit.after, edit.runUnknown});
        edit.index = at;
        break;
    }
    case LogEdit::Delete:
        // Add's own undo deletes the run it appended, wherever the edit put it.
        if (!runIs(design, edit.index, edit.before))
            return changedElsewhere(subject);
        edit.runUnknown = design.runs[static_cast<size_t>(edit.index)].unknown;
        design.runs.erase(design.runs.begin() + edit.index);
        break;
    case LogEdit::Change:
        if (!runIs(design, edit.index, edit.before) || !edit.after)
            return changedElsewhere(subject);
        // Fields a later release wrote on the run stay with it.
        design.runs[static_cast<size_t>(edit.index)].run = *edit.after;
        break;
    case LogEdit::Adopt:
        break;
    case LogEdit::Predict:
        if (design.predictionS != edit.predictionBefore)
            return changedElsewhere(subject);
        design.predictionS = edit.predictionAfter;
        break;
    }
    outcome = written(subject, std::move(logbook));
    if (outcome.ok) {
        asked.index = edit.index;
        asked.runUnknown = edit.runUnknown;
    }
    return outcome;
}

} // namespace zindle
