// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventServer.h"

#include "app/EventJson.h"
#include "files/EventFile.h"
#include "output/EventPage.h"
#include "physics/RaceDay.h"

#include <QHttpServer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkInterface>

namespace zindle {

namespace {

using Status = QHttpServerResponder::StatusCode;

QHttpServerResponse refusal(const QString &error, Status status)
{
    return QHttpServerResponse(QJsonObject{{QStringLiteral("error"), error}}, status);
}

// The page and its data are never cached: a phone must see the heat just recorded.
QHttpServerResponse fresh(QHttpServerResponse response)
{
    response.setHeader("Cache-Control", "no-store");
    response.setHeader("X-Content-Type-Options", "nosniff");
    return response;
}

} // namespace

EventServer::EventServer(const QString &eventPath, const QString &code, RequestLimits limits, QObject *parent)
    : QObject(parent), eventPath_(eventPath), code_(code), http_(std::make_unique<QHttpServer>()),
      guard_(new RequestGuard(limits, this))
{
    if (code_.isEmpty())
        code_ = ReadEvent(eventPath_).event.joinCode;
    const auto withEvent = [this](const std::function<QHttpServerResponse(const RaceEvent &)> &answer) {
        const EventRead read = ReadEvent(eventPath_);
        if (!read.ok)
            return fresh(refusal(read.shownError(), Status::InternalServerError));
        return fresh(answer(read.event));
    };
    http_->route(QStringLiteral("/"), QHttpServerRequest::Method::Get, [] {
        QHttpServerResponse page("text/html; charset=utf-8", EventPageHtml());
        page.setHeader("Content-Security-Policy", "default-src 'self'; script-src 'unsafe-inline'; "
                                                  "style-src 'unsafe-inline'; connect-src 'self'");
        return fresh(std::move(page));
    });
    http_->route(QStringLiteral("/event.json"), QHttpServerRequest::Method::Get, [withEvent] {
        return withEvent([](const RaceEvent &event) { return QHttpServerResponse(EventStateJson(event)); });
    });
    http_->route(QStringLiteral("/schedule.json"), QHttpServerRequest::Method::Get, [withEvent] {
        return withEvent([](const RaceEvent &event) { return QHttpServerResponse(ScheduleJson(event)); });
    });
    http_->route(QStringLiteral("/standings.json"), QHttpServerRequest::Method::Get, [withEvent] {
        return withEvent([](const RaceEvent &event) { return QHttpServerResponse(StandingsJson(event)); });
    });
    http_->route(QStringLiteral("/heats/<arg>"), QHttpServerRequest::Method::Post,
                 [this](const QString &heatText, const QHttpServerRequest &request) {
        // The code first: without it nothing else about the request is looked at or told.
        const QByteArray body = request.body();
        const QJsonDocument document = QJsonDocument::fromJson(body.size() <= MaxRequestBodyBytes ? body : QByteArray());
        const QJsonValue code = document.object().value(QStringLiteral("code"));
        if (!document.isObject() || !code.isString() || code.toString() != code_ || code_.isEmpty())
            return fresh(refusal(tr("the join code is missing or wrong"), Status::Forbidden));
        bool isNumber = false;
        const int heat = heatText.toInt(&isNumber);
        const QJsonValue timesValue = document.object().value(QStringLiteral("times"));
        // The phone page always sends this shape: these two replies are for whoever writes another
        // client, and stay English like the rest of the interface.
        if (!isNumber || !timesValue.isArray())
            return fresh(refusal(QStringLiteral("send {\"code\": ..., \"times\": [seconds or null, ...]}"),
                                 Status::BadRequest));
        std::vector<std::optional<double>> times;
        for (const QJsonValue time : timesValue.toArray()) {
            if (!time.isNull() && !time.isDouble())
                return fresh(refusal(QStringLiteral("a time is a number of seconds or null"), Status::BadRequest));
            times.push_back(time.isNull() ? std::nullopt : std::optional<double>(time.toDouble()));
        }
        EventRead read = ReadEvent(eventPath_);
        if (!read.ok)
            return fresh(refusal(read.shownError(), Status::InternalServerError));
        const QString error = RecordHeat(read.event, heat - 1, times);
        if (!error.isEmpty())
            return fresh(refusal(error, heat >= 1 && heat <= static_cast<int>(read.event.heats.size())
                                            ? Status::BadRequest : Status::NotFound));
        const WriteOutcome written = WriteEvent(eventPath_, read.event);
        if (!written.ok)
            return fresh(refusal(written.shownError(), Status::InternalServerError));
        emit heatRecorded(heat - 1);
        return fresh(QHttpServerResponse(QJsonObject{{QStringLiteral("recorded"), heat},
                                                     {QStringLiteral("next"), NextHeat(read.event) + 1}}));
    });
}

EventServer::~EventServer() = default;

bool EventServer::listen(const QHostAddress &address, quint16 port, QString &error)
{
    if (!guard_->listen(address, port)) {
        error = QStringLiteral("cannot listen on port %1: %2").arg(port).arg(guard_->errorString());
        return false;
    }
    http_->bind(guard_);
    return true;
}

quint16 EventServer::port() const
{
    return guard_->serverPort();
}

int EventServer::refusedConnections() const
{
    return guard_->refused();
}

QString EventServer::address() const
{
    QString host = QStringLiteral("127.0.0.1");
    if (guard_->serverAddress() != QHostAddress::LocalHost) {
        for (const QHostAddress &candidate : QNetworkInterface::allAddresses())
            if (candidate.protocol() == QAbstractSocket::IPv4Protocol && !candidate.isLoopback()) {
                host = candidate.toString();
                break;
            }
    }
    return QStringLiteral("http://%1:%2/").arg(host).arg(port());
}

} // namespace zindle
