// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The content of the report's "why it is fast, and how sure" page, made from the simulated
// workspace: where the spring's energy went, and the band of builds within the default
// tolerances (200 builds, seed 1: a band on paper needs fewer builds than a histogram, and the
// report stays fast on any design).

#include "app/Workspace.h"
#include "output/WhyFastPage.h"

namespace zindle {

inline constexpr int ReportToleranceBuilds = 200;

// Reads `workspace` as the last Simulate refresh left it; nothing of it changes.
WhyFastPage MakeWhyFastPage(const Workspace &workspace, const QString &designName);

} // namespace zindle
