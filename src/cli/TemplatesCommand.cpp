#include "TemplatesCommand.h"

#include "Cli.h"
#include "OutputFile.h"
#include "PhysicsOutput.h"
#include "files/PathText.h"
#include "physics/RefreshChain.h"
#include "sheet/EmptySheet.h"

#include <QBuffer>

namespace zindle::cli {

const char *const TemplatesHelp =
    "Usage: zindle-cli templates DESIGN OUT.pdf [--set all|report|inner|outer|wheels]\n"
    "Simulates DESIGN over the whole cycle (Simulate mode, element size 9), then prints the\n"
    "chosen set into OUT.pdf, one US Letter page per printed item, at full size:\n"
    "  all     the report, every layer template in stacking order (numbered), the wheel pages\n"
    "          (the default)\n"
    "  report  the one-page design report (portrait)\n"
    "  inner   one inner layer template (landscape)\n"
    "  outer   one outer layer template (landscape)\n"
    "  wheels  the wheel pages (landscape)\n"
    "Prints Pages=<number of pages written>.\n"
    ZINDLE_HEADLESS_SCALE_HELP;

bool commandPaints(const QStringList &arguments)
{
    return !arguments.isEmpty()
           && (arguments[0] == QLatin1String("report") || arguments[0] == QLatin1String("templates"));
}

int printDesignToPdf(const QString &design, const QString &pdfPath, PrintJobKind job,
                     QTextStream &out, QTextStream &err)
{
    Workspace workspace;
    if (!loadHeadless(workspace, design, err))
        return FileFailure;
    // A design read from its file has not been simulated: the Print button enters Simulate
    // mode first, which runs the whole analysis and the run.
    PrepareEntireCycle(workspace);
    RefreshPhysicsMode(workspace, SimulateMode);

    // The PDF grows in memory and is written whole: to a file only once it is complete, so a
    // full disk or a bad path never leaves half a PDF where a good one was.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    PdfPageSink sink(document);
    PrintState state;
    const PrintOutcome outcome = RunPrintJob(workspace, sink, job, state);
    if (!outcome.error.isEmpty()) {
        err << outcome.error << '\n';
        return FileFailure;
    }
    if (!sink.close() || !outcome.ok) {
        err << "Cannot write the PDF file \"" << printableText(pdfPath) << "\".\n";
        return FileFailure;
    }
    if (!writeOutputFile(pdfPath, document.data(), out, err))
        return FileFailure;
    // On standard output the count would land inside the PDF.
    (isStandardOutput(pdfPath) ? err : out) << "Pages=" << outcome.itemsPrinted << '\n';
    return Success;
}

int templatesCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    if (!parseArguments(args, {}, {QStringLiteral("--set")}, parsed, error)
        || parsed.positional.size() != 2) {
        if (!error.isEmpty())
            err << "zindle-cli templates: " << error << '\n';
        err << TemplatesHelp;
        return UsageFailure;
    }
    const QString set = parsed.value(QStringLiteral("--set"));
    PrintJobKind job;
    if (set.isEmpty() || set == QLatin1String("all"))
        job = PrintJobKind::EntireSet;
    else if (set == QLatin1String("report"))
        job = PrintJobKind::Report;
    else if (set == QLatin1String("inner"))
        job = PrintJobKind::OneInnerLayer;
    else if (set == QLatin1String("outer"))
        job = PrintJobKind::OneOuterLayer;
    else if (set == QLatin1String("wheels"))
        job = PrintJobKind::Wheels;
    else {
        err << "zindle-cli templates: unknown set '" << set << "'\n" << TemplatesHelp;
        return UsageFailure;
    }
    return printDesignToPdf(parsed.positional[0], parsed.positional[1], job, out, err);
}

} // namespace zindle::cli
