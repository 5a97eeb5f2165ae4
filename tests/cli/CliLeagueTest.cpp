// SPDX-License-Identifier: GPL-3.0-or-later
// zindle-cli league: the ranking of a class folder against the individual simulate runs, the
// same output on one thread and on several, heats against the race command, and the CSV, HTML
// and PDF files.

#include "support/ClassFolder.h"
#include "support/CliRunner.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

using namespace zindle;
using zindle::test::CliResult;
using zindle::test::runCli;

namespace {

struct ClassFolder {
    QTemporaryDir dir;
    QStringList designs; // the readable design files
    QString broken;
};

// A class of 14 designs, two of which share a name (different cars), one whose file is not a
// design, and a notes file the folder search skips.
void makeClass(ClassFolder &folder)
{
    ASSERT_TRUE(folder.dir.isValid());
    folder.designs = test::writeClassFolder(folder.dir.path(), 12);
    folder.designs << test::writeClassDesign(folder.dir.path(), "twin-a.zndl", "Twin", 31)
                   << test::writeClassDesign(folder.dir.path(), "twin-b.zndl", "Twin", 37);
    folder.broken = folder.dir.filePath("broken.zndl");
    QFile broken(folder.broken);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("this is not a design file\n");
    broken.close();
    QFile notes(folder.dir.filePath("notes.txt"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
}

struct Single {
    QString file, name;
    bool finished = false;
    float time = 0, peakSpeed = 0, distance = 0;
};

} // namespace

TEST(CliLeague, RanksAsTheIndividualSimulateRunsDoAndListsUnreadableFiles)
{
    ClassFolder folder;
    makeClass(folder);

    // Each design on its own, as a user would run it, ranked here by the league's rule.
    std::vector<Single> singles;
    for (const QString &file : folder.designs) {
        const CliResult run = runCli({"simulate", file, "--json"});
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const QJsonObject object = run.json();
        Single s;
        s.file = file;
        s.name = QFileInfo(file).fileName().startsWith("twin") ? "Twin"
                 : QStringLiteral("Car %1").arg(QFileInfo(file).completeBaseName().mid(3));
        const QString time = object["TimeEF"].toString();
        s.finished = !time.startsWith('[');
        s.time = time.toFloat();
        s.peakSpeed = object["PeakSpeedEF"].toString().toFloat();
        s.distance = object["PoweredDistanceEF"].toString().toFloat();
        singles.push_back(s);
    }
    std::sort(singles.begin(), singles.end(), [](const Single &a, const Single &b) {
        if (a.finished != b.finished)
            return a.finished;
        if (a.finished && a.time != b.time)
            return a.time < b.time;
        if (!a.finished && a.distance != b.distance)
            return a.distance > b.distance;
        if (a.peakSpeed != b.peakSpeed)
            return a.peakSpeed > b.peakSpeed;
        if (a.name != b.name)
            return a.name < b.name;
        return a.file < b.file;
    });

    const CliResult league = runCli({"league", folder.dir.path(), "--json"});
    ASSERT_EQ(league.status, 0) << league.err.toStdString();
    const QJsonArray standings = league.json()["Standings"].toArray();
    ASSERT_EQ(standings.size(), static_cast<qsizetype>(singles.size()));
    for (qsizetype i = 0; i < standings.size(); ++i) {
        const QJsonObject row = standings[i].toObject();
        EXPECT_EQ(row["File"].toString(), singles[static_cast<size_t>(i)].file) << i;
        EXPECT_EQ(row["Name"].toString(), singles[static_cast<size_t>(i)].name) << i;
        EXPECT_EQ(row["Place"].toInt(), i + 1);
    }
    const QJsonArray unreadable = league.json()["Unreadable"].toArray();
    ASSERT_EQ(unreadable.size(), 1);
    EXPECT_EQ(unreadable[0].toObject()["File"].toString(), folder.broken);
    EXPECT_TRUE(unreadable[0].toObject()["Error"].toString().contains("broken.zndl"));

    // The table: a header, one line per design in the same order, then the unreadable file.
    const CliResult table = runCli({"league", folder.dir.path()});
    ASSERT_EQ(table.status, 0);
    const QStringList lines = table.lines();
    ASSERT_GE(lines.size(), static_cast<qsizetype>(singles.size()) + 3);
    EXPECT_TRUE(lines[0].startsWith("Place  Design"));
    for (size_t i = 0; i < singles.size(); ++i) {
        const QString &line = lines[static_cast<qsizetype>(i) + 1];
        EXPECT_TRUE(line.contains(singles[i].file)) << line.toStdString();
        EXPECT_EQ(line.section(' ', 0, 0, QString::SectionSkipEmpty), QString::number(i + 1));
    }
    EXPECT_EQ(lines[static_cast<qsizetype>(singles.size()) + 1], "Not read:");
    EXPECT_TRUE(lines.last().trimmed().startsWith(folder.broken + ": "));
}

TEST(CliLeague, OneThreadAndManyPrintTheSame)
{
    ClassFolder folder;
    makeClass(folder);
    const CliResult one = runCli({"league", folder.dir.path(), "--json", "--heats", "--threads", "1"});
    const CliResult many = runCli({"league", folder.dir.path(), "--json", "--heats", "--threads", "3"});
    ASSERT_EQ(one.status, 0);
    ASSERT_EQ(many.status, 0);
    EXPECT_EQ(one.out, many.out);
}

TEST(CliLeague, AFinalOfFewCarsReadsAsTheRaceCommandPrintsIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The race command puts files after the five built-in slots, so at most eleven race there.
    const QStringList files = test::writeClassFolder(dir.path(), 11);
    const CliResult race = runCli(QStringList{"race"} + files);
    ASSERT_EQ(race.status, 0) << race.err.toStdString();
    const CliResult league = runCli({"league", dir.path(), "--heats"});
    ASSERT_EQ(league.status, 0);
    const QString out = league.out;
    const qsizetype final = out.indexOf("\nFinal (11 cars)\n");
    ASSERT_GE(final, 0) << out.toStdString();
    const QStringList heatLines = out.mid(final).split('\n', Qt::SkipEmptyParts);
    // "<slot> <name>: <text>" there, "<lane> <name>: <text>" here: the lanes are the slots less 5.
    const QStringList raceLines = race.lines();
    ASSERT_EQ(raceLines.size(), 11);
    for (int i = 0; i < 11; ++i) {
        const QString expected = raceLines[i].section(' ', 1);
        EXPECT_EQ(heatLines[i + 1], QString::number(i) + ' ' + expected);
    }
    EXPECT_TRUE(heatLines[12].startsWith("Winner: "));
}

TEST(CliLeague, MoreThanSixteenCarsRaceInHeatsThenAFinal)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    test::writeClassFolder(dir.path(), 35);
    const CliResult league = runCli({"league", dir.path(), "--heats", "--json"});
    ASSERT_EQ(league.status, 0);
    const QJsonArray heats = league.json()["Heats"].toArray();
    // 35 cars: heats of 12, 12 and 11, then a final of three.
    ASSERT_EQ(heats.size(), 4);
    const int sizes[] = {12, 12, 11, 3};
    QStringList winners;
    for (int h = 0; h < 4; ++h) {
        const QJsonObject heat = heats[h].toObject();
        EXPECT_EQ(heat["Lanes"].toArray().size(), sizes[h]);
        EXPECT_EQ(heat["Final"].toBool(), h == 3);
        if (h < 3)
            winners << heat["Lanes"].toArray()[heat["WinnerLane"].toInt()].toObject()["File"].toString();
    }
    QStringList finalists;
    for (const QJsonValue &lane : heats[3].toObject()["Lanes"].toArray())
        finalists << lane.toObject()["File"].toString();
    EXPECT_EQ(finalists, winners);
}

TEST(CliLeague, WritesCsvAndASelfContainedPageAndAPdf)
{
    ClassFolder folder;
    makeClass(folder);
    const QString csv = folder.dir.filePath("out/standings.csv");
    QDir().mkpath(folder.dir.filePath("out"));
    const QString html = folder.dir.filePath("out/standings.html");
    const QString pdf = folder.dir.filePath("out/standings.pdf");
    const CliResult result = runCli({"league", folder.dir.path(), "--csv", csv, "--html", html, "--pdf", pdf, "--heats"});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();

    QFile csvFile(csv);
    ASSERT_TRUE(csvFile.open(QIODevice::ReadOnly));
    const QStringList csvLines = QString::fromUtf8(csvFile.readAll()).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(csvLines.size(), 1 + 14 + 1);
    EXPECT_EQ(csvLines[0], "Place,Design,File,Time,TimeEF,TopSpeedEF,PeakSpeedEF,PoweredDistanceEF,ProjectedMassEF,Advisories,Error");
    EXPECT_TRUE(csvLines[1].startsWith("1,"));
    EXPECT_TRUE(csvLines.last().startsWith(",," + folder.broken + ",")) << csvLines.last().toStdString();

    QFile htmlFile(html);
    ASSERT_TRUE(htmlFile.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(htmlFile.readAll());
    // Nothing is fetched: every picture is inline, no address points anywhere.
    EXPECT_FALSE(page.contains("http://"));
    EXPECT_FALSE(page.contains("https://"));
    EXPECT_FALSE(page.contains("<link"));
    EXPECT_FALSE(page.contains("<script"));
    static const QRegularExpression source("src=\"([^\"]*)\"");
    int pictures = 0;
    for (auto it = source.globalMatch(page); it.hasNext();) {
        const QString uri = it.next().captured(1);
        ASSERT_TRUE(uri.startsWith("data:image/png;base64,"));
        const QImage picture = QImage::fromData(QByteArray::fromBase64(uri.mid(22).toLatin1()), "PNG");
        EXPECT_FALSE(picture.isNull());
        ++pictures;
    }
    EXPECT_EQ(pictures, 14 + 1); // each car's side view and the chart
    EXPECT_TRUE(page.contains("Final ("));
    EXPECT_TRUE(page.contains("broken.zndl"));

    QFile pdfFile(pdf);
    ASSERT_TRUE(pdfFile.open(QIODevice::ReadOnly));
    const QByteArray document = pdfFile.readAll();
    EXPECT_TRUE(document.startsWith("%PDF"));
    // The standings and heats page, then the cars (three to a row, on a page of their own).
    EXPECT_GE(document.count("/Type /Page\n") + document.count("/Type /Page "), 2);
}

TEST(CliLeague, RefusesBadOptionsAndNeedsOneReadableDesign)
{
    EXPECT_EQ(runCli({"league"}).status, 2);
    EXPECT_EQ(runCli({"league", "Racer", "--threads", "0"}).status, 2);
    EXPECT_EQ(runCli({"league", "Racer", "--csv", "-", "--json"}).status, 2);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const CliResult empty = runCli({"league", dir.path()});
    EXPECT_EQ(empty.status, 1);
    EXPECT_TRUE(empty.err.contains("no design files found"));
    const CliResult missing = runCli({"league", dir.filePath("gone.zndl")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.contains("gone.zndl"));
    // A built-in design's name races as simulate runs it; CSV to standard output alone.
    const CliResult builtIn = runCli({"league", "Tow Truck", "--csv", "-"});
    EXPECT_EQ(builtIn.status, 0);
    EXPECT_TRUE(builtIn.out.startsWith("Place,Design,"));
    EXPECT_TRUE(builtIn.out.contains("\r\n1,Tow Truck,Tow Truck,1.5,"));
}
