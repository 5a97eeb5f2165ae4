// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of a challenge in the window: the checklist beside the sheet, one rule broken, and
// the challenge editor holding that challenge, at a usual size and at a small screen's.

#include "ShotSupport.h"

#include "app/LiveResults.h"
#include "dialogs/ChallengeEditor.h"
#include "files/ChallengeFile.h"
#include "shell/ChallengeChecklist.h"
#include "shell/ChallengeView.h"

#include <QDeadlineTimer>

namespace zindle::test {
namespace {

TEST(Screenshots, ChallengeChecklistAndEditor)
{
    QTemporaryDir folder;
    Challenge challenge;
    challenge.title = QStringLiteral("Spring sprint 2026");
    challenge.text = QStringLiteral("Build the lightest car that reaches 15 ft.");
    for (const char *text : {"mass <= 0.05", "body-length <= 12", "drive = rear", "reaches-15ft", "no-skid"}) {
        RuleRefusal refusal;
        challenge.rules.push_back(*parseRule(QString::fromLatin1(text), refusal));
    }
    challenge.rubric = {{QStringLiteral("Design journal"), 2}, {QStringLiteral("Analysis"), 1}};
    challenge.prompts = {{QStringLiteral("How far will your car go?"), PromptWhen::BeforeFirstSimulation},
                         {QStringLiteral("What would you change after the race?"), PromptWhen::AfterRace}};
    const QString path = folder.filePath(QStringLiteral("sprint.json"));
    ASSERT_TRUE(WriteChallenge(path, challenge).ok);

    for (const QSize size : {QSize(1600, 1000), QSize(1024, 600)}) {
        StartedWindow s;
        MainWindow &w = s.w();
        w.setWindowState(Qt::WindowNoState);
        w.resize(size);
        QApplication::processEvents();
        ASSERT_TRUE(w.challenges().OpenChallengeFile(path));
        QDeadlineTimer deadline(20000);
        while (!w.challenges().checklist()->current() && !deadline.hasExpired())
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_TRUE(w.challenges().checklist()->current());
        const QString suffix = QStringLiteral("-%1x%2").arg(size.width()).arg(size.height());
        saveShot(&w, QStringLiteral("challenge-checklist") + suffix);

        ChallengeEditor editor(s.prompter, *w.challenges().challenge(), path, &w);
        editor.show();
        editor.resize(std::min(860, size.width()), std::min(640, size.height() - 40));
        saveShot(&editor, QStringLiteral("challenge-editor") + suffix);
    }
}

} // namespace
} // namespace zindle::test
