// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis windows' texts, bracketed: each window shown as a student meets it, with what a
// sweep, a slider or a refusal adds. The texts of their models (advisories, a tolerance study's
// sentence, the result fields' captions) and what the charts paint are not walked here.

#include "../shell/GuiTestSupport.h"

#include "dialogs/AdvisoriesWindow.h"
#include "dialogs/ChartWindow.h"
#include "dialogs/DesignMapView.h"
#include "dialogs/PowerDesignerDialog.h"
#include "dialogs/ResultDetailsWindow.h"
#include "dialogs/TolerancesWindow.h"
#include "dialogs/WhatIfWindow.h"
#include "shell/TolerancesView.h"
#include "shell/WhatIfView.h"
#include "shell/WindowRefreshHooks.h"
#include "support/PseudoTranslation.h"

#include <QAction>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace zindle::test {
namespace {

// A number with its unit ("36 in") is a value, not a text to translate.
QStringList wordsAmong(const QStringList &failures)
{
    static const QRegularExpression quantity(QStringLiteral(": -?[0-9.]+ (in|lb)$"));
    QStringList words;
    for (const QString &failure : failures)
        if (!quantity.match(failure).hasMatch())
            words << failure;
    return words;
}

TEST(AnalysisWindowsTranslation, EveryAnalysisWindowSpeaksThroughTheTranslations)
{
    const BracketedTexts bracketed;
    StartedWindow s;
    MainWindow &w = s.w();
    TranslationWalk walk;

    // The Power Designer after a sweep small enough for its map.
    w.action(QStringLiteral("PowerDesignerPos"))->trigger();
    PowerDesignerDialog *designer = w.views().powerDesigner();
    for (const auto &[name, text] : {std::pair{"DWFromEF", "4"}, {"DWToEF", "5"}, {"DWStepEF", "0.5"},
                                     {"SLFromEF", "24"}, {"SLToEF", "36"}, {"SLStepEF", "12"}})
        designer->field(QLatin1String(name))->setText(QLatin1String(text));
    walk.check(QStringLiteral("SweepProgressBar format"), designer->progressBar()->format());
    QSignalSpy ended(designer, &PowerDesignerDialog::sweepEnded);
    designer->GoClick();
    ASSERT_TRUE(ended.count() == 1 || ended.wait(20000));
    ASSERT_TRUE(designer->designMap()->hasMap());
    walk.visibleWidgets(designer);
    const DesignMapView *map = designer->designMap();
    walk.check(QStringLiteral("DesignMapView tip"), map->toolTipAt(map->cellCentre(0)));

    // What If with a slider let go: the offer, and the time now and before.
    w.action(QStringLiteral("WhatIfPos"))->trigger();
    WhatIfWindow *whatIf = w.whatIf().whatIf();
    const auto settled = [whatIf] {
        return QTest::qWaitFor([whatIf] { return !whatIf->computing() && whatIf->shownRun(); }, 20000);
    };
    ASSERT_TRUE(settled());
    const WhatIfRange length = whatIfRange(s.workspace.design, WhatIfKnob::SpringLength, -1);
    whatIf->moveKnob(WhatIfKnob::SpringLength, length.at + 4, true);
    ASSERT_TRUE(settled());
    walk.visibleWidgets(whatIf);
    const auto *weights = whatIf->findChild<QComboBox *>(QStringLiteral("WhatIfWeight"));
    for (int i = 0; i < weights->count(); ++i)
        walk.check(QStringLiteral("WhatIfWeight item"), weights->itemText(i));

    // Build Tolerances, and its refusal of a value out of range.
    w.action(QStringLiteral("TolerancesPos"))->trigger();
    TolerancesWindow *tolerances = w.tolerances().tolerances();
    walk.visibleWidgets(tolerances);
    tolerances->field(0)->setText(QStringLiteral("60"));
    tolerances->RunClick();
    for (const QString &message : s.prompter.messages())
        walk.check(QStringLiteral("Tolerances message"), message);

    w.action(QStringLiteral("ResultDetailsPos"))->trigger();
    walk.visibleWidgets(w.resultDetails());

    // The advisories' lines are the model's; their hints are the window's.
    AdvisoriesWindow *advisories = w.views().advisories();
    walk.visibleWidgets(advisories);
    for (const QLabel *line : advisories->findChildren<QLabel *>())
        walk.check(line->objectName() + QStringLiteral(" hint"), line->toolTip());

    // A chart window's title is its opener's; the design's name joins it.
    ChartWindow chart(QCoreApplication::translate("ChartViews", "Run Charts"), s.prompter, &w);
    chart.showChart(s.workspace.list.current().DesignName, [](QPainter &, const QRectF &) {});
    walk.visibleWidgets(&chart);

    EXPECT_EQ(wordsAmong(walk.failures).join(QLatin1Char('\n')).toStdString(), "");
}

} // namespace
} // namespace zindle::test
