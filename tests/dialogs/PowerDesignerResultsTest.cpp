// SPDX-License-Identifier: GPL-3.0-or-later
// What the Power Designer shows around a sweep: the count of combinations before GO, "Use
// best", the previous sweep's results while a new one runs, and the dialog's size on the screen.

#include "../shell/GuiTestSupport.h"

#include "dialogs/DesignMapView.h"
#include "dialogs/PowerDesignerDialog.h"
#include "shell/WindowRefreshHooks.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

namespace zindle::test {
namespace {

struct ResultsFixture {
    StartedWindow s;
    PowerDesignerDialog *dialog = nullptr;
    ResultsFixture()
    {
        s.w().action(QStringLiteral("PowerDesignerPos"))->trigger();
        dialog = s.w().views().powerDesigner();
        QApplication::processEvents();
    }
    QLineEdit *field(const char *name) { return dialog->field(QLatin1String(name)); }
    QPushButton *button(const char *name) { return dialog->findChild<QPushButton *>(QLatin1String(name)); }
    // Wheel from..to by step and length from..to by step, width 1.5.
    void set(const char *wheelTo, const char *wheelStep, const char *lengthTo, const char *lengthStep)
    {
        field("DWToEF")->setText(QLatin1String(wheelTo));
        field("DWStepEF")->setText(QLatin1String(wheelStep));
        field("SLFromEF")->setText(QStringLiteral("24"));
        field("SLToEF")->setText(QLatin1String(lengthTo));
        field("SLStepEF")->setText(QLatin1String(lengthStep));
    }
    bool sweep()
    {
        QSignalSpy ended(dialog, &PowerDesignerDialog::sweepEnded);
        button("PDGoBtn")->click();
        return ended.count() == 1 || ended.wait(20000);
    }
    std::array<QString, 3> sizes() const
    {
        const DesignRecord &d = s.workspace.design;
        return {d.SpringWidth, d.SpringLength, d.DriveWhlDia};
    }
    std::array<QString, 3> best()
    {
        return {field("BestSWYet")->text(), field("BestSLYet")->text(), field("BestDWYet")->text()};
    }
};

TEST(PowerDesignerResults, TheBarCountsTheCombinationsAsTheRangesAreTyped)
{
    ResultsFixture f;
    EXPECT_EQ(f.dialog->progressBar()->text(), QStringLiteral("0 of 8 combinations"));
    QLineEdit *to = f.field("DWToEF");
    to->selectAll();
    QTest::keyClicks(to, QStringLiteral("5"));
    EXPECT_EQ(f.dialog->progressBar()->text(), QStringLiteral("0 of 3 combinations"));
    QTest::keyClicks(to, QStringLiteral("x"));
    EXPECT_EQ(f.dialog->progressBar()->text(), QStringLiteral("The ranges are not valid yet"));
}

TEST(PowerDesignerResults, UseBestPutsTheBestCombinationInAsOneStep)
{
    ResultsFixture f;
    f.set("7.5", "0.5", "48", "12");
    QPushButton *useBest = f.button("UseBestBtn");
    EXPECT_FALSE(useBest->isEnabled());
    ASSERT_TRUE(f.sweep());
    // The design holds the last combination, which is not the best of this grid.
    const std::array<QString, 3> last = f.sizes();
    ASSERT_EQ(last, (std::array<QString, 3>{"1.5", "48", "7.5"}));
    ASSERT_NE(f.best(), last);
    ASSERT_TRUE(useBest->isEnabled());
    const int steps = f.s.w().history().count();
    QTest::mouseClick(useBest, Qt::LeftButton);
    EXPECT_EQ(f.sizes(), f.best());
    EXPECT_EQ(f.s.workspace.results.TimeEF, f.field("BestYet")->text());
    EXPECT_EQ(f.s.w().history().count(), steps + 1);
    EXPECT_FALSE(useBest->isEnabled()); // the design has them now
    EXPECT_EQ(f.s.w().action(QStringLiteral("UndoPos"))->text(), QStringLiteral("Undo Use best combination"));
    f.s.w().action(QStringLiteral("UndoPos"))->trigger();
    EXPECT_EQ(f.sizes(), last);
    EXPECT_TRUE(useBest->isEnabled());
}

TEST(PowerDesignerResults, ANewSweepShowsThePreviousMapAsThePreviousOne)
{
    ResultsFixture f;
    f.set("7.5", "0.5", "48", "12");
    ASSERT_TRUE(f.sweep());
    DesignMapView *map = f.dialog->designMap();
    ASSERT_TRUE(map->isEnabled());
    f.set("7.5", "0.025", "240", "2"); // thousands of combinations: still running below
    f.button("PDGoBtn")->click();
    ASSERT_TRUE(f.dialog->sweeping());
    for (const char *name : {"BestYet", "BestSWYet", "BestSLYet", "BestDWYet"})
        EXPECT_EQ(f.field(name)->text(), QStringLiteral("-")) << name;
    EXPECT_FALSE(map->isEnabled());
    auto *note = f.dialog->findChild<QLabel *>(QStringLiteral("DesignMapNote"));
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().startsWith(QStringLiteral("This map is of the previous sweep"))) << qPrintable(note->text());
    EXPECT_FALSE(f.button("SaveMapBtn")->isEnabled());
    EXPECT_FALSE(f.button("UseBestBtn")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(f.dialog->progressBar()->value() > 0, 10000);
    QSignalSpy ended(f.dialog, &PowerDesignerDialog::sweepEnded);
    f.button("Button1")->click();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(10000));
    EXPECT_TRUE(map->isEnabled());
    EXPECT_TRUE(f.button("SaveMapBtn")->isEnabled());
}

TEST(PowerDesignerResults, TheDialogFitsTheScreenWithItsMapAndShrinksWhenItGoes)
{
    ResultsFixture f;
    const QRect free = f.dialog->screen()->availableGeometry();
    const int withoutMap = f.dialog->height();
    f.set("7.5", "0.5", "48", "12");
    ASSERT_TRUE(f.sweep());
    ASSERT_TRUE(f.dialog->designMap()->isVisible());
    EXPECT_TRUE(free.contains(f.dialog->geometry())) << free.height() << " " << f.dialog->height();
    EXPECT_GT(f.dialog->height(), withoutMap + 150);
    // All three ranges varying: no map, and the dialog as small as before it.
    f.field("SWFromEF")->setText(QStringLiteral("1"));
    ASSERT_TRUE(f.sweep());
    ASSERT_FALSE(f.dialog->designMap()->isVisible());
    // The note that says why there is no map, and the layout's spacing above it, are new.
    EXPECT_LE(f.dialog->height(), withoutMap + f.dialog->findChild<QLabel *>(QStringLiteral("DesignMapNote"))->height() + 12);
}

} // namespace
} // namespace zindle::test
