// SPDX-License-Identifier: GPL-3.0-or-later
// Race day on this screen: the race-day window halfway through a 12-car event on four lanes,
// with the page for phones served, and the projector view at 1920x1080.

#include "ShotSupport.h"

#include "dialogs/HeatEntryPanel.h"
#include "dialogs/RaceDayWindow.h"
#include "app/EventServer.h"
#include "physics/RaceDay.h"
#include "support/ClassFolder.h"
#include "support/ScriptedPrompter.h"

#include <QLineEdit>
#include <QScreen>
#include <QTest>

namespace zindle::test {
namespace {

TEST(RaceDayShots, TheWindowMidRaceAndTheProjector)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("class")));
    const char *const names[] = {"Red Comet", "Blue Arrow", "Thunder", "Snail Mail", "Zoom", "Rocket",
                                 "Flat Out", "Green Bean", "Pocket", "Tortoise", "Gecko", "Dash"};
    for (int i = 0; i < 12; ++i)
        writeClassDesign(dir.filePath(QStringLiteral("class")), QStringLiteral("car%1.zndl").arg(i, 2, 10, QLatin1Char('0')),
                         QLatin1String(names[i]), i * 7);
    ScriptedPrompter prompter;
    WorkerPool workers;
    RaceDayWindow window(workers, prompter);
    RaceEvent settings;
    settings.title = QStringLiteral("Room 12 spring race");
    settings.track = QStringLiteral("Gym, lane tape");
    settings.roster = dir.filePath(QStringLiteral("class"));
    settings.lanes = 4;
    settings.blocked = {false, false, false, false};
    settings.joinCode = QStringLiteral("4821");
    ASSERT_TRUE(window.createEvent(dir.filePath(QStringLiteral("race.zevent")), settings));
    QTRY_VERIFY_WITH_TIMEOUT(!window.forecasting(), 60000);
    QScreen *screen = window.screen();
    const QString size = QStringLiteral("%1x%2").arg(screen->size().width()).arg(screen->size().height());
    window.move(screen->availableGeometry().topLeft());
    window.resize(screen->availableGeometry().size().boundedTo(QSize(1400, 900)) - QSize(0, 40));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // Five heats at the keyboard, the sixth half typed.
    const char *const heats[] = {"155162148171", "160d152166", "149158163170", "151156d168", "147161159165"};
    for (const char *heat : heats) {
        for (const char *key = heat; *key; ++key)
            QTest::keyClick(QApplication::focusWidget(), *key);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("153"));
    ASSERT_TRUE(window.startServing(0));
    saveShot(&window, QStringLiteral("race-day-window-") + size);

    QImage projector(1920, 1080, QImage::Format_RGB32);
    QPainter painter(&projector);
    paintProjectorPage(painter, projector.rect(), window.projectorState());
    painter.end();
    EXPECT_TRUE(projector.save(shotFolder() + QStringLiteral("/race-day-projector-1920x1080.png")));
}

} // namespace
} // namespace zindle::test
