// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How reading and writing design files report trouble: one outcome value that names the file
// and says what is wrong, never an exception across the layer boundary.

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
    QString error; // for Failed: one line naming the file and what is wrong
    QString warning; // for Read: what was read but ignored (bytes after the design's end)
    bool ok() const { return status == ReadStatus::Read; }
};

struct WriteOutcome {
    bool ok = false;
    QString error;
};

// Thrown inside the readers only; the public functions turn it into an outcome.
class DesignFileError : public std::runtime_error {
public:
    explicit DesignFileError(const QString &reason) : std::runtime_error(reason.toStdString()) {}
    QString reason() const { return QString::fromStdString(what()); }
};

// The caption of every message box that reports a file that could not be read or written.
inline QString FileErrorCaption() { return QCoreApplication::translate("FileErrors", "Error"); }

// Design files are small; anything larger than this is not one (a file with 100 user materials
// of every kind and full torque curves runs to about 100 kB). It also bounds what a hostile
// file or an endless device can make a reader hold.
inline constexpr qint64 MaxDesignFileBytes = 4 * 1024 * 1024;

// One line naming the file and the trouble, with control characters shown as \xNN.
QString readErrorText(const QString &path, const QString &reason);
QString readWarningText(const QString &path, const QString &note);
QString writeErrorText(const QString &path, const QString &reason);

} // namespace zindle
