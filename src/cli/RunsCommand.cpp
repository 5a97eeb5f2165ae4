// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunsCommand.h"

#include "Cli.h"
#include "app/DesignLogEdits.h"
#include "DesignArgument.h"
#include "PhysicsOutput.h"
#include "files/Logbook.h"
#include "files/PathText.h"
#include "model/NumberText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RunsCommand)
};

} // namespace

const char *const RunsHelp =
    "Usage: zindle-cli runs add DESIGN --track T [--marks D:T,...] [--rest FT] [--mass LBM]\n"
    "                           [--note TEXT] [--date YYYY-MM-DD]\n"
    "       zindle-cli runs list DESIGN|FOLDER [--json]\n"
    "       zindle-cli runs remove DESIGN --track T --index K\n"
    "Keeps the runs of built cars, timed on a real track, in the class's logbook\n"
    "zindle-log.json in the folder of the design file; the design file itself is not\n"
    "changed. DESIGN is a .zndl file (a built-in design has no class folder).\n"
    "  add     records one run: --marks gives the times at marks along the track as\n"
    "          feet:seconds pairs (5:0.71,10:1.20,15:1.62), --rest the distance in feet\n"
    "          where the car came to rest, --mass the built car's weighed mass in lbm,\n"
    "          --date the day of the run (today when not given). A run needs a mark or a\n"
    "          resting distance; distances lie above 0 and up to 100 ft, times above 0\n"
    "          and up to 100 s, and the times must grow with the distance. A period is\n"
    "          the decimal point.\n"
    "  list    prints the runs of DESIGN, or of every design in the logbook of FOLDER,\n"
    "          numbered per track; --json prints them as one JSON object.\n"
    "  remove  deletes run number K on track T of DESIGN, as list numbers it.\n"
    "A logbook that cannot be read is reported and left as it is: nothing is added or\n"
    "removed until it is mended.\n";

