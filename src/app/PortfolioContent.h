// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a student's portfolio prints, gathered from the design (simulated here, on the
// workspace given, which must be the design's own copy), the challenge, the runs the class's
// logbook holds for it, the journal's versions and the answers to the challenge's prompts.

#include "app/Workspace.h"
#include "model/Challenge.h"
#include "model/MeasuredRun.h"
#include "output/Portfolio.h"

#include <optional>
#include <vector>

namespace zindle {

struct PortfolioSources {
    QString designName, source;
    std::optional<Challenge> challenge;
    std::vector<MeasuredRun> runs;
    std::vector<PortfolioVersion> versions;
    std::vector<QString> answers; // one per prompt of the challenge, in its order
};

// At most this many template pictures: a car of many layers repeats the same two shapes.
inline constexpr int PortfolioMaxTemplates = 8;

PortfolioContent GatherPortfolio(Workspace &workspace, const PortfolioSources &sources);

} // namespace zindle
