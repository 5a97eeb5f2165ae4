// SPDX-License-Identifier: GPL-3.0-or-later
#include "Race.h"

#include "model/NumberText.h"

#include <QCoreApplication>

namespace zindle {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(RaceLabels)
};

constexpr float NoSample = -1.0f;

bool hasSample(const RaceTrace &trace, int index)
{
    return index >= 0 && index < TraceSamples
           && trace.DistanceTrace[static_cast<size_t>(index)] != NoSample;
}

float sampleAt(const RaceTrace &trace, int index)
{
    if (index < 0 || index >= TraceSamples)
        return NoSample;
    return trace.DistanceTrace[static_cast<size_t>(index)];
}

const char *placeSuffix(int place)
{
    switch (place) {
    case 1: return "st place";
    case 2: return "nd place";
    case 3: return "rd place";
    default: return "th place";
    }
}

} // namespace

int raceTimerInterval(int sliderPosition)
{
    switch (sliderPosition) {
    case 0: return 200;
    case 2: return 50;
    default: return 100;
    }
}

QString raceSpeedLabel(int sliderPosition)
{
    switch (sliderPosition) {
    case 0: return Texts::tr("0.25x");
    case 2: return Texts::tr("1x");
    default: return Texts::tr("0.5x");
    }
}

void StartRace(RaceState &race) { race = RaceState{}; }

std::vector<RaceBar> RaceTick(RaceState &race, const DesignList &list, const RaceGeometry &geometry)
{
    std::vector<RaceBar> bars;
    ++race.ticks;
    for (int lane = 0; lane < RaceSlots; ++lane) {
        const bool simulated = lane < list.DesignCount() && list.entries[static_cast<size_t>(lane)].DesignSimulated;
        if (!simulated) {
            race.lanes[static_cast<size_t>(lane)].RaceFinished = true;
            race.lanes[static_cast<size_t>(lane)].RaceDistance = 0.0f;
        }
    }

    const double p = geometry.footWidth;
    const double H = geometry.laneHeight;
    for (int lane = 0; lane < RaceSlots; ++lane) {
        RaceLane &state = race.lanes[static_cast<size_t>(lane)];
        if (state.RaceFinished)
            continue;
        const RaceTrace &trace = list.traces[static_cast<size_t>(lane)];
        state.RaceClock += RaceTickHundredths;

        if (!hasSample(trace, state.RaceClock)) {
            // The run ended within the last tick: stop at its last recorded sample. Distances
            // are never negative, so this is also the last positive one, except for a car
            // that never moved, which stops at its one sample of 0 ft.
            state.RaceFinished = true;
            const int before = state.RaceClock - RaceTickHundredths;
            int last = before;
            for (int i = before + 1; i <= before + RaceTickHundredths; ++i)
                if (hasSample(trace, i) && sampleAt(trace, i) >= 0.0f)
                    last = i;
            state.RaceClock = last;
            state.RaceDistance = sampleAt(trace, last);
        }
        if (sampleAt(trace, state.RaceClock) >= RaceLineFt) {
            // Crossed within the last tick: the time shown is that of the first sample beyond
            // the line, to the hundredth.
            state.RaceFinished = true;
            const int before = state.RaceClock - RaceTickHundredths;
            int lastNotBeyond = before;
            for (int i = before + 1; i <= before + RaceTickHundredths; ++i)
                if (sampleAt(trace, i) <= RaceLineFt)
                    lastNotBeyond = i;
            // A sample of exactly 15 ft counts as not beyond; when it is the last one recorded
            // there is no later sample to move to, and the lane keeps its own.
            if (hasSample(trace, lastNotBeyond + 1))
                state.RaceClock = lastNotBeyond + 1;
            ++race.placeCounter;
            state.RacePlace = race.placeCounter;
            state.RaceDistance = sampleAt(trace, state.RaceClock);
        }

        const float sample = sampleAt(trace, state.RaceClock);
        const int x = truncToInt(sample * p);
        const int footPx = truncToInt(p);
        const int laneTop = truncToInt(0.6 * H) + truncToInt(lane * H);
        RaceBar bar;
        bar.lane = lane;
        bar.left = race.LaneBarEnd[static_cast<size_t>(lane)];
        bar.right = x + footPx;
        bar.top = laneTop + truncToInt(H / 12.0);
        bar.bottom = laneTop + truncToInt(0.625 * H);
        bar.brush = lane == list.CurrentDesign ? RaceBrush::SelectedDesign : RaceBrush::OtherDesign;
        if (state.RaceClock >= 0 && state.RaceClock < TraceSamples
            && trace.SkidTrace[static_cast<size_t>(state.RaceClock)] == 1)
            bar.brush = RaceBrush::Skidding;
        bars.push_back(bar);
        race.LaneBarEnd[static_cast<size_t>(lane)] = bar.right;
        if (sample >= RaceLineFt) {
            RaceBar toLine = bar;
            toLine.left = race.LaneBarEnd[static_cast<size_t>(lane)];
            toLine.right = truncToInt(16.0 * p);
            bars.push_back(toLine);
            race.LaneBarEnd[static_cast<size_t>(lane)] = toLine.right;
        }
    }

    bool allFinished = true;
    for (const RaceLane &lane : race.lanes)
        allFinished = allFinished && lane.RaceFinished;
    race.raceOver = allFinished;
    return bars;
}

void RunRaceToEnd(RaceState &race, const DesignList &list, const RaceGeometry &geometry)
{
    StartRace(race);
    // Every lane advances by one tick until it has no sample left, so a race over 1001 samples
    // ends within 201 ticks; the bound only protects against a corrupted state.
    for (int tick = 0; tick < 10000 && !race.raceOver; ++tick)
        RaceTick(race, list, geometry);
}

QString raceResultText(const RaceLane &lane)
{
    const QString seconds = text00(lane.RaceClock / 100.0);
    if (lane.RacePlace != 0)
        return QStringLiteral("15 ft in ") + seconds + QStringLiteral(" sec - ")
               + floatText(static_cast<float>(lane.RacePlace)) + QLatin1String(placeSuffix(lane.RacePlace));
    // A lane that replayed a run shows where it ended, 0 ft included (a car that never moved);
    // a lane without a run has no clock.
    if (lane.RaceDistance > 0.0f || (lane.RaceClock > 0 && lane.RaceDistance == 0.0f))
        return seconds + QStringLiteral(" sec/") + text00(lane.RaceDistance) + QStringLiteral(" ft");
    return {};
}

std::vector<RaceResult> RaceResults(const RaceState &race, const DesignList &list)
{
    std::vector<RaceResult> results;
    for (int lane = 0; lane < RaceSlots && lane < list.DesignCount(); ++lane) {
        const QString &name = list.entries[static_cast<size_t>(lane)].DesignName;
        if (name.isEmpty())
            continue;
        const QString text = raceResultText(race.lanes[static_cast<size_t>(lane)]);
        if (!text.isEmpty())
            results.push_back({lane, name, text});
    }
    return results;
}

} // namespace zindle
