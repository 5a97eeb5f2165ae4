// SPDX-License-Identifier: GPL-3.0-or-later
// The Sensitivity and Build Tolerances windows: each shows what it computed for the design it
// names, computes again for another design, and refuses a tolerance it cannot use.

#include "GuiTestSupport.h"

#include "app/Sensitivity.h"
#include "dialogs/ChartWindow.h"
#include "dialogs/TolerancesWindow.h"
#include "shell/SensitivityView.h"
#include "shell/TolerancesView.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace zindle::test {
namespace {

TEST(UncertaintyWindows, SensitivityFollowsTheCurrentDesign)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.action(QStringLiteral("SensitivityPos"))->trigger();
    ChartWindow *chart = w.sensitivity().sensitivity();
    ASSERT_NE(chart, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.sensitivity().computing() && chart->showsChart(); }, 20000));
    const SensitivityResult expected = ComputeSensitivity(w.workers(), s.workspace);
    EXPECT_EQ(chart->caption(), expected.sentence + QLatin1Char('.'));

    w.DesignListClick(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.sensitivity().computing() && chart->windowTitle().startsWith(QStringLiteral("Racer")); }, 20000));
    EXPECT_EQ(chart->caption(), ComputeSensitivity(w.workers(), s.workspace).sentence + QLatin1Char('.'));
}

TEST(UncertaintyWindows, ToleranceStudyBelongsToItsDesignAndBadValuesAreRefused)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.action(QStringLiteral("TolerancesPos"))->trigger();
    TolerancesWindow *window = w.tolerances().tolerances();
    ASSERT_NE(window, nullptr);
    window->field(0)->setText(QStringLiteral("60"));
    window->RunClick();
    EXPECT_FALSE(window->running());
    EXPECT_EQ(s.prompter.messages(), QStringList{QStringLiteral("The board thickness tolerance is a percentage from 0 to 50.")});

    // The sheet's scale, which the mass analysis counts in, settles once the window is laid out.
    QTest::qWait(300);
    window->field(0)->setText(QStringLiteral("5"));
    window->samplesField()->setText(QStringLiteral("200"));
    window->RunClick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->running(); }, 60000));
    ASSERT_TRUE(window->study());
    EXPECT_EQ(window->study()->builds.size(), 200u);
    EXPECT_TRUE(window->sentence().startsWith(QStringLiteral("Built within these tolerances")));
    EXPECT_TRUE(w.tolerances().band());

    // Another design: the study, its sentence and its band on the run charts go.
    w.DesignListClick(1);
    EXPECT_FALSE(window->study());
    EXPECT_FALSE(w.tolerances().band());
    EXPECT_TRUE(window->sentence().contains(QStringLiteral("Racer")));
}

TEST(UncertaintyWindows, RaceChancesOfTheDesignsThatRaced)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.VPDynamic();
    w.action(QStringLiteral("TolerancesPos"))->trigger();
    TolerancesWindow *window = w.tolerances().tolerances();
    window->samplesField()->setText(QStringLiteral("100"));
    window->findChild<QPushButton *>(QStringLiteral("RaceChancesBtn"))->click();
    EXPECT_EQ(s.prompter.messages().size(), 1); // one design has raced: nobody to beat

    w.DesignListClick(1);
    w.VPDynamic();
    window->findChild<QPushButton *>(QStringLiteral("RaceChancesBtn"))->click();
    QTableWidget *table = window->raceChances();
    ASSERT_TRUE(QTest::qWaitFor([&] { return table->isVisible(); }, 60000));
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->verticalHeaderItem(0)->text(), QStringLiteral("Default design"));
    EXPECT_EQ(table->verticalHeaderItem(1)->text(), QStringLiteral("Racer"));
    const double ab = table->item(0, 1)->text().chopped(2).toDouble(), ba = table->item(1, 0)->text().chopped(2).toDouble();
    EXPECT_NEAR(ab + ba, 100.0, 1.0);
    // A change of the design changes the race: the chances go.
    w.DesignListClick(0);
    EXPECT_FALSE(table->isVisible());
}

} // namespace
} // namespace zindle::test
