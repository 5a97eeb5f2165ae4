// SPDX-License-Identifier: GPL-3.0-or-later
// The class standings: ranking rules, designs run side by side with the results of a one-by-one
// run, and heats over more designs than one race holds.

#include "physics/ClassHeats.h"
#include "app/ClassStandings.h"
#include "support/ClassFolder.h"
#include "support/QtPrinters.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

using namespace zindle;

namespace {

StandingRow finisher(const QString &name, const QString &file, float time, float peakSpeed)
{
    StandingRow row;
    row.name = name;
    row.source = file;
    row.ran = row.finished = true;
    row.time = time;
    row.peakSpeed = peakSpeed;
    return row;
}

StandingRow shortOfLine(const QString &name, const QString &file, float distance, float peakSpeed = 10.0f)
{
    StandingRow row;
    row.name = name;
    row.source = file;
    row.ran = true;
    row.distance = distance;
    row.peakSpeed = peakSpeed;
    return row;
}

QStringList filesInOrder(const std::vector<StandingRow> &rows)
{
    QStringList files;
    for (const StandingRow &row : rows)
        files << row.source;
    return files;
}

} // namespace

TEST(ClassStandings, RanksFinishersByTimeThenSpeedThenNameThenTheRest)
{
    std::vector<StandingRow> rows;
    StandingRow unreadable;
    unreadable.source = "bad.zndl";
    unreadable.error = "Cannot read";
    rows.push_back(unreadable);
    StandingRow cannotRun;
    cannotRun.name = "Brick";
    cannotRun.source = "brick.zndl";
    rows.push_back(cannotRun);
    rows.push_back(shortOfLine("Slow", "slow.zndl", 12.0f));
    rows.push_back(shortOfLine("Closer", "closer.zndl", 14.5f));
    rows.push_back(finisher("B", "b.zndl", 2.0f, 10.0f));
    rows.push_back(finisher("A", "a2.zndl", 2.0f, 10.0f)); // the same name twice: the file decides
    rows.push_back(finisher("A", "a1.zndl", 2.0f, 10.0f));
    rows.push_back(finisher("Fast top", "c.zndl", 2.0f, 11.0f));
    rows.push_back(finisher("Quickest", "q.zndl", 1.5f, 5.0f));
    rows.push_back(shortOfLine("Backward", "back.zndl", -0.5f));
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i].sourceIndex = static_cast<int>(i);

    RankStandings(rows);
    EXPECT_EQ(filesInOrder(rows), QStringList({"q.zndl", "c.zndl", "a1.zndl", "a2.zndl", "b.zndl", "closer.zndl",
                                               "slow.zndl", "back.zndl", "brick.zndl", "bad.zndl"}));
    std::vector<int> places;
    for (const StandingRow &row : rows)
        places.push_back(row.place);
    // A design the model cannot run and an unreadable file have no place.
    EXPECT_EQ(places, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 0, 0}));

    // The order does not depend on the order the rows came in.
    std::vector<StandingRow> reversed(rows.rbegin(), rows.rend());
    RankStandings(reversed);
    EXPECT_EQ(filesInOrder(reversed), filesInOrder(rows));
}

TEST(ClassStandings, ShowsTimesAndDistancesAsTheWindowRoundsThem)
{
    StandingRow row = finisher("A", "a.zndl", 2.36999988555908f, 12.3f);
    row.place = 1;
    row.TimeEF = "2.36999988555908";
    row.TopSpeedEF = "0.97";
    row.PeakSpeedEF = "12.3";
    row.PoweredDistanceEF = "15.2345";
    row.distance = 15.2345f;
    row.ProjectedMassEF = "0.231295809149742";
    row.mass = 0.231295809149742f;
    row.advisories = QStringList{"Skid advisory.", "Other."};
    const StandingTexts t = standingTexts(row);
    EXPECT_EQ(t.place, "1");
    EXPECT_EQ(t.time, "2.37");
    EXPECT_EQ(t.peakSpeed, "12.3");
    EXPECT_EQ(t.distance, "15.23");
    EXPECT_EQ(t.mass, "0.231");
    EXPECT_EQ(t.advisories, "Skid advisory.; Other.");

    StandingRow shortRow = shortOfLine("S", "s.zndl", 14.7f);
    shortRow.TimeEF = "[1.37]";
    EXPECT_EQ(standingTexts(shortRow).time, "[1.37]");
    StandingRow bad;
    bad.error = "Cannot read \"x\": not a design";
    EXPECT_EQ(standingTexts(bad).place, "-");
    EXPECT_EQ(standingTexts(bad).advisories, bad.error);
}

