// "Results in Detail": every result field with its value as the last refresh left it, kept up
// to date while open, and each caption with a help page opening it.

#include "GuiTestSupport.h"

#include "dialogs/ResultDetailsWindow.h"
#include "shell/WindowRefreshHooks.h"
#include "physics/ResultFieldTable.h"

#include <QAction>
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
        EXPECT_EQ(table->item(i, 0)->text(), QString::fromUtf8(row.caption)) << row.name;
        EXPECT_EQ(table->item(i, 1)->text(), row.value(s.workspace.design, s.workspace.results)) << row.name;
        EXPECT_EQ(table->item(i, 2)->text(), QString::fromUtf8(row.hint)) << row.name;
    }
    // The numbers no panel shows are there.
    const int caseRow = rowOf("CaseIDEF");
    ASSERT_GE(caseRow, 0);
    EXPECT_EQ(table->item(caseRow, 1)->text(), s.workspace.results.CaseIDEF);
    EXPECT_FALSE(s.workspace.results.CaseIDEF.isEmpty());

    // A run fills the run's fields while the window is open.
    const int timeRow = rowOf("TimeEF");
    ASSERT_GE(timeRow, 0);
    w.VPDynamic();
    w.views().ToEndDynamicBtnClick();
    EXPECT_FALSE(s.workspace.results.TimeEF.isEmpty());
    EXPECT_EQ(table->item(timeRow, 1)->text(), s.workspace.results.TimeEF);
    details->grab().save(shotFolder() + QStringLiteral("/result-details.png"));
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
