// SPDX-License-Identifier: GPL-3.0-or-later
// Compute, then play: with the window's player at its real pace, what a student does while a
// picture plays (GO, Preferences, a resize) starts its own refresh after the one that recorded
// the picture, never inside it; the pictures' ends and the numbers shown stay one design's.

#include "GuiTestSupport.h"

#include "dialogs/AdvisoriesWindow.h"
#include "dialogs/PowerDesignerDialog.h"
#include "shell/BuildPanel.h"
#include "shell/WindowRefreshHooks.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalSpy>
#include <QTest>

namespace zindle::test {
namespace {

QStringList advisoriesWindowTexts(MainWindow &w)
{
    QStringList texts;
    for (QLabel *label : w.views().advisories()->findChildren<QLabel *>())
        if (!label->isHidden() && !label->text().isEmpty())
            texts << label->text();
    texts.sort();
    return texts;
}

QStringList workspaceTexts(const Workspace &ws)
{
    QStringList texts = ws.advisories.shownTexts();
    texts.sort();
    return texts;
}

bool sweepEnds(QSignalSpy &ended)
{
    return ended.count() == 1 || ended.wait(30000);
}

TEST(Playback, PowerDesignerGoWhileTheBuildPictureDrawsLeavesSimulatesAdvisories)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.DesignListClick(1); // the Racer skids
    w.player().setImmediate(false);
    w.VPBuild();
    ASSERT_TRUE(w.findChild<BuildPanel *>()->drawing());

    w.views().ShowPowerDesigner();
    PowerDesignerDialog *dialog = w.views().powerDesigner();
    QSignalSpy ended(dialog, &PowerDesignerDialog::sweepEnded);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("PDGoBtn")), Qt::LeftButton);
    ASSERT_TRUE(sweepEnds(ended));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.player().busy(); }, 20000));

    EXPECT_EQ(w.CurrentMode(), SheetMode::Simulate);
    EXPECT_FALSE(w.findChild<BuildPanel *>()->drawing());
    EXPECT_TRUE(dialog->lastSweepHeld());
    EXPECT_EQ(advisoriesWindowTexts(w), workspaceTexts(s.workspace));
}

TEST(Playback, PreferencesOpenedDuringAWatchedSweepStopItFirst)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.views().ShowPowerDesigner();
    PowerDesignerDialog *dialog = w.views().powerDesigner();
    dialog->showEveryCombination()->setChecked(true);
    std::vector<QString> frictions;
    const auto chain = dialog->runSimulateChain;
    dialog->runSimulateChain = [&] {
        chain();
        frictions.push_back(s.workspace.design.Friction);
        // The student opens Preferences while the second car is shown, and sets another friction.
        if (frictions.size() == 2)
            QMetaObject::invokeMethod(&w, [&w] { w.ShowPreferences(); }, Qt::QueuedConnection);
    };
    s.other = [](QDialog &preferences) {
        preferences.findChild<QLineEdit *>(QStringLiteral("FrictionEF"))->setText(QStringLiteral("0.1"));
        preferences.findChild<QPushButton *>(QStringLiteral("PrefOKBtn"))->click();
        return preferences.result();
    };
    QSignalSpy ended(dialog, &PowerDesignerDialog::sweepEnded);
    QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("PDGoBtn")), Qt::LeftButton);
    ASSERT_TRUE(sweepEnds(ended));
    EXPECT_TRUE(QTest::qWaitFor([&] { return s.workspace.design.Friction == QStringLiteral("0.1"); }, 5000));

    EXPECT_TRUE(dialog->lastOutcome().stopped);
    EXPECT_EQ(frictions, (std::vector<QString>{"0.05", "0.05"}));
    EXPECT_EQ(dialog->lastResult()->cells.size(), 2u);
    EXPECT_TRUE(dialog->statusLabel()->text().contains(QStringLiteral("The sweep stopped when a dialog opened.")))
        << dialog->statusLabel()->text().toStdString();
    // The new friction is a step of its own after the sweep's, not one inside it.
    w.Undo();
    EXPECT_EQ(s.workspace.design.Friction, QStringLiteral("0.05"));
}

TEST(Playback, ResizesDuringTheEntireCycleRefreshOnceEachAndTheCyclePlaysToItsEnd)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.DesignListClick(1);
    w.VPDynamic();
    // The window's own resize after start-up refreshes once; it comes before the cycle here.
    QApplication::processEvents();
    w.player().setImmediate(false);
    const size_t before = refreshLog(w).size();
    w.views().ToEndDynamicBtnClick();
    ASSERT_TRUE(w.player().busy());
    const QSize size = w.size();
    for (int i = 1; i <= 5; ++i) {
        QResizeEvent resize(size - QSize(i, i), size);
        QApplication::sendEvent(&w, &resize);
        QTest::qWait(5);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.player().busy(); }, 20000));
    const std::vector<SheetMode> log(refreshLog(w).begin() + long(before), refreshLog(w).end());
    EXPECT_EQ(log, std::vector<SheetMode>(6, SheetMode::Simulate));
    EXPECT_TRUE(s.workspace.simulation.shownFrame.final);
    EXPECT_TRUE(s.workspace.simulation.RewindEnabled);
}

} // namespace
} // namespace zindle::test