TEST(ClassStandings, FoldersAreSearchedInPathOrderAndEveryFileTakenOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath("b/inner");
    QDir(dir.path()).mkpath("a");
    for (const char *name : {"b/inner/z.zndl", "b/y.ZNDL", "a/x.zndl", "a/notes.txt", "top.zndl"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString top = dir.filePath("top.zndl");
    const QStringList sources = CollectDesignSources({top, dir.path(), "Racer", dir.filePath("missing.zndl")}).paths();
    EXPECT_EQ(sources, QStringList({top, dir.filePath("a/x.zndl"), dir.filePath("b/inner/z.zndl"),
                                    dir.filePath("b/y.ZNDL"), "Racer", dir.filePath("missing.zndl")}));
}

TEST(ClassStandings, SideBySideGivesTheResultsOfAOneByOneRun)
{
    WorkerPool workers;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList sources = test::writeClassFolder(dir.path(), 24);
    sources << dir.filePath("missing.zndl") << "Tow Truck";

    StandingsOptions serial;
    serial.threads = 1;
    StandingsOptions parallel;
    parallel.threads = 4;
    int progressCalls = 0;
    parallel.progress = [&](int done, int total) {
        EXPECT_LE(done, total);
        ++progressCalls;
    };
    const std::vector<StandingRow> one = RunStandings(workers, sources, serial);
    const std::vector<StandingRow> many = RunStandings(workers, sources, parallel);
    ASSERT_EQ(one.size(), many.size());
    EXPECT_GT(progressCalls, 0);
    int finished = 0, shortOfLine = 0;
    for (size_t i = 0; i < one.size(); ++i) {
        SCOPED_TRACE(one[i].source.toStdString());
        EXPECT_EQ(one[i].source, many[i].source);
        EXPECT_EQ(one[i].place, many[i].place);
        EXPECT_EQ(one[i].TimeEF, many[i].TimeEF);
        EXPECT_EQ(one[i].TopSpeedEF, many[i].TopSpeedEF);
        EXPECT_EQ(one[i].PoweredDistanceEF, many[i].PoweredDistanceEF);
        EXPECT_EQ(one[i].ProjectedMassEF, many[i].ProjectedMassEF);
        EXPECT_EQ(one[i].advisories, many[i].advisories);
        EXPECT_EQ(one[i].error, many[i].error);
        EXPECT_TRUE(one[i].trace.DistanceTrace == many[i].trace.DistanceTrace);
        EXPECT_TRUE(one[i].trace.SkidTrace == many[i].trace.SkidTrace);
        finished += one[i].finished;
        shortOfLine += one[i].ran && !one[i].finished;
    }
    // The class has both kinds of car, or the ranking would test only half its rule.
    EXPECT_GT(finished, 2);
    EXPECT_GT(shortOfLine, 2);
    EXPECT_EQ(one.back().source, dir.filePath("missing.zndl"));
    EXPECT_FALSE(one.back().readable());
    EXPECT_EQ(one.back().place, 0);

    // Each row is what the design alone gives.
    for (int i : {0, 7, 19}) {
        const StandingRow alone = RunStandingDesign(sources[i]);
        auto it = std::find_if(many.begin(), many.end(), [&](const StandingRow &r) { return r.source == sources[i]; });
        ASSERT_NE(it, many.end());
        EXPECT_EQ(alone.TimeEF, it->TimeEF);
        EXPECT_EQ(alone.name, it->name);
    }
}

TEST(ClassStandings, AStopLeavesTheDesignsNotStartedOut)
{
    WorkerPool workers;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList sources = test::writeClassFolder(dir.path(), 6);
    std::atomic<bool> stop{false};
    StandingsOptions options;
    options.threads = 1;
    options.stop = &stop;
    options.progress = [&](int done, int) { stop = done >= 2; };
    const std::vector<StandingRow> rows = RunStandings(workers, sources, options);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].place + rows[1].place, 3);
}

