// SPDX-License-Identifier: GPL-3.0-or-later
// The manual page is made from the help texts at build time; a help text that troff misreads
// (a line starting with a dot, a backslash, a dash) would silently lose words from the page.

#include "cli/Cli.h"
#include "cli/ManPage.h"
#include "support/CliRunner.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace zindle::cli;
using zindle::test::runCli;

namespace {

// The page rendered as plain text, and what troff warned about; empty when groff is missing.
struct Rendered {
    QString text, warnings;
};

Rendered render(const QString &page)
{
    QProcess groff;
    groff.start(QStringLiteral("groff"), {"-man", "-Tutf8", "-ww", "-P-cbou"});
    groff.write(page.toUtf8());
    groff.closeWriteChannel();
    groff.waitForFinished(30000);
    return {QString::fromUtf8(groff.readAllStandardOutput()), QString::fromUtf8(groff.readAllStandardError())};
}

bool haveGroff() { return !QStandardPaths::findExecutable(QStringLiteral("groff")).isEmpty(); }

// The rendered text with runs of white space (line breaks, justification) as one space.
QString flattened(const QString &text) { return text.simplified(); }

const QStringList Requests = {".TH", ".SH", ".SS", ".PP", ".TP", ".nf", ".fi", ".br", ".BR", ".nh", ".ad"};

} // namespace

TEST(ManPageText, EscapesWhatTroffWouldTakeAsItsOwn)
{
    EXPECT_EQ(troffEscaped("a\\b"), "a\\eb");
    // Option dashes must come out as ASCII hyphens to be copied from the page.
    EXPECT_EQ(troffEscaped("--page a4|letter"), "\\-\\-page a4|letter");
    EXPECT_EQ(troffEscaped("[--json] (- for standard output)"), "[\\-\\-json] (\\- for standard output)");
    EXPECT_EQ(troffEscaped("spring-powered"), "spring-powered");

    ManPageSource source;
    source.program = "tool";
    source.version = "1.0.0";
    source.summary = "does things";
    source.synopsis = {"tool COMMAND"};
    source.description = ".zndl files are read.\n'quoted' words lead this line.\n  .hidden    a term that starts with a dot\n";
    const QString page = manPage(source);
    for (const QString &line : page.split('\n', Qt::SkipEmptyParts)) {
        if (line.startsWith('.') || line.startsWith('\'')) {
            EXPECT_TRUE(Requests.contains(line.section(' ', 0, 0))) << "text taken as a request: " << line.toStdString();
        }
    }
    if (!haveGroff())
        GTEST_SKIP() << "groff is not installed";
    const Rendered rendered = render(page);
    EXPECT_EQ(rendered.warnings, "");
    const QString text = flattened(rendered.text);
    EXPECT_TRUE(text.contains(".zndl files are read.")) << text.toStdString();
    EXPECT_TRUE(text.contains("'quoted' words lead this line.")) << text.toStdString();
    EXPECT_TRUE(text.contains(".hidden a term that starts with a dot")) << text.toStdString();
}

TEST(ManPageText, TablesBecomeItemsAndOtherIndentedLinesKeepTheirLayout)
{
    ManPageSource source;
    source.program = "tool";
    source.version = "1.0.0";
    source.summary = "does things";
    source.synopsis = {"tool COMMAND"};
    source.commands.push_back({"cut",
                               "Usage: tool cut DESIGN OUT.pdf [--set all|report]\n"
                               "                [--page a4|letter]\n"
                               "Cuts the chosen set:\n"
                               "  all     every layer,\n"
                               "          wrapped onto a second line\n"
                               "  report  the report\n"
                               "Then a sentence.\n"
                               "    x = 1\n"
                               "    y = 2\n"});
    const QString page = manPage(source);
    // The usage and its continuation are one synopsis, the command words bold.
    EXPECT_TRUE(page.contains("\\fBtool\\fR \\fBcut\\fR DESIGN OUT.pdf [\\-\\-set all|report] [\\-\\-page a4|letter]\n"))
        << page.toStdString();
    EXPECT_TRUE(page.contains(".TP\n\\fBall\\fR\nevery layer,\nwrapped onto a second line\n.TP\n\\fBreport\\fR\nthe report\n"))
        << page.toStdString();
    EXPECT_TRUE(page.contains(".PP\nThen a sentence.\n.nf\n    x = 1\n    y = 2\n.fi\n")) << page.toStdString();
    EXPECT_EQ(page.count(".nf\n"), page.count(".fi\n"));

    // A command of several forms gives one synopsis line each.
    source.commands = {{"log", "Usage: tool log add DESIGN\n"
                               "                [--note TEXT]\n"
                               "       tool log list FOLDER\n"
                               "Keeps a log.\n"}};
    EXPECT_TRUE(manPage(source).contains(".PP\n\\fBtool\\fR \\fBlog\\fR add DESIGN [\\-\\-note TEXT]\n"
                                         ".br\n\\fBtool\\fR \\fBlog\\fR list FOLDER\n.PP\nKeeps a log.\n"))
        << manPage(source).toStdString();
}

TEST(ManPageText, TheProgramsPageHasEveryCommandAndFormatsCleanly)
{
    const QString page = manualPage();
    EXPECT_TRUE(page.startsWith(".TH ZINDLE-CLI 1 "));
    const QString usage = runCli({"--help"}).out;
    // Every command the usage lists has its section, with the first words of its own help.
    static const QRegularExpression commandLine(QStringLiteral("^  ([a-z]+) "), QRegularExpression::MultilineOption);
    int commands = 0;
    for (auto it = commandLine.globalMatch(usage); it.hasNext(); ++commands) {
        const QString name = it.next().captured(1);
        EXPECT_TRUE(page.contains(".SS " + name + '\n')) << name.toStdString();
    }
    EXPECT_EQ(commands, 20);

    if (!haveGroff())
        GTEST_SKIP() << "groff is not installed";
    const Rendered rendered = render(page);
    EXPECT_EQ(rendered.warnings, "");
    const QString text = flattened(rendered.text);
    for (const char *words : {"zindle-cli templates DESIGN OUT.pdf [--set all|report|inner|outer|wheels] [--page a4|letter]",
                              "Ctrl+C stops after the combination being simulated",
                              "zindle-cli optimise DESIGN --vary P,P... [--range P:LOW:HIGH]...",
                              "--trace adds the recorded samples as CSV lines",
                              "zindle-cli runs remove DESIGN --track T --index K",
                              "--heats also race the cars in heats of at most 16",
                              "--version print the program's name and release", "zindle(1)"})
        EXPECT_TRUE(text.contains(QLatin1String(words))) << words << "\n" << text.toStdString();
}

TEST(CliVersion, PrintsTheReleaseAndSucceeds)
{
    const auto version = runCli({"--version"});
    EXPECT_EQ(version.status, Success);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^zindle-cli \\d+\\.\\d+\\.\\d+\n$")).match(version.out).hasMatch())
        << version.out.toStdString();
    EXPECT_EQ(version.err, "");
    const auto page = runCli({"--manpage"});
    EXPECT_EQ(page.status, Success);
    EXPECT_EQ(page.out, manualPage());
}
