#pragma once

#include <QTcpServer>

namespace orvane::test {

// A port on 127.0.0.1 that nothing listens on: bound, read back and released.
inline quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

} // namespace orvane::test
