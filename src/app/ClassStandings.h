// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A whole class's designs ranked against each other: each design is read, built, weighed and
// run over the course exactly as the Simulate refresh runs the entire cycle, in a workspace of
// its own. The designs share nothing, so they run side by side on every core; each result lands
// in the slot of its design, which keeps the outcome identical to a one-by-one run. The rows
// and how they rank are in physics/Standings.h.

#include "app/DesignSources.h"
#include "app/LoggedRuns.h"
#include "app/WorkerPool.h"
#include "app/Workspace.h"
#include "physics/Standings.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

namespace zindle {

struct StandingsOptions {
    int threads = 0;          // 0: one per core; 1: one by one on the calling thread
    bool sideViews = false;   // paint each car's side view into StandingRow::sideViewPng
    int sideViewWidth = 360;  // pixels; the height keeps the sheet's proportions
    // Set from any thread to stop: designs not yet started are left out of the standings.
    const std::atomic<bool> *stop = nullptr;
    // Called on the calling thread after each design, and at least every 20 ms while designs
    // run on other threads (count completed so far, total).
    std::function<void(int done, int total)> progress;
    // The measured runs and a track's calibration (ReadFolderLogbooks); none: neither.
    const FolderLogbooks *logbooks = nullptr;
    // Also reads each design's time with coasting at this distance (StandingRow::markCoastTime):
    // a real track need not be the course's 15 ft.
    std::optional<double> coastMarkFt;
    // Checks every design against the challenge's rules (StandingRow::ruleChecks).
    const Challenge *challenge = nullptr;
};

// Loads a design the way the command line's DESIGN argument does (a built-in design's name or
// a design file) into `workspace` and makes it current. On failure returns false with the
// reader's message in `error`; `warning` receives what was read but ignored.
// `shownError` and `shownWarning`, when given, receive the same in the window's language.
bool LoadDesignSource(Workspace &workspace, const QString &source, QString &error, QString &warning,
                      QString *shownError = nullptr, QString *shownWarning = nullptr);

// One design: read, then the Simulate refresh of the entire cycle with the headless scale (with
// the track's calibration when the logbook has one), then its measured runs.
StandingRow RunStandingDesign(const QString &source, const StandingsOptions &options = {});

// Every design (in parallel on `workers` as the options allow), ranked; a source refused when it
// was found is a row that could not be read, with the reason.
std::vector<StandingRow> RunStandings(WorkerPool &workers, const DesignSources &sources,
                                      const StandingsOptions &options = {});

} // namespace zindle
