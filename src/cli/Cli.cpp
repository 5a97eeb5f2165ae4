#include "Cli.h"

#include "AnalyzeCommand.h"
#include "DesignArgument.h"
#include "RaceCommand.h"
#include "ReportCommand.h"
#include "ShowCommand.h"
#include "SimulateCommand.h"
#include "SweepCommand.h"
#include "TemplatesCommand.h"
#include "files/DesignFile.h"
#include "files/TextDesignFile.h"

#include <QFileInfo>

namespace zindle::cli {

namespace {

const char *const UsageText =
    "Usage: zindle-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  show DESIGN               print the whole design, one Key=Value line per item\n"
    "  save DESIGN OUT.zndl      write DESIGN as a design file\n"
    "  convert OLD OUT.zndl      read a design file of an earlier release (text layout)\n"
    "                            and write it as a design file of this release\n"
    "  analyze DESIGN            build, weigh and balance the car; print the results\n"
    "  simulate DESIGN           simulate the run over the 15 ft course\n"
    "  race DESIGN...            simulate up to 16 designs and race them\n"
    "  sweep DESIGN              the Power Designer sweep for the best time\n"
    "  report DESIGN OUT.pdf     print the one-page design report into a PDF\n"
    "  templates DESIGN OUT.pdf  print the report, layer and wheel templates into a PDF\n"
    "\n"
    "DESIGN is the name of a built-in design (\"Default Design\", \"Racer\", \"Pickup\",\n"
    "\"Tow Truck\", \"Wheelie\") or the path of a .zndl file.\n"
    "'zindle-cli COMMAND --help' describes one command.\n"
    "Exit status: 0 success, 1 a file could not be read or written, 2 bad usage.\n";

struct Command {
    const char *name;
    int argumentCount; // -1: the handler checks its own arguments and options
    const char *help;
    int (*handler)(const QStringList &args, QTextStream &out, QTextStream &err);
};

int showCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    Workspace workspace;
    QString error;
    if (!loadDesign(workspace, args[0], error)) {
        err << error << '\n';
        return FileFailure;
    }
    printDesign(workspace, out);
    return Success;
}

int saveCommand(const QStringList &args, QTextStream &, QTextStream &err)
{
    Workspace workspace;
    QString error;
    if (!loadDesign(workspace, args[0], error)) {
        err << error << '\n';
        return FileFailure;
    }
    const WriteOutcome written = SaveDesign(workspace, args[1], workspace.list.CurrentDesign);
    if (!written.ok) {
        err << written.error << '\n';
        return FileFailure;
    }
    return Success;
}

int convertCommand(const QStringList &args, QTextStream &, QTextStream &err)
{
    Workspace workspace;
    PrepareForFileRead(workspace);
    const ReadOutcome read = ReadTextDesignFile(workspace, args[0]);
    if (!read.ok()) {
        err << read.error << '\n';
        return FileFailure;
    }
    // The oldest files carry no name; the file's own name is the best the user can know it by.
    const QString name = read.name.isEmpty() ? QFileInfo(args[0]).completeBaseName() : read.name;
    const int slot = workspace.list.append(name, args[0], true);
    workspace.list.CurrentDesign = slot;
    const WriteOutcome written = SaveDesign(workspace, args[1], slot);
    if (!written.ok) {
        err << written.error << '\n';
        return FileFailure;
    }
    return Success;
}

const Command Commands[] = {
    {"show", 1,
     "Usage: zindle-cli show DESIGN\n"
     "Prints the design: name, the eight part parameters, the material of each part, the\n"
     "preferences, chamber shape, drive, both outlines, the weights and the front axle.\n",
     showCommand},
    {"save", 2,
     "Usage: zindle-cli save DESIGN OUT.zndl\n"
     "Writes DESIGN to OUT.zndl in the design file layout of this release.\n",
     saveCommand},
    {"convert", 2,
     "Usage: zindle-cli convert OLD OUT.zndl\n"
     "Reads OLD, a text design file of an earlier release (with the version block of\n"
     "version 3, or the older layout without it), and writes it to OUT.zndl.\n",
     convertCommand},
    {"analyze", -1, AnalyzeHelp, analyzeCommand},
    {"simulate", -1, SimulateHelp, simulateCommand},
    {"race", -1, RaceHelp, raceCommand},
    {"sweep", -1, SweepHelp, sweepCommand},
    {"report", -1, ReportHelp, reportCommand},
    {"templates", -1, TemplatesHelp, templatesCommand},
};

} // namespace

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
    for (const Command &command : Commands) {
        if (name != QLatin1String(command.name))
            continue;
        const QStringList rest = arguments.mid(1);
        if (rest.contains(QStringLiteral("--help")) || rest.contains(QStringLiteral("-h"))) {
            out << command.help;
            return Success;
        }
        if (command.argumentCount >= 0 && rest.size() != command.argumentCount) {
            err << command.help;
            return UsageFailure;
        }
        return command.handler(rest, out, err);
    }
    err << "zindle-cli: unknown command '" << name << "'\n" << UsageText;
    return UsageFailure;
}

} // namespace zindle::cli
