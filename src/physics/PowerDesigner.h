// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Power Designer sweep: every combination of drive wheel diameter, spring length and
// spring width on a grid is written into the current design and run through the Simulate
// refresh; the best time to 15 ft is kept. The design keeps the last combination tried.
//
// The sweep does not know the refresh chain or the window: the caller passes the chain to run
// per combination, a stop test (checked before every next combination, so the one being
// simulated always finishes) and a progress hook. A window that shows every combination walks
// the grid itself with a SweepStepper, one combination per tick of its timer.

#include "model/DesignRecord.h"
#include "physics/ResultFields.h"

#include <QString>
#include <functional>
#include <vector>

namespace zindle {

struct SweepRange {
    QString from, to, step;
};

// The dialog's nine fields with their defaults.
struct SweepRanges {
    SweepRange width{QStringLiteral("1.5"), QStringLiteral("1.5"), QStringLiteral("1.5")};
    SweepRange length{QStringLiteral("36"), QStringLiteral("36"), QStringLiteral("4")};
    SweepRange wheel{QStringLiteral("4"), QStringLiteral("7.5"), QStringLiteral("0.5")};
};

// The read-only result fields of the dialog; they keep their texts from an earlier sweep
// until a new one finds a valid time.
struct SweepBest {
    QString BestYet = QStringLiteral("-");
    QString BestSWYet = QStringLiteral("-");
    QString BestSLYet = QStringLiteral("-");
    QString BestDWYet = QStringLiteral("-");
};

// The caption of the box that shows ValidateSweepRanges's message.
QString SweepMessageCaption();

// The first message the nine fields fail with, or an empty text when the sweep may run.
QString ValidateSweepRanges(const SweepRanges &ranges);

// How many combinations a valid grid holds: the loops' own single-precision stepping, counted
// without running anything.
qint64 CountSweepCombinations(const SweepRanges &ranges);

// The values one range's loop visits, in order, as the loop's single-precision values (a valid
// range; an invalid one gives what the loop would visit, at least nothing).
std::vector<float> SweepValues(const SweepRange &range);

// The sweep's rule for the best time: a run that reached 15 ft (`time` is TimeEF, neither empty
// nor in brackets) with a time strictly below the best so far becomes the best, with the
// design's texts it ran with. `bestTime` starts as "99999". Returns true when it became the best.
bool OfferSweepTime(QString &bestTime, SweepBest &best, const QString &time, const QString &width,
                    const QString &length, const QString &wheel);

// The sweep's grid, one combination at a time, in the order and with the single-precision
// stepping of the three nested loops: wheel outermost, width innermost, each value starting one
// step early and advanced before its body, so the last value visited is the first to reach or
// pass the end of its range.
class SweepStepper {
public:
    explicit SweepStepper(const SweepRanges &ranges);
    // Writes the next combination's texts into `design` (only those that change); false, writing
    // nothing, once the grid is done.
    bool next(DesignRecord &design);

private:
    struct Loop {
        float from = 0.0f, to = 0.0f, step = 0.0f, value = 0.0f;
    };
    Loop wheel_, length_, width_;
    enum class Level { Wheel, Length, Width } level_ = Level::Wheel;
};

struct SweepProgress {
    int combination = 0; // 1 for the first simulated combination
    QString width, length, wheel; // the design's texts the chain ran with
    QString time;                 // TimeEF after the run
};

struct SweepHooks {
    std::function<void()> runSimulateChain;                // required
    std::function<bool()> stopRequested;                   // optional
    std::function<void(const SweepProgress &)> progress;   // optional, after each combination
};

struct SweepOutcome {
    QString message;      // the validation message when nothing ran
    int combinations = 0; // simulations run
    bool stopped = false;
};

SweepOutcome RunPowerDesignerSweep(DesignRecord &design, const ResultFields &results,
                                   SweepBest &best, const SweepRanges &ranges,
                                   const SweepHooks &hooks);

} // namespace zindle
