// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemplatesCommand.h"

#include "ChartOutput.h"

#include "Cli.h"
#include "OutputFile.h"
#include "PhysicsOutput.h"
#include "files/PathText.h"
#include "app/RefreshChain.h"
#include "sheet/EmptySheet.h"
#include "output/CutFiles.h"
#include "model/NumberText.h"
#include "output/PrintedPage.h"

#include <QCoreApplication>
#include <QBuffer>
#include <algorithm>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TemplatesCommand)
};

} // namespace

const char *const TemplatesHelp =
    "Usage: zindle-cli templates DESIGN OUT.pdf [--set all|report|inner|outer|wheels]\n"
    "                            [--page a4|letter]\n"
    "       zindle-cli templates DESIGN OUT.svg|OUT.dxf [--set all|inner|outer|wheels]\n"
    "                            [--board WxH] [--profile laser|plotter|print] [--kerf IN]\n"
    "                            [--kerf-for MATERIAL=IN]... [--cut-colour C]\n"
    "Simulates DESIGN over the whole cycle (Simulate mode, element size 9), then prints the\n"
    "chosen set into OUT.pdf, one page per printed item, at full size:\n"
    "  all     the report, every layer template in stacking order (numbered), the wheel pages\n"
    "          (the default)\n"
    "  report  the one-page design report (portrait)\n"
    "  inner   one inner layer template (landscape)\n"
    "  outer   one outer layer template (landscape)\n"
    "  wheels  the wheel pages (landscape)\n"
    "Prints Pages=<number of pages written>.\n"
    ZINDLE_PAGE_OPTION_HELP
    "With OUT.svg or OUT.dxf, writes cut files for a laser cutter or cutting plotter instead:\n"
    "every part of the set at true size (all: every layer and the four wheels; outer, inner,\n"
    "wheels: every copy of those parts; the report is not a cut part), cut paths as red\n"
    "hairlines, labels as blue engraving text, nested onto boards of --board WxH inches\n"
    "(WxHmm for millimetres; default 20x30), one file per board: OUT.svg, OUT-2.svg, ...\n"
    "The boards are written as one set: if any cannot be written, none is replaced. Boards\n"
    "an earlier export left after the last new one (OUT-3.svg, OUT-4.svg, ... up to the first\n"
    "missing number) are removed, if this program wrote them as boards.\n"
    "Prints Boards=<number of boards>. A part larger than the board is an error and nothing\n"
    "is written.\n"
    "The parts are nested by their true shape: layers fit into each other's bays, a small part\n"
    "may sit in a larger one's cut-out, and each part's holes come before its outline in the\n"
    "file. --profile names the machine: plotter (a knife; the default) and print remove\n"
    "nothing, laser removes a 0.008 in kerf; --kerf IN sets the width the tool removes. Each\n"
    "outline is then cut half the kerf outside and each hole half the kerf inside, so that the\n"
    "parts come out at their drawn size. --kerf-for MATERIAL=IN sets the kerf for the parts\n"
    "cut from one board material of the design's catalogue (named as the catalogue spells\n"
    "it, such as \"Default Foamcore=0.01\"), once per material; --kerf stays the kerf of the\n"
    "others. --cut-colour C (a colour name such as red or green, or #rrggbb) is the colour\n"
    "the cutter takes for cutting; engraving stays blue. A laser on a design of foam board is\n"
    "warned of on standard error: many school labs forbid it.\n"
    ZINDLE_HEADLESS_SCALE_HELP;

bool commandPaints(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return false;
    if (arguments[0] == QLatin1String("report") || arguments[0] == QLatin1String("templates")
        || arguments[0] == QLatin1String("portfolio"))
        return true;
    // The class standings paint side views and a chart for their page and PDF.
    if (arguments[0] == QLatin1String("league")
        && (arguments.contains(QStringLiteral("--html")) || arguments.contains(QStringLiteral("--pdf"))))
        return true;
    return argumentsAskForChart(arguments);
}

bool pageOption(const ParsedArguments &parsed, QPageSize::PageSizeId &paper, QString &error)
{
    const QString option = QStringLiteral("--page");
    const bool given = std::any_of(parsed.values.begin(), parsed.values.end(),
                                   [&](const auto &entry) { return entry.first == option; });
    if (!given) {
        paper = DefaultPaperSize();
        return true;
    }
    const QString name = parsed.value(option);
    const std::optional<QPageSize::PageSizeId> chosen = PaperSizeFromName(name);
    if (!chosen) {
        error = Texts::tr("unknown page size '%1' (a4 or letter)").arg(name);
        return false;
    }
    paper = *chosen;
    return true;
}

