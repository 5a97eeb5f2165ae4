// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the Design mode's live results after a change: the spring made longer with
// Apply, at a usual size and at the smallest window, and the line while it is updating.

#include "ShotSupport.h"

#include "app/LiveResults.h"
#include "shell/DesignPanel.h"
#include "shell/LiveReadout.h"

#include <QDeadlineTimer>
#include <QPushButton>

namespace zindle::test {
namespace {

bool waitFor(const std::function<bool()> &condition, int milliseconds = 10000)
{
    QDeadlineTimer deadline(milliseconds);
    while (!condition() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

TEST(Screenshots, LiveResultsAfterAChange)
{
    for (const QSize size : {QSize(1180, 800), QSize(540, 440)}) {
        StartedWindow s;
        MainWindow &w = s.w();
        w.setWindowState(Qt::WindowNoState);
        w.resize(size);
        QApplication::processEvents();
        LiveResults &live = w.liveResults();
        ASSERT_TRUE(waitFor([&] { return live.current().has_value(); }));
        const QString suffix = QStringLiteral("-%1x%2").arg(size.width()).arg(size.height());
        saveShot(&w, QStringLiteral("live-design") + suffix);

        // The spring made longer and applied: the line greys until the new state's result is in.
        w.SelectPart(5);
        auto *length = w.findChild<QLineEdit *>(QStringLiteral("SpringLengthEF"));
        length->setText(QStringLiteral("44"));
        emit length->textEdited(length->text()); // as typed
        live.setDelay(60000);
        w.findChild<QPushButton *>(QStringLiteral("ApplyBtn"))->click();
        QApplication::processEvents();
        EXPECT_EQ(s.workspace.design.SpringLength, QStringLiteral("44"));
        EXPECT_TRUE(live.pending());
        saveShot(&w, QStringLiteral("live-updating") + suffix);
        // A running timer starts over with its new interval.
        live.setDelay(150);
        ASSERT_TRUE(waitFor([&] { return live.current().has_value(); }, 20000));
        saveShot(&w, QStringLiteral("live-after-apply") + suffix);
    }
}

} // namespace
} // namespace zindle::test
