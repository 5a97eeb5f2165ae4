// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportCommand.h"

#include "Cli.h"
#include "files/PathText.h"
#include "PhysicsOutput.h"
#include "TemplatesCommand.h"
#include "app/LoggedRuns.h"
#include "app/WhyFastReport.h"
#include "app/WorkspaceCoast.h"
#include "output/WhyFastPage.h"
#include "output/Templates.h"
#include "output/TestRunsReport.h"

#include <QCoreApplication>

namespace zindle::cli {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ReportCommand)
};

} // namespace

const char *const ReportHelp =
    "Usage: zindle-cli report DESIGN OUT.pdf [--track T] [--page a4|letter]\n"
    "Simulates DESIGN over the whole cycle (Simulate mode, element size 9), then prints its\n"
    "one-page design report (portrait) into OUT.pdf, then a page on why it is fast and how\n"
    "sure that is: where the spring's energy went, and the distance over time with the band\n"
    "9 in 10 builds stay in when built within the default tolerances (200 builds of\n"
    "'zindle-cli tolerances', seed 1). Prints Pages=<number of pages>.\n"
    "Where the class's logbook zindle-log.json beside the design file holds runs of the\n"
    "design, \"Test runs\" pages follow: each run's marks with the measured time beside the\n"
    "predicted time with coasting and the error (measured minus predicted, in s and in %\n"
    "of the measured time), the resting distance measured and predicted, and the RMS\n"
    "error on each track over the marks the prediction reaches. A damaged logbook is\n"
    "reported and left as it is, and the report has no test runs.\n"
    "--track T keeps only the runs on track T and predicts them with the track's\n"
    "calibration from the logbook ('zindle-cli calibrate'), which the pages name; the\n"
    "design report itself stays the design's own.\n"
    ZINDLE_PAGE_OPTION_HELP
    ZINDLE_HEADLESS_SCALE_HELP;

namespace {

// The design's runs from its logbook, beside the prediction, as pages after the report.
std::vector<std::vector<ReportLine>> testRunsLines(Workspace &workspace, const QString &track, QTextStream &err)
{
    const QString path = workspace.list.current().DesignPath;
    if (path.isEmpty())
        return {}; // a built-in design has no class folder
    FolderLogbooks logbooks = ReadFolderLogbooks(DesignSources({path}));
    const QStringList uncalibrated = ChooseTrack(logbooks, track);
    for (const QString &line : logbooks.shownErrors)
        err << "zindle-cli report: " << line << '\n';
    const DesignRuns logged = LoggedRunsOf(logbooks, path, workspace.list.current().DesignName);
    if (logged.runs.empty())
        return {};
    for (const QString &line : uncalibrated)
        err << "zindle-cli report: " << line << '\n';
    const QString calibration = ApplyTrackCalibration(logged, workspace);
    const std::optional<CoastedRun> prediction = RunWorkspaceCoast(workspace);
    if (!prediction) {
        err << "zindle-cli report: " << Texts::tr("the model cannot run the design, so its test runs are not compared")
            << '\n';
        return {};
    }
    return TestRunsPages(TemplateDesignName(workspace.list), *prediction, logged.runs, calibration);
}

// Where the energy went and how sure the time is, from the design's own model (the report's).
ExtraPage whyFastPage(Workspace &workspace)
{
    return [page = MakeWhyFastPage(workspace, TemplateDesignName(workspace.list))](QPainter &painter, const QRectF &area,
                                                                                  float dotsX, float) {
        PaintWhyFastPage(painter, area, dotsX, page);
    };
}

} // namespace

int reportCommand(const QStringList &args, QTextStream &out, QTextStream &err)
{
    ParsedArguments parsed;
    QString error;
    QPageSize::PageSizeId paper = QPageSize::Letter;
    const QString trackOption = QStringLiteral("--track");
    if (!parseArguments(args, {}, {QStringLiteral("--page"), trackOption}, parsed, error) || parsed.positional.size() != 2
        || !pageOption(parsed, paper, error)) {
        if (!error.isEmpty())
            err << "zindle-cli report: " << printableText(error) << '\n';
        err << ReportHelp;
        return UsageFailure;
    }
    const QString track = parsed.value(trackOption);
    return printDesignToPdf(parsed.positional[0], parsed.positional[1], PrintJobKind::Report, paper, out, err,
                            [&](Workspace &workspace) {
                                // The design's own model first: the test runs may calibrate it.
                                std::vector<ExtraPage> pages{whyFastPage(workspace)};
                                for (std::vector<ReportLine> &lines : testRunsLines(workspace, track, err))
                                    pages.push_back(reportLinesPage(std::move(lines)));
                                return pages;
                            });
}

} // namespace zindle::cli