ExtraPage reportLinesPage(std::vector<ReportLine> lines)
{
    return [lines = std::move(lines)](QPainter &painter, const QRectF &, float dotsX, float dotsY) {
        PaintReportLines(painter, lines, dotsX, dotsY);
    };
}

int printDesignToPdf(const QString &design, const QString &pdfPath, PrintJobKind job,
                     QPageSize::PageSizeId paper, QTextStream &out, QTextStream &err, const MoreReportPages &more)
{
    Workspace workspace;
    if (!loadHeadless(workspace, design, err))
        return FileFailure;
    // A design read from its file has not been simulated: the Print button enters Simulate
    // mode first, which runs the whole analysis and the run.
    PrepareEntireCycle(workspace);
    RefreshPhysicsMode(workspace, SheetMode::Simulate);

    // The PDF grows in memory and is written whole: to a file only once it is complete, so a
    // full disk or a bad path never leaves half a PDF where a good one was.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    PdfPageSink sink(document, 600, QPageSize(paper));
    PrintState state;
    PrintOutcome outcome = RunPrintJob(workspace, sink, job, state);
    if (!outcome.error.isEmpty()) {
        err << outcome.error << '\n';
        return FileFailure;
    }
    if (more && outcome.ok) {
        for (const ExtraPage &page : more(workspace)) {
            // A page laid out to the paper gets the room inside the margins above the check block.
            auto paint = [&](QPainter &painter, const QSizeF &roomIn) {
                const QPaintDevice *device = painter.device();
                page(painter, QRectF(0, 0, roomIn.width() * device->logicalDpiX(), roomIn.height() * device->logicalDpiY()),
                     static_cast<float>(device->logicalDpiX()) / 72.0f, static_cast<float>(device->logicalDpiY()) / 72.0f);
            };
            const int sheets = PrintOnSheets([&] { return sink.beginItem(QPageLayout::Portrait); },
                                             [&] { return sink.endItem(); }, paint, paint);
            if (sheets < 0) {
                outcome.ok = false;
                break;
            }
            outcome.itemsPrinted += sheets;
        }
    }
    if (!sink.close() || !outcome.ok) {
        err << Texts::tr("Cannot write the PDF file \"%1\".").arg(printableText(pdfPath)) << '\n';
        return FileFailure;
    }
    if (!writeOutputFile(pdfPath, document.data(), out, err))
        return FileFailure;
    // On standard output the count would land inside the PDF.
    (isStandardOutput(pdfPath) ? err : out) << "Pages=" << outcome.itemsPrinted << '\n';
    return Success;
}

