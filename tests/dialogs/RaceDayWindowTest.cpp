// SPDX-License-Identifier: GPL-3.0-or-later
// The race-day window: a heat typed at the keyboard in its digits and one Enter is in the event
// file and the logbook at once, a recorded heat runs again, a phone's heat shows here, and the
// model's and the students' times stand beside the measured ones.

#include "dialogs/HeatEntryPanel.h"
#include "dialogs/RaceDayWindow.h"
#include "app/EventServer.h"
#include "files/EventFile.h"
#include "files/Logbook.h"
#include "support/ClassFolder.h"
#include "support/HttpExchange.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace zindle;
using zindle::test::ScriptedPrompter;

namespace {

class RaceDayWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("class")));
        test::writeClassFolder(dir.filePath(QStringLiteral("class")), 8);
        Logbook logbook;
        LoggedDesign guessed;
        guessed.name = QStringLiteral("Car 000");
        guessed.file = QStringLiteral("car000.zndl");
        guessed.predictionS = 1.6;
        logbook.designs.push_back(guessed);
        ASSERT_TRUE(WriteLogbook(dir.filePath(QStringLiteral("class/zindle-log.json")), logbook).ok);
        RaceEvent settings;
        settings.title = QStringLiteral("Spring race");
        settings.track = QStringLiteral("Gym");
        settings.roster = dir.filePath(QStringLiteral("class"));
        settings.lanes = 4;
        settings.blocked = {false, false, false, false};
        settings.joinCode = QStringLiteral("2468");
        path = dir.filePath(QStringLiteral("race.zevent"));
        ASSERT_TRUE(window.createEvent(path, settings)) << qPrintable(prompter.messages().join('\n'));
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Every key goes to whatever has the focus, as the timekeeper's keyboard does.
    void type(const QString &keys)
    {
        for (QChar key : keys)
            QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    }
    void enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

    RaceEvent saved() const { return ReadEvent(path).event; }
    int loggedRuns() const
    {
        int runs = 0;
        for (const LoggedDesign &design : ReadLogbook(dir.filePath(QStringLiteral("class/zindle-log.json"))).logbook.designs)
            runs += static_cast<int>(design.runs.size());
        return runs;
    }
    QString standingsCell(const QString &car, int column) const
    {
        for (int row = 0; row < window.standingsTable()->rowCount(); ++row)
            if (window.standingsTable()->item(row, 1)->text() == car)
                return window.standingsTable()->item(row, column)->text();
        return {};
    }

    QTemporaryDir dir;
    QString path;
    ScriptedPrompter prompter;
    WorkerPool workers;
    RaceDayWindow window{workers, prompter};
};

} // namespace

TEST_F(RaceDayWindowTest, AHeatTakesItsDigitsAndOneEnterAndIsSavedAndLoggedAtOnce)
{
    ASSERT_EQ(window.entry()->heat(), 0);
    // Four lanes: three times and a DNF, one Enter.
    type(QStringLiteral("155d1621.70"));
    EXPECT_EQ(QApplication::focusWidget(), window.entry()->timeField(3));
    enter();
    const std::vector<std::optional<double>> first{1.55, std::nullopt, 1.62, 1.70};
    EXPECT_EQ(saved().heats[0].times, first);
    EXPECT_EQ(loggedRuns(), 3);
    EXPECT_EQ(window.entry()->heat(), 1);
    EXPECT_TRUE(window.findChild<QLabel *>(QStringLiteral("OnDeck"))->text().startsWith("Heat 3, lanes 1 to 4: "));

    // What is not a time is refused and nothing is written.
    type(QStringLiteral("1-5"));
    enter();
    ASSERT_FALSE(prompter.messages().isEmpty());
    EXPECT_EQ(prompter.messages().last(), "Lane 1: \"1-5\" is no time: type the seconds with a period (1.55), or three "
                                          "digits for hundredths (155), or D for a car that did not finish.");
    EXPECT_FALSE(saved().heats[1].recorded);

    // The first heat run again: its new times replace the old, in the logbook too.
    window.heatsTable()->setCurrentCell(0, 0);
    window.RerunClick();
    ASSERT_EQ(window.entry()->heat(), 0);
    EXPECT_EQ(window.entry()->timeField(0)->text(), "1.55");
    type(QStringLiteral("149"));
    enter();
    EXPECT_DOUBLE_EQ(*saved().heats[0].times[0], 1.49);
    EXPECT_EQ(saved().heats[0].reruns, 1);
    EXPECT_EQ(loggedRuns(), 3);
    EXPECT_EQ(window.entry()->heat(), 1);

    // A file that cannot be read is said, and the race shown stays.
    QFile broken(dir.filePath(QStringLiteral("broken.zevent")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly) && broken.write("{") == 1);
    broken.close();
    EXPECT_FALSE(window.openEvent(broken.fileName()));
    EXPECT_EQ(window.eventPath(), path);
}

