// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the race day sets beside each measured time: the model's time for that car over the
// event's track (with coasting, as a built car runs, and with the track's calibration when the
// class has fitted one), and the student's own prediction from the logbook. The cars are read
// and run side by side on the worker pool, each in a workspace of its own.
#include "app/WorkerPool.h"
#include "model/RaceEvent.h"
#include "physics/RaceAwards.h"
#include <QString>
#include <atomic>
#include <vector>

namespace zindle {

struct CarForecast {
    QString name;  // the design's name; the file name when it could not be read
    QString error; // why it could not be read or run
    CarExpectation expected;
};

struct RaceDayForecast {
    std::vector<CarForecast> cars; // in the order of the event's cars
    QString calibration;           // "calibrated for ..." when the track's calibration was applied
};

// The student's prediction is a time to 15 ft, so it is only set beside a track of that length.
RaceDayForecast ForecastEventCars(WorkerPool &workers, const RaceEvent &event, const QString &eventPath,
                                  const std::atomic<bool> *stop = nullptr);

} // namespace zindle
