// SPDX-License-Identifier: GPL-3.0-or-later
// The What if window: a slider runs the car again on a worker with the run from before faded
// behind it, offers the value once let go, and applying it is one undo step of the design.

#include "GuiTestSupport.h"

#include "dialogs/WhatIfWindow.h"
#include "shell/WhatIfView.h"

#include <QAction>
#include <QPushButton>
#include <QTest>

namespace zindle::test {
namespace {

bool settled(const WhatIfWindow &window)
{
    return QTest::qWaitFor([&] { return !window.computing() && window.shownRun(); }, 20000);
}

TEST(WhatIfWindow, ASliderRunsTheCarAgainAndApplyingItIsOneUndoStep)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.action(QStringLiteral("WhatIfPos"))->trigger();
    WhatIfWindow *whatIf = w.whatIf().whatIf();
    ASSERT_NE(whatIf, nullptr);
    ASSERT_TRUE(settled(*whatIf));
    const std::vector<RunSample> own = whatIf->shownRun()->run.samples;
    EXPECT_FALSE(whatIf->fadedRun());
    const QString length = s.workspace.design.SpringLength; // "36"

    // Dragging: nothing is offered until the slider is let go.
    const WhatIfRange range = whatIfRange(s.workspace.design, WhatIfKnob::SpringLength, -1);
    whatIf->moveKnob(WhatIfKnob::SpringLength, range.at + 6, false);
    EXPECT_TRUE(whatIf->offerText().isEmpty());
    whatIf->moveKnob(WhatIfKnob::SpringLength, range.at + 8, true);
    ASSERT_TRUE(settled(*whatIf));
    EXPECT_EQ(whatIf->offerText(), QStringLiteral("Apply spring length 44 in to the design"));
    ASSERT_TRUE(whatIf->fadedRun());
    EXPECT_EQ(whatIf->fadedRun()->run.samples.back().distance, own.back().distance);
    EXPECT_NE(whatIf->shownRun()->run.samples.back().distance, own.back().distance);
    EXPECT_TRUE(whatIf->timeText().contains(QStringLiteral("before:")));
    EXPECT_EQ(s.workspace.design.SpringLength, length); // tried, not taken

    whatIf->findChild<QPushButton *>(QStringLiteral("WhatIfApplyBtn"))->click();
    EXPECT_EQ(s.workspace.design.SpringLength, QStringLiteral("44"));
    EXPECT_EQ(w.history().undoText(), QStringLiteral("Change spring length"));
    // The window now tries changes on the design as applied.
    ASSERT_TRUE(settled(*whatIf));
    EXPECT_TRUE(whatIf->offerText().isEmpty());
    ASSERT_TRUE(w.history().undo());
    EXPECT_EQ(s.workspace.design.SpringLength, length);
}

} // namespace
} // namespace zindle::test
