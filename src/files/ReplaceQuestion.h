// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file that exists is replaced only with the user's word. The save dialogs of the window
// leave the question to this one place, after the program has settled the name it will really
// write (a design always gets ".zndl", whatever the dialog gave back).

#include "model/Prompter.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace zindle {

// The question asked before `path` is replaced.
QString replaceQuestionText(const QString &path);
// The question asked before several files of one set are replaced, none of them the file the
// user named (that one was asked about already).
QString replaceSetFilesQuestionText(const QStringList &paths);

// The save dialog of `prompter`, then, when the file that would be written exists, whether to
// replace it: Yes takes it, No shows the dialog again for another name, Cancel gives up. The
// file written is `finalPath` of the dialog's answer (the answer itself when none is given).
// Empty when the user gave up.
QString AskPathToWrite(Prompter &prompter, const QString &title, const QStringList &filters,
                       const QString &initialPath,
                       const std::function<QString(const QString &)> &finalPath = {});

} // namespace zindle
