// SPDX-License-Identifier: GPL-3.0-or-later
#include "RaceChances.h"

#include "app/DesignFileOpen.h"
#include "model/BuiltInDesigns.h"

namespace zindle {

RaceChanceDesigns RaceChanceDesignsOf(const Workspace &workspace)
{
    RaceChanceDesigns out;
    const DesignList &list = workspace.list;
    for (int slot = 0; slot < std::min(list.DesignCount(), RaceSlots); ++slot) {
        const DesignSlot &entry = list.entries[static_cast<size_t>(slot)];
        if (!entry.DesignSimulated)
            continue;
        const QString name = list.shownName(slot);
        Workspace design;
        design.scale = workspace.scale;
        design.trackFactors = workspace.trackFactors;
        if (slot == list.CurrentDesign) {
            design = workspace;
        } else if (!entry.DesignPath.isEmpty()) {
            const ReadOutcome read = ReadDesignFileOfAnyLayout(design, entry.DesignPath);
            if (!read.ok()) {
                out.skipped << name + QStringLiteral(": ") + read.error;
                continue;
            }
        } else if (slot < BuiltInDesignCount) {
            BuildBuiltInDesign(design, slot);
        } else {
            out.skipped << name + QStringLiteral(": it has no file to build it from");
            continue;
        }
        out.lanes.push_back(slot);
        out.names << name;
        out.designs.push_back(std::move(design));
    }
    return out;
}

RaceChancesResult ComputeRaceChances(WorkerPool &workers, const RaceChanceDesigns &designs,
                                     const BuildTolerances &tolerances, const ToleranceOptions &options)
{
    RaceChancesResult result;
    result.skipped = designs.skipped;
    std::vector<BuildTimes> times;
    for (size_t i = 0; i < designs.designs.size(); ++i) {
        const ToleranceStudy study = RunTolerances(workers, designs.designs[i], tolerances, options);
        if (!study.message.isEmpty()) {
            result.skipped << designs.names[static_cast<qsizetype>(i)] + QStringLiteral(": ") + study.message;
            continue;
        }
        if (study.stopped)
            return {};
        result.names << designs.names[static_cast<qsizetype>(i)];
        times.push_back(buildTimes(study));
    }
    result.chance = raceChances(times);
    return result;
}

} // namespace zindle
