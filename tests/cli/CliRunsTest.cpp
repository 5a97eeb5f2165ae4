// SPDX-License-Identifier: GPL-3.0-or-later
// zindle-cli runs: the measured runs of a class folder's designs, added, listed and removed
// through the logbook beside them, which is never written over when it cannot be read.

#include "support/ClassFolder.h"
#include "support/CliRunner.h"
#include "support/FolderFiles.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;
using zindle::test::CliResult;
using zindle::test::contentOf;
using zindle::test::everything;
using zindle::test::put;
using zindle::test::runCli;

namespace {

struct RunsFolder {
    QTemporaryDir dir;
    QString racer = test::writeClassDesign(dir.path(), QStringLiteral("racer.zndl"), QStringLiteral("Racer"), 1);
    QString logbook = dir.filePath("zindle-log.json");
    CliResult add(const QStringList &options) { return runCli(QStringList{"runs", "add", racer} + options); }
};

} // namespace

TEST(CliRuns, AddListAndRemoveGoThroughTheLogbookBesideTheDesign)
{
    RunsFolder folder;
    const QByteArray designBytes = contentOf(folder.racer);
    CliResult added = folder.add({"--track", "Room 12 corridor, tile", "--marks", "5:0.71,10:1.20,15:1.62", "--rest",
                                  "23.5", "--mass", "0.31", "--note", "first try", "--date", "2026-05-04"});
    ASSERT_EQ(added.status, 0) << added.err.toStdString();
    EXPECT_EQ(added.out, "Added run #1 on Room 12 corridor, tile of Racer to " + folder.logbook + "\n");
    ASSERT_EQ(folder.add({"--track", "Gym", "--rest", "9.25", "--date", "2026-05-11"}).status, 0);
    EXPECT_EQ(contentOf(folder.racer), designBytes);
    EXPECT_EQ(everything(folder.dir.path()), (QStringList{"racer.zndl", "zindle-log.json"}));

    const CliResult listed = runCli({"runs", "list", folder.dir.path()});
    ASSERT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out, "Racer (racer.zndl)\n"
                          "  Room 12 corridor, tile #1  2026-05-04  marks 5:0.71,10:1.2,15:1.62  rest 23.5 ft  mass 0.31 lbm  first try\n"
                          "  Gym #1  2026-05-11  rest 9.25 ft\n");
    const QJsonObject json = runCli({"runs", "list", folder.racer, "--json"}).json();
    EXPECT_EQ(json["logbook"].toString(), folder.logbook);
    const QJsonObject first = json["designs"][0]["runs"][0].toObject();
    EXPECT_EQ(first["track"].toString(), "Room 12 corridor, tile");
    EXPECT_EQ(first["marks"][2]["timeS"].toDouble(), 1.62);
    EXPECT_EQ(first["restFt"].toDouble(), 23.5);
    EXPECT_EQ(json["designs"][0]["runs"][1]["index"].toInt(), 1);

    const CliResult removed = runCli({"runs", "remove", folder.racer, "--track", "Gym", "--index", "1"});
    ASSERT_EQ(removed.status, 0) << removed.err.toStdString();
    EXPECT_EQ(removed.out, "Removed run #1 on Gym of Racer from " + folder.logbook + "\n");
    const CliResult missing = runCli({"runs", "remove", folder.racer, "--track", "Gym", "--index", "1"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "zindle-cli runs: Racer has no run #1 on \"Gym\" (it has 0 there)\n");
    EXPECT_EQ(runCli({"runs", "list", folder.racer}).lines().size(), 2);
}

TEST(CliRuns, ABadRunIsRefusedAndWritesNothing)
{
    RunsFolder folder;
    // The run's own rules are the model's; here only that a refusal says why and writes nothing.
    const CliResult growing = folder.add({"--track", "Gym", "--marks", "5:0.71,10:0.70"});
    EXPECT_EQ(growing.status, 2);
    EXPECT_TRUE(growing.err.startsWith("zindle-cli runs: The car cannot reach 10 ft")) << growing.err.toStdString();
    EXPECT_EQ(folder.add({"--track", "Gym", "--rest", "9", "--date", "4/5/2026"}).status, 2);
    const CliResult builtIn = runCli({"runs", "add", "Racer", "--track", "Gym", "--rest", "9"});
    EXPECT_EQ(builtIn.status, 1);
    EXPECT_TRUE(builtIn.err.contains("built-in design")) << builtIn.err.toStdString();
    EXPECT_EQ(everything(folder.dir.path()), QStringList{"racer.zndl"});
}

TEST(CliRuns, ADamagedLogbookIsNamedAndLeftAsItIs)
{
    RunsFolder folder;
    const QByteArray cut = contentOf(ZINDLE_TEST_DATA "/logbook-unknown-fields.json").left(300);
    put(folder.logbook, cut);
    for (const QStringList &args : {QStringList{"runs", "add", folder.racer, "--track", "Gym", "--rest", "9"},
                                    QStringList{"runs", "remove", folder.racer, "--track", "Gym", "--index", "1"},
                                    QStringList{"runs", "list", folder.dir.path()}}) {
        const CliResult result = runCli(args);
        EXPECT_EQ(result.status, 1);
        EXPECT_TRUE(result.err.startsWith("Cannot read \"" + folder.logbook + "\": it is not a logbook"))
            << result.err.toStdString();
        EXPECT_TRUE(result.err.endsWith("; the logbook is left as it is\n"));
    }
    EXPECT_EQ(contentOf(folder.logbook), cut);
}

TEST(CliRuns, ALogbookWithUnknownFieldsKeepsThemWhenARunIsAdded)
{
    RunsFolder folder;
    const QByteArray original = contentOf(ZINDLE_TEST_DATA "/logbook-unknown-fields.json");
    put(folder.logbook, original);
    ASSERT_EQ(folder.add({"--track", "Gym", "--rest", "9.25", "--date", "2026-05-11"}).status, 0);
    const QByteArray rewritten = contentOf(folder.logbook);
    for (const char *kept : {"\"class\": \"7B, spring term\"", "\"colour\": \"red\"", "\"timer\": \"phone video\""})
        EXPECT_TRUE(rewritten.contains(kept)) << kept;
    ASSERT_EQ(runCli({"runs", "remove", folder.racer, "--track", "Gym", "--index", "1"}).status, 0);
    EXPECT_EQ(contentOf(folder.logbook), original);
}
