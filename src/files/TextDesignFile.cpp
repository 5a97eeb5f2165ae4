// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextDesignFile.h"

#include "DesignFile.h"
#include "DesignReader.h"
#include "FileAccess.h"
#include "ItemSource.h"

namespace zindle {

TextLayout DetectTextLayout(const QByteArray &bytes)
{
    TextItemSource source(bytes);
    try {
        if (source.readLine() == VersionMarker)
            return TextLayout::Version3;
    } catch (const DesignFileError &) {
    }
    return TextLayout::Older;
}

ReadOutcome ReadTextDesign(DesignState &workspace, const QByteArray &bytes, const QString &path)
{
    ReadOutcome outcome;
    if (bytes.isEmpty())
        return FailedRead(readError(path, FileText(QT_TRANSLATE_NOOP("FileErrors", "the file is empty"))));
    try {
        // The lines are split once; the older layout starts again from the first line.
        TextItemSource source(bytes);
        if (source.readLine() == VersionMarker) {
            if (source.readLine().trimmed() != QStringLiteral("3")) {
                outcome.fail(readError(path, FileText(QT_TRANSLATE_NOOP("FileErrors", "its version is not 3"))));
                outcome.status = ReadStatus::NotADesign;
                return outcome;
            }
            outcome.name = ReadDesign(source, workspace);
        } else {
            source.rewind();
            ReadOlderDesign(source, workspace);
        }
        outcome.status = ReadStatus::Read;
    } catch (const DesignFileError &error) {
        outcome.fail(readError(path, error.text()));
    }
    return outcome;
}

ReadOutcome ReadTextDesignFile(DesignState &workspace, const QString &path)
{
    QByteArray bytes;
    FileText reason;
    if (!ReadWholeFile(path, MaxDesignFileBytes, bytes, reason))
        return FailedRead(readError(path, reason));
    return ReadTextDesign(workspace, bytes, path);
}

} // namespace zindle
