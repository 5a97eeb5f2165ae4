// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One HTTP request written by hand to a server on loopback, and its answer, so that the tests
// can send what no well-behaved client would.

#include <QByteArray>
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

namespace zindle::test {

struct HttpAnswer {
    int status = 0; // 0: the connection closed without an answer
    QByteArray body;
};

// Sends `bytes` and waits for one whole answer, or for the server to close the connection.
inline HttpAnswer exchange(quint16 port, const QByteArray &bytes, int waitMs = 5000)
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    QByteArray got;
    HttpAnswer answer;
    QEventLoop loop;
    QTimer::singleShot(waitMs, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::connected, [&] { socket.write(bytes); });
    QObject::connect(&socket, &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] {
        got += socket.readAll();
        const qsizetype end = got.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QByteArray head = got.left(end).toLower();
        const qsizetype length = head.indexOf("content-length:");
        const qsizetype size = length < 0 ? 0 : head.mid(length + 15, head.indexOf("\r\n", length) - length - 15).trimmed().toLongLong();
        if (got.size() - end - 4 >= size) {
            answer.status = got.mid(9, 3).toInt();
            answer.body = got.mid(end + 4, size);
            loop.quit();
        }
    });
    loop.exec();
    return answer;
}

inline QByteArray post(int heat, const QByteArray &body)
{
    return "POST /heats/" + QByteArray::number(heat) + " HTTP/1.1\r\nHost: x\r\nContent-Type: application/json\r\n"
           "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

} // namespace zindle::test
