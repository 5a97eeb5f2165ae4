// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The race: a replay, side by side, of the recorded runs of every simulated design in race
// slots 0 to 15. Each tick advances every lane by 0.05 s of simulated time; cars that reach
// 15 ft are placed in the order of the tick in which they cross (lower slot first within one
// tick). RaceTick is a pure step function: a window's timer calls it and paints the bars it
// returns; RunRaceToEnd does the same without a timer.

#include "model/DesignList.h"

#include <QString>
#include <array>
#include <vector>

namespace zindle {

inline constexpr int RaceTickHundredths = 5;
inline constexpr float RaceLineFt = 15.0f;

struct RaceLane {
    int RaceClock = 0;       // index into the lane's trace, hundredths of a second
    bool RaceFinished = false;
    int RacePlace = 0;       // 0, or the place with which the lane crossed 15 ft
    float RaceDistance = 0.0f;
};

struct RaceState {
    std::array<RaceLane, RaceSlots> lanes{};
    std::array<int, RaceSlots + 1> LaneBarEnd{};
    int placeCounter = 0;
    bool raceOver = false;
    int ticks = 0;
};

// Track units of the window: foot width p and lane height H, pixels (RaceUnitX, RaceUnitY).
struct RaceGeometry {
    float footWidth = 0.0f;
    float laneHeight = 0.0f;
};

enum class RaceBrush { SelectedDesign, OtherDesign, Skidding };

// A rectangle a tick fills on the track (right and bottom exclusive, as the platform fills).
struct RaceBar {
    int lane = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
    RaceBrush brush = RaceBrush::OtherDesign;
};

// Timer interval of the playback speed slider (0 slow motion, 1 default, 2 real time).
int raceTimerInterval(int sliderPosition);
QString raceSpeedLabel(int sliderPosition);

void StartRace(RaceState &race);
// One replay step. Returns what it painted, for a window to draw; lanes whose design has not
// been simulated since its last change finish at once and are never drawn.
std::vector<RaceBar> RaceTick(RaceState &race, const DesignList &list, const RaceGeometry &geometry);
// StartRace and ticks until the race is over.
void RunRaceToEnd(RaceState &race, const DesignList &list, const RaceGeometry &geometry = {});

// The result text of one lane: "15 ft in 2.37 sec - 1st place", "3.45 sec/12.34 ft" or empty.
QString raceResultText(const RaceLane &lane);

struct RaceResult {
    int lane = 0;
    QString name;
    QString text;
};
// The results of every lane whose design-list entry exists and has a name, and whose text is
// not empty, in lane order.
std::vector<RaceResult> RaceResults(const RaceState &race, const DesignList &list);

} // namespace zindle
