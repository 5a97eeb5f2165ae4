// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a command's output file goes: a path, written whole or not at all, or standard output
// when the name is "-", so that the tool can sit in a pipe.

#include <QByteArray>
#include <QString>
#include <QTextStream>

namespace zindle::cli {

bool isStandardOutput(const QString &name);

// Writes `bytes` to the file `name` (temporary file, checked, then renamed) or to the device
// under `out` for "-". On failure one line on `err` and false.
bool writeOutputFile(const QString &name, const QByteArray &bytes, QTextStream &out, QTextStream &err);

// Raw bytes on standard output, after what the text stream holds.
bool writeRaw(const QByteArray &bytes, QTextStream &out);

} // namespace zindle::cli
