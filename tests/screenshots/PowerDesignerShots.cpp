// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the Power Designer: in the middle of a sweep (its progress bar), and after the
// 50 x 50 sweep of the Default Design over drive wheel diameter and spring length with its
// design map, beside the window showing Simulate for the combination it holds. Run by
// scripts/screenshots.sh, not by ctest.

#include "ShotSupport.h"

#include "dialogs/DesignMapView.h"
#include "dialogs/PowerDesignerDialog.h"
#include "shell/WindowRefreshHooks.h"

#include <QAction>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace zindle::test {
namespace {

void setRanges(PowerDesignerDialog *pd, const char *const (&texts)[9])
{
    const char *names[] = {"DWFromEF", "DWToEF", "DWStepEF", "SLFromEF", "SLToEF",
                           "SLStepEF", "SWFromEF", "SWToEF", "SWStepEF"};
    for (int i = 0; i < 9; ++i)
        pd->field(QLatin1String(names[i]))->setText(QLatin1String(texts[i]));
}

TEST(PowerDesignerScreenshots, MidSweepAndTheDesignMapOfFiftyByFifty)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.setWindowState(Qt::WindowNoState);
    w.resize(1180, 800);
    QApplication::processEvents();
    w.action(QStringLiteral("PowerDesignerPos"))->trigger();
    PowerDesignerDialog *pd = w.views().powerDesigner();
    QPushButton *go = pd->findChild<QPushButton *>(QStringLiteral("PDGoBtn"));
    QSignalSpy ended(pd, &PowerDesignerDialog::sweepEnded);

    // A long sweep, caught with its bar part filled.
    setRanges(pd, {"4", "7.5", "0.01", "10", "240", "1", "1.5", "1.5", "1.5"});
    go->click();
    QTRY_VERIFY_WITH_TIMEOUT(pd->progressBar()->value() > pd->progressBar()->maximum() / 20, 30000);
    saveShot(pd, QStringLiteral("power-designer-sweeping"));
    pd->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(20000));
    saveShot(pd, QStringLiteral("power-designer-stopped"));

    // The 50 x 50 map of the Default Design.
    w.Undo();
    ended.clear();
    setRanges(pd, {"4", "7.5", "0.0715", "24", "48", "0.49", "1.5", "1.5", "1.5"});
    go->click();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(20000));
    saveShot(pd, QStringLiteral("power-designer-map-50x50"));
    saveShot(&w, QStringLiteral("power-designer-main-after-sweep"));

    // The best cell under the mouse, its tooltip drawn into the picture (tooltips are windows
    // of their own, which a grab of the dialog does not take).
    DesignMapView *map = pd->designMap();
    const QPointF best = map->cellCentre(map->grid()->best);
    QPixmap picture = map->grab();
    {
        QPainter painter(&picture);
        const QString tip = map->toolTipAt(best);
        const QRect box = painter.fontMetrics().boundingRect(QRect(0, 0, 400, 200), Qt::TextWordWrap, tip)
                              .adjusted(-4, -3, 4, 3)
                              .translated(best.toPoint() + QPoint(12, 12));
        painter.fillRect(box, QColor(255, 255, 225));
        painter.setPen(Qt::black);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        painter.drawText(box.adjusted(4, 3, -4, -3), Qt::TextWordWrap, tip);
    }
    EXPECT_TRUE(picture.save(shotFolder() + QStringLiteral("/power-designer-map-tooltip.png")));
}

// The default sweep (one range varies) on the screen the program runs on: run it under
// xvfb-run at 1600x1000 and at 1024x600. The whole screen is taken too, to see that the dialog
// fits it.
TEST(PowerDesignerScreenshots, TheDefaultSweepOnThisScreen)
{
    StartedWindow s;
    MainWindow &w = s.w();
    QScreen *screen = w.screen();
    const QString size = QStringLiteral("%1x%2").arg(screen->size().width()).arg(screen->size().height());
    w.setWindowState(Qt::WindowNoState);
    w.resize(screen->availableGeometry().size() - QSize(0, 30));
    QApplication::processEvents();
    w.action(QStringLiteral("PowerDesignerPos"))->trigger();
    PowerDesignerDialog *pd = w.views().powerDesigner();
    saveShot(pd, QStringLiteral("power-designer-before-go-") + size);
    QSignalSpy ended(pd, &PowerDesignerDialog::sweepEnded);
    pd->findChild<QPushButton *>(QStringLiteral("PDGoBtn"))->click();
    // The student goes to Build while the sweep runs.
    w.VPBuild();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(20000));
    saveShot(pd, QStringLiteral("power-designer-default-sweep-") + size);
    QApplication::processEvents();
    EXPECT_TRUE(screen->grabWindow(0).save(shotFolder() + QStringLiteral("/power-designer-screen-") + size
                                            + QStringLiteral(".png")));
    // A long sweep after it, caught running: the map above is the previous sweep's.
    setRanges(pd, {"4", "7.5", "0.01", "10", "240", "1", "1.5", "1.5", "1.5"});
    ended.clear();
    pd->findChild<QPushButton *>(QStringLiteral("PDGoBtn"))->click();
    QTRY_VERIFY_WITH_TIMEOUT(pd->progressBar()->value() > 0, 30000);
    saveShot(pd, QStringLiteral("power-designer-second-sweep-") + size);
    pd->findChild<QPushButton *>(QStringLiteral("Button1"))->click();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(20000));
    setRanges(pd, {"4", "7.5", "0.5", "36", "36", "4", "1.5", "1.5", "1.5"});
    // A new sweep of all three sizes: no map, the dialog small again.
    pd->field(QStringLiteral("SWFromEF"))->setText(QStringLiteral("1"));
    pd->field(QStringLiteral("SLFromEF"))->setText(QStringLiteral("32"));
    ended.clear();
    pd->findChild<QPushButton *>(QStringLiteral("PDGoBtn"))->click();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(20000));
    saveShot(pd, QStringLiteral("power-designer-no-map-") + size);
}

} // namespace
} // namespace zindle::test
