// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Cli.h"
#include "support/CliRunner.h"
#include "app/Workspace.h"
#include "output/DesignReport.h"
#include "output/Templates.h"
#include "app/RefreshChain.h"
#include "sheet/EmptySheet.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zindle;
using zindle::test::CliResult;
using zindle::test::runCli;

namespace {


bool haveTool(const char *name) { return !QStandardPaths::findExecutable(name).isEmpty(); }

// The text of a PDF as pdftotext lays it out; pages are separated by form feeds.
QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int pdfPages(const QString &pdf) { return static_cast<int>(pdfText(pdf).count('\f')); }

// Page `page` of a PDF rendered in grey at `dpi`.
QImage pdfPage(const QString &pdf, int page, int dpi, const QString &dir)
{
    const QString prefix = dir + "/page";
    QProcess p;
    p.start("pdftoppm", {"-r", QString::number(dpi), "-gray", "-f", QString::number(page), "-l",
                         QString::number(page), "-singlefile", pdf, prefix});
    p.waitForFinished(60000);
    return QImage(prefix + ".pgm");
}

Workspace simulated(const QString &name, int slot)
{
    Workspace ws;
    BuildBuiltInDesign(ws, slot);
    ws.list.CurrentDesign = slot;
    ws.scale = HeadlessSheetScale();
    PrepareEntireCycle(ws);
    RefreshPhysicsMode(ws, SheetMode::Simulate);
    (void)name;
    return ws;
}

// Bounding box of the silver (192 grey) area, counting only runs of at least five pixels so
// that the anti-aliased edges of the black labels do not count.
QRect silverBox(const QImage &page)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        int run = 0;
        for (int x = 0; x < page.width(); ++x) {
            const int g = qGray(page.pixel(x, y));
            run = (g >= 186 && g <= 198) ? run + 1 : 0;
            if (run >= 5)
                box |= QRect(x - run + 1, y, run, 1);
        }
    }
    return box;
}

} // namespace

TEST(CliReport, PdfCarriesTheReportLines)
{
    if (!haveTool("pdftotext"))
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    const CliResult result = runCli({"report", "Default Design", pdf});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    EXPECT_EQ(pdfPages(pdf), 2);

    const QStringList text = pdfText(pdf).split('\n');
    auto lineWith = [&](const QString &needle) {
        for (const QString &line : text)
            if (line.contains(needle))
                return line;
        return QString();
    };
    const Workspace ws = simulated("Default Design", 0);
    for (const ReportLine &line : DesignReportLines(ws))
        EXPECT_FALSE(lineWith(line.text.trimmed()).isEmpty()) << line.text.toStdString();

    EXPECT_TRUE(lineWith("ZINDLE Design Report for Default design").startsWith("ZINDLE"));
    EXPECT_FALSE(lineWith("Other wheels: Default Foamcore (t= 0.50 in, dens=0.0023 lb/cu in)").isEmpty());
    EXPECT_FALSE(lineWith("Cored layers: 4.00").isEmpty());
    // The default car skids and stops short of 15 ft: its time stays in brackets.
    ASSERT_TRUE(ws.results.TimeEF.startsWith('[')) << ws.results.TimeEF.toStdString();
    const QString time = "Time to 15 ft: " + ws.results.TimeEF + " sec";
    const QString row = lineWith(time);
    EXPECT_TRUE(row.trimmed().startsWith("Revolutions: ")) << row.toStdString();
    EXPECT_GT(row.indexOf(time), row.indexOf("turns"));

    // The second page: where the energy went and how sure the time is, in words a reader finds.
    EXPECT_FALSE(lineWith("Default design: why it is fast, and how sure").isEmpty());
    EXPECT_FALSE(lineWith("took").isEmpty() && lineWith("wasted").isEmpty());
    EXPECT_FALSE(lineWith("Built within these tolerances, your car reaches 15 ft in").isEmpty());
    EXPECT_FALSE(lineWith("9 in 10 builds").isEmpty());
}

TEST(CliTemplates, EntireSetIsOnePagePerPrintedItem)
{
    if (!haveTool("pdftotext"))
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("set.pdf");
    const CliResult result = runCli({"templates", "Racer", pdf});
    ASSERT_EQ(result.status, 0) << result.err.toStdString();
    // Report, six layers, the two drive wheels side by side (4.80 in), the two front wheels.
    ASSERT_EQ(pdfPages(pdf), 1 + 6 + 1 + 1);
    const QStringList pages = pdfText(pdf).split('\f');
    ASSERT_GE(pages.size(), 9);
    EXPECT_TRUE(pages[1].contains("Racer: Outer Layer 1"));
    EXPECT_TRUE(pages[2].contains("Racer: Inner Layer 2"));
    EXPECT_TRUE(pages[6].contains("Racer: Outer Layer 6"));
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(pages[i].contains(SpringAccessNote()), i == 3) << "layer " << i;
    EXPECT_TRUE(pages[7].contains("Racer: Wheels"));
    EXPECT_TRUE(pages[7].contains("hole: 0.5 in dia"));
    EXPECT_TRUE(pages[8].contains("hole: 0.25 in dia"));
    EXPECT_TRUE(pages[8].contains("Other wheels: Default Foamcore (0.50 in)"));

    const QString outer = dir.filePath("outer.pdf");
    ASSERT_EQ(runCli({"templates", "Racer", outer, "--set", "outer"}).status, 0);
    EXPECT_EQ(pdfPages(outer), 1);
    EXPECT_TRUE(pdfText(outer).contains("Racer: Outer Layer template"));
    const QString wheels = dir.filePath("wheels.pdf");
    ASSERT_EQ(runCli({"templates", "Racer", wheels, "--set", "wheels"}).status, 0);
    EXPECT_EQ(pdfPages(wheels), 2);
}

