// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace zindle::test {

void ScriptedPrompter::message(const QString &text, const QString &caption)
{
    shown.push_back({QStringLiteral("message"), text, caption});
}

Answer ScriptedPrompter::confirm(const QString &text, const QString &caption)
{
    shown.push_back({QStringLiteral("confirm"), text, caption});
    if (confirmAnswers.empty()) {
        ADD_FAILURE() << "unexpected confirmation: " << text.toStdString();
        return Answer::Cancel;
    }
    const Answer answer = confirmAnswers.front();
    confirmAnswers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompter::input(const QString &caption, const QString &prompt,
                                               const QString &initial)
{
    shown.push_back({QStringLiteral("input"), prompt, caption});
    lastInputInitial = initial;
    if (inputAnswers.empty()) {
        ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
        return std::nullopt;
    }
    // Copied as a QString: GCC's flow analysis takes a copied empty optional<QString> for
    // uninitialised.
    const std::optional<QString> &front = inputAnswers.front();
    if (!front) {
        inputAnswers.pop_front();
        return std::nullopt;
    }
    const QString answer = *front;
    inputAnswers.pop_front();
    return answer;
}

QString ScriptedPrompter::savePath(const QString &title, const QStringList &,
                                   const QString &initialName)
{
    shown.push_back({QStringLiteral("save"), initialName, title});
    lastSaveInitialName = initialName;
    if (savePaths.empty()) {
        ADD_FAILURE() << "unexpected save dialog";
        return {};
    }
    const QString path = savePaths.front();
    savePaths.pop_front();
    return path;
}

QString ScriptedPrompter::openPath(const QString &title, const QStringList &)
{
    shown.push_back({QStringLiteral("open"), QString(), title});
    if (openPaths.empty()) {
        ADD_FAILURE() << "unexpected open dialog";
        return {};
    }
    const QString path = openPaths.front();
    openPaths.pop_front();
    return path;
}

void ScriptedPrompter::beep() { shown.push_back({QStringLiteral("beep"), QString(), QString()}); }

QStringList ScriptedPrompter::messages() const
{
    QStringList texts;
    for (const Shown &s : shown)
        if (s.kind == QLatin1String("message"))
            texts << s.text;
    return texts;
}

} // namespace zindle::test
