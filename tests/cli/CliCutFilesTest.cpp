// SPDX-License-Identifier: GPL-3.0-or-later
// zindle-cli templates with .svg and .dxf: boards, options that belong to PDFs only, bad sizes.

#include "support/CliRunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <gtest/gtest.h>

using namespace zindle::test;

TEST(CliCutFiles, WritesOneFilePerBoardAndCountsThem)
{
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("car.svg"));
    CliResult r = runCli({"templates", "Default Design", svg});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.value(QStringLiteral("Boards")), QStringLiteral("1"));
    EXPECT_TRUE(QFile::exists(svg));

    const QString dxf = dir.filePath(QStringLiteral("car.dxf"));
    r = runCli({"templates", "Default Design", dxf, "--set", "inner", "--board", "11x6"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.value(QStringLiteral("Boards")), QStringLiteral("4")); // one cored layer per board
    for (const char *name : {"car.dxf", "car-2.dxf", "car-3.dxf", "car-4.dxf"})
        EXPECT_TRUE(QFile::exists(dir.filePath(QString::fromLatin1(name)))) << name;
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("car-5.dxf"))));

    r = runCli({"templates", "Default Design", dir.filePath(QStringLiteral("wheels.svg")), "--set", "wheels",
                "--board", "300x200mm"});
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.value(QStringLiteral("Boards")), QStringLiteral("1"));
}

TEST(CliCutFiles, APartLargerThanTheBoardWritesNothing)
{
    QTemporaryDir dir;
    const CliResult r = runCli({"templates", "Default Design", dir.filePath(QStringLiteral("car.svg")), "--board", "8x8"});
    EXPECT_EQ(r.status, 1);
    const QString named = QString::fromUtf8(R"("Default design: Outer Layer 1" (10.00 x 4.50 in))");
    EXPECT_TRUE(r.err.contains(named)) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("8 x 8 in"))) << r.err.toStdString();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(CliCutFiles, OptionsOfTheOtherFormatAndBadValuesAreUsageErrors)
{
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("car.svg"));
    const QString pdf = dir.filePath(QStringLiteral("car.pdf"));
    const QList<QStringList> bad{
        {"templates", "Default Design", svg, "--set", "report"},
        {"templates", "Default Design", svg, "--set", "everything"},
        {"templates", "Default Design", svg, "--page", "a4"},
        {"templates", "Default Design", svg, "--board", "20"},
        {"templates", "Default Design", svg, "--board", "0x30"},
        {"templates", "Default Design", pdf, "--board", "20x30"},
        {"templates", "Default Design", svg, "--profile", "waterjet"},
        {"templates", "Default Design", svg, "--kerf", "0,008"},
        {"templates", "Default Design", svg, "--kerf", "0.3"},
        {"templates", "Default Design", svg, "--cut-colour", "transparent"},
        {"templates", "Default Design", pdf, "--kerf", "0.008"},
    };
    for (const QStringList &args : bad) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Usage:"))) << args.join(' ').toStdString();
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(runCli({"templates", "Default Design", svg, "--set", "report"}).err.contains(QStringLiteral("not a cut part")));
}

