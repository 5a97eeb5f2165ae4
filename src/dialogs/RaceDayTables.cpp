// SPDX-License-Identifier: GPL-3.0-or-later
// What the race-day window shows of the event: the heat to run and the one on deck, the
// standings, the chart of heats and the awards, and the same for the projector.
#include "RaceDayWindow.h"

#include "HeatEntryPanel.h"

#include "app/EventServer.h"

#include "physics/RaceAwards.h"
#include "physics/RaceDay.h"

#include <QLabel>
#include <QTableWidget>

namespace zindle {

namespace {

QString seconds(double time)
{
    return QString::number(time, 'f', 2) + QStringLiteral(" s");
}

QString optionalSeconds(const std::optional<double> &time)
{
    return time ? seconds(*time) : QStringLiteral("-");
}

QTableWidgetItem *cell(const QString &text, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(align);
    return item;
}

// The heat after `heat` still to run, or -1.
int heatOnDeck(const RaceEvent &event, int heat)
{
    for (size_t i = static_cast<size_t>(heat) + 1; heat >= 0 && i < event.heats.size(); ++i)
        if (!event.heats[i].recorded)
            return static_cast<int>(i);
    return -1;
}

} // namespace

QString RaceDayWindow::carName(int car) const
{
    if (car < 0 || static_cast<size_t>(car) >= event_.cars.size())
        return {};
    if (static_cast<size_t>(car) < forecast_.cars.size() && !forecast_.cars[static_cast<size_t>(car)].name.isEmpty())
        return forecast_.cars[static_cast<size_t>(car)].name;
    return event_.cars[static_cast<size_t>(car)].file;
}

QString RaceDayWindow::expectedText(int car) const
{
    if (car < 0 || static_cast<size_t>(car) >= forecast_.cars.size())
        return {};
    const CarForecast &forecast = forecast_.cars[static_cast<size_t>(car)];
    QStringList parts;
    if (forecast.expected.simulatedS)
        parts << tr("simulated %1").arg(seconds(*forecast.expected.simulatedS));
    if (forecast.expected.predictionS)
        parts << tr("predicted %1").arg(seconds(*forecast.expected.predictionS));
    return parts.join(QStringLiteral(", "));
}

void RaceDayWindow::showHeatToRun(int heat, const QString &caption)
{
    const EventHeat &chart = event_.heats[static_cast<size_t>(heat)];
    std::vector<HeatEntryPanel::Lane> lanes;
    for (size_t lane = 0; lane < chart.lanes.size(); ++lane) {
        HeatEntryPanel::Lane shown;
        shown.blocked = lane < event_.blocked.size() && event_.blocked[lane];
        shown.car = carName(chart.lanes[lane]);
        shown.expected = expectedText(chart.lanes[lane]);
        if (chart.recorded && lane < chart.times.size()) {
            shown.time = chart.times[lane];
            shown.dnf = !chart.times[lane];
        }
        lanes.push_back(shown);
    }
    entry_->showHeat(heat, caption, lanes);
    const int deck = heatOnDeck(event_, chart.recorded ? NextHeat(event_) - 1 : heat);
    // One line by lane order keeps the column short on a small screen.
    QStringList deckLines;
    if (deck >= 0) {
        const EventHeat &next = event_.heats[static_cast<size_t>(deck)];
        QStringList cars;
        for (int car : next.lanes)
            cars << (car >= 0 ? carName(car) : QStringLiteral("-"));
        deckLines << tr("Heat %1, lanes 1 to %2: %3")
                         .arg(deck + 1)
                         .arg(next.lanes.size())
                         .arg(cars.join(QStringLiteral(", ")));
    }
    deck_->setText(deckLines.isEmpty() ? tr("No heat after this one.") : deckLines.join(QLatin1Char('\n')));
}

void RaceDayWindow::fillStandings()
{
    const QStringList headers{tr("Place"),     tr("Car"),        tr("Runs"),
                              tr("Average"),   tr("Best"),       tr("Points"),
                              tr("Simulated"), tr("Prediction")};
    // A simulated time computed with a track's calibration says so wherever it is shown.
    standingsCaption_->setText(forecast_.calibration.isEmpty()
                                   ? tr("Standings")
                                   : tr("Standings (simulated times %1)").arg(forecast_.calibration));
    standings_->clear();
    standings_->setColumnCount(static_cast<int>(headers.size()));
    standings_->setHorizontalHeaderLabels(headers);
    const std::vector<EventStanding> standings = path_.isEmpty() ? std::vector<EventStanding>{} : EventStandings(event_);
    standings_->setRowCount(static_cast<int>(standings.size()));
    const Qt::Alignment number = Qt::AlignRight | Qt::AlignVCenter;
    for (size_t row = 0; row < standings.size(); ++row) {
        const EventStanding &s = standings[row];
        const int r = static_cast<int>(row);
        QTableWidgetItem *place = cell(s.place > 0 ? QString::number(s.place) : QStringLiteral("-"), number);
        place->setData(Qt::UserRole, s.car);
        standings_->setItem(r, 0, place);
        QString name = carName(s.car);
        if (event_.cars[static_cast<size_t>(s.car)].withdrawn)
            name = tr("%1 (withdrawn)").arg(name);
        standings_->setItem(r, 1, cell(name));
        standings_->setItem(r, 2, cell(QString::number(s.runs), number));
        standings_->setItem(r, 3, cell(optionalSeconds(s.average), number));
        standings_->setItem(r, 4, cell(optionalSeconds(s.best), number));
        standings_->setItem(r, 5, cell(QString::number(s.points), number));
        const CarExpectation expected = static_cast<size_t>(s.car) < forecast_.cars.size()
                                            ? forecast_.cars[static_cast<size_t>(s.car)].expected
                                            : CarExpectation{};
        standings_->setItem(r, 6, cell(optionalSeconds(expected.simulatedS), number));
        standings_->setItem(r, 7, cell(optionalSeconds(expected.predictionS), number));
    }
    standings_->resizeColumnsToContents();
}

void RaceDayWindow::fillHeats()
{
    heats_->clear();
    QStringList headers{tr("Heat")};
    for (int lane = 1; lane <= event_.lanes && !path_.isEmpty(); ++lane)
        headers << tr("Lane %1").arg(lane);
    heats_->setColumnCount(static_cast<int>(headers.size()));
    heats_->setHorizontalHeaderLabels(headers);
    heats_->setRowCount(path_.isEmpty() ? 0 : static_cast<int>(event_.heats.size()));
    for (size_t i = 0; i < event_.heats.size() && !path_.isEmpty(); ++i) {
        const EventHeat &heat = event_.heats[i];
        QString label = QString::number(i + 1);
        if (heat.reruns > 0)
            label = tr("%1 (re-run)").arg(label);
        heats_->setItem(static_cast<int>(i), 0, cell(label));
        for (size_t lane = 0; lane < heat.lanes.size(); ++lane) {
            QString text = heat.lanes[lane] >= 0 ? carName(heat.lanes[lane]) : QStringLiteral("-");
            if (heat.recorded && heat.lanes[lane] >= 0 && lane < heat.times.size())
                text += QStringLiteral("  ") + (heat.times[lane] ? seconds(*heat.times[lane]) : tr("DNF"));
            heats_->setItem(static_cast<int>(i), static_cast<int>(lane) + 1, cell(text));
        }
    }
    heats_->resizeColumnsToContents();
}

void RaceDayWindow::fillAwards()
{
    std::vector<CarExpectation> expected;
    for (const CarForecast &car : forecast_.cars)
        expected.push_back(car.expected);
    QStringList lines;
    for (const AwardWinner &winner : RaceAwards(event_, expected)) {
        const QString value = winner.award == RaceAward::Fastest ? seconds(winner.value)
                              : winner.award == RaceAward::BestImprovement
                                  ? tr("%1 faster").arg(seconds(winner.value))
                                  : tr("%1 off").arg(seconds(winner.value));
        lines << QStringLiteral("%1: %2 (%3)").arg(awardTitle(winner.award), carName(winner.car), value);
    }
    awards_->setText(lines.isEmpty() ? tr("No heat recorded yet.") : lines.join(QLatin1Char('\n')));
}

ProjectorState RaceDayWindow::projectorState() const
{
    ProjectorState state;
    state.title = event_.title;
    if (server_) {
        state.address = server_->address();
        state.joinCode = server_->joinCode();
    }
    const auto lanesOf = [this](int index) {
        std::vector<ProjectorLane> lanes;
        const EventHeat &heat = event_.heats[static_cast<size_t>(index)];
        for (size_t lane = 0; lane < heat.lanes.size(); ++lane)
            lanes.push_back({static_cast<int>(lane) + 1, heat.lanes[lane] >= 0 ? carName(heat.lanes[lane]) : QString(), {}});
        return lanes;
    };
    const int next = NextHeat(event_);
    if (next >= 0) {
        state.nowCaption = tr("Now racing: heat %1 of %2").arg(next + 1).arg(event_.heats.size());
        state.now = lanesOf(next);
        const int deck = heatOnDeck(event_, next);
        if (deck >= 0) {
            state.deckCaption = tr("On deck: heat %1").arg(deck + 1);
            state.deck = lanesOf(deck);
        }
    } else {
        state.nowCaption = tr("Every heat is run");
    }
    for (const EventStanding &s : EventStandings(event_)) {
        const std::optional<double> shown = event_.scoring == EventScoring::BestTime ? s.best : s.average;
        const QString value = event_.scoring == EventScoring::Points ? tr("%1 points").arg(s.points)
                                                                      : optionalSeconds(shown);
        state.leaders << QStringLiteral("%1.\t%2\t%3")
                             .arg(s.place > 0 ? QString::number(s.place) : QStringLiteral("-"), carName(s.car), value);
    }
    return state;
}

} // namespace zindle
