// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RaceDayForecast.h"

#include "app/ClassStandings.h"
#include "app/LoggedRuns.h"
#include "app/RaceDayLog.h"
#include "files/Logbook.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace zindle {

RaceDayForecast ForecastEventCars(WorkerPool &workers, const RaceEvent &event, const QString &eventPath,
                                  const std::atomic<bool> *stop)
{
    const QString folder = RosterFolder(event, eventPath);
    QStringList paths;
    for (const EventCar &car : event.cars)
        paths << QDir(folder).filePath(car.file);
    const DesignSources sources(paths);
    FolderLogbooks logbooks = ReadFolderLogbooks(sources);
    ChooseTrack(logbooks, event.track);
    StandingsOptions options;
    options.logbooks = &logbooks;
    options.coastMarkFt = event.trackFt;
    options.stop = stop;
    const std::vector<StandingRow> rows = RunStandings(workers, sources, options);

    // A damaged logbook only costs the predictions; the race itself goes on.
    const LogbookRead logbook = ReadLogbook(QDir(folder).filePath(LogbookFileName));
    const bool courseLength = std::abs(event.trackFt - double(CourseFt)) < 1e-9;

    RaceDayForecast forecast;
    forecast.cars.resize(event.cars.size());
    for (const StandingRow &row : rows) {
        if (row.sourceIndex < 0 || static_cast<size_t>(row.sourceIndex) >= forecast.cars.size())
            continue;
        CarForecast &car = forecast.cars[static_cast<size_t>(row.sourceIndex)];
        const QString file = event.cars[static_cast<size_t>(row.sourceIndex)].file;
        car.name = row.readable() && !row.name.isEmpty() ? row.name : file;
        car.error = row.readable() ? (row.ran ? QString() : row.advisories.join(QStringLiteral("; "))) : row.error;
        car.expected.simulatedS = row.markCoastTime;
        if (!row.calibration.isEmpty())
            forecast.calibration = row.calibration;
        if (logbook.ok && courseLength && row.readable()) {
            const DesignMatch match = FindLoggedDesign(logbook.logbook, QFileInfo(folder).absoluteFilePath(), row.name, file);
            if (match.index >= 0)
                car.expected.predictionS = logbook.logbook.designs[static_cast<size_t>(match.index)].predictionS;
        }
    }
    for (size_t i = 0; i < forecast.cars.size(); ++i)
        if (forecast.cars[i].name.isEmpty())
            forecast.cars[i].name = event.cars[i].file;
    return forecast;
}

} // namespace zindle