namespace {

int usage(const QString &error, QTextStream &err)
{
    err << "zindle-cli templates: " << error << '\n' << TemplatesHelp;
    return UsageFailure;
}

// The SVG or DXF branch: the parts of the set nested onto boards, one file per board.
int cutFilesCommand(const ParsedArguments &parsed, const QStringList &kerfFor, QTextStream &out, QTextStream &err)
{
    if (parsed.hasValue(QStringLiteral("--page")))
        return usage(Texts::tr("--page is an option of PDF files; cut files take --board"), err);
    const QString set = parsed.value(QStringLiteral("--set"));
    CutSet parts;
    if (set.isEmpty() || set == QLatin1String("all"))
        parts = CutSet::All;
    else if (set == QLatin1String("inner"))
        parts = CutSet::Inner;
    else if (set == QLatin1String("outer"))
        parts = CutSet::Outer;
    else if (set == QLatin1String("wheels"))
        parts = CutSet::Wheels;
    else if (set == QLatin1String("report"))
        return usage(Texts::tr("the report is not a cut part (cut files take all, inner, outer or wheels)"), err);
    else
        return usage(Texts::tr("unknown set '%1'").arg(set), err);
    BoardSize board;
    if (parsed.hasValue(QStringLiteral("--board"))) {
        const QString text = parsed.value(QStringLiteral("--board"));
        const std::optional<BoardSize> given = ParseBoardSize(text);
        if (!given)
            return usage(
                Texts::tr("bad board size '%1' (WxH in inches, or WxHmm; each side above 0 and up to 1000 in)").arg(text),
                err);
        board = *given;
    }

    CutProfile profile;
    // Wider than a quarter inch is no cutting tool, and would eat the gap between parts.
    const auto kerfIn = [](const QString &text) -> std::optional<double> {
        const std::optional<double> kerf = parseDouble(text);
        if (!kerf || !(*kerf >= 0.0) || *kerf > 0.25)
            return std::nullopt;
        return kerf;
    };
    if (parsed.hasValue(QStringLiteral("--profile"))) {
        const QString name = parsed.value(QStringLiteral("--profile"));
        const std::optional<CutMachine> machine = CutMachineNamed(name);
        if (!machine)
            return usage(Texts::tr("unknown profile '%1' (laser, plotter or print)").arg(name), err);
        profile = DefaultCutProfile(*machine);
    }
    if (parsed.hasValue(QStringLiteral("--kerf"))) {
        const QString text = parsed.value(QStringLiteral("--kerf"));
        const std::optional<double> kerf = kerfIn(text);
        if (!kerf)
            return usage(Texts::tr("bad kerf '%1' (inches, from 0 to 0.25)").arg(text), err);
        profile.kerfIn = *kerf;
    }
    for (const QString &given : kerfFor) {
        // A material's name may hold '=' too; the number never does.
        const qsizetype split = given.lastIndexOf(QLatin1Char('='));
        const QString material = given.left(std::max<qsizetype>(split, 0));
        const std::optional<double> kerf = split > 0 ? kerfIn(given.mid(split + 1)) : std::nullopt;
        if (!kerf)
            return usage(Texts::tr("bad --kerf-for '%1' (MATERIAL=IN, the kerf in inches from 0 to 0.25)").arg(given), err);
        if (profile.kerfByMaterial.count(material))
            return usage(Texts::tr("material '%1' is given twice").arg(material), err);
        profile.kerfByMaterial[material] = *kerf;
    }
    if (parsed.hasValue(QStringLiteral("--cut-colour"))) {
        const QString name = parsed.value(QStringLiteral("--cut-colour"));
        const std::optional<QColor> colour = CutColourNamed(name);
        if (!colour)
            return usage(Texts::tr("unknown colour '%1' (a name such as red or green, or #rrggbb)").arg(name), err);
        profile.cutColour = *colour;
    }

    Workspace workspace;
    if (!loadHeadless(workspace, parsed.positional[0], err))
        return FileFailure;
    QStringList boards;
    for (const BoardMaterial &material : workspace.catalogue.boards)
        boards << material.BoardName;
    for (const auto &[material, kerf] : profile.kerfByMaterial)
        if (!boards.contains(material))
            return usage(Texts::tr("unknown board material '%1' (the catalogue has %2)")
                             .arg(material, boards.join(QStringLiteral(", "))),
                         err);
    // The window's three steps in a row: there is no window to keep answering here.
    const CutExport job = PrepareCutExport(workspace, parsed.positional[1], parts, board, profile);
    const CutFilesOutcome outcome = WriteCutBoards(job, DrawCutBoards(job));
    if (!outcome.ok) {
        err << outcome.error << '\n';
        return FileFailure;
    }
    out << "Boards=" << outcome.boards << '\n';
    // The new set is whole; an older board that stays is worth a word, not a failure.
    if (!outcome.warning.isEmpty())
        err << outcome.warning << '\n';
    return Success;
}

} // namespace

int templatesCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    QPageSize::PageSizeId paper = QPageSize::Letter;
    const QStringList valued{QStringLiteral("--set"),     QStringLiteral("--page"), QStringLiteral("--board"),
                             QStringLiteral("--profile"), QStringLiteral("--kerf"), QStringLiteral("--cut-colour")};
    QStringList kerfFor;
    const QStringList rest = takeRepeatedOption(args, QStringLiteral("--kerf-for"), kerfFor, error);
    if (error.isEmpty() && parseArguments(rest, {}, valued, parsed, error) && parsed.positional.size() == 2
        && CutFileFormatOf(parsed.positional[1]))
        return cutFilesCommand(parsed, kerfFor, out, err);
    if (error.isEmpty() && !kerfFor.isEmpty())
        error = Texts::tr("%1 is an option of .svg and .dxf cut files").arg(QStringLiteral("--kerf-for"));
    for (const char *cutOption : {"--board", "--profile", "--kerf", "--cut-colour"})
        if (error.isEmpty() && parsed.hasValue(QLatin1String(cutOption)))
            error = Texts::tr("%1 is an option of .svg and .dxf cut files").arg(QLatin1String(cutOption));
    if (!error.isEmpty() || parsed.positional.size() != 2 || !pageOption(parsed, paper, error)) {
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
        err << "zindle-cli templates: " << Texts::tr("unknown set '%1'").arg(set) << '\n' << TemplatesHelp;
        return UsageFailure;
    }
    return printDesignToPdf(parsed.positional[0], parsed.positional[1], job, paper, out, err);
}

} // namespace zindle::cli
