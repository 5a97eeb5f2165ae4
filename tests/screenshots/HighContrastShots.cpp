// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet in its high-contrast colours: the modes that paint it, at a large window and at a
// small laptop screen, so that its texts and outlines can be checked by eye.

#include "ShotSupport.h"

#include <QAction>

namespace zindle::test {
namespace {

TEST(Screenshots, HighContrastSheetInEveryPaintedMode)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.setWindowState(Qt::WindowNoState);
    w.action(QStringLiteral("HighContrastSheetPos"))->trigger();
    ASSERT_TRUE(s.workspace.highContrastSheet);
    // Several designs on the track: each one simulated once.
    for (int design : {0, 2, 1}) {
        w.DesignListClick(design);
        w.VPDynamic();
        QApplication::processEvents();
    }
    const std::pair<void (MainWindow::*)(), const char *> modes[] = {{&MainWindow::VPSet, "1-design"},
                                                                     {&MainWindow::VPProperties, "4-analyze"},
                                                                     {&MainWindow::VPDynamic, "5-simulate"},
                                                                     {&MainWindow::VPRace, "6-race"}};
    for (const QSize size : {QSize(1600, 1000), QSize(1024, 600)}) {
        w.resize(size);
        QApplication::processEvents();
        for (const auto &[enter, name] : modes) {
            (w.*enter)();
            QApplication::processEvents();
            saveShot(&w, QStringLiteral("contrast-%1-%2x%3").arg(QLatin1String(name)).arg(size.width()).arg(size.height()));
        }
    }
}

} // namespace
} // namespace zindle::test
