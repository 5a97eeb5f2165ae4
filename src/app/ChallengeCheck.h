// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scrutineering: every rule of a challenge checked on the car in a workspace, with what was
// measured. The workspace has been through the Simulate refresh of the entire cycle
// (RefreshForChallenge), so that the mass, the build's sizes, the time to 15 ft and the skid
// advisory all belong to the design as it stands.

#include "app/Workspace.h"
#include "model/Challenge.h"

#include <vector>

namespace zindle {

// The headless sheet scale, then the Simulate refresh of the whole run.
void RefreshForChallenge(Workspace &workspace);

// One check per rule, in the challenge's order.
std::vector<RuleCheck> CheckChallenge(const Workspace &workspace, const Challenge &challenge);
bool KeepsEveryRule(const std::vector<RuleCheck> &checks);
// The rules broken, as written ("mass <= 0.25; no-skid").
QString BrokenRulesText(const std::vector<RuleCheck> &checks);

} // namespace zindle
