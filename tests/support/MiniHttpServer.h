#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

namespace orvane::test {

// A small HTTP/1.1 server on 127.0.0.1 for tests of the cloud requests. It answers each request
// from a table of canned replies keyed by method and path, records every request it received,
// and can be told to stay silent. It lives on the thread that created it, whose event loop must
// run while a client talks to it. Every reply closes its connection.
class MiniHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Request {
        QByteArray method;
        QByteArray path;                      // with the query, as sent
        QMap<QByteArray, QByteArray> headers; // names in lower case, values as sent
        QByteArray body;

        QByteArray header(const QByteArray &name) const { return headers.value(name.toLower()); }
    };

    struct Response {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json";
    };

    explicit MiniHttpServer(QObject *parent = nullptr);
    ~MiniHttpServer() override;

    // Listens on 127.0.0.1; port 0 picks a free port.
    bool listen(quint16 port = 0);
    quint16 port() const;
    // "http://127.0.0.1:<port>".
    QUrl baseUrl() const;

    // The reply to every request with this method and path (query ignored). Unknown requests get
    // 404 with an empty body.
    void setResponse(const QByteArray &method, const QByteArray &path, const Response &response);
    // A silent server reads requests but never answers them.
    void setSilent(bool silent) { m_silent = silent; }

    QList<Request> requests() const { return m_requests; }
    // The requests to one path (query ignored), whatever their method.
    QList<Request> requests(const QByteArray &path) const;

private:
    void accept();
    void readFrom(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const Request &request);

    QTcpServer *m_server = nullptr;
    QMap<QByteArray, Response> m_responses;
    QList<Request> m_requests;
    bool m_silent = false;
};

} // namespace orvane::test