TEST(CliCutFiles, AFewerBoardExportRemovesTheOlderBoardsAndAFailedOneKeepsEverything)
{
    QTemporaryDir dir;
    const auto at = [&](const char *name) { return dir.filePath(QString::fromLatin1(name)); };
    CliResult r = runCli({"templates", "Default Design", at("car.dxf"), "--set", "inner", "--board", "11x6"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    ASSERT_EQ(r.value(QStringLiteral("Boards")), QStringLiteral("4"));
    QFile unrelated(at("car-5.svg"));
    ASSERT_TRUE(unrelated.open(QIODevice::WriteOnly));
    unrelated.close();

    // A folder in the way of the third board: nothing replaced, nothing removed. The boards are
    // marked so that a replaced one shows, and put back afterwards.
    std::map<std::string, QByteArray> boards;
    for (const char *name : {"car.dxf", "car-2.dxf", "car-4.dxf"}) {
        QFile board(at(name));
        ASSERT_TRUE(board.open(QIODevice::ReadWrite));
        boards[name] = board.readAll();
        board.resize(0);
        board.write(name);
    }
    ASSERT_TRUE(QDir(dir.path()).rename(QStringLiteral("car-3.dxf"), QStringLiteral("car-3.dxf.was")));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("car-3.dxf")));
    r = runCli({"templates", "Default Design", at("car.dxf"), "--set", "inner", "--board", "11x6"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("car-3.dxf"))) << r.err.toStdString();
    for (const char *name : {"car.dxf", "car-2.dxf", "car-4.dxf"}) {
        QFile board(at(name));
        ASSERT_TRUE(board.open(QIODevice::ReadOnly));
        EXPECT_EQ(board.readAll(), QByteArray(name));
    }
    const QStringList names{"car-2.dxf", "car-3.dxf", "car-3.dxf.was", "car-4.dxf", "car-5.svg", "car.dxf"};
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name), names);

    // One board now: the older ones after it go; the output stays the one count.
    for (const auto &[name, bytes] : boards) {
        QFile board(at(name.c_str()));
        ASSERT_TRUE(board.open(QIODevice::WriteOnly));
        board.write(bytes);
    }
    ASSERT_TRUE(QDir(dir.path()).rmdir(QStringLiteral("car-3.dxf")));
    ASSERT_TRUE(QDir(dir.path()).rename(QStringLiteral("car-3.dxf.was"), QStringLiteral("car-3.dxf")));
    r = runCli({"templates", "Default Design", at("car.dxf"), "--set", "wheels"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.lines(), QStringList{QStringLiteral("Boards=1")});
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
              (QStringList{"car-5.svg", "car.dxf"}));
}

TEST(CliCutFiles, KerfForAMaterialOfTheCatalogueAndItsRefusals)
{
    QTemporaryDir dir;
    const auto wheels = [&dir](const QString &name, const QStringList &options) {
        const QString svg = dir.filePath(name);
        EXPECT_EQ(runCli(QStringList{"templates", "Default Design", svg, "--set", "wheels"} + options).status, 0);
        QFile file(svg);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    // Every part of the default design is of its one board: its kerf replaces --kerf's.
    EXPECT_EQ(wheels(QStringLiteral("for.svg"), {"--kerf", "0.1", "--kerf-for", "Default Foamcore=0.02"}),
              wheels(QStringLiteral("for.svg"), {"--kerf", "0.02"}));
    EXPECT_NE(wheels(QStringLiteral("for.svg"), {"--kerf-for", "Default Foamcore=0.02"}),
              wheels(QStringLiteral("for.svg"), {"--kerf", "0.1"}));

    const QString svg = dir.filePath(QStringLiteral("car.svg"));
    const QList<std::pair<QStringList, const char *>> refused{
        {{"--kerf-for", "Balsa=0.01"}, "unknown board material 'Balsa' (the catalogue has Default Foamcore)"},
        {{"--kerf-for", "Default Foamcore=0,02"}, "bad --kerf-for 'Default Foamcore=0,02'"},
        {{"--kerf-for", "0.02"}, "bad --kerf-for '0.02'"},
        {{"--kerf-for", "Default Foamcore=0.01", "--kerf-for", "Default Foamcore=0.02"},
         "material 'Default Foamcore' is given twice"},
        {{"--kerf-for"}, "option --kerf-for needs a value"},
    };
    for (const auto &[options, message] : refused) {
        const CliResult r = runCli(QStringList{"templates", "Default Design", svg} + options);
        EXPECT_EQ(r.status, 2) << message;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(message))) << r.err.toStdString();
    }
    const CliResult pdf = runCli({"templates", "Default Design", dir.filePath(QStringLiteral("car.pdf")), "--kerf-for",
                                  "Default Foamcore=0.01"});
    EXPECT_EQ(pdf.status, 2);
    EXPECT_TRUE(pdf.err.contains(QStringLiteral("--kerf-for is an option of .svg and .dxf cut files")));
    EXPECT_FALSE(QFile::exists(svg));
}