TEST(ClassHeats, HeatsAreAsEvenAsTheyCanBe)
{
    EXPECT_EQ(heatCount(0), 0);
    EXPECT_EQ(heatCount(1), 1);
    EXPECT_EQ(heatCount(16), 1);
    EXPECT_EQ(heatCount(17), 2);
    EXPECT_EQ(heatSize(17, 0), 9);
    EXPECT_EQ(heatSize(17, 1), 8);
    EXPECT_EQ(heatCount(200), 13);
    int total = 0;
    for (int i = 0; i < 13; ++i) {
        EXPECT_GE(heatSize(200, i), 15);
        EXPECT_LE(heatSize(200, i), 16);
        total += heatSize(200, i);
    }
    EXPECT_EQ(total, 200);
}

TEST(ClassHeats, WinnersRaceOnUntilOneFinal)
{
    WorkerPool workers;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QStringList sources = test::writeClassFolder(dir.path(), 40);
    sources << dir.filePath("missing.zndl");
    const std::vector<StandingRow> rows = RunStandings(workers, sources);
    const std::vector<Heat> heats = RunHeats(rows);

    // 40 cars: three heats (14, 13, 13), then a final of the three winners.
    ASSERT_EQ(heats.size(), 4u);
    std::set<int> raced;
    std::vector<int> winners;
    for (int h = 0; h < 3; ++h) {
        const Heat &heat = heats[static_cast<size_t>(h)];
        EXPECT_EQ(heat.round, 1);
        EXPECT_EQ(heat.number, h + 1);
        EXPECT_FALSE(heat.final);
        EXPECT_EQ(heat.lanes.size(), h == 0 ? 14u : 13u);
        int previousSource = -1;
        for (const HeatLane &lane : heat.lanes) {
            const StandingRow &row = rows[static_cast<size_t>(lane.row)];
            EXPECT_TRUE(row.ran);
            EXPECT_TRUE(raced.insert(lane.row).second) << "a car in two heats";
            EXPECT_GT(row.sourceIndex, previousSource) << "lanes follow the reading order";
            previousSource = row.sourceIndex;
            EXPECT_EQ(lane.text, raceResultText(lane.result));
            EXPECT_EQ(lane.name, row.name);
        }
        ASSERT_GE(heat.winnerLane, 0);
        const HeatLane &winner = heat.lanes[static_cast<size_t>(heat.winnerLane)];
        bool anyPlaced = false;
        for (const HeatLane &lane : heat.lanes)
            anyPlaced = anyPlaced || lane.result.RacePlace != 0;
        if (anyPlaced) {
            EXPECT_EQ(winner.result.RacePlace, 1);
        }
        winners.push_back(winner.row);
    }
    EXPECT_EQ(raced.size(), 40u);
    const Heat &final = heats[3];
    EXPECT_TRUE(final.final);
    EXPECT_EQ(final.round, 2);
    std::vector<int> finalists;
    for (const HeatLane &lane : final.lanes)
        finalists.push_back(lane.row);
    EXPECT_EQ(finalists, winners);

    // The fastest finisher of the standings wins its heat and the final, unless another car
    // crosses within the same 0.05 s tick from a lower lane (the race's tie rule).
    const StandingRow &first = rows.front();
    ASSERT_TRUE(first.finished);
    const HeatLane &champion = final.lanes[static_cast<size_t>(final.winnerLane)];
    if (champion.row != 0) {
        const StandingRow &won = rows[static_cast<size_t>(champion.row)];
        EXPECT_TRUE(won.finished);
        EXPECT_LE(won.time, first.time + 0.05f);
    }
}

