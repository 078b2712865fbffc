#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

#include <optional>

// The requests of the maker's cloud service: which address, path, method, headers and body each
// one has, and the process-wide region and bearer token they use. Values describe a request;
// OrvaneProvider sends them.
class OrvaneAPI
{
public:
    // The service's regions; the raw value is the position in the host list.
    enum class Server { cn = 0, sg = 1, eu = 2 };
    // No value for anything but 0, 1 and 2.
    static std::optional<Server> serverFromRawValue(qint64 rawValue);

    // The token request: POST with the account as JSON.
    static OrvaneAPI token(const QString &username, const QString &password);
    // The signed-in user: GET with the bearer token.
    static OrvaneAPI user();

    QUrl baseURL() const;
    QString path() const;
    QByteArray method() const;
    QList<QPair<QByteArray, QByteArray>> headers() const;
    // The JSON body; empty for a plain request.
    QByteArray body() const;
    // The base address joined with the path.
    QUrl url() const;

    // The region of every request; cn until the login screen picks another.
    static Server server();
    static void setServer(Server server);
    // The bearer token between the token and the user request; kept in memory only.
    static std::optional<QString> token();
    static void setToken(const std::optional<QString> &token);

    // A region's base address: "https://" and the region's host from the shared cloud host list,
    // unless a deployment or a test set one of its own.
    static QUrl baseURL(Server server);
    static void setBaseURL(Server server, const QUrl &baseURL);
    static void resetBaseURLs();

private:
    enum class Case { token, user };

    explicit OrvaneAPI(Case kind, const QString &username = {}, const QString &password = {});

    Case m_case;
    QString m_username;
    QString m_password;
};
