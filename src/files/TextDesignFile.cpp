#include "TextDesignFile.h"

#include "DesignFile.h"
#include "DesignReader.h"
#include "ItemSource.h"

#include <QFile>

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

ReadOutcome ReadTextDesign(Workspace &workspace, const QByteArray &bytes, const QString &path)
{
    ReadOutcome outcome;
    if (bytes.isEmpty())
        return {ReadStatus::Failed, {}, readErrorText(path, QStringLiteral("the file is empty"))};
    try {
        TextItemSource source(bytes);
        if (DetectTextLayout(bytes) == TextLayout::Version3) {
            source.readLine();
            if (source.readLine().trimmed() != QStringLiteral("3")) {
                outcome.status = ReadStatus::NotADesign;
                outcome.error = readErrorText(path, QStringLiteral("its version is not 3"));
                return outcome;
            }
            outcome.name = ReadDesign(source, workspace);
        } else {
            ReadOlderDesign(source, workspace);
        }
        outcome.status = ReadStatus::Read;
    } catch (const DesignFileError &error) {
        outcome.status = ReadStatus::Failed;
        outcome.error = readErrorText(path, error.reason());
    }
    return outcome;
}

ReadOutcome ReadTextDesignFile(Workspace &workspace, const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {ReadStatus::Failed, {}, readErrorText(path, file.errorString())};
    return ReadTextDesign(workspace, file.readAll(), path);
}

} // namespace zindle
