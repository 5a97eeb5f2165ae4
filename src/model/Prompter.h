// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the core needs to ask or tell the user goes through this interface: the desktop
// program answers with Qt dialogs, the command line and the tests with prepared answers.

#include <QString>
#include <QStringList>
#include <optional>

namespace zindle {

enum class Answer { Yes, No, Cancel };

class Prompter {
public:
    virtual ~Prompter() = default;
    // A message box with a single OK button.
    virtual void message(const QString &text, const QString &caption) = 0;
    // A confirmation with the buttons Yes, No and Cancel.
    virtual Answer confirm(const QString &text, const QString &caption) = 0;
    // An input box; nullopt when the user cancels.
    virtual std::optional<QString> input(const QString &caption, const QString &prompt,
                                         const QString &initial) = 0;
    // File dialogs; an empty path when the user cancels. Filters are "Label|*.ext" pairs.
    virtual QString savePath(const QString &title, const QStringList &filters,
                             const QString &initialName) = 0;
    virtual QString openPath(const QString &title, const QStringList &filters) = 0;
    // The system beep.
    virtual void beep() = 0;
};

} // namespace zindle
