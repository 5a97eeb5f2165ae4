// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How reading and writing design files report trouble: one outcome value that names the file
// and says what is wrong, never an exception across the layer boundary.

#include "FileText.h"

#include <QCoreApplication>
#include <QString>
#include <stdexcept>

namespace zindle {

enum class ReadStatus {
    Read,        // a design was read
    NotADesign,  // the file does not begin with the version block (or has another version)
    Failed,      // the file could not be opened or breaks off or holds impossible values
};

struct ReadOutcome {
    ReadStatus status = ReadStatus::Failed;
    QString name;  // the design name read from the file
    QString error; // for Failed: one line naming the file and what is wrong, in English
    QString warning; // for Read: what was read but ignored (bytes after the design's end)
    FileText errorText, warningText; // the same, to be said in the window's language
    bool ok() const { return status == ReadStatus::Read; }
    void fail(const FileText &text);
    void warn(const FileText &text);
    // What the window shows: the error and the warning in the window's language.
    QString shownError() const { return errorText.isEmpty() ? error : errorText.shown(); }
    QString shownWarning() const { return warningText.isEmpty() ? warning : warningText.shown(); }
};

ReadOutcome FailedRead(const FileText &error);

struct WriteOutcome {
    bool ok = false;
    QString error; // names the file and what is wrong, in English
    FileText errorText; // the same, to be said in the window's language
    // What the window shows: the error in the window's language.
    QString shownError() const { return errorText.isEmpty() ? error : errorText.shown(); }
};

WriteOutcome FailedWrite(const FileText &error);
inline WriteOutcome Written() { return {true, {}, {}}; }

// Thrown inside the readers only; the public functions turn it into an outcome.
class DesignFileError : public std::runtime_error {
public:
    explicit DesignFileError(const FileText &reason)
        : std::runtime_error(reason.english().toStdString()), text_(reason)
    {
    }
    explicit DesignFileError(const QString &reason) : DesignFileError(FileText::plain(reason)) {}
    QString reason() const { return QString::fromStdString(what()); }
    const FileText &text() const { return text_; }

private:
    FileText text_;
};

// The caption of every message box that reports a file that could not be read or written.
inline QString FileErrorCaption() { return QCoreApplication::translate("FileErrors", "Error"); }

// Design files are small; anything larger than this is not one (a file with 100 user materials
// of every kind and full torque curves runs to about 100 kB). It also bounds what a hostile
// file or an endless device can make a reader hold.
inline constexpr qint64 MaxDesignFileBytes = 4 * 1024 * 1024;

// One line naming the file and the trouble, with control characters shown as \xNN: "Cannot
// read "wedge.zndl": the file is empty". Each keeps the reason's source, so that the window can
// say it in its own language.
FileText readError(const QString &path, const FileText &reason);
FileText readWarning(const QString &path, const FileText &note);
FileText writeError(const QString &path, const FileText &reason);

} // namespace zindle
