// SPDX-License-Identifier: GPL-3.0-or-later
// The design journal on this screen: a design opened with a journal of a dozen versions (two
// short of 15 ft, some with notes), simulated once more, and the Journal window's list and
// chart beside the window.

#include "ShotSupport.h"

#include "files/JournalFile.h"
#include "shell/JournalView.h"
#include "shell/WindowRefreshHooks.h"
#include "support/ClassFolder.h"

#include <QScreen>
#include <QTableWidget>
#include <QTimeZone>

namespace zindle::test {
namespace {

TEST(JournalShots, JournalListAndChartOnThisScreen)
{
    QTemporaryDir dir;
    const QString racer = writeClassDesign(dir.path(), QStringLiteral("racer.zndl"), QStringLiteral("Racer"), 0);
    DesignJournal journal;
    journal.designName = QStringLiteral("Racer");
    const double times[] = {2.41, 2.30, 0, 2.12, 2.05, 2.09, 1.96, 0, 1.88, 1.84, 1.86, 1.79};
    const char *notes[] = {"first build", "", "front wheel 1.25 in: too small", "", "spring 40 in", "", "",
                           "lighter body, rubbed", "", "", "wider tread", "sanded axles"};
    for (int i = 0; i < 12; ++i) {
        JournalVersion v;
        v.when = QDateTime(QDate(2026, 12, 7 + i / 4), QTime(9, 5 + 7 * (i % 4)), QTimeZone::utc());
        v.design = QByteArray::number(i);
        v.reaches15ft = times[i] > 0;
        v.timeS = times[i] > 0 ? times[i] : 1.2;
        v.massLb = 0.26 - 0.003 * i;
        v.note = QString::fromUtf8(notes[i]);
        journal.versions.push_back(v);
    }
    ASSERT_TRUE(WriteJournal(JournalPathOf(racer), journal).ok);

    StartedWindow s;
    MainWindow &w = s.w();
    QScreen *screen = w.screen();
    const QString size = QStringLiteral("%1x%2").arg(screen->size().width()).arg(screen->size().height());
    w.setWindowState(Qt::WindowNoState);
    w.move(screen->availableGeometry().topLeft());
    w.resize(screen->availableGeometry().size() - QSize(0, 30));
    ASSERT_TRUE(w.OpenDesignFile(racer));
    w.VPDynamic();
    w.views().ToEndDynamicBtnClick();
    w.action(QStringLiteral("JournalPos"))->trigger();
    QWidget *shown = w.journal().journalWindow();
    ASSERT_TRUE(shown);
    const QRect free = screen->availableGeometry();
    shown->setGeometry(free.right() - std::min(720, free.width() / 2), free.top() + 40, std::min(700, free.width() / 2),
                       std::min(620, free.height() - 80));
    // The run just made is the thirteenth version, in the list and beside the design.
    EXPECT_EQ(shown->findChild<QTableWidget *>(QStringLiteral("JournalTable"))->rowCount(), 13);
    EXPECT_EQ(ReadJournal(JournalPathOf(racer)).journal.versions.size(), 13u);
    QApplication::processEvents();
    saveShot(shown, QStringLiteral("journal-") + size);
    EXPECT_TRUE(screen->grabWindow(0).save(shotFolder() + QStringLiteral("/journal-screen-") + size +
                                           QStringLiteral(".png")));
}

} // namespace
} // namespace zindle::test
