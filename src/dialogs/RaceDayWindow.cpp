// SPDX-License-Identifier: GPL-3.0-or-later
#include "RaceDayWindow.h"

#include "HeatEntryPanel.h"
#include "NewEventDialog.h"
#include "ProjectorWindow.h"

#include "app/EventServer.h"
#include "app/RaceDayLog.h"
#include "files/EventFile.h"
#include "model/Prompter.h"
#include "physics/RaceDay.h"

#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zindle {

namespace {

// Asked when shown, so that it speaks the language chosen after start-up.
QString caption()
{
    return RaceDayWindow::tr("Race Day");
}

QPushButton *button(QWidget *parent, QLayout *layout, const QString &name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    layout->addWidget(b);
    return b;
}

QTableWidget *table(QWidget *parent, const QString &name)
{
    auto *t = new QTableWidget(parent);
    t->setObjectName(name);
    t->setAccessibleName(name);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 8);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

} // namespace

RaceDayWindow::RaceDayWindow(WorkerPool &workers, Prompter &prompter, QWidget *parent)
    : QDialog(parent), workers_(workers), prompter_(prompter)
{
    setObjectName(QStringLiteral("RaceDayWindow"));
    setWindowTitle(caption());
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    title_ = new QLabel(tr("No event open: open one, or make a new one from a class folder."), this);
    title_->setTextFormat(Qt::PlainText);
    QFont big = title_->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    title_->setFont(big);
    top->addWidget(title_, 1);
    connect(button(this, top, QStringLiteral("OpenEvent"), tr("Open Event...")), &QPushButton::clicked,
            this, &RaceDayWindow::OpenClick);
    connect(button(this, top, QStringLiteral("NewEvent"), tr("New Event...")), &QPushButton::clicked, this,
            &RaceDayWindow::NewClick);
    auto *projector = button(this, top, QStringLiteral("ProjectorView"), tr("Projector View"));
    connect(projector, &QPushButton::clicked, this, &RaceDayWindow::ProjectorClick);
    serve_ = button(this, top, QStringLiteral("ServePage"), tr("Start Page for Phones"));
    connect(serve_, &QPushButton::clicked, this, [this] {
        if (server_)
            stopServing();
        else
            startServing(8080);
    });
    layout->addLayout(top);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("RaceDayStatus"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setAccessibleName(tr("Race day status"));
    layout->addWidget(status_);

    auto *splitter = new QSplitter(this);
    auto *left = new QWidget(splitter);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto *now = new QGroupBox(tr("Now racing"), left);
    auto *nowLayout = new QVBoxLayout(now);
    entry_ = new HeatEntryPanel(now);
    nowLayout->addWidget(entry_);
    auto *heatButtons = new QHBoxLayout;
    record_ = button(now, heatButtons, QStringLiteral("RecordHeat"), tr("Record Heat"));
    rerun_ = button(now, heatButtons, QStringLiteral("RerunHeat"), tr("Re-run Heat"));
    nowLayout->addLayout(heatButtons);
    auto *help = new QLabel(tr("Type each lane's time (155 is 1.55 s; D: did not finish), then Enter."), now);
    help->setWordWrap(true);
    nowLayout->addWidget(help);
    leftLayout->addWidget(now);
    auto *deckBox = new QGroupBox(tr("On deck"), left);
    deck_ = new QLabel(deckBox);
    deck_->setObjectName(QStringLiteral("OnDeck"));
    deck_->setTextFormat(Qt::PlainText);
    deck_->setWordWrap(true);
    (new QVBoxLayout(deckBox))->addWidget(deck_);
    leftLayout->addWidget(deckBox);
    auto *awardsBox = new QGroupBox(tr("Awards"), left);
    awards_ = new QLabel(awardsBox);
    awards_->setObjectName(QStringLiteral("Awards"));
    awards_->setTextFormat(Qt::PlainText);
    awards_->setWordWrap(true);
    awards_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    (new QVBoxLayout(awardsBox))->addWidget(awards_);
    leftLayout->addWidget(awardsBox, 1);

    auto *right = new QWidget(splitter);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    standingsCaption_ = new QLabel(tr("Standings"), right);
    standingsCaption_->setTextFormat(Qt::PlainText);
    standingsCaption_->setWordWrap(true);
    rightLayout->addWidget(standingsCaption_);
    standings_ = table(right, QStringLiteral("Standings"));
    rightLayout->addWidget(standings_, 3);
    auto *carButtons = new QHBoxLayout;
    carButtons->addWidget(new QLabel(tr("Heats (choose a recorded heat to run it again)"), right), 1);
    late_ = button(right, carButtons, QStringLiteral("LateEntry"), tr("Late Entry..."));
    withdraw_ = button(right, carButtons, QStringLiteral("Withdraw"), tr("Withdraw Car"));
    calibrate_ = button(right, carButtons, QStringLiteral("CalibrateTrack"), tr("Calibrate Track"));
    heats_ = table(right, QStringLiteral("Heats"));
    rightLayout->addLayout(carButtons);
    rightLayout->addWidget(heats_, 2);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    layout->addWidget(splitter, 1);

    connect(record_, &QPushButton::clicked, this, &RaceDayWindow::RecordClick);
    connect(entry_, &HeatEntryPanel::recordRequested, this, &RaceDayWindow::RecordClick);
    connect(rerun_, &QPushButton::clicked, this, &RaceDayWindow::RerunClick);
    connect(late_, &QPushButton::clicked, this, &RaceDayWindow::LateEntryClick);
    connect(withdraw_, &QPushButton::clicked, this, &RaceDayWindow::WithdrawClick);
    connect(calibrate_, &QPushButton::clicked, this, &RaceDayWindow::CalibrateClick);
    resize(1180, 760);
    showRace();
}

RaceDayWindow::~RaceDayWindow()
{
    if (forecastStop_)
        forecastStop_->store(true);
    forecastWatch_.wait();
    fitWatch_.wait();
}

bool RaceDayWindow::openEvent(const QString &path)
{
    const EventRead read = ReadEvent(path);
    if (!read.ok) {
        prompter_.message(read.shownError(), caption());
        return false;
    }
    stopServing();
    path_ = path;
    event_ = read.event;
    forecast_ = {};
    showRace();
    startForecast();
    return true;
}

bool RaceDayWindow::createEvent(const QString &path, RaceEvent event)
{
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        prompter_.message(tr("%1 exists already; an event file is made once and never over another file.")
                              .arg(QDir::toNativeSeparators(path)), caption());
        return false;
    }
    // Kept beside the event file, the roster moves with it to another computer.
    event.roster = QFileInfo(path).absoluteDir().relativeFilePath(QDir(event.roster).absolutePath());
    if (event.roster.isEmpty())
        event.roster = QStringLiteral(".");
    const QString refused = EnterRoster(event, path);
    if (!refused.isEmpty()) {
        prompter_.message(refused + QLatin1Char('.'), caption());
        return false;
    }
    const WriteOutcome written = WriteEvent(path, event);
    if (!written.ok) {
        prompter_.message(written.shownError(), caption());
        return false;
    }
    return openEvent(path);
}