TEST(ClassHeats, AHeatWithoutAFinisherGoesToTheFarthestCar)
{
    std::vector<StandingRow> rows(3);
    const float ends[] = {8.0f, 11.0f, 11.0f};
    for (int i = 0; i < 3; ++i) {
        rows[i].name = QStringLiteral("Car %1").arg(i);
        rows[i].source = rows[i].name;
        rows[i].ran = true;
        rows[i].sourceIndex = i;
        // Each car moves 1 ft per 0.1 s until it stops.
        for (int t = 0; t <= 200; ++t)
            rows[i].trace.DistanceTrace[static_cast<size_t>(t)] = std::min(ends[i], t / 10.0f);
    }
    const std::vector<Heat> heats = RunHeats(rows);
    ASSERT_EQ(heats.size(), 1u);
    EXPECT_TRUE(heats[0].final);
    EXPECT_EQ(heats[0].winnerLane, 1); // 11 ft, the lower lane of the two
    EXPECT_EQ(heats[0].lanes[1].text, "2.00 sec/11.00 ft");
}

TEST(ClassStandings, AChallengesScoringPlacesTheLegalCarsByItsScore)
{
    std::vector<StandingRow> rows{finisher("A", "a.zndl", 1.4f, 10.0f), finisher("B", "b.zndl", 1.6f, 10.0f),
                                  shortOfLine("C", "c.zndl", 14.8f), shortOfLine("D", "d.zndl", 12.0f),
                                  finisher("E", "e.zndl", 1.0f, 10.0f)};
    rows[0].distance = 16.0f;
    rows[1].distance = 15.5f;
    rows[0].efficiency = 2.0;
    rows[1].efficiency = 3.0;
    rows[2].efficiency = 2.5; // D's is not known: it follows the cars with one
    rows[4].distance = 20.0f;
    rows[4].efficiency = 9.0;
    rows[4].ruleChecks.push_back(RuleCheck{}); // broken: never placed, however well it scores
    StandingRow cannotRun;
    cannotRun.name = "F";
    cannotRun.source = "f.zndl";
    rows.push_back(cannotRun);

    const struct {
        ChallengeScoring scoring;
        QStringList order;
    } cases[] = {
        {{ScoringKind::Time, 0}, {"a.zndl", "b.zndl", "c.zndl", "d.zndl", "f.zndl", "e.zndl"}},
        {{ScoringKind::Distance, 0}, {"a.zndl", "b.zndl", "c.zndl", "d.zndl", "f.zndl", "e.zndl"}},
        // Nearest 1.55 s first; the cars short of 15 ft after the finishers, never left out.
        {{ScoringKind::Target, 1.55}, {"b.zndl", "a.zndl", "c.zndl", "d.zndl", "f.zndl", "e.zndl"}},
        {{ScoringKind::Efficiency, 0}, {"b.zndl", "c.zndl", "a.zndl", "d.zndl", "f.zndl", "e.zndl"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(scoringText(c.scoring).toStdString());
        std::vector<StandingRow> ranked = rows;
        RankStandings(ranked, c.scoring);
        EXPECT_EQ(filesInOrder(ranked), c.order);
        std::vector<int> places;
        for (const StandingRow &row : ranked)
            places.push_back(row.place);
        EXPECT_EQ(places, (std::vector<int>{1, 2, 3, 4, 0, 0}));
    }
    EXPECT_FALSE(ChallengeScore(rows[2], {ScoringKind::Target, 1.55}));
    EXPECT_NEAR(*ChallengeScore(rows[1], {ScoringKind::Target, 1.55}), 0.05, 1e-6);
    EXPECT_EQ(*ChallengeScore(rows[2], {ScoringKind::Distance, 0}), 14.8f);
}
