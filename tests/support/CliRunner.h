// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs zindle-cli in-process and keeps what it printed, for the command-line tests.

#include "cli/Cli.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace zindle::test {

struct CliResult {
    int status = 0;
    QByteArray outBytes; // standard output as written, for the commands that write files to "-"
    QString out;
    QString err;
    QStringList lines() const { return out.split('\n', Qt::SkipEmptyParts); }
    // The text after "key=" on the first line that starts with it.
    QString value(const QString &key) const
    {
        for (const QString &line : lines())
            if (line.startsWith(key + '='))
                return line.mid(key.size() + 1);
        return QStringLiteral("<missing>");
    }
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

inline CliResult runCli(const QStringList &arguments)
{
    CliResult result;
    QBuffer outBuffer;
    outBuffer.open(QIODevice::WriteOnly);
    QTextStream outStream(&outBuffer), errStream(&result.err);
    result.status = cli::run(arguments, outStream, errStream);
    outStream.flush();
    errStream.flush();
    result.outBytes = outBuffer.data();
    result.out = QString::fromUtf8(result.outBytes);
    return result;
}

} // namespace zindle::test
