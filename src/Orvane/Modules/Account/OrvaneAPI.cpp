#include "OrvaneAPI.h"

#include "QXDeviceStatus.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QMutex>

namespace {

struct SharedState {
    QMutex mutex;
    OrvaneAPI::Server server = OrvaneAPI::Server::cn;
    std::optional<QString> token;
    QMap<OrvaneAPI::Server, QUrl> baseURLs;
};

SharedState &shared()
{
    static SharedState state;
    return state;
}

} // namespace

std::optional<OrvaneAPI::Server> OrvaneAPI::serverFromRawValue(qint64 rawValue)
{
    switch (rawValue) {
    case 0: return Server::cn;
    case 1: return Server::sg;
    case 2: return Server::eu;
    default: return std::nullopt;
    }
}

OrvaneAPI::OrvaneAPI(Case kind, const QString &username, const QString &password)
    : m_case(kind), m_username(username), m_password(password)
{
}

OrvaneAPI OrvaneAPI::token(const QString &username, const QString &password)
{
    return OrvaneAPI(Case::token, username, password);
}

OrvaneAPI OrvaneAPI::user()
{
    return OrvaneAPI(Case::user);
}

QUrl OrvaneAPI::baseURL() const
{
    return baseURL(server());
}

QString OrvaneAPI::path() const
{
    switch (m_case) {
    case Case::token: return QStringLiteral("/quintar/rest/v1/token");
    case Case::user: return QStringLiteral("/manage-platform/rest/v2/user");
    }
    Q_UNREACHABLE();
}

QByteArray OrvaneAPI::method() const
{
    return m_case == Case::token ? QByteArrayLiteral("POST") : QByteArrayLiteral("GET");
}

QList<QPair<QByteArray, QByteArray>> OrvaneAPI::headers() const
{
    if (m_case == Case::token)
        return {{QByteArrayLiteral("Content-Type"), QByteArrayLiteral("application/json")}};
    // Before any token the header still goes out, with nothing after the blank.
    return {{QByteArrayLiteral("Authorization"), "Bearer " + token().value_or(QString()).toUtf8()}};
}

QByteArray OrvaneAPI::body() const
{
    if (m_case != Case::token)
        return {};
    const QJsonObject parameters{{QStringLiteral("username"), m_username}, {QStringLiteral("password"), m_password}};
    return QJsonDocument(parameters).toJson(QJsonDocument::Compact);
}

QUrl OrvaneAPI::url() const
{
    QUrl url = baseURL();
    QString basePath = url.path();
    if (basePath.endsWith(QLatin1Char('/')))
        basePath.chop(1);
    url.setPath(basePath + path());
    return url;
}

OrvaneAPI::Server OrvaneAPI::server()
{
    QMutexLocker lock(&shared().mutex);
    return shared().server;
}

void OrvaneAPI::setServer(Server server)
{
    QMutexLocker lock(&shared().mutex);
    shared().server = server;
}

std::optional<QString> OrvaneAPI::token()
{
    QMutexLocker lock(&shared().mutex);
    return shared().token;
}

void OrvaneAPI::setToken(const std::optional<QString> &token)
{
    QMutexLocker lock(&shared().mutex);
    shared().token = token;
}

QUrl OrvaneAPI::baseURL(Server server)
{
    {
        QMutexLocker lock(&shared().mutex);
        const auto custom = shared().baseURLs.constFind(server);
        if (custom != shared().baseURLs.constEnd())
            return *custom;
    }
    QUrl url;
    url.setScheme(QStringLiteral("https"));
    url.setHost(QXDeviceStatus::serverList().value(int(server)));
    return url;
}

void OrvaneAPI::setBaseURL(Server server, const QUrl &baseURL)
{
    QMutexLocker lock(&shared().mutex);
    shared().baseURLs.insert(server, baseURL);
}

void OrvaneAPI::resetBaseURLs()
{
    QMutexLocker lock(&shared().mutex);
    shared().baseURLs.clear();
}
