// SPDX-License-Identifier: GPL-3.0-or-later
// The race-day windows' and the class results' texts, bracketed: an event with a heat recorded,
// the projector, the new-event form and a ranked class folder with a file that cannot be read.
// Table cells, the lane rows' car names and the award titles are the event's or the model's and
// are not walked here.

#include "dialogs/ClassResultsDialog.h"
#include "dialogs/HeatEntryPanel.h"
#include "dialogs/NewEventDialog.h"
#include "dialogs/ProjectorWindow.h"
#include "dialogs/RaceDayWindow.h"
#include "support/ClassFolder.h"
#include "support/PseudoTranslation.h"
#include "support/ScriptedPrompter.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zindle::test {
namespace {

void comboItems(TranslationWalk &walk, const QComboBox *combo, int from = 0)
{
    for (int i = from; i < combo->count(); ++i)
        walk.check(combo->objectName() + QStringLiteral(" item"), combo->itemText(i));
}

TEST(RaceDayTranslation, TheRaceDayWindowsAndClassResultsSpeakThroughTheTranslations)
{
    const BracketedTexts bracketed;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("class"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("class")));
    writeClassFolder(folder, 5);
    WorkerPool workers;
    ScriptedPrompter prompter;
    TranslationWalk walk;

    RaceDayWindow window(workers, prompter);
    walk.visibleWidgets(&window);
    RaceEvent settings;
    settings.title = QStringLiteral("Spring race");
    settings.track = QStringLiteral("Gym");
    settings.roster = folder;
    settings.lanes = 3;
    settings.blocked = {false, true, false};
    ASSERT_TRUE(window.createEvent(dir.filePath(QStringLiteral("race.zevent")), settings));
    window.show();
    ASSERT_TRUE(window.entry()->timeField(0) && window.entry()->timeField(2));
    window.entry()->timeField(0)->setText(QStringLiteral("155"));
    window.entry()->timeField(2)->setText(QStringLiteral("D"));
    window.RecordClick();
    ASSERT_EQ(window.entry()->heat(), 1) << prompter.messages().join('\n').toStdString();
    window.RerunClick();
    window.ProjectorClick();
    // The lane rows name the cars; the awards are the model's titles.
    for (QLabel *label : window.findChildren<QLabel *>())
        if (label->objectName().isEmpty() && label->text().startsWith(QLatin1String("car"), Qt::CaseInsensitive))
            label->hide();
    window.awardsText()->hide();
    walk.visibleWidgets(&window);
    ASSERT_TRUE(window.entry()->timeField(0));
    walk.check(QStringLiteral("LaneTime placeholder"), window.entry()->timeField(0)->placeholderText());
    walk.check(QStringLiteral("LaneTime name"), window.entry()->timeField(0)->accessibleName());
    for (const QString &message : prompter.messages())
        walk.check(QStringLiteral("RaceDay message"), message);
    const ProjectorState projected = window.projectorState();
    for (const QString &caption : {projected.nowCaption, projected.deckCaption})
        walk.check(QStringLiteral("Projector caption"), caption);
    auto *projector = window.findChild<ProjectorWindow *>();
    ASSERT_TRUE(projector);
    walk.check(QStringLiteral("ProjectorWindow title"), projector->windowTitle());
    projector->close();

    NewEventDialog form;
    form.show();
    walk.visibleWidgets(&form);
    for (const QLineEdit *field : form.findChildren<QLineEdit *>())
        walk.check(QStringLiteral("NewEvent placeholder"), field->placeholderText());
    for (const QComboBox *combo : form.findChildren<QComboBox *>())
        comboItems(walk, combo);

    QFile broken(QDir(folder).filePath(QStringLiteral("zz-broken.zndl")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a design");
    broken.close();
    ClassResultsDialog results(workers, prompter);
    results.show();
    QSignalSpy shown(&results, &ClassResultsDialog::standingsShown);
    results.showFolder(folder);
    ASSERT_TRUE(shown.wait(60000));
    walk.visibleWidgets(&results);
    const QAbstractItemModel *model = results.table()->model();
    for (int c = 0; c < model->columnCount(); ++c)
        walk.check(QStringLiteral("ClassResultsTable column"), model->headerData(c, Qt::Horizontal).toString());
    // The other items are the logbook's track names.
    walk.check(QStringLiteral("ClassResultsTrack item"), results.findChild<QComboBox *>()->itemText(0));
    prompter.savePaths = {QDir(folder).filePath(QStringLiteral("standings.txt"))};
    results.ExportClick();
    walk.check(QStringLiteral("ClassResults message"), prompter.shown.back().text);

    EXPECT_EQ(walk.failures.join(QLatin1Char('\n')).toStdString(), "");
}

} // namespace
} // namespace zindle::test
