// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chance that each design of the race beats each other when every car is built within the
// class's tolerances: each design that has raced (simulated since its last change) built many
// times as the tolerance study builds one (app/Tolerances.h), and every build of one compared
// with every build of the other.
//
// The current design is taken as it is in memory; the others as the list knows them: a built-in
// design as it is built in, a file as it is saved (the list keeps no other design in memory).

#include "app/Tolerances.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace zindle {

struct RaceChanceDesigns {
    std::vector<int> lanes;       // the list's slots that raced, in lane order
    QStringList names;            // as the list shows them
    std::vector<Workspace> designs; // each ready to be built
    QStringList skipped;          // "Name: why" for a design that raced but could not be read
};

// On the window's thread: copies of what the chances need (reads the design files).
RaceChanceDesigns RaceChanceDesignsOf(const Workspace &workspace);

struct RaceChancesResult {
    QStringList names;
    std::vector<std::vector<double>> chance; // [a][b]: a beats b; one half on the diagonal
    QStringList skipped;
};

RaceChancesResult ComputeRaceChances(WorkerPool &workers, const RaceChanceDesigns &designs,
                                     const BuildTolerances &tolerances, const ToleranceOptions &options = {});

} // namespace zindle
