#include "MiniHttpServer.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

#include <optional>

namespace orvane::test {

namespace {

constexpr char bufferProperty[] = "miniHttpBuffer";

QByteArray withoutQuery(const QByteArray &path)
{
    const qsizetype query = path.indexOf('?');
    return query < 0 ? path : path.left(query);
}

QByteArray routeKey(const QByteArray &method, const QByteArray &path)
{
    return method + ' ' + withoutQuery(path);
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 401: return "Unauthorized";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 502: return "Bad Gateway";
    default: return "Status";
    }
}

// A complete request at the front of the buffer, or nothing while more bytes are needed.
std::optional<MiniHttpServer::Request> takeRequest(QByteArray &buffer)
{
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return std::nullopt;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    MiniHttpServer::Request request;
    const QList<QByteArray> startLine = lines.value(0).trimmed().split(' ');
    request.method = startLine.value(0);
    request.path = startLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon <= 0)
            continue;
        // Values keep trailing blanks, so a test can see exactly what the client sent.
        QByteArray value = lines[i].mid(colon + 1);
        if (value.endsWith('\r'))
            value.chop(1);
        while (value.startsWith(' '))
            value.remove(0, 1);
        request.headers.insert(lines[i].left(colon).trimmed().toLower(), value);
    }
    const qsizetype length = request.header("content-length").toLongLong();
    const qsizetype bodyStart = headEnd + 4;
    if (buffer.size() - bodyStart < length)
        return std::nullopt;
    request.body = buffer.mid(bodyStart, length);
    buffer.remove(0, bodyStart + length);
    return request;
}

} // namespace

MiniHttpServer::MiniHttpServer(QObject *parent) : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &MiniHttpServer::accept);
}

MiniHttpServer::~MiniHttpServer() = default;

bool MiniHttpServer::listen(quint16 port)
{
    return m_server->listen(QHostAddress::LocalHost, port);
}

quint16 MiniHttpServer::port() const
{
    return m_server->serverPort();
}

QUrl MiniHttpServer::baseUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port()));
}

void MiniHttpServer::setResponse(const QByteArray &method, const QByteArray &path, const Response &response)
{
    m_responses.insert(routeKey(method, path), response);
}

QList<MiniHttpServer::Request> MiniHttpServer::requests(const QByteArray &path) const
{
    QList<Request> matching;
    for (const Request &request : m_requests) {
        if (withoutQuery(request.path) == withoutQuery(path))
            matching.append(request);
    }
    return matching;
}

void MiniHttpServer::accept()
{
    while (QTcpSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void MiniHttpServer::readFrom(QTcpSocket *socket)
{
    QByteArray buffer = socket->property(bufferProperty).toByteArray() + socket->readAll();
    while (std::optional<Request> request = takeRequest(buffer)) {
        m_requests.append(*request);
        if (!m_silent)
            answer(socket, *request);
    }
    socket->setProperty(bufferProperty, buffer);
}

void MiniHttpServer::answer(QTcpSocket *socket, const Request &request)
{
    const Response response = m_responses.value(routeKey(request.method, request.path), Response{404, {}, {}});
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status) + "\r\n";
    if (!response.contentType.isEmpty())
        head += "Content-Type: " + response.contentType + "\r\n";
    head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\nConnection: close\r\n\r\n";
    socket->write(head + response.body);
    socket->disconnectFromHost();
}

} // namespace orvane::test
