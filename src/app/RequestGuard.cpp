// SPDX-License-Identifier: GPL-3.0-or-later
#include "RequestGuard.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <QTimer>

namespace zindle {

namespace {

// A Content-Length the head names above the limit: refused before the body is sent.
bool namesALargerBody(const QByteArray &bytes)
{
    static const QRegularExpression length(QStringLiteral("(?i)\\r\\ncontent-length:\\s*(\\d{1,19})"));
    const QRegularExpressionMatch match = length.match(QString::fromLatin1(bytes.left(MaxRequestHeadBytes)));
    return match.hasMatch() && (match.capturedLength(1) > 7 || match.captured(1).toLongLong() > MaxRequestBodyBytes);
}

} // namespace

RequestGuard::RequestGuard(RequestLimits limits, QObject *parent) : QTcpServer(parent), limits_(limits) {}

void RequestGuard::refuse(QTcpSocket *socket, const char *status)
{
    ++refused_;
    socket->write(QByteArray("HTTP/1.1 ") + status + "\r\nConnection: close\r\nContent-Length: 0\r\n\r\n");
    socket->disconnectFromHost();
    // A peer that does not take the answer is not waited for.
    QTimer::singleShot(1000, socket, [socket] { socket->abort(); });
}

void RequestGuard::incomingConnection(qintptr descriptor)
{
    auto *socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    if (open_ >= limits_.connections) {
        ++refused_;
        socket->abort();
        socket->deleteLater();
        return;
    }
    ++open_;
    connect(socket, &QObject::destroyed, this, [this] { --open_; });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);

    auto *answerDue = new QTimer(socket);
    answerDue->setSingleShot(true);
    auto *idle = new QTimer(socket);
    idle->setSingleShot(true);
    idle->start(limits_.idleMs);
    connect(answerDue, &QTimer::timeout, socket, [this, socket] { refuse(socket, "408 Request Timeout"); });
    connect(idle, &QTimer::timeout, socket, [socket] { socket->abort(); });

    // Bytes seen in the current ten seconds. The server reads everything that arrives, after
    // this guard has looked at it (it was connected first), so what is available is new.
    auto window = std::make_shared<QElapsedTimer>();
    auto seen = std::make_shared<qint64>(0);
    window->start();
    connect(socket, &QTcpSocket::readyRead, socket, [=, this] {
        if (socket->state() != QAbstractSocket::ConnectedState)
            return;
        const QByteArray fresh = socket->peek(socket->bytesAvailable());
        if (window->elapsed() > 10000) {
            window->restart();
            *seen = 0;
        }
        *seen += fresh.size();
        idle->start(limits_.idleMs);
        if (!answerDue->isActive())
            answerDue->start(limits_.requestMs);
        if (*seen > MaxRequestHeadBytes + MaxRequestBodyBytes || namesALargerBody(fresh)) {
            socket->readAll();
            refuse(socket, "413 Content Too Large");
        }
    });
    // An answer going out ends the wait for it.
    connect(socket, &QTcpSocket::bytesWritten, answerDue, [answerDue] { answerDue->stop(); });
    // QTcpServer announces the connection itself once this returns.
    addPendingConnection(socket);
}

} // namespace zindle
