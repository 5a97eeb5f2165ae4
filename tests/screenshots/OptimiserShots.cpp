// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the optimiser window in the middle of a search and when it is done (the best
// designs and the map with the searches' ways), at the wide screen and a small laptop's.
// Run by scripts/screenshots.sh, not by ctest.

#include "ShotSupport.h"

#include "dialogs/OptimiserDialog.h"
#include "shell/OptimiserView.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

namespace zindle::test {
namespace {

TEST(OptimiserScreenshots, MidSearchAndDoneAtEachSize)
{
    StartedWindow s;
    s.w().action(QStringLiteral("OptimiserPos"))->trigger();
    OptimiserDialog *dialog = s.w().optimiser().optimiser();
    QPushButton *start = dialog->findChild<QPushButton *>(QStringLiteral("OptimiserStartBtn"));
    QPushButton *stop = dialog->findChild<QPushButton *>(QStringLiteral("OptimiserStopBtn"));
    for (const QSize size : {QSize(1600, 1000), QSize(1024, 700)}) {
        const QString suffix = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        dialog->resize(size);
        QSignalSpy ended(dialog, &OptimiserDialog::searchEnded);
        dialog->evaluationsField()->setValue(100000);
        start->click();
        QTRY_VERIFY_WITH_TIMEOUT(dialog->statusLabel()->text().contains(QStringLiteral("best")), 30000);
        saveShot(dialog, QStringLiteral("optimiser-searching-") + suffix);
        stop->click();
        ASSERT_TRUE(ended.count() == 1 || ended.wait(30000));
        ended.clear();
        dialog->evaluationsField()->setValue(0);
        start->click();
        ASSERT_TRUE(ended.count() == 1 || ended.wait(60000));
        saveShot(dialog, QStringLiteral("optimiser-done-") + suffix);
    }
}

} // namespace
} // namespace zindle::test