TEST(CliTemplates, LayerTemplateIsTrueToScale)
{
    if (!haveTool("pdftoppm"))
        GTEST_SKIP() << "pdftoppm is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("outer.pdf");
    // The paper follows the locale otherwise.
    ASSERT_EQ(runCli({"templates", "Racer", pdf, "--set", "outer", "--page", "letter"}).status, 0);
    const int dpi = 100;
    const QImage page = pdfPage(pdf, 1, dpi, dir.path());
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(page.width(), 11 * dpi); // landscape US Letter
    EXPECT_EQ(page.height(), 850);

    // The outer layer in sheet points, above the sheet's bottom edge.
    Workspace ws = simulated("Racer", 1);
    PrepareTemplates(ws);
    const QRect layerPt = (ws.regions.points().outerLayer & QRect(0, 0, 1000, 540)).boundingRect();
    const QRect measured = silverBox(page);
    const double expectedW = layerPt.width() * dpi / 72.0, expectedH = layerPt.height() * dpi / 72.0;
    EXPECT_NEAR(measured.width(), expectedW, expectedW * 0.005);
    EXPECT_NEAR(measured.height(), expectedH, expectedH * 0.005);
    // Shifted by the quarter-inch margin the printer cannot ink.
    EXPECT_NEAR(measured.left(), layerPt.left() * dpi / 72.0 + dpi / 4, 2.0);
    EXPECT_NEAR(measured.top(), layerPt.top() * dpi / 72.0 + dpi / 4, 2.0);
}

TEST(CliTemplates, PaperIsChosenWithPageOrTakenFromTheLocale)
{
    if (!haveTool("pdftoppm"))
        GTEST_SKIP() << "pdftoppm is not installed";
    QTemporaryDir dir;
    const int dpi = 20;
    // Chosen: the report upright and the templates across, at the paper's size in pixels.
    const QString a4 = dir.filePath("a4.pdf");
    ASSERT_EQ(runCli({"templates", "Racer", a4, "--page", "a4"}).status, 0);
    EXPECT_EQ(pdfPage(a4, 1, dpi, dir.path()).size(), QSize(166, 234));
    EXPECT_EQ(pdfPage(a4, 2, dpi, dir.path()).size(), QSize(234, 166));
    const QString letter = dir.filePath("letter.pdf");
    ASSERT_EQ(runCli({"report", "Racer", letter, "--page", "Letter"}).status, 0);
    EXPECT_EQ(pdfPage(letter, 1, dpi, dir.path()).size(), QSize(170, 220));
    const CliResult wrong = runCli({"report", "Racer", dir.filePath("x.pdf"), "--page", "a5"});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.err.contains("a5"));
    EXPECT_FALSE(QFile::exists(dir.filePath("x.pdf")));

    // Without --page the locale's paper decides (Letter in Canada and Mexico too); the C locale
    // says nothing.
    const std::pair<QStringList, QSize> locales[] = {
        {{"LC_ALL=C"}, QSize(170, 220)},
        {{"LANG=de_DE.UTF-8"}, QSize(166, 234)},
        {{"LANG=en_US.UTF-8"}, QSize(170, 220)},
        {{"LANG=en_US.UTF-8", "LC_PAPER=fr_FR.UTF-8"}, QSize(166, 234)},
        {{"LANG=fr_CA.UTF-8"}, QSize(170, 220)},
    };
    int n = 0;
    for (const auto &[settings, size] : locales) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"LC_ALL", "LC_PAPER", "LANG"})
            environment.remove(name);
        for (const QString &setting : settings)
            environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        const QString pdf = dir.filePath(QString("locale-%1.pdf").arg(++n));
        QProcess cli;
        cli.setProcessEnvironment(environment);
        cli.start(ZINDLE_CLI_PATH, {"report", "Racer", pdf});
        ASSERT_TRUE(cli.waitForFinished(60000));
        ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
        EXPECT_EQ(pdfPage(pdf, 1, dpi, dir.path()).size(), size) << settings.join(' ').toStdString();
    }
}

TEST(CliTemplates, UsageAndFailures)
{
    QTemporaryDir dir;
    const CliResult help = runCli({"templates", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains("--set all|report|inner|outer|wheels"));
    EXPECT_EQ(runCli({"report", "--help"}).status, 0);
    EXPECT_EQ(runCli({"report", "Racer"}).status, 2);
    EXPECT_EQ(runCli({"templates", "Racer", dir.filePath("x.pdf"), "--set", "axles"}).status, 2);
    EXPECT_EQ(runCli({"templates", "Racer", dir.filePath("x.pdf"), "--set"}).status, 2);
    EXPECT_EQ(runCli({"report", dir.filePath("missing.zndl"), dir.filePath("x.pdf")}).status, 1);
    EXPECT_EQ(runCli({"report", "Racer", dir.filePath("no/such/folder/x.pdf")}).status, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.pdf")));
}
