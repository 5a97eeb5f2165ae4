// SPDX-License-Identifier: GPL-3.0-or-later
// The challenge in the window: its checklist beside the sheet says which rules the design as it
// stands breaks, with what was measured, follows a change, never shows the checks of an older
// state or another challenge as current, and a file that cannot be read changes nothing.

#include "GuiTestSupport.h"

#include "app/LiveResults.h"
#include "files/ChallengeFile.h"
#include "model/NumberText.h"
#include "shell/ChallengeChecklist.h"
#include "shell/ChallengeView.h"
#include "shell/SheetImage.h"
#include "support/WorkspaceBytes.h"

#include <QFile>

namespace zindle::test {
namespace {

constexpr int Never = 24 * 3600 * 1000;

Challenge challengeOf(const QString &title, const QStringList &rules)
{
    Challenge challenge;
    challenge.title = title;
    for (const QString &text : rules) {
        RuleRefusal refusal;
        challenge.rules.push_back(*parseRule(text, refusal));
    }
    return challenge;
}

struct ChallengeWindow {
    StartedWindow s;
    MainWindow &w;
    LiveResults &live;
    ChallengeView &view;
    QTemporaryDir folder;

    ChallengeWindow() : w(s.w()), live(w.liveResults()), view(w.challenges())
    {
        w.setWindowState(Qt::WindowNoState);
        w.resize(1180, 800);
        QApplication::processEvents();
        live.setDelay(0);
    }
    QString write(const QString &name, const Challenge &challenge)
    {
        const QString path = folder.filePath(name);
        EXPECT_TRUE(WriteChallenge(path, challenge).ok);
        return path;
    }
    bool settle() { return waitUntil([this] { return view.checklist()->current(); }); }
    QString mass() const { return fixedText(floatOr(live.current()->ProjectedMassEF, 0.0f), 2) + " lb"; }
};

TEST(ChallengeChecklist, ShowsABrokenRuleWithItsValueBesideTheSheetAndFollowsAChange)
{
    ChallengeWindow t;
    const int sheetWidth = t.w.image()->width();
    ASSERT_TRUE(t.view.OpenChallengeFile(t.write("light.json", challengeOf("Light car", {"mass <= 0.01", "mass >= 0.01"}))));
    ASSERT_TRUE(t.settle());
    ChallengeChecklist *list = t.view.checklist();
    EXPECT_TRUE(list->isVisible());
    // The sheet gives the checklist its room and is scaled into what is left.
    EXPECT_EQ(t.w.image()->width(), sheetWidth - ChallengeChecklist::PanelWidth);
    EXPECT_LE(t.s.workspace.scale.SheetOffsetX + t.s.workspace.scale.DrawPxWidth, t.w.image()->width());
    EXPECT_EQ(list->heading(), "Light car");
    const QString before = t.mass();
    EXPECT_EQ(list->lines(), (QStringList{QString::fromUtf8("\u2718 Mass ") + before + ": over the 0.01 lb limit",
                                          QString::fromUtf8("\u2714 Mass ") + before + ": at least the 0.01 lb minimum"}));
    EXPECT_EQ(list->summary(), "1 rule broken.");

    // Another design: the same rules, its own mass.
    t.w.DesignListClick(1);
    ASSERT_TRUE(t.settle());
    EXPECT_NE(t.mass(), before);
    EXPECT_TRUE(list->lines().at(0).contains("Mass " + t.mass() + ": over"));

    t.view.CloseChallenge();
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(t.w.image()->width(), sheetWidth);
    EXPECT_FALSE(t.w.action("CloseChallengePos")->isEnabled());
}

TEST(ChallengeChecklist, ChecksOfAnOlderStateOrAnotherChallengeAreNeverCurrent)
{
    ChallengeWindow t;
    ASSERT_TRUE(t.view.OpenChallengeFile(t.write("a.json", challengeOf("A", {"mass <= 0.01"}))));
    ASSERT_TRUE(t.settle());
    ChallengeChecklist *list = t.view.checklist();
    const QStringList lines = list->lines();

    // A change waits: the older lines stay in sight, marked as updating.
    t.live.setDelay(Never);
    t.w.DesignListClick(2);
    ASSERT_TRUE(t.live.pending());
    EXPECT_FALSE(list->current());
    EXPECT_EQ(list->findChild<QLabel *>("ChallengeState")->text(), QString::fromUtf8("Updating\u2026"));
    EXPECT_EQ(list->lines(), lines);

    // Another challenge: the first one's lines are not its lines, not even greyed.
    ASSERT_TRUE(t.view.OpenChallengeFile(t.write("b.json", challengeOf("B", {"layers <= 9"}))));
    EXPECT_FALSE(list->current());
    EXPECT_TRUE(list->lines().isEmpty());
    EXPECT_EQ(list->heading(), "B");
    t.live.setDelay(0);
    t.live.designMayHaveChanged();
    ASSERT_TRUE(t.settle());
    ASSERT_EQ(list->lines().size(), 1);
    EXPECT_TRUE(list->lines().at(0).startsWith(QString::fromUtf8("\u2714 ")));
    EXPECT_EQ(list->summary(), "All rules kept.");

    // The same file opened again (as after an editor's Save of no change) is checked anew.
    ASSERT_TRUE(t.view.OpenChallengeFile(t.folder.filePath("b.json")));
    ASSERT_TRUE(t.settle());
    EXPECT_EQ(list->lines().size(), 1);
}

TEST(ChallengeChecklist, AFileThatCannotBeReadKeepsTheChallengeOpenBefore)
{
    ChallengeWindow t;
    ASSERT_TRUE(t.view.OpenChallengeFile(t.write("a.json", challengeOf("A", {"no-skid"}))));
    const std::shared_ptr<const Challenge> before = t.view.challenge();
    const QString broken = t.folder.filePath("broken.json");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\"version\": 1, \"rules\": [");
    file.close();

    t.s.prompter.openPaths.push_back(broken);
    t.w.action("OpenChallengePos")->trigger();
    ASSERT_EQ(t.s.prompter.messages().size(), 1);
    EXPECT_TRUE(t.s.prompter.messages().at(0).contains("broken.json"));
    EXPECT_EQ(t.view.challenge(), before);
    EXPECT_EQ(t.live.challenge(), before);
    EXPECT_EQ(t.view.path(), t.folder.filePath("a.json"));
    EXPECT_TRUE(t.view.checklist()->isVisible());
}

} // namespace
} // namespace zindle::test
