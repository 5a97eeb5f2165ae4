// SPDX-License-Identifier: GPL-3.0-or-later
// "Results in Detail": every result field with its value as the last refresh left it, kept up
// to date while open, and each caption with a help page opening it.

#include "GuiTestSupport.h"

#include "dialogs/ResultDetailsWindow.h"
#include "shell/WindowRefreshHooks.h"
#include "physics/ResultFieldTable.h"

#include <QAction>
#include <QLabel>
#include <QTableWidget>

namespace zindle::test {
namespace {

int rowOf(const char *name)
{
    const std::span<const ResultFieldRow> rows = resultFieldTable();
    for (size_t i = 0; i < rows.size(); ++i)
        if (QLatin1String(rows[i].name) == QLatin1String(name))
            return static_cast<int>(i);
    return -1;
}

TEST(ResultDetails, ShowsEveryFieldOfTheLastRefreshAndFollowsTheNext)
{
    StartedWindow s;
    MainWindow &w = s.w();
    w.VPProperties();
    w.action(QStringLiteral("ResultDetailsPos"))->trigger();
    ResultDetailsWindow *details = w.resultDetails();
    ASSERT_TRUE(details->isVisible());
    QTableWidget *table = details->table();
    const std::span<const ResultFieldRow> rows = resultFieldTable();
    ASSERT_EQ(table->rowCount(), static_cast<int>(rows.size()));
    for (int i = 0; i < table->rowCount(); ++i) {
        const ResultFieldRow &row = rows[static_cast<size_t>(i)];
        EXPECT_EQ(table->item(i, 0)->text(), QString::fromUtf8(row.shownCaption())) << row.name;
        EXPECT_EQ(table->item(i, 1)->text(), row.value(s.workspace.design, s.workspace.results)) << row.name;
        if (row.parameter != &DesignRecord::DriveWhlDia) {
            EXPECT_EQ(table->item(i, 2)->text(), QString::fromUtf8(row.hint)) << row.name;
        }
    }
    // The sizes name their part; the default car's 4.80 in wheel is the one its case asks for.
    const int wheelRow = rowOf("DriveWhlDiaEF");
    EXPECT_EQ(table->item(wheelRow, 0)->text(), "Drive wheel dia (in)");
    EXPECT_EQ(table->item(rowOf("SpringLengthEF"), 0)->text(), "Spring length (in)");
    EXPECT_EQ(table->item(wheelRow, 2)->text(), "Drive wheel diameter, enlarged to fit the spring case");
    s.workspace.design.DriveWhlDia = QStringLiteral("6");
    w.VPProperties();
    EXPECT_EQ(table->item(wheelRow, 2)->text(), "Drive wheel diameter");
    // The numbers no panel shows are there.
    const int caseRow = rowOf("CaseIDEF");
    ASSERT_GE(caseRow, 0);
    EXPECT_EQ(table->item(caseRow, 1)->text(), s.workspace.results.CaseIDEF);
    EXPECT_FALSE(s.workspace.results.CaseIDEF.isEmpty());
    // The end speed is called what it is here; the highest speed has a row of its own.
    EXPECT_EQ(table->item(rowOf("TopSpeedEF"), 0)->text(), "Speed at the end of the run (ft/sec)");
    EXPECT_EQ(table->item(rowOf("PeakSpeedEF"), 0)->text(), "Peak speed (ft/sec)");

    // A run fills the run's fields while the window is open.
    const int timeRow = rowOf("TimeEF");
    ASSERT_GE(timeRow, 0);
    w.VPDynamic();
    w.views().ToEndDynamicBtnClick();
    EXPECT_FALSE(s.workspace.results.TimeEF.isEmpty());
    EXPECT_EQ(table->item(timeRow, 1)->text(), s.workspace.results.TimeEF);
    details->grab().save(shotFolder() + QStringLiteral("/result-details.png"));
}

TEST(ResultDetails, ShowNoNumbersOfAnotherDesignOrOfAnEarlierState)
{
    StartedWindow s;
    MainWindow &w = s.w();
    QTableWidget *table = w.resultDetails()->table();
    QLabel *notice = w.resultDetails()->notice();
    const int timeRow = rowOf("TimeEF"), massRow = rowOf("ProjectedMassEF"), lengthRow = rowOf("SpringLengthEF");
    ASSERT_GE(timeRow, 0);
    ASSERT_GE(massRow, 0);
    ASSERT_GE(lengthRow, 0);
    w.DesignListClick(1);
    w.VPDynamic();
    const ResultFields racer = s.workspace.results;
    w.DesignListClick(2);
    w.VPDynamic();
    w.ShowResultDetails();
    EXPECT_FALSE(notice->isVisible());
    EXPECT_EQ(table->item(massRow, 1)->text(), s.workspace.results.ProjectedMassEF);

    // Racer again: the fields still hold the Pickup's numbers, which are not shown as Racer's.
    w.DesignListClick(1);
    EXPECT_TRUE(notice->isVisible());
    EXPECT_TRUE(notice->text().startsWith(QStringLiteral("No results of Racer as it stands yet")));
    EXPECT_EQ(table->item(massRow, 1)->text(), QString());
    EXPECT_EQ(table->item(timeRow, 1)->text(), QString());
    EXPECT_EQ(table->item(lengthRow, 1)->text(), s.workspace.design.SpringLength);

    // Analysed, not run: its own masses, no time.
    w.VPProperties();
    EXPECT_EQ(table->item(massRow, 1)->text(), s.workspace.results.ProjectedMassEF);
    EXPECT_FALSE(table->item(massRow, 1)->text().isEmpty());
    EXPECT_EQ(table->item(timeRow, 1)->text(), QString());
    EXPECT_TRUE(notice->text().contains(QStringLiteral("press Simulate")));
    w.VPDynamic();
    EXPECT_FALSE(notice->isVisible());
    EXPECT_EQ(table->item(timeRow, 1)->text(), racer.TimeEF);
    EXPECT_EQ(table->item(massRow, 1)->text(), racer.ProjectedMassEF);
}

TEST(ResultDetails, ActivatingACaptionWithAHelpPageOpensIt)
{
    StartedWindow s;
    s.w().ShowResultDetails();
    QTableWidget *table = s.w().resultDetails()->table();
    const int massRow = rowOf("ProjectedMassEF");
    const int caseRow = rowOf("CaseIDEF"); // no page of its own
    ASSERT_GE(massRow, 0);
    ASSERT_GE(caseRow, 0);
    emit table->cellActivated(caseRow, 0);
    EXPECT_TRUE(s.urls.empty());
    emit table->cellActivated(massRow, 0);
    ASSERT_EQ(s.urls.size(), 1u);
    EXPECT_TRUE(s.urls[0].endsWith(QStringLiteral("help/help/h-totalmass.html")));
}

} // namespace
} // namespace zindle::test