// A logbook that cannot be written is said, and the next heat recorded tries it again with
// every time; the event file, which holds the times, is saved regardless.
bool RaceDayWindow::saveRecorded(const RaceEvent &changed, const QString &what)
{
    const EventSaved saved = SaveEventAndRuns(path_, changed, &event_);
    if (!saved.written.ok) {
        prompter_.message(tr("%1 was not saved, so it is not recorded: %2").arg(what, saved.written.shownError()),
                          caption());
        return false;
    }
    event_ = changed;
    const EventRunsOutcome &runs = saved.runs;
    status_->setText(runs.ok ? tr("%1 saved; the logbook holds the event's %2 runs.").arg(what).arg(runs.runs)
                             : tr("%1 saved in the event file, but not in the logbook: %2").arg(what, runs.shownError()));
    return true;
}

void RaceDayWindow::RecordClick()
{
    const int heat = entry_->heat();
    if (heat < 0)
        return;
    std::vector<std::optional<double>> times;
    QString error;
    if (!entry_->readTimes(times, error)) {
        prompter_.message(error, caption());
        return;
    }
    RaceEvent changed = event_;
    error = RecordHeat(changed, heat, times);
    if (!error.isEmpty()) {
        prompter_.message(error + QLatin1Char('.'), caption());
        return;
    }
    if (saveRecorded(changed, tr("Heat %1").arg(heat + 1)))
        showRace();
}

void RaceDayWindow::RerunClick()
{
    const int row = heats_->currentRow();
    if (row < 0 || static_cast<size_t>(row) >= event_.heats.size() || !event_.heats[static_cast<size_t>(row)].recorded) {
        prompter_.message(tr("Choose a recorded heat in the chart to run it again."), caption());
        return;
    }
    showHeatToRun(row, tr("Re-run of heat %1: its new times replace the old").arg(row + 1));
}

void RaceDayWindow::OpenClick()
{
    const QString path = prompter_.openPath(tr("Open Event"), {tr("Race day events|*.zevent")});
    if (!path.isEmpty())
        openEvent(path);
}

void RaceDayWindow::NewClick()
{
    NewEventDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString path = prompter_.savePath(tr("New Event"), {tr("Race day events|*.zevent")},
                                            dialog.suggestedFileName());
    if (!path.isEmpty())
        createEvent(path, dialog.event());
}

