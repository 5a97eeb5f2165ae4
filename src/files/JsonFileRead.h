// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reading half every JSON file of the program shares: the file read whole within its size
// limit, then decoded; any trouble becomes one line naming the file, and the caller's record is
// only handed over when the whole file was understood.

#include "FileAccess.h"
#include "FileErrors.h"

#include <QByteArray>
#include <QFileInfo>
#include <QJsonObject>
#include <QString>

namespace zindle {

// Thrown inside a decoder only, with why the file cannot be used (without the path).
struct BrokenJsonFile {
    FileText reason;
};

// What a versioned JSON file is called by, and the refusals (each a "FileErrors" source) a
// file is met with that is not JSON, not of this kind, without a whole version number, or of a
// version later than this release reads.
struct JsonFileKind {
    const char *format; // the "format" field: "zindle-challenge"
    int version;        // the newest version this release reads
    const char *notJson;      // %1 the parser's reason, %2 the byte
    const char *notThisKind;
    const char *noVersion;
    const char *laterVersion; // %1 the file's version, %2 this release's
};

// The file's top object once its format and version are known to be this release's; throws
// BrokenJsonFile otherwise.
QJsonObject VersionedJsonTop(const QByteArray &bytes, const JsonFileKind &kind);

// `Read` has `ok` and `fail(FileText)`; `decodeInto(read, bytes)` fills it or throws
// BrokenJsonFile, and only assigns the record once it is decoded whole.
template <typename Read, typename DecodeInto>
Read DecodeJsonFile(const QByteArray &bytes, const QString &path, DecodeInto decodeInto)
{
    Read read;
    try {
        decodeInto(read, bytes);
        read.ok = true;
    } catch (const BrokenJsonFile &broken) {
        read.fail(readError(path, broken.reason));
    }
    return read;
}

// `decode(bytes, path)` is the file's Decode function.
template <typename Read, typename Decode>
Read ReadJsonFile(const QString &path, qint64 maxBytes, Decode decode)
{
    QByteArray bytes;
    FileText reason;
    if (!ReadWholeFile(path, maxBytes, bytes, reason)) {
        Read read;
        read.fail(readError(path, reason));
        return read;
    }
    return decode(bytes, path);
}

// For a file that may not be there yet (a logbook, a journal): `Read` also has `existed`. A
// missing file is an empty record, read well; one that is there is read whole or named.
template <typename Read, typename Decode>
Read ReadJsonFileIfThere(const QString &path, qint64 maxBytes, Decode decode)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        Read read;
        read.ok = true;
        return read;
    }
    Read read = ReadJsonFile<Read>(path, maxBytes, decode);
    read.existed = true;
    return read;
}

} // namespace zindle
