// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortfolioContent.h"

#include "app/ChallengeCheck.h"
#include "app/SideViewPicture.h"
#include "model/NumberText.h"
#include "output/DesignReport.h"
#include "output/Templates.h"
#include "physics/RunComparison.h"
#include "sheet/EmptySheet.h"

#include <QCoreApplication>
#include <QSize>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Portfolio)
};

constexpr int SideViewWidth = 1200;
constexpr int TemplateWidth = 480;
constexpr double TrackFt = 15.0;

QString runLine(const MeasuredRun &run)
{
    QStringList marks;
    for (const RunMark &mark : run.marks)
        marks << Texts::tr("%1 s at %2 ft").arg(QString::number(mark.timeS, 'f', 2), QString::number(mark.distanceFt, 'g', 4));
    QStringList parts;
    if (run.date.isValid())
        parts << run.date.toString(Qt::ISODate);
    if (!run.track.trimmed().isEmpty())
        parts << run.track.trimmed();
    if (!marks.isEmpty())
        parts << marks.join(QStringLiteral(", "));
    return parts.join(QStringLiteral("; "));
}

// The answer to the first prompt asked before the first simulation: the student's prediction.
QString prediction(const PortfolioSources &sources)
{
    if (!sources.challenge)
        return {};
    const std::vector<ChallengePrompt> &prompts = sources.challenge->prompts;
    for (size_t i = 0; i < prompts.size() && i < sources.answers.size(); ++i)
        if (prompts[i].when == PromptWhen::BeforeFirstSimulation)
            return sources.answers[i].trimmed();
    return {};
}

std::vector<QImage> templatePictures(Workspace &workspace)
{
    PrepareTemplates(workspace);
    std::vector<QImage> pictures;
    const int count = std::min(TemplateCount(workspace.results), PortfolioMaxTemplates);
    const SheetScale &scale = workspace.scale;
    const QSize sheet(scale.SheetOffsetX * 2 + scale.DrawPxWidth, scale.SheetPxHeight);
    for (int n = 1; n <= count; ++n) {
        QImage picture(sheet, QImage::Format_RGB32);
        ShowTemplatePreview(picture, workspace, n, DefaultBackgroundColor, sheet.width());
        pictures.push_back(picture.scaledToWidth(TemplateWidth, Qt::SmoothTransformation));
    }
    return pictures;
}

} // namespace

PortfolioContent GatherPortfolio(Workspace &workspace, const PortfolioSources &sources)
{
    RefreshForChallenge(workspace);
    PortfolioContent c;
    c.designName = sources.designName;
    c.source = sources.source;
    c.sideView = SideViewPicture(workspace, SideViewWidth);
    const DesignRecord &d = workspace.design;
    const ResultFields &r = workspace.results;
    c.sizes = {{Texts::tr("Drive wheel diameter (in)"), d.DriveWhlDia},
               {Texts::tr("Other wheel diameter (in)"), d.OtherWhlDia},
               {Texts::tr("Drive axle diameter (in)"), d.DriveAxleDia},
               {Texts::tr("Spring width (in)"), d.SpringWidth},
               {Texts::tr("Spring length (in)"), d.SpringLength},
               {Texts::tr("Layers"), r.LayersWideEF}};
    // Two decimals, as the design report prints them; a short run keeps its brackets.
    c.results = {{Texts::tr("Time to 15 ft (s)"), ReportValue(r.TimeEF)},
                 {Texts::tr("Top speed (ft/s)"), ReportValue(r.TopSpeedEF)},
                 {Texts::tr("Peak speed (ft/s)"), ReportValue(r.PeakSpeedEF)},
                 {Texts::tr("Mass (lb)"), ReportValue(r.ProjectedMassEF)}};
    c.predicted = prediction(sources);
    c.simulated = r.TimeEF;
    if (const std::optional<double> mean = MeanTimeAt(sources.runs, TrackFt))
        c.measured = QString::number(*mean, 'f', 2);
    for (const MeasuredRun &run : sources.runs)
        c.runs.push_back(runLine(run));
    if (sources.challenge) {
        c.challengeTitle = sources.challenge->title;
        c.challenged = true;
        c.checks = CheckChallenge(workspace, *sources.challenge);
        const std::vector<ChallengePrompt> &prompts = sources.challenge->prompts;
        for (size_t i = 0; i < prompts.size(); ++i)
            c.answers.push_back({prompts[i].text, i < sources.answers.size() ? sources.answers[i] : QString()});
    }
    c.versions = sources.versions;
    // Last: the template pages' build step leaves the workspace prepared for printing.
    c.templates = templatePictures(workspace);
    return c;
}

} // namespace zindle
