// SPDX-License-Identifier: GPL-3.0-or-later
// The Design mode's live results in the window: they follow every kind of change (Apply, a
// material chosen, a shape cleared, undo), say when they are updating, give the numbers Simulate
// then shows, change nothing the modes show, rest outside Design mode, and let the window go in
// the middle of a computation.

#include "GuiTestSupport.h"

#include "model/NumberText.h"

#include "app/LiveResults.h"
#include "physics/Advisories.h"
#include "shell/DesignPanel.h"
#include "shell/LiveReadout.h"
#include "shell/SheetEditing.h"
#include "shell/WindowRefreshHooks.h"
#include "support/WorkspaceBytes.h"

#include <QPushButton>
#include <QTextDocument>
#include <atomic>
#include <chrono>
#include <thread>

namespace zindle::test {
namespace {

constexpr int Never = 24 * 3600 * 1000;

struct LiveWindow {
    StartedWindow s;
    MainWindow &w;
    LiveResults &live;
    LiveReadout *readout;

    LiveWindow() : w(s.w()), live(w.liveResults())
    {
        w.setWindowState(Qt::WindowNoState);
        w.resize(1180, 800);
        QApplication::processEvents();
        readout = w.findChild<DesignPanel *>()->liveReadout();
    }
    bool settle() { return waitUntil([this] { return live.current().has_value(); }); }
    QString shown() const
    {
        QTextDocument document;
        document.setHtml(readout->text());
        return document.toPlainText();
    }
    // Types a spring length and presses Apply.
    void applySpringLength(const QString &text)
    {
        w.SelectPart(5);
        auto *length = w.findChild<QLineEdit *>(QStringLiteral("SpringLengthEF"));
        length->setText(text);
        emit length->textEdited(text);
        w.findChild<QPushButton *>(QStringLiteral("ApplyBtn"))->click();
    }
    QString field(const char *name) const { return w.findChild<QLineEdit *>(QLatin1String(name))->text(); }
};

TEST(LiveReadout, ApplyGreysTheLineUntilTheNewResultWhichSimulateThenShows)
{
    LiveWindow t;
    ASSERT_TRUE(t.settle());
    const QString before = t.shown();
    EXPECT_TRUE(before.startsWith(QStringLiteral("Live: 15 ft not reached in ")));
    EXPECT_TRUE(t.readout->toolTip().contains(QStringLiteral("(in brackets: 15 ft not reached, the time the run ended)")));
    // The mass as the line rounds it, not the field's 15 digits.
    EXPECT_TRUE(t.readout->toolTip().contains(QStringLiteral("Total Car Mass (lbm): ") +
                                              fixedText(floatOr(t.live.current()->ProjectedMassEF, 0.0f), 3) + "\n"));
    const quint64 generation = t.live.generation();

    t.live.setDelay(Never);
    t.applySpringLength(QStringLiteral("44"));
    EXPECT_GT(t.live.generation(), generation);
    EXPECT_TRUE(t.live.pending());
    EXPECT_FALSE(t.readout->current());
    // The older values stay in sight, but marked as updating, not as current.
    EXPECT_EQ(t.shown(), QStringLiteral("Updating\u2026 ") + before.mid(QStringLiteral("Live: ").size()));
    EXPECT_TRUE(t.readout->toolTip().endsWith(QStringLiteral("(updating)")));

    t.live.setDelay(0);
    ASSERT_TRUE(t.settle());
    const LiveResult live = *t.live.current();
    ASSERT_TRUE(live.finished());
    EXPECT_TRUE(t.readout->current());
    EXPECT_EQ(t.shown(), QStringLiteral("Live: ") + liveReadoutText(live));
    EXPECT_TRUE(t.readout->toolTip().contains(QStringLiteral("Time to 15 ft (sec): ") + live.TimeEF));

    t.w.VPDynamic();
    EXPECT_EQ(t.field("TimeEF"), live.TimeEF);
    EXPECT_EQ(t.field("TopSpeedEF"), live.TopSpeedEF);
    EXPECT_EQ(t.s.workspace.results.ProjectedMassEF, live.ProjectedMassEF);
    EXPECT_EQ(t.s.workspace.advisories.shownTexts(), live.advisories);
}

TEST(LiveReadout, ChangesNothingTheModesShow)
{
    // Two windows take the same steps; one never computes live results.
    LiveWindow with, without;
    without.live.setDelay(Never);
    for (LiveWindow *t : {&with, &without}) {
        t->w.DesignListClick(1);
        t->live.setDelay(Never);
        t->applySpringLength(QStringLiteral("40"));
    }
    const QByteArray before = workspaceBytes(with.s.workspace);
    const int steps = with.w.history().count();
    with.live.setDelay(0);
    ASSERT_TRUE(with.settle());
    EXPECT_EQ(workspaceBytes(with.s.workspace), before);
    EXPECT_EQ(with.w.history().count(), steps);
    EXPECT_EQ(with.w.windowTitle(), without.w.windowTitle());
    EXPECT_EQ(without.live.computationsStarted(), 0);

    for (LiveWindow *t : {&with, &without})
        t->w.VPDynamic();
    EXPECT_EQ(workspaceBytes(with.s.workspace), workspaceBytes(without.s.workspace));
    for (const char *name : {"TimeEF", "TopSpeedEF", "PoweredDistanceEF"})
        EXPECT_EQ(with.field(name), without.field(name)) << name;
    for (const char *name : {"DynamicTimeLabel", "DynamicDistanceLabel", "RevisedLabel"})
        EXPECT_EQ(with.w.findChild<QLabel *>(QLatin1String(name))->text(),
                  without.w.findChild<QLabel *>(QLatin1String(name))->text())
            << name;
}

TEST(LiveReadout, FollowsAMaterialChoiceAClearedShapeAndUndo)
{
    LiveWindow t;
    t.live.setDelay(0);
    ASSERT_TRUE(t.settle());
    const LiveResult first = *t.live.current();

    // A material choice refreshes nothing until Apply; the live results follow it at once.
    Workspace &workspace = t.s.workspace;
    workspace.catalogue.boards.push_back({QStringLiteral("Heavy board"), QStringLiteral("0.2"),
                                          QStringLiteral("0.05")});
    t.w.findChild<DesignPanel *>()->syncMaterialCombos();
    t.w.MaterialComboChange(OuterBodyPart, 1);
    EXPECT_TRUE(t.live.pending());
    ASSERT_TRUE(t.settle());
    EXPECT_NE(t.live.current()->ProjectedMassEF, first.ProjectedMassEF);

    t.w.Undo();
    ASSERT_TRUE(t.settle());
    EXPECT_EQ(t.live.current()->ProjectedMassEF, first.ProjectedMassEF);
    EXPECT_EQ(t.live.current()->TimeEF, first.TimeEF);

    // No body: the line says why the car cannot run.
    t.w.findChild<DesignPanel *>()->sheetEditing().ClearOuterBtnClick();
    ASSERT_TRUE(t.settle());
    EXPECT_EQ(t.shown(), QStringLiteral("Live: Cannot run: ") + NoBodyText);
}

TEST(LiveReadout, RestsOutsideDesignMode)
{
    LiveWindow t;
    t.live.setDelay(0);
    ASSERT_TRUE(t.settle());
    t.w.VPDynamic();
    EXPECT_FALSE(t.live.active());
    EXPECT_FALSE(t.readout->isVisible());
    const int started = t.live.computationsStarted();
    // Simulate sets the element size into the design; nothing is computed for it here.
    t.w.VPProperties();
    t.w.views().raceIntervalOverride = 1;
    t.w.VPRace();
    QApplication::processEvents();
    EXPECT_EQ(t.live.computationsStarted(), started);
    t.w.VPSet();
    EXPECT_TRUE(t.live.active());
    EXPECT_TRUE(t.readout->isVisible());
    ASSERT_TRUE(t.settle());
}

TEST(LiveReadout, WindowGoesDuringAComputation)
{
    auto s = std::make_unique<StartedWindow>();
    MainWindow &w = s->w();
    LiveResults &live = w.liveResults();
    std::atomic<bool> stopSeen{false};
    live.setComputation([&](Workspace &copy, const std::atomic<bool> *stop) {
        while (!(stop && stop->load()))
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        stopSeen = true;
        return ComputeLiveResult(copy, stop);
    });
    live.setDelay(0);
    w.DesignListClick(2);
    ASSERT_TRUE(waitUntil([&] { return live.computing(); }));
    s.reset();
    EXPECT_TRUE(stopSeen.load());
    QApplication::processEvents();
}

} // namespace
} // namespace zindle::test
