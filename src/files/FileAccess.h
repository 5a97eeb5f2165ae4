// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing whole files so that nothing a student made is lost: a read is bounded, a
// write goes to a temporary file beside the target that is flushed to the disk and checked
// before it is renamed over the target. Paths travel as in PathText.h, byte-exact.

#include "FileErrors.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace zindle {

// Reads at most `limit` bytes; a longer file (or an endless device) is refused as soon as the
// limit is passed. On failure `reason` says why, without the path.
bool ReadWholeFile(const QString &path, qint64 limit, QByteArray &bytes, QString &reason);
bool ReadWholeFile(const QString &path, qint64 limit, QByteArray &bytes, FileText &reason);

// Writes `bytes` as the whole file at `path`, or leaves the old file as it was: the bytes go to
// a temporary file beside the target that is flushed to the disk and checked before it is
// renamed over the target. The target must be a regular file or not exist yet; a link is
// followed to the file it names (a link to nothing, or one of a loop, is refused), and an
// existing file keeps its permissions.
WriteOutcome WriteFileAtomically(const QString &path, const QByteArray &bytes);

struct FileToWrite {
    QString path;
    QByteArray bytes;
};

// Writes files that only make sense together (the boards of one cut set) as one: every file
// goes to its temporary file as above first, and only when all of them are complete are they
// renamed over their targets. Any failure before that leaves every target as it was and no
// temporary file behind. Names of the set that lead to one file are refused.
WriteOutcome WriteFilesAtomically(const std::vector<FileToWrite> &files);

enum class RemoveResult {
    Removed,
    Missing, // nothing by that name
    Kept,    // a folder, device, pipe or socket: left alone
    Failed,  // `reason` says why
};

// Removes a file left over from an earlier output: a regular file, or a link (never the file it
// names).
RemoveResult RemoveLeftoverFile(const QString &path, QString &reason);

} // namespace zindle
