// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cli.h"

#include "AnalyzeCommand.h"
#include "CalibrateCommand.h"
#include "ChallengeCommand.h"
#include "EnergyCommand.h"
#include "EventCommand.h"
#include "TolerancesCommand.h"
#include "DesignArgument.h"
#include "LeagueCommand.h"
#include "RaceCommand.h"
#include "PortfolioCommand.h"
#include "ReportCommand.h"
#include "SensitivityCommand.h"
#include "RunsCommand.h"
#include "ShowCommand.h"
#include "SimulateCommand.h"
#include "SweepCommand.h"
#include "OptimiseCommand.h"
#include "TemplatesCommand.h"
#include "files/DesignFile.h"
#include "files/PathText.h"
#include "files/TextDesignFile.h"
#include "physics/BuildGeometry.h"
#include "ManPage.h"
#include "OutputFile.h"
#include "PhysicsOutput.h"
#include "ZindleVersion.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

const char *const UsageText =
    "Usage: zindle-cli [--lang en|de|es|fr] COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  show DESIGN               print the whole design, one Key=Value line per item\n"
    "  save DESIGN OUT.zndl      write DESIGN as a design file (- for standard output)\n"
    "  convert OLD OUT.zndl      read a design file of an earlier release (text layout)\n"
    "                            and write it as a design file of this release\n"
    "  analyze DESIGN            build, weigh and balance the car; print the results\n"
    "  simulate DESIGN           simulate the run over the 15 ft course\n"
    "  energy DESIGN             where the spring's energy goes in the run\n"
    "  sensitivity DESIGN        which small change of one input saves most time\n"
    "  tolerances DESIGN         how sure the time is when the car is built within\n"
    "                            a class's tolerances (seeded builds on all cores)\n"
    "  race DESIGN...            simulate up to 16 designs and race them\n"
    "  league FILE|FOLDER...     rank a whole class's designs; heats, CSV, HTML and PDF\n"
    "  sweep DESIGN              the Power Designer sweep for the best time\n"
    "  optimise DESIGN           search the chosen sizes for the best car (seeded, on\n"
    "                            all cores) within ranges and constraints\n"
    "  report DESIGN OUT.pdf     print the one-page design report into a PDF\n"
    "  portfolio DESIGN OUT.pdf  a student's portfolio for grading, at most 4 pages\n"
    "  templates DESIGN OUT.pdf  print the report, layer and wheel templates into a PDF\n"
    "  runs add|list|remove      the runs of built cars timed on a real track, kept in\n"
    "                            the class's logbook beside the designs\n"
    "  calibrate FOLDER          fit the model's friction and spring efficiency to the\n"
    "                            runs on one track (--track T), kept in the logbook;\n"
    "                            'simulate DESIGN --track T' predicts with it\n"
    "  event new|schedule|record|standings|enter|withdraw\n"
    "                            the class's race day on a real track: lane-balanced\n"
    "                            heats, times entered, standings, runs in the logbook\n"
    "  challenge new C.json      write a challenge: its rules on the design, scoring,\n"
    "                            rubric and prompts\n"
    "  check DESIGN --challenge C.json\n"
    "                            check a design against every rule of a challenge\n"
    "\n"
    "DESIGN is the name of a built-in design (\"Default Design\", \"Racer\", \"Pickup\",\n"
    "\"Tow Truck\", \"Wheelie\") or the path of a .zndl file.\n"
    "'zindle-cli COMMAND --help' describes one command; 'zindle-cli --version' prints the\n"
    "release.\n"
    "--lang says the messages in English, German, Spanish or French instead of the\n"
    "desktop's language; what is printed as data and the files written are the same in\n"
    "every language.\n"
    "Exit status: 0 success, 1 a file could not be read or written (standard output\n"
    "too), 2 bad usage, 130 stopped by Ctrl+C.\n";

const char *const ShowHelp =
    "Usage: zindle-cli show DESIGN\n"
    "Prints the design: name, the eight part parameters, the material of each part, the\n"
    "preferences, chamber shape, drive, both outlines, the weights and the front axle.\n";

const char *const SaveHelp =
    "Usage: zindle-cli save DESIGN OUT.zndl\n"
    "Writes DESIGN to OUT.zndl in the design file layout of this release (to standard\n"
    "output when OUT.zndl is -). The old file is replaced only once the new one is\n"
    "written in full.\n";

const char *const ConvertHelp =
    "Usage: zindle-cli convert OLD OUT.zndl\n"
    "Reads OLD, a text design file of an earlier release (with the version block of\n"
    "version 3, or the older layout without it), and writes it to OUT.zndl (to standard\n"
    "output when OUT.zndl is -).\n";

struct Command {
    const char *name;
    const char *help;
    int (*handler)(const QStringList &args, QTextStream &out, QTextStream &err);
};

// The commands with positional arguments only; `count` of them, options refused by name.
bool positionalOnly(const QStringList &args, int count, const char *command, const char *help,
                    ParsedArguments &parsed, QTextStream &err)
{
    QString error;
    if (parseArguments(args, {}, {}, parsed, error) && parsed.positional.size() == count)
        return true;
    if (!error.isEmpty())
        err << "zindle-cli " << command << ": " << printableText(error) << '\n';
    err << help;
    return false;
}

int showCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    if (!positionalOnly(args, 1, "show", ShowHelp, parsed, err))
        return UsageFailure;
    Workspace workspace;
    if (!loadDesign(workspace, parsed.positional[0], err))
        return FileFailure;
    printDesign(workspace, out);
    return Success;
}

int saveCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    if (!positionalOnly(args, 2, "save", SaveHelp, parsed, err))
        return UsageFailure;
    Workspace workspace;
    if (!loadDesign(workspace, parsed.positional[0], err))
        return FileFailure;
    const QString &target = parsed.positional[1];
    const int slot = workspace.list.CurrentDesign;
    if (isStandardOutput(target)) {
        const QByteArray bytes = EncodeDesign(workspace.design, workspace.catalogue,
                                              workspace.list.entries[static_cast<size_t>(slot)].DesignName);
        return writeOutputFile(target, bytes, out, err) ? Success : FileFailure;
    }
    const WriteOutcome written = SaveDesign(workspace, target, slot);
    if (!written.ok) {
        err << written.shownError() << '\n';
        return FileFailure;
    }
    return Success;
}

int convertCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    if (!positionalOnly(args, 2, "convert", ConvertHelp, parsed, err))
        return UsageFailure;
    const QString &source = parsed.positional[0];
    const QString &target = parsed.positional[1];
    Workspace workspace;
    PrepareForFileRead(workspace);
    const ReadOutcome read = ReadTextDesignFile(workspace, source);
    if (!read.ok()) {
        err << read.shownError() << '\n';
        return FileFailure;
    }
    // The oldest files carry no name; the file's own name is the best the user can know it by.
    const QString name = read.name.isEmpty() ? QFileInfo(source).completeBaseName() : read.name;
    // The window saves a converted design after the build step has shown it, which sets the
    // front axle's height from its wheel (and corrects sizes out of range); the same file
    // comes out here.
    ComputeBuildGeometry(workspace);
    if (isStandardOutput(target))
        return writeOutputFile(target, EncodeDesign(workspace.design, workspace.catalogue, name), out, err)
                   ? Success
                   : FileFailure;
    const int slot = workspace.list.append(name, source, true);
    workspace.list.CurrentDesign = slot;
    const WriteOutcome written = SaveDesign(workspace, target, slot);
    if (!written.ok) {
        err << written.shownError() << '\n';
        return FileFailure;
    }
    return Success;
}

const Command Commands[] = {
    {"show", ShowHelp, showCommand},
    {"save", SaveHelp, saveCommand},
    {"convert", ConvertHelp, convertCommand},
    {"analyze", AnalyzeHelp, analyzeCommand},
    {"simulate", SimulateHelp, simulateCommand},
    {"energy", EnergyHelp, energyCommand},
    {"sensitivity", SensitivityHelp, sensitivityCommand},
    {"tolerances", TolerancesHelp, tolerancesCommand},
    {"race", RaceHelp, raceCommand},
    {"league", LeagueHelp, leagueCommand},
    {"sweep", SweepHelp, sweepCommand},
    {"optimise", OptimiseHelp, optimiseCommand},
    {"report", ReportHelp, reportCommand},
    {"portfolio", PortfolioHelp, portfolioCommand},
    {"templates", TemplatesHelp, templatesCommand},
    {"runs", RunsHelp, runsCommand},
    {"calibrate", CalibrateHelp, calibrateCommand},
    {"event", EventHelp, eventCommand},
    {"challenge", ChallengeHelp, challengeCommand},
    {"check", CheckHelp, checkCommand},
};

// The program's own options: the first two stand in place of a command.
const char *const OptionsHelp =
    "  --help, -h    print the list of commands\n"
    "  --version     print the program's name and release\n"
    "  --lang CODE   speak English (en), German (de), Spanish (es) or French (fr) to a\n"
    "                person instead of the desktop's language\n";

} // namespace

QString versionText()
{
    return QStringLiteral("zindle-cli %1\n").arg(QLatin1String(ProgramVersion));
}

QString manualPage()
{
    ManPageSource source;
    source.program = QStringLiteral("zindle-cli");
    source.version = QLatin1String(ProgramVersion);
    source.summary = QStringLiteral("analyse, simulate, race and print Zindle model car designs without a window");
    source.synopsis = {QStringLiteral("zindle-cli [--lang en|de|es|fr] COMMAND [ARGUMENTS]"),
                       QStringLiteral("zindle-cli COMMAND --help"), QStringLiteral("zindle-cli --help"),
                       QStringLiteral("zindle-cli --version")};
    // The usage text without its own usage line, which the synopsis already gives.
    source.description = QString::fromLatin1(UsageText).section(QLatin1Char('\n'), 1);
    source.options = QString::fromLatin1(OptionsHelp);
    for (const Command &command : Commands)
        source.commands.push_back({QString::fromLatin1(command.name), QString::fromUtf8(command.help)});
    source.seeAlso = {QStringLiteral("zindle(1)")};
    return manPage(source);
}

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.isEmpty()) {
        err << UsageText;
        return UsageFailure;
    }
    const QString &name = arguments[0];
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        out << UsageText;
        return Success;
    }
    if (name == QLatin1String("--version")) {
        out << versionText();
        return Success;
    }
    // Undocumented: the build writes the installed manual page with it.
    if (name == QLatin1String("--manpage")) {
        out << manualPage();
        return Success;
    }
    for (const Command &command : Commands) {
        if (name != QLatin1String(command.name))
            continue;
        const QStringList rest = arguments.mid(1);
        if (rest.contains(QStringLiteral("--help")) || rest.contains(QStringLiteral("-h"))) {
            out << command.help;
            return Success;
        }
        return command.handler(rest, out, err);
    }
    err << "zindle-cli: " << Texts::tr("unknown command '%1'").arg(printableText(name)) << '\n' << UsageText;
    return UsageFailure;
}

} // namespace zindle::cli
