// SPDX-License-Identifier: GPL-3.0-or-later
// Design names written by someone who means harm: they must not forge lines of the text
// output, become formulas in the CSV, or markup and scripts in the HTML page and SVG charts.
// The files are checked by readers of their own: Python's csv module and ElementTree, and
// headless Chromium, which reports what a page's scripts did to it.

#include "support/ClassFolder.h"
#include "support/CliRunner.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;
using zindle::test::CliResult;
using zindle::test::runCli;

namespace {

// A script that would leave a mark in the page if it ran.
const QString ScriptName = QStringLiteral("<script>document.title='pwned'</script>");
const QString ImageName = QStringLiteral("<img src=x onerror=\"document.title='pwned'\">");
const QString FormulaName = QStringLiteral("=HYPERLINK(\"http://evil.example\",\"x\")");
const QString ForgingName = QStringLiteral("Evil\nTimeEF=0.01\x1b[2J");

QString program(const char *name) { return QStandardPaths::findExecutable(QLatin1String(name)); }

QByteArray runProgram(const QString &path, const QStringList &arguments)
{
    QProcess process;
    process.start(path, arguments);
    process.waitForFinished(120000);
    return process.readAllStandardOutput();
}

// The page as Chromium leaves it once its scripts (if any) have run.
QString chromiumDom(const QString &chromium, const QString &file, const QString &profile)
{
    return QString::fromUtf8(runProgram(
        chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
                   "--disable-component-update", "--disable-sync", "--user-data-dir=" + profile, "--dump-dom",
                   "file://" + file}));
}

struct HostileClass {
    QTemporaryDir dir;
    QStringList names{ScriptName, ImageName, FormulaName, "+1", "-2", "@SUM(A1)", "Fast & Furious", ForgingName};
    void write()
    {
        for (int i = 0; i < names.size(); ++i)
            ASSERT_FALSE(test::writeClassDesign(dir.path(), QStringLiteral("d%1.zndl").arg(i), names[i], i).isEmpty());
    }
};

} // namespace

TEST(CliHostileNames, ANameCannotAddLinesOrReachTheTerminal)
{
    QTemporaryDir dir;
    const QString file = test::writeClassDesign(dir.path(), "evil.zndl", ForgingName, 1);
    for (const QStringList &arguments : {QStringList{"show", file}, QStringList{"race", file, "Racer"},
                                         QStringList{"league", file, "--heats"}}) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliResult r = runCli(arguments);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_FALSE(r.out.contains(QChar(0x1b)));
        for (const QString &line : r.lines())
            EXPECT_FALSE(line.startsWith("TimeEF=")) << line.toStdString();
        EXPECT_TRUE(r.out.contains("Evil\\x0aTimeEF=0.01\\x1b[2J")) << r.out.toStdString();
    }
}

TEST(CliHostileNames, LeagueCsvKeepsFormulasOutAndNumbersNumbers)
{
    const QString python = program("python3");
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    HostileClass hostile;
    hostile.write();
    const QString csv = hostile.dir.filePath("class.csv");
    ASSERT_EQ(runCli({"league", hostile.dir.path(), "--csv", csv}).status, 0);
    const QJsonArray rows = QJsonDocument::fromJson(
        runProgram(python, {"-c", "import csv, json, sys; "
                                  "print(json.dumps(list(csv.reader(open(sys.argv[1], newline='', encoding='utf-8')))))",
                            csv})).array();
    ASSERT_EQ(rows.size(), 1 + hostile.names.size());
    const QJsonArray header = rows[0].toArray();
    ASSERT_EQ(header[1].toString(), "Design");
    ASSERT_EQ(header[3].toString(), "Time");
    QStringList designs;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        const QJsonArray row = rows[i].toArray();
        designs << row[1].toString();
        bool number = false;
        row[3].toString().toDouble(&number);
        EXPECT_TRUE(number) << row[3].toString().toStdString();
        row[5].toString().toDouble(&number); // TopSpeedEF
        EXPECT_TRUE(number) << row[5].toString().toStdString();
    }
    for (const QString &name : hostile.names) {
        const bool formula = QStringLiteral("=+-@").contains(name.front());
        EXPECT_TRUE(designs.contains(formula ? "'" + name : name)) << name.toStdString();
    }
}

TEST(CliHostileNames, LeaguePageShowsNamesAsTextInABrowser)
{
    const QString chromium = program("chromium");
    if (chromium.isEmpty())
        GTEST_SKIP() << "chromium is not installed (apt-get install chromium)";
    HostileClass hostile;
    hostile.write();
    const QString html = hostile.dir.filePath("class.html");
    ASSERT_EQ(runCli({"league", hostile.dir.path(), "--html", html}).status, 0);
    const QString dom = chromiumDom(chromium, html, hostile.dir.filePath("profile"));
    ASSERT_TRUE(dom.contains("<title>Class standings</title>")) << dom.left(300).toStdString();
    EXPECT_FALSE(dom.contains("pwned</title>"));
    EXPECT_FALSE(dom.contains("<script"));
    EXPECT_TRUE(dom.contains(ScriptName.toHtmlEscaped()));
    EXPECT_TRUE(dom.contains("Fast &amp; Furious"));
}

TEST(CliHostileNames, SvgChartsAreValidXmlAndRunNoScript)
{
    const QString python = program("python3");
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    QTemporaryDir dir;
    const QString name = "Fast & Furious " + ScriptName + "\x01";
    const QString file = test::writeClassDesign(dir.path(), "evil.zndl", name, 2);
    const QString runChart = dir.filePath("run.svg"), raceChart = dir.filePath("race.svg");
    ASSERT_EQ(runCli({"simulate", file, "--chart", runChart}).status, 0);
    ASSERT_EQ(runCli({"race", file, "Racer", "--chart", raceChart}).status, 0);
    const QString chromium = program("chromium");
    for (const QString &chart : {runChart, raceChart}) {
        SCOPED_TRACE(chart.toStdString());
        const QString title = QString::fromUtf8(runProgram(
            python, {"-c", "import sys, xml.etree.ElementTree as ET; "
                           "print(ET.parse(sys.argv[1]).getroot().find('{http://www.w3.org/2000/svg}title').text)",
                     chart})).trimmed();
        EXPECT_TRUE(title.startsWith(chart == runChart ? "Fast & Furious <script>" : "Race")) << title.toStdString();
        if (!chromium.isEmpty()) {
            EXPECT_FALSE(chromiumDom(chromium, chart, dir.filePath("profile")).contains("pwned</title>"));
        }
    }
}
