// SPDX-License-Identifier: GPL-3.0-or-later
#include "WhyFastReport.h"

#include "app/ToleranceTexts.h"
#include "app/Tolerances.h"
#include "app/WorkerPool.h"
#include "app/WorkspaceEnergy.h"

namespace zindle {

WhyFastPage MakeWhyFastPage(const Workspace &workspace, const QString &designName)
{
    WhyFastPage page;
    page.designName = designName;
    if (std::optional<EnergyTrace> energy = RunWorkspaceEnergy(workspace))
        page.energy = std::move(*energy);
    page.run = workspace.run;
    WorkerPool workers;
    ToleranceOptions options;
    options.samples = ReportToleranceBuilds;
    const ToleranceStudy study = RunTolerances(workers, workspace, BuildTolerances{}, options);
    if (study.message.isEmpty()) {
        page.band = study.band;
        page.toleranceSentence = ShownToleranceSentence(study);
    }
    return page;
}

} // namespace zindle
