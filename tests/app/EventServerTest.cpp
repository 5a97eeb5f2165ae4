// SPDX-License-Identifier: GPL-3.0-or-later
// The race day's web page on loopback: anyone may read, only the join code writes, and a
// request that is malformed, too large or too slow is refused without touching the event.

#include "app/EventJson.h"
#include "app/EventServer.h"
#include "files/EventFile.h"
#include "physics/RaceDay.h"
#include "support/FolderFiles.h"
#include "support/HttpExchange.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace zindle;
using namespace zindle::test;

namespace {

const QByteArray Get = "GET /standings.json HTTP/1.1\r\nHost: x\r\n\r\n";

class EventServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.filePath(QStringLiteral("day.zevent"));
        RaceEvent event;
        event.lanes = 2;
        event.blocked = {false, false};
        event.joinCode = QStringLiteral("4821");
        for (const char *file : {"a.zndl", "b.zndl", "c.zndl", "d.zndl"})
            event.cars.push_back({file});
        ScheduleEvent(event);
        ASSERT_TRUE(WriteEvent(path, event).ok);
        QString error;
        ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0, error)) << qPrintable(error);
    }

    QTemporaryDir dir;
    QString path;
    EventServer server{dir.filePath(QStringLiteral("day.zevent")), QStringLiteral("4821"), RequestLimits{400, 30000, 256}};
};

} // namespace

TEST_F(EventServerTest, AnyoneReadsOnlyTheJoinCodeWritesAndNothingElseIsWritten)
{
    const QByteArray before = contentOf(path);
    const HttpAnswer page = exchange(server.port(), "GET / HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_EQ(page.status, 200);
    EXPECT_TRUE(page.body.startsWith("<!DOCTYPE html>"));
    const HttpAnswer schedule = exchange(server.port(), "GET /schedule.json HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_EQ(QJsonDocument::fromJson(schedule.body).object(), ScheduleJson(ReadEvent(path).event));

    EXPECT_EQ(exchange(server.port(), post(1, R"({"times": [1.5, 1.6]})")).status, 403);
    EXPECT_EQ(exchange(server.port(), post(1, R"({"code": "1111", "times": [1.5, 1.6]})")).status, 403);
    EXPECT_EQ(exchange(server.port(), post(99, R"({"code": "1111"})")).status, 403) << "the code before the heat";
    EXPECT_EQ(exchange(server.port(), post(1, "not json")).status, 403);
    EXPECT_EQ(contentOf(path), before);

    const HttpAnswer recorded = exchange(server.port(), post(1, R"({"code": "4821", "times": [1.5, null]})"));
    EXPECT_EQ(recorded.status, 200) << recorded.body.constData();
    const RaceEvent after = ReadEvent(path).event;
    EXPECT_TRUE(after.heats[0].recorded);
    EXPECT_EQ(after.heats[0].times, (std::vector<std::optional<double>>{1.5, std::nullopt}));
    EXPECT_EQ(exchange(server.port(), post(1, R"({"code": "4821", "times": "soon"})")).status, 400);
    EXPECT_EQ(exchange(server.port(), post(1, R"({"code": "4821", "times": [1.5]})")).status, 400);
    EXPECT_EQ(exchange(server.port(), post(9, R"({"code": "4821", "times": [1.5, 1.5]})")).status, 404);
    EXPECT_EQ(everything(dir.path()), QStringList{QStringLiteral("day.zevent")});
}

TEST_F(EventServerTest, MalformedOversizedAndSlowRequestsAreRefusedWithoutHarm)
{
    const QByteArray before = contentOf(path);
    EXPECT_NE(exchange(server.port(), "NOT HTTP AT ALL\r\n\r\n").status, 200);
    EXPECT_EQ(exchange(server.port(), post(1, QByteArray(100 * 1024, 'x'))).status, 413);
    EXPECT_EQ(exchange(server.port(), "POST /heats/1 HTTP/1.1\r\nHost: x\r\nContent-Length: 900000000\r\n\r\n").status,
              413) << "a body announced too large is refused before it is sent";
    QElapsedTimer slow;
    slow.start();
    EXPECT_EQ(exchange(server.port(), "GET /standings.json HTTP/1.1\r\nHost: x\r\n").status, 408);
    EXPECT_LT(slow.elapsed(), 4000) << "a request left unfinished is not waited for";
    EXPECT_EQ(contentOf(path), before);
    EXPECT_EQ(exchange(server.port(), Get).status, 200) << "the server answers the next phone";
    EXPECT_GE(server.refusedConnections(), 3);
}

TEST_F(EventServerTest, FiftyReadersForTenSecondsAreAllServedAndTheLoopKeepsTurning)
{
    struct Reader {
        QTcpSocket socket;
        QByteArray got;
        int answers = 0;
    };
    std::vector<std::unique_ptr<Reader>> readers;
    int sent = 0;
    for (int i = 0; i < 50; ++i) {
        auto reader = std::make_unique<Reader>();
        Reader *r = reader.get();
        QObject::connect(&r->socket, &QTcpSocket::connected, [r, &sent] { r->socket.write(Get); ++sent; });
        QObject::connect(&r->socket, &QTcpSocket::readyRead, [r, &sent] {
            r->got += r->socket.readAll();
            // One answer is whole when its JSON closes; each reader asks again at once.
            if (r->got.endsWith("}")) {
                if (r->got.startsWith("HTTP/1.1 200") && QJsonDocument::fromJson(r->got.mid(r->got.indexOf("\r\n\r\n") + 4)).isObject())
                    ++r->answers;
                r->got.clear();
                r->socket.write(Get);
                ++sent;
            }
        });
        r->socket.connectToHost(QStringLiteral("127.0.0.1"), server.port());
        readers.push_back(std::move(reader));
    }
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0, longestGap = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    tick.start(50);
    QEventLoop loop;
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    int answers = 0;
    for (const auto &reader : readers) {
        EXPECT_GT(reader->answers, 0);
        answers += reader->answers;
    }
    EXPECT_GE(answers, sent - 50) << "every request but the last of each reader was answered";
    EXPECT_LT(longestGap, 1000) << "the loop that runs the window kept turning";
}