namespace {

int usage(const QString &error, QTextStream &err)
{
    err << "zindle-cli runs: " << printableText(error) << '\n' << RunsHelp;
    return UsageFailure;
}

int refused(const QString &error, QTextStream &err)
{
    err << "zindle-cli runs: " << printableText(error) << '\n';
    return UsageFailure;
}


bool loadSubject(const QString &argument, DesignLogSubject &subject, QTextStream &err)
{
    Workspace workspace;
    if (!loadDesign(workspace, argument, err))
        return false;
    const QString path = workspace.list.current().DesignPath;
    if (path.isEmpty()) {
        err << "zindle-cli runs: "
            << Texts::tr("\"%1\" is a built-in design, which has no class folder; save it as a design file first")
                   .arg(printableText(argument))
            << '\n';
        return false;
    }
    subject = *LogSubjectOf(workspace.list.current());
    return true;
}

// Reads the logbook, or says why not and that it stays as it is.
bool readLogbook(const QString &path, Logbook &logbook, QTextStream &err)
{
    const LogbookRead read = ReadLogbook(path);
    if (!read.ok) {
        err << Texts::tr("%1; the logbook is left as it is").arg(read.shownError()) << '\n';
        return false;
    }
    logbook = read.logbook;
    return true;
}

bool writeLogbook(const QString &path, const Logbook &logbook, QTextStream &err)
{
    const WriteOutcome written = WriteLogbook(path, logbook);
    if (!written.ok)
        err << written.shownError() << '\n';
    return written.ok;
}

// The number of each run among the design's runs on its track, 1 for the first.
std::vector<int> trackNumbers(const LoggedDesign &design)
{
    std::vector<int> numbers;
    for (size_t i = 0; i < design.runs.size(); ++i) {
        int number = 1;
        for (size_t j = 0; j < i; ++j)
            if (design.runs[j].run.track == design.runs[i].run.track)
                ++number;
        numbers.push_back(number);
    }
    return numbers;
}

QJsonObject runJson(const MeasuredRun &run, int number)
{
    QJsonArray marks;
    for (const RunMark &mark : run.marks)
        marks.append(QJsonObject{{QStringLiteral("distanceFt"), mark.distanceFt}, {QStringLiteral("timeS"), mark.timeS}});
    QJsonObject object{{QStringLiteral("track"), run.track},
                       {QStringLiteral("index"), number},
                       {QStringLiteral("date"), run.date.toString(Qt::ISODate)},
                       {QStringLiteral("marks"), marks},
                       {QStringLiteral("note"), run.note}};
    if (run.restFt)
        object.insert(QStringLiteral("restFt"), *run.restFt);
    if (run.massLbm)
        object.insert(QStringLiteral("massLbm"), *run.massLbm);
    return object;
}

void printRun(const MeasuredRun &run, int number, QTextStream &out)
{
    out << "  " << printableText(run.track) << " #" << number << "  " << run.date.toString(Qt::ISODate);
    if (!run.marks.empty())
        out << "  marks " << marksText(run.marks);
    if (run.restFt)
        out << "  rest " << doubleText(*run.restFt) << " ft";
    if (run.massLbm)
        out << "  mass " << doubleText(*run.massLbm) << " lbm";
    if (!run.note.isEmpty())
        out << "  " << printableText(run.note);
    out << '\n';
}

int addRun(const ParsedArguments &parsed, QTextStream &out, QTextStream &err)
{
    QString error;
    const RunTexts texts{parsed.value(QStringLiteral("--date")), parsed.value(QStringLiteral("--track")),
                         parsed.value(QStringLiteral("--marks")), parsed.value(QStringLiteral("--rest")),
                         parsed.value(QStringLiteral("--mass")),  parsed.value(QStringLiteral("--note"))};
    const std::optional<MeasuredRun> parsedRun = parseRunTexts(
        texts, {QStringLiteral("--date"), QStringLiteral("--rest"), QStringLiteral("--mass")}, error);
    if (!parsedRun)
        return refused(error, err);
    const MeasuredRun &run = *parsedRun;

    DesignLogSubject subject;
    if (!loadSubject(parsed.positional[1], subject, err))
        return FileFailure;
    LogEdit edit;
    edit.kind = LogEdit::Add;
    edit.after = run;
    const LogEditOutcome written = ApplyLogEdit(subject, edit, false);
    if (!written.ok) {
        err << written.shownError() << '\n';
        return FileFailure;
    }
    const LoggedDesign &design = written.logbook.designs[static_cast<size_t>(
        FindLoggedDesign(written.logbook, subject.folder, subject.designName, subject.fileName).index)];
    out << "Added run #" << trackNumbers(design).back() << " on " << printableText(run.track) << " of "
        << printableText(design.name) << " to " << printableText(subject.logbookPath) << '\n';
    return Success;
}

int listRuns(const ParsedArguments &parsed, QTextStream &out, QTextStream &err)
{
    const QString &argument = parsed.positional[1];
    std::vector<const LoggedDesign *> shown;
    Logbook logbook;
    QString logbookPath;
    if (QFileInfo(argument).isDir()) {
        logbookPath = QDir(argument).filePath(LogbookFileName);
        if (!readLogbook(logbookPath, logbook, err))
            return FileFailure;
        for (const LoggedDesign &design : logbook.designs)
            shown.push_back(&design);
    } else {
        DesignLogSubject subject;
        if (!loadSubject(argument, subject, err))
            return FileFailure;
        logbookPath = subject.logbookPath;
        if (!readLogbook(logbookPath, logbook, err))
            return FileFailure;
        const DesignMatch match = FindLoggedDesign(logbook, subject.folder, subject.designName, subject.fileName);
        if (match.index >= 0)
            shown.push_back(&logbook.designs[static_cast<size_t>(match.index)]);
    }
    if (parsed.has(QStringLiteral("--json"))) {
        QJsonArray designs;
        for (const LoggedDesign *design : shown) {
            QJsonArray runs;
            const std::vector<int> numbers = trackNumbers(*design);
            for (size_t i = 0; i < design->runs.size(); ++i)
                runs.append(runJson(design->runs[i].run, numbers[i]));
            designs.append(QJsonObject{{QStringLiteral("name"), design->name},
                                       {QStringLiteral("file"), design->file},
                                       {QStringLiteral("runs"), runs}});
        }
        printJson(QJsonObject{{QStringLiteral("logbook"), logbookPath}, {QStringLiteral("designs"), designs}}, out);
        return Success;
    }
    if (shown.empty())
        out << "No runs in " << printableText(logbookPath) << '\n';
    for (const LoggedDesign *design : shown) {
        out << printableText(design->name) << " (" << printableText(design->file) << ")\n";
        const std::vector<int> numbers = trackNumbers(*design);
        for (size_t i = 0; i < design->runs.size(); ++i)
            printRun(design->runs[i].run, numbers[i], out);
    }
    return Success;
}

int removeRun(const ParsedArguments &parsed, QTextStream &out, QTextStream &err)
{
    const QString track = parsed.value(QStringLiteral("--track")).trimmed();
    const std::optional<int> index = parseInteger(parsed.value(QStringLiteral("--index")));
    if (!index || *index < 1)
        return refused(Texts::tr("--index: \"%1\" is not a run number (1, 2, ...)")
                           .arg(parsed.value(QStringLiteral("--index"))),
                       err);
    DesignLogSubject subject;
    if (!loadSubject(parsed.positional[1], subject, err))
        return FileFailure;
    Logbook logbook;
    if (!readLogbook(subject.logbookPath, logbook, err))
        return FileFailure;
    const DesignMatch match = FindLoggedDesign(logbook, subject.folder, subject.designName, subject.fileName);
    int onTrack = 0;
    if (match.index >= 0) {
        LoggedDesign &design = logbook.designs[static_cast<size_t>(match.index)];
        for (auto it = design.runs.begin(); it != design.runs.end(); ++it) {
            if (it->run.track != track || ++onTrack != *index)
                continue;
            design.runs.erase(it);
            if (!writeLogbook(subject.logbookPath, logbook, err))
                return FileFailure;
            out << "Removed run #" << *index << " on " << printableText(track) << " of "
                << printableText(design.name) << " from " << printableText(subject.logbookPath) << '\n';
            return Success;
        }
    }
    return refused(Texts::tr("%1 has no run #%2 on \"%3\" (it has %4 there)")
                       .arg(subject.designName)
                       .arg(*index)
                       .arg(track)
                       .arg(onTrack),
                   err);
}

} // namespace

int runsCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    const QString action = args.value(0);
    ParsedArguments parsed;
    QString error;
    if (action == QLatin1String("add")) {
        if (!parseArguments(args, {},
                            {QStringLiteral("--track"), QStringLiteral("--marks"), QStringLiteral("--rest"),
                             QStringLiteral("--mass"), QStringLiteral("--note"), QStringLiteral("--date")},
                            parsed, error))
            return usage(error, err);
        if (parsed.positional.size() != 2 || !parsed.hasValue(QStringLiteral("--track")))
            return usage(Texts::tr("add needs DESIGN and --track"), err);
        return addRun(parsed, out, err);
    }
    if (action == QLatin1String("list")) {
        if (!parseArguments(args, {QStringLiteral("--json")}, {}, parsed, error))
            return usage(error, err);
        if (parsed.positional.size() != 2)
            return usage(Texts::tr("list needs one DESIGN or FOLDER"), err);
        return listRuns(parsed, out, err);
    }
    if (action == QLatin1String("remove")) {
        if (!parseArguments(args, {}, {QStringLiteral("--track"), QStringLiteral("--index")}, parsed, error))
            return usage(error, err);
        if (parsed.positional.size() != 2 || !parsed.hasValue(QStringLiteral("--track"))
            || !parsed.hasValue(QStringLiteral("--index")))
            return usage(Texts::tr("remove needs DESIGN, --track and --index"), err);
        return removeRun(parsed, out, err);
    }
    return usage(action.isEmpty() ? Texts::tr("add, list or remove?")
                                  : Texts::tr("unknown action '%1'").arg(action),
                 err);
}

} // namespace zindle::cli
