// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A prompter for tests: records every message and question (text and caption) and replays
// prepared answers in order. A question without a prepared answer fails the test.

#include "model/Prompter.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

namespace zindle::test {

struct Shown {
    QString kind; // "message", "confirm", "input", "save", "open", "beep"
    QString text;
    QString caption;
};

class ScriptedPrompter : public Prompter {
public:
    std::deque<Answer> confirmAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<QString> savePaths;
    std::deque<QString> openPaths;
    std::vector<Shown> shown;
    QString lastSaveInitialName;
    QString lastInputInitial; // the text an input box last opened with

    void message(const QString &text, const QString &caption) override;
    Answer confirm(const QString &text, const QString &caption) override;
    std::optional<QString> input(const QString &caption, const QString &prompt,
                                 const QString &initial) override;
    QString savePath(const QString &title, const QStringList &filters,
                     const QString &initialName) override;
    QString openPath(const QString &title, const QStringList &filters) override;
    void beep() override;

    QStringList messages() const; // texts of the message boxes, in order
};

} // namespace zindle::test