void RaceDayWindow::LateEntryClick()
{
    if (path_.isEmpty())
        return;
    const QString path = prompter_.openPath(tr("Late Entry"), {tr("Zindle designs|*.zndl")});
    if (path.isEmpty())
        return;
    const QString folder = QFileInfo(RosterFolder(event_, path_)).absoluteFilePath();
    if (QFileInfo(path).absolutePath() != folder) {
        prompter_.message(tr("A late car races from the event's class folder, %1: copy its design there first.")
                              .arg(QDir::toNativeSeparators(folder)), caption());
        return;
    }
    RaceEvent changed = event_;
    const QString file = QFileInfo(path).fileName();
    const QString error = AddLateEntry(changed, file);
    if (!error.isEmpty()) {
        prompter_.message(error + QLatin1Char('.'), caption());
        return;
    }
    if (saveRecorded(changed, tr("The late entry of %1").arg(file))) {
        showRace();
        startForecast();
    }
}

void RaceDayWindow::WithdrawClick()
{
    const int row = standings_->currentRow();
    if (row < 0 || !standings_->item(row, 0))
        return;
    const int car = standings_->item(row, 0)->data(Qt::UserRole).toInt();
    const QString file = event_.cars[static_cast<size_t>(car)].file;
    if (prompter_.confirm(tr("Withdraw %1? Its times stay; it runs no more heats.").arg(carName(car)), caption()) !=
        Answer::Yes)
        return;
    RaceEvent changed = event_;
    const QString error = WithdrawCar(changed, file);
    if (!error.isEmpty()) {
        prompter_.message(error + QLatin1Char('.'), caption());
        return;
    }
    if (saveRecorded(changed, tr("The withdrawal of %1").arg(carName(car))))
        showRace();
}

bool RaceDayWindow::startServing(quint16 port)
{
    if (path_.isEmpty() || server_)
        return false;
    auto server = std::make_unique<EventServer>(path_, QString());
    QString error;
    if (!server->listen(QHostAddress::Any, port, error)) {
        prompter_.message(tr("The page for phones could not be served: %1").arg(error), caption());
        return false;
    }
    connect(server.get(), &EventServer::heatRecorded, this, [this](int heat) {
        reloadFromFile();
        status_->setText(tr("Heat %1 was entered from a phone. %2").arg(heat + 1).arg(status_->text()));
    });
    server_ = std::move(server);
    serve_->setText(tr("Stop Page for Phones"));
    status_->setText(tr("Phones follow the race at %1; the timekeeper enters times there with the join code %2.")
                         .arg(server_->address(), server_->joinCode()));
    if (projector_)
        projector_->show(projectorState());
    return true;
}

void RaceDayWindow::stopServing()
{
    if (!server_)
        return;
    server_.reset();
    serve_->setText(tr("Start Page for Phones"));
    status_->setText(tr("The page for phones is no longer served."));
    if (projector_)
        projector_->show(projectorState());
}

// A phone wrote the event file: what it holds now is the event, and its times go to the logbook.
void RaceDayWindow::reloadFromFile()
{
    const EventRead read = ReadEvent(path_);
    if (!read.ok) {
        status_->setText(read.shownError());
        return;
    }
    const int shown = entry_->heat();
    const bool typing = shown >= 0 && NextHeat(read.event) == shown;
    event_ = read.event;
    const EventRunsOutcome runs = SyncEventRuns(event_, path_);
    if (!runs.ok)
        status_->setText(tr("The logbook was not updated: %1").arg(runs.shownError()));
    // Times half typed for the heat still to run are kept.
    if (!typing)
        showRace();
    else {
        fillStandings();
        fillHeats();
        fillAwards();
        if (projector_)
            projector_->show(projectorState());
    }
}

void RaceDayWindow::startForecast()
{
    if (forecastStop_)
        forecastStop_->store(true);
    forecastWatch_.wait();
    auto stop = std::make_shared<std::atomic<bool>>(false);
    forecastStop_ = stop;
    std::future<RaceDayForecast> future =
        workers_.run([event = event_, path = path_, stop, &workers = workers_] {
            return ForecastEventCars(workers, event, path, stop.get());
        });
    forecastWatch_.watch(std::move(future), [this](std::future<RaceDayForecast> &done) {
        forecast_ = done.get();
        showRace();
    });
}

void RaceDayWindow::ProjectorClick()
{
    if (!projector_)
        projector_ = new ProjectorWindow(this);
    projector_->show(projectorState());
    projector_->showFullScreen();
}

void RaceDayWindow::showRace()
{
    const bool open = !path_.isEmpty();
    if (open)
        title_->setText(tr("%1, %2 cars, %3 heats").arg(event_.title).arg(event_.cars.size()).arg(event_.heats.size()));
    for (QPushButton *b : {record_, rerun_, serve_, late_, withdraw_})
        b->setEnabled(open);
    calibrate_->setEnabled(open && !fitWatch_.watching());
    const int next = open ? NextHeat(event_) : -1;
    if (next >= 0)
        showHeatToRun(next, tr("Heat %1 of %2").arg(next + 1).arg(event_.heats.size()));
    else
        entry_->showNone(open ? tr("Every heat is run: the standings are final.") : QString());
    fillStandings();
    fillHeats();
    fillAwards();
    if (projector_)
        projector_->show(projectorState());
    emit eventShown();
}

} // namespace zindle
