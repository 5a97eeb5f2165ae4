// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputFile.h"

#include "files/FileAccess.h"

#include <QCoreApplication>
#include <QIODevice>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

} // namespace

bool isStandardOutput(const QString &name) { return name == QLatin1String("-"); }

bool writeRaw(const QByteArray &bytes, QTextStream &out)
{
    out.flush();
    QIODevice *device = out.device();
    return device && out.status() == QTextStream::Ok && device->write(bytes) == bytes.size();
}

bool writeOutputFile(const QString &name, const QByteArray &bytes, QTextStream &out, QTextStream &err)
{
    if (isStandardOutput(name)) {
        if (writeRaw(bytes, out))
            return true;
        err << Texts::tr("Cannot write to standard output") << '\n';
        return false;
    }
    const WriteOutcome written = WriteFileAtomically(name, bytes);
    if (!written.ok)
        err << written.shownError() << '\n';
    return written.ok;
}

} // namespace zindle::cli
