// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The limits the classroom's web page is served under. The HTTP server reads whatever a
// connection sends and waits as long as it takes, so a phone on the room's network could hold
// it up or fill its memory; this listener sees every connection's bytes before the server does.
// A connection is closed when, in any ten seconds, it sends more than a request of the largest
// allowed size could hold (or names a larger body in a Content-Length), when a request it has
// begun is not answered within ten seconds, or when it stays silent for thirty; and no more
// than a set number of connections are open at once.

#include <QElapsedTimer>
#include <QTcpServer>

namespace zindle {

inline constexpr qint64 MaxRequestBodyBytes = 64 * 1024;
inline constexpr qint64 MaxRequestHeadBytes = 8 * 1024;

struct RequestLimits {
    int requestMs = 10000; // from a request's first byte to its answer
    int idleMs = 30000;    // a connection that sends nothing
    int connections = 256;
};

class RequestGuard : public QTcpServer {
    Q_OBJECT
public:
    explicit RequestGuard(RequestLimits limits = {}, QObject *parent = nullptr);
    int refused() const { return refused_; } // connections closed by a limit

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void refuse(class QTcpSocket *socket, const char *status);

    RequestLimits limits_;
    int open_ = 0;
    int refused_ = 0;
};

} // namespace zindle
