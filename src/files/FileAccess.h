#pragma once
// Reading and writing whole files so that nothing a student made is lost: a read is bounded, a
// write goes to a temporary file beside the target that is flushed to the disk and checked
// before it is renamed over the target. Paths travel as in PathText.h, byte-exact.

#include "FileErrors.h"

#include <QByteArray>
#include <QString>

namespace zindle {

// Reads at most `limit` bytes; a longer file (or an endless device) is refused as soon as the
// limit is passed. On failure `reason` says why, without the path.
bool ReadWholeFile(const QString &path, qint64 limit, QByteArray &bytes, QString &reason);

// Writes `bytes` as the whole file at `path`, or leaves the old file as it was: the bytes go to
// a temporary file beside the target that is flushed to the disk and checked before it is
// renamed over the target. The target must be a regular file or not exist yet; a link is
// followed to the file it names, and an existing file keeps its permissions.
WriteOutcome WriteFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace zindle
