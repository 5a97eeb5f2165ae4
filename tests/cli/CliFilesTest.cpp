// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Workspace.h"
#include "cli/Cli.h"
#include "files/DesignFile.h"
#include "files/TextDesignFile.h"
#include "physics/BuildGeometry.h"
#include "support/CliRunner.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;
using zindle::test::CliResult;
using zindle::test::runCli;

TEST(CliSave, WritesTheVersionBlockAndShowsTheSameDesign)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("r.zndl");
    ASSERT_EQ(runCli({"save", "Racer", file}).status, 0);
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray head = written.read(36);
    EXPECT_EQ(head.toHex(), QByteArray("1c000000") + QByteArray(":::::VersionInformation:::::").toHex() +
                                QByteArray("03000000"));

    const CliResult fromFile = runCli({"show", file});
    const CliResult builtIn = runCli({"show", "Racer"});
    ASSERT_EQ(fromFile.status, 0);
    EXPECT_EQ(fromFile.out, builtIn.out);
    EXPECT_EQ(builtIn.value("Name"), "Racer");
    EXPECT_EQ(builtIn.value("OuterCount"), "20");
    EXPECT_EQ(builtIn.value("FrontAxleXIn"), "1.59722220897675");
    EXPECT_EQ(builtIn.value("TreadMaterial"), "Ideal Rubber");
    EXPECT_EQ(runCli({"show", "Pickup"}).value("Drive"), "FrontWD");
}

TEST(CliConvert, InnerOutlineAndWeightMassSurviveTheConversion)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("w.zndl");
    const CliResult converted = runCli({"convert", ZINDLE_TEST_DATA "/wedge-v3.txt", out});
    ASSERT_EQ(converted.status, 0) << converted.err.toStdString();
    const CliResult shown = runCli({"show", out});
    ASSERT_EQ(shown.status, 0);
    EXPECT_EQ(shown.value("Name"), "Old Wedge");
    EXPECT_EQ(shown.value("InnerCount"), "4");
    EXPECT_EQ(shown.value("InnerPts"), shown.value("OuterPts"));
    EXPECT_EQ(shown.value("Weight1"), "300,400,0.25");
    EXPECT_EQ(shown.value("OuterBodyMaterial"), "Balsa sheet");

    const CliResult older = runCli({"convert", ZINDLE_TEST_DATA "/wedge-older.txt", dir.filePath("o.zndl")});
    ASSERT_EQ(older.status, 0) << older.err.toStdString();
    EXPECT_EQ(runCli({"show", dir.filePath("o.zndl")}).value("Name"), "wedge-older");
}

TEST(CliConvert, WritesTheDesignAsTheWindowSavesItAfterTheBuildStep)
{
    Workspace built;
    PrepareForFileRead(built);
    ASSERT_TRUE(ReadTextDesignFile(built, ZINDLE_TEST_DATA "/wedge-older.txt").ok());
    const float fileHeight = built.design.FrontAxleYPt;
    ComputeBuildGeometry(built);
    ASSERT_NE(built.design.FrontAxleYPt, fileHeight); // the file's own height is an older one
    const CliResult converted = runCli({"convert", ZINDLE_TEST_DATA "/wedge-older.txt", "-"});
    ASSERT_EQ(converted.status, 0);
    EXPECT_EQ(converted.outBytes, EncodeDesign(built.design, built.catalogue, "wedge-older"));
}

TEST(CliErrors, FilesAndUsage)
{
    QTemporaryDir dir;
    const CliResult missing = runCli({"show", dir.filePath("nothing.zndl")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains("nothing.zndl"));
    EXPECT_EQ(missing.err.count('\n'), 1);

    const CliResult unwritable = runCli({"save", "Racer", dir.filePath("no/such/folder/r.zndl")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.err.startsWith("Cannot write"));

    const CliResult notText = runCli({"convert", dir.filePath("nothing.txt"), dir.filePath("x.zndl")});
    EXPECT_EQ(notText.status, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.zndl")));

    EXPECT_EQ(runCli({}).status, 2);
    EXPECT_EQ(runCli({"fly"}).status, 2);
    EXPECT_EQ(runCli({"show"}).status, 2);
    EXPECT_EQ(runCli({"save", "Racer"}).status, 2);
    for (const char *command : {"show", "save", "convert"}) {
        const CliResult help = runCli({command, "--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.startsWith("Usage: zindle-cli")) << command;
    }
}
