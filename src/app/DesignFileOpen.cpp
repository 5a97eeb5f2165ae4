// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesignFileOpen.h"

#include "files/DesignFile.h"
#include "files/FileAccess.h"
#include "files/TextDesignFile.h"

#include <QFileInfo>

namespace zindle {

namespace {

// Every binary design file begins with the length of the version marker, 28, as four bytes; no
// text file begins with that control character.
bool isBinaryLayout(const QByteArray &bytes)
{
    return bytes.startsWith(QByteArray("\x1c\x00\x00\x00", 4));
}

ReadOutcome readAnyLayout(DesignState &state, const QByteArray &bytes, const QString &path)
{
    if (isBinaryLayout(bytes))
        return ReadBinaryDesign(state, bytes, path);
    const TextLayout layout = DetectTextLayout(bytes);
    ReadOutcome outcome = ReadTextDesign(state, bytes, path);
    if (layout == TextLayout::Older) {
        if (outcome.ok() && outcome.name.isEmpty())
            outcome.name = QFileInfo(path).completeBaseName();
        // Anything that is not a design at all is read as the oldest layout too; its reason
        // alone would puzzle whoever opened a picture by mistake.
        if (outcome.status == ReadStatus::Failed && !bytes.isEmpty()) {
            // The older layout's own reason, after the name of the file.
            const FileText *reason = outcome.errorText.part(1);
            FileText notADesign(QT_TRANSLATE_NOOP(
                "FileErrors", "it is not a Zindle design file; as one of an earlier release, %1"));
            notADesign.arg(reason ? *reason : FileText::plain(outcome.error));
            outcome.fail(readError(path, notADesign));
        }
    }
    return outcome;
}

} // namespace

ReadOutcome ReadAllOrNothing(DesignState &state, const std::function<ReadOutcome(DesignState &)> &read)
{
    DesignState scratch;
    scratch.design = state.design;
    scratch.catalogue = state.catalogue;
    PrepareForFileRead(scratch);
    const ReadOutcome outcome = read(scratch);
    if (outcome.ok()) {
        state.design = std::move(scratch.design);
        state.catalogue = std::move(scratch.catalogue);
    }
    return outcome;
}

ReadOutcome ReadDesignFileOfAnyLayout(DesignState &state, const QString &path)
{
    QByteArray bytes;
    FileText reason;
    if (!ReadWholeFile(path, MaxDesignFileBytes, bytes, reason))
        return FailedRead(readError(path, reason));
    return ReadAllOrNothing(state, [&](DesignState &scratch) { return readAnyLayout(scratch, bytes, path); });
}

} // namespace zindle