TEST_F(RaceDayWindowTest, APhonesHeatShowsHereAndTheModelsAndStudentsTimesStandBesideTheMeasured)
{
    ASSERT_TRUE(window.startServing(0));
    const QString status = window.statusLine()->text();
    EXPECT_TRUE(status.contains(QStringLiteral(":%1/").arg(window.server()->port()))) << qPrintable(status);
    EXPECT_TRUE(status.endsWith("with the join code 2468.")) << qPrintable(status);
    const test::HttpAnswer answer =
        test::exchange(window.server()->port(), test::post(1, R"({"code": "2468", "times": [1.5, 1.6, 1.7, 1.8]})"));
    ASSERT_EQ(answer.status, 200) << answer.body.constData();
    EXPECT_EQ(window.entry()->heat(), 1);
    EXPECT_EQ(loggedRuns(), 4);
    EXPECT_TRUE(window.statusLine()->text().startsWith("Heat 1 was entered from a phone."));
    EXPECT_TRUE(window.awardsText()->text().startsWith("Fastest run: "));

    QTRY_VERIFY_WITH_TIMEOUT(!window.forecasting(), 60000);
    EXPECT_EQ(standingsCell(QStringLiteral("Car 000"), 7), "1.60 s");
    EXPECT_EQ(standingsCell(QStringLiteral("Car 001"), 7), "-");
    for (int row = 0; row < window.standingsTable()->rowCount(); ++row)
        EXPECT_TRUE(window.standingsTable()->item(row, 6)->text().endsWith(" s"));
    window.stopServing();
    EXPECT_EQ(window.server(), nullptr);

    // The race's runs are the logbook's runs on the event's track: one click calibrates.
    window.CalibrateClick();
    QTRY_VERIFY_WITH_TIMEOUT(!window.calibrating(), 60000);
    EXPECT_TRUE(window.statusLine()->text().startsWith("On Gym your cars behave as if")) << qPrintable(window.statusLine()->text());
    EXPECT_NE(ReadLogbook(dir.filePath(QStringLiteral("class/zindle-log.json"))).logbook.calibrationOf("Gym"), nullptr);
    QTRY_VERIFY_WITH_TIMEOUT(window.standingsCaption()->text().startsWith("Standings (simulated times calibrated for Gym: "), 60000);
}

TEST_F(RaceDayWindowTest, ALateCarComesFromTheClassFolderAndAWithdrawnCarKeepsItsTimes)
{
    type(QStringLiteral("150151152153"));
    enter();
    QTemporaryDir elsewhere;
    prompter.openPaths.push_back(test::writeClassDesign(elsewhere.path(), QStringLiteral("stray.zndl"), QStringLiteral("Stray"), 3));
    window.LateEntryClick();
    EXPECT_TRUE(prompter.messages().last().startsWith("A late car races from the event's class folder, "));
    prompter.openPaths.push_back(
        test::writeClassDesign(dir.filePath(QStringLiteral("class")), QStringLiteral("late.zndl"), QStringLiteral("Late"), 4));
    window.LateEntryClick();
    ASSERT_EQ(saved().cars.size(), 9u);
    EXPECT_TRUE(saved().cars[8].late);
    EXPECT_EQ(saved().heats.size(), 12u);

    const RaceEvent before = saved();
    const int car = before.heats[0].lanes[0];
    const QString name = window.heatsTable()->item(0, 1)->text().section(QStringLiteral("  "), 0, 0);
    for (int row = 0; row < window.standingsTable()->rowCount(); ++row)
        if (window.standingsTable()->item(row, 1)->text() == name)
            window.standingsTable()->setCurrentCell(row, 0);
    prompter.confirmAnswers.push_back(Answer::Yes);
    window.WithdrawClick();
    EXPECT_TRUE(saved().cars[static_cast<size_t>(car)].withdrawn);
    EXPECT_EQ(saved().heats[0].times, before.heats[0].times);
    EXPECT_EQ(standingsCell(name + QStringLiteral(" (withdrawn)"), 4), "1.50 s");
    EXPECT_EQ(loggedRuns(), 4);
}
