// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The race day on the classroom's network: a page that students' phones and laptops keep up to
// date with the chart and the standings, and where the timekeeper enters a heat's times with
// the event's join code. It listens only once started, reads the event file afresh for every
// request (so the window and the command line may record too), and writes nothing but that
// file. Every request goes through the guard's limits first (RequestGuard.h).
//
//   GET  /                the page
//   GET  /event.json      the chart with the times recorded, and the heat to run next
//   GET  /schedule.json   the chart as `zindle-cli event schedule --json` prints it
//   GET  /standings.json  the standings
//   POST /heats/N         {"code": C, "times": [seconds or null, ...]}: heat N (from 1) recorded;
//                         403 for a missing or wrong code before anything else is looked at

#include "app/RequestGuard.h"

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <memory>

class QHttpServer;

namespace zindle {

class EventServer : public QObject {
    Q_OBJECT
public:
    // `code` is the join code for this serving; the event's own when empty.
    EventServer(const QString &eventPath, const QString &code, RequestLimits limits = {}, QObject *parent = nullptr);
    ~EventServer() override;

    // False with `error` set when the port cannot be had. Port 0 takes a free one.
    bool listen(const QHostAddress &address, quint16 port, QString &error);
    quint16 port() const;
    QString joinCode() const { return code_; }
    int refusedConnections() const;

    // "http://192.168.1.20:8080/": the first address of this machine on the room's network (or
    // the loopback address when there is none), for the projector to show.
    QString address() const;

signals:
    // A heat was recorded from a phone.
    void heatRecorded(int heat);

private:
    QString eventPath_;
    QString code_;
    std::unique_ptr<QHttpServer> http_;
    RequestGuard *guard_ = nullptr;
};

} // namespace zindle
