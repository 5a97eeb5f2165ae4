// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileErrors.h"

#include "PathText.h"

namespace zindle {

void ReadOutcome::fail(const FileText &text)
{
    status = ReadStatus::Failed;
    errorText = text;
    error = text.english();
}

void ReadOutcome::warn(const FileText &text)
{
    warningText = text;
    warning = text.english();
}

ReadOutcome FailedRead(const FileText &error)
{
    ReadOutcome outcome;
    outcome.fail(error);
    return outcome;
}

FileText readError(const QString &path, const FileText &reason)
{
    return
        FileText(QT_TRANSLATE_NOOP("FileErrors", "Cannot read \"%1\": %2"))
            .arg(printableText(path)).arg(reason.printable());
}

FileText readWarning(const QString &path, const FileText &note)
{
    return
        FileText(QT_TRANSLATE_NOOP("FileErrors", "Read \"%1\", but %2")).arg(printableText(path)).arg(note.printable());
}

WriteOutcome FailedWrite(const FileText &error) { return {false, error.english(), error}; }

FileText writeError(const QString &path, const FileText &reason)
{
    return
        FileText(QT_TRANSLATE_NOOP("FileErrors", "Cannot write \"%1\": %2"))
            .arg(printableText(path)).arg(reason.printable());
}

} // namespace zindle
