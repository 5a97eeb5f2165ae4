// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Race Day": the class's real race, run from the teacher's computer. The heat now racing takes
// its times from the keyboard (HeatEntryPanel.h); the heat on deck, the standings with each
// car's simulated time and its student's prediction beside the measured ones, the awards and
// the chart of heats follow every recorded heat. A recorded heat is chosen in the chart to be
// run again. Every heat recorded is written to the event file at once and then put into the
// class's logbook as measured runs, so that calibration after the race is one click.
//
// The page for phones (app/EventServer.h) is served only while the teacher has started it;
// heats entered there are read back from the event file and shown here. The projector view
// follows the event full-screen. Calibrate Track fits the model to the race's runs in one click.
//
// The simulated times are run on the window's workers from the design files, one result handed
// back; until they are in, the table shows the measured times alone.
#include "app/FutureWatch.h"
#include "app/RaceDayForecast.h"
#include "app/TrackFit.h"
#include "model/RaceEvent.h"
#include "output/ProjectorPage.h"

#include <QDialog>
#include <atomic>
#include <memory>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zindle {

class EventServer;
class HeatEntryPanel;
class Prompter;
class ProjectorWindow;

class RaceDayWindow : public QDialog {
    Q_OBJECT
public:
    RaceDayWindow(WorkerPool &workers, Prompter &prompter, QWidget *parent = nullptr);
    ~RaceDayWindow() override;

    // Shows the event of `path`; a file that cannot be read is said and changes nothing here.
    bool openEvent(const QString &path);
    // Makes a new event file (never over another) from the roster and the settings of `event`.
    bool createEvent(const QString &path, RaceEvent event);
    // Records the times typed for the heat shown, then shows the next heat to run.
    void RecordClick();
    // Brings the recorded heat chosen in the chart back to be run again.
    void RerunClick();
    void OpenClick();
    void NewClick();
    void LateEntryClick();
    void WithdrawClick();
    // Starts serving the page for phones on `port` (8080 from the button), or stops it.
    bool startServing(quint16 port);
    void stopServing();
    void ProjectorClick();
    // Fits the model to every run on the event's track in the class's logbook (the race's
    // included) on a worker, keeps the calibration there and predicts with it from then on.
    void CalibrateClick();
    bool calibrating() const { return fitWatch_.watching(); }

    const RaceEvent &event() const { return event_; }
    const QString &eventPath() const { return path_; }
    HeatEntryPanel *entry() const { return entry_; }
    QTableWidget *standingsTable() const { return standings_; }
    QTableWidget *heatsTable() const { return heats_; }
    QLabel *statusLine() const { return status_; }
    QLabel *awardsText() const { return awards_; }
    QLabel *standingsCaption() const { return standingsCaption_; }
    EventServer *server() const { return server_.get(); }
    bool forecasting() const { return forecastWatch_.watching(); }
    ProjectorState projectorState() const;

signals:
    void eventShown();

private:
    bool saveRecorded(const RaceEvent &changed, const QString &what);
    void reloadFromFile();
    void startForecast();
    void showRace();
    void showHeatToRun(int heat, const QString &caption);
    void fillStandings();
    void fillHeats();
    void fillAwards();
    QString carName(int car) const;
    QString expectedText(int car) const;

    WorkerPool &workers_;
    Prompter &prompter_;
    QString path_;
    RaceEvent event_;
    RaceDayForecast forecast_;
    std::shared_ptr<std::atomic<bool>> forecastStop_;
    FutureWatch<RaceDayForecast> forecastWatch_;
    FutureWatch<TrackFit> fitWatch_;
    std::unique_ptr<EventServer> server_;
    ProjectorWindow *projector_ = nullptr;

    QLabel *title_ = nullptr;
    QLabel *status_ = nullptr;
    QLabel *deck_ = nullptr;
    QLabel *awards_ = nullptr;
    QLabel *standingsCaption_ = nullptr;
    HeatEntryPanel *entry_ = nullptr;
    QTableWidget *standings_ = nullptr;
    QTableWidget *heats_ = nullptr;
    QPushButton *record_ = nullptr;
    QPushButton *rerun_ = nullptr;
    QPushButton *serve_ = nullptr;
    QPushButton *late_ = nullptr;
    QPushButton *withdraw_ = nullptr;
    QPushButton *calibrate_ = nullptr;
};

} // namespace zindle
