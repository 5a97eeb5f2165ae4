// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File names as the system hands them over: bytes, not always valid UTF-8. A byte that is not
// part of a valid UTF-8 sequence travels inside a QString as the lone surrogate U+DC80 + byte,
// so that a name read from the command line opens, and is written, as exactly the same bytes.
// Names that are valid UTF-8 come out as Qt itself would decode them.

#include <QByteArray>
#include <QString>

namespace zindle {

QString pathFromBytes(const QByteArray &bytes);
QByteArray pathToBytes(const QString &path);

// Text safe to show in a message or on a terminal: control characters and bytes that were not
// valid UTF-8 are written as \xNN, so a hostile file or file name cannot drive the terminal.
QString printableText(const QString &text);

} // namespace zindle
