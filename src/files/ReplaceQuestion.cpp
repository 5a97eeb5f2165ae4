// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReplaceQuestion.h"

#include "PathText.h"

#include <QDir>
#include <QFileInfo>

namespace zindle {

QString replaceQuestionText(const QString &path)
{
    const QFileInfo info(path);
    return QStringLiteral("\"%1\" already exists in %2.\nReplace it?\n\n"
                          "Yes replaces it, No lets you choose another name, Cancel writes nothing.")
        .arg(printableText(info.fileName()), printableText(QDir::toNativeSeparators(info.absolutePath())));
}

QString replaceSetFilesQuestionText(const QStringList &paths)
{
    QStringList names;
    for (const QString &path : paths)
        names << QStringLiteral("\"%1\"").arg(printableText(QDir::toNativeSeparators(path)));
    return QStringLiteral("The export also writes these files, which already exist and were not written "
                          "as part of this set:\n%1\nReplace them?\n\n"
                          "Yes replaces them, No or Cancel writes nothing.")
        .arg(names.join(QLatin1Char('\n')));
}

QString AskPathToWrite(Prompter &prompter, const QString &title, const QStringList &filters,
                       const QString &initialPath, const std::function<QString(const QString &)> &finalPath)
{
    QString offered = initialPath;
    for (;;) {
        const QString chosen = prompter.savePath(title, filters, offered);
        if (chosen.isEmpty())
            return {};
        const QString path = finalPath ? finalPath(chosen) : chosen;
        // A dangling link counts as there: writing through it would create a file elsewhere. A
        // folder is not replaced at all; the writer says so.
        const QFileInfo info(path);
        if ((!info.exists() && !info.isSymLink()) || info.isDir())
            return path;
        switch (prompter.confirm(replaceQuestionText(path), title)) {
        case Answer::Yes:
            return path;
        case Answer::No:
            offered = path;
            continue;
        case Answer::Cancel:
            return {};
        }
    }
}

} // namespace zindle
