// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageMenu.h"

#include "MainWindow.h"
#include "WindowMemory.h"
#include "app/Language.h"
#include "model/Prompter.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(LanguageMenu)
};

} // namespace

void addLanguageMenu(QMenu &setup, MainWindow &window)
{
    QMenu *menu = setup.addMenu(Texts::tr("&Language"));
    menu->setObjectName(QStringLiteral("LanguageMenu"));
    menu->menuAction()->setObjectName(QStringLiteral("LanguagePos"));
    auto *group = new QActionGroup(menu);
    const QString chosen = window.memory().language();
    const auto addChoice = [&](const QString &code, const QString &text) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QStringLiteral("Language_") + (code.isEmpty() ? QStringLiteral("desktop") : code));
        action->setCheckable(true);
        action->setChecked(code == chosen);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, &window, [&window, code, text] {
            window.memory().setLanguage(code);
            // The window's texts are made when it opens; a language takes over at the next start.
            window.prompter().message(code.isEmpty() ? Texts::tr("Zindle speaks the desktop's language from its next start.")
                                                     : Texts::tr("Zindle speaks %1 from its next start.").arg(text),
                                      Texts::tr("Language"));
        });
    };
    addChoice(QString(), Texts::tr("The Desktop's Language"));
    menu->addSeparator();
    // Each language under its own name, so a student finds theirs whatever the window speaks now.
    for (const LanguageChoice &language : offeredLanguages())
        addChoice(QLatin1String(language.code), QString::fromUtf8(language.name));
}

} // namespace zindle
