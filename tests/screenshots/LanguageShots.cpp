// SPDX-License-Identifier: GPL-3.0-or-later
// The window in German, Spanish and French, whose words run longer than the English ones: the Design
// mode with a part selected, the Analyze and Simulate strips, the run charts and the Modes menu, at a large window and at a small laptop screen,
// to be checked by eye for clipped captions.

#include "ShotSupport.h"
#include "app/Language.h"
#include "dialogs/ChartWindow.h"
#include "shell/ChartViews.h"
#include "shell/DesignPanel.h"

#include <QMenu>
#include <QMenuBar>
#include <QTranslator>

namespace zindle::test {
namespace {

TEST(Screenshots, TheWindowInEachTranslation)
{
    const QString folder = findTranslationsFolder(QCoreApplication::applicationDirPath());
    ASSERT_FALSE(folder.isEmpty());
    for (const char *code : {"de", "es", "fr"}) {
        ASSERT_EQ(installLanguage(*qApp, QLatin1String(code), folder), QString()) << code;
        {
            StartedWindow s;
            MainWindow &w = s.w();
            w.setWindowState(Qt::WindowNoState);
            w.findChild<DesignPanel *>()->SelectPart(5);
            const std::pair<void (MainWindow::*)(), const char *> modes[] = {
                {&MainWindow::VPSet, "design"}, {&MainWindow::VPProperties, "analyze"}, {&MainWindow::VPDynamic, "simulate"}};
            for (const QSize size : {QSize(1600, 1000), QSize(1024, 700)}) {
                w.resize(size);
                for (const auto &[enter, mode] : modes) {
                    (w.*enter)();
                    QApplication::processEvents();
                    saveShot(&w, QStringLiteral("language-%1-%2-%3x%4")
                                     .arg(QLatin1String(code), QLatin1String(mode))
                                     .arg(size.width())
                                     .arg(size.height()));
                }
            }
            // The charts' titles, axes and legends, where a longer word may overrun the plot.
            w.resize(1180, 800);
            w.VPDynamic();
            w.charts().ShowRunCharts();
            QApplication::processEvents();
            saveShot(w.charts().runCharts(), QStringLiteral("language-%1-run-charts").arg(QLatin1String(code)));
            w.charts().runCharts()->close();
            QMenu *modesMenu = w.menuBar()->actions().value(3)->menu();
            modesMenu->popup(w.mapToGlobal(QPoint(0, 0)));
            saveShot(modesMenu, QStringLiteral("language-%1-modes-menu").arg(QLatin1String(code)));
            modesMenu->close();
        }
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
}

} // namespace
} // namespace zindle::test
