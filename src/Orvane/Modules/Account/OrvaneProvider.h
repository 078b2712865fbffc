#pragma once

#include "OrvaneAPI.h"
#include "ResponseType.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFuture>
#include <QPointer>

#include <chrono>
#include <concepts>

class QNetworkAccessManager;

// An HTTP reply of any status, with its body.
struct HttpResponse
{
    int statusCode = 0;
    QByteArray data;
};

// The reply codes a request accepts, both ends included.
struct CodeRange
{
    qint64 low = 200;
    qint64 high = 300;
};

// Sends OrvaneAPI requests and turns their replies into values. Requests and bodies are never
// logged: the token request carries the password. Create and use on the GUI thread; the
// futures' steps run there too.
class OrvaneProvider
{
public:
    // Without a session the application's shared one is used.
    explicit OrvaneProvider(QNetworkAccessManager *session = nullptr);

    // A request that has not finished after this long fails as a transport error.
    std::chrono::milliseconds timeout() const { return m_timeout; }
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }

    // Any HTTP status is a reply; only a request that got none fails, with TransportError.
    QFuture<HttpResponse> request(const OrvaneAPI &target) const;

    // The reply read as T and checked: its own code (never the HTTP status) must lie in the
    // range unless the check is skipped. Fails with invalidResponse(code, message) for a code
    // outside the range, for JSON of another shape (its "code" or -1, its "msg" or "message" or
    // "") and, with the HTTP status and cloudServerErrorMessage(), for a body that is not JSON.
    template <typename T>
        requires std::derived_from<T, ResponseType> && JSONDecodable<T>
    QFuture<T> fetch(const OrvaneAPI &target, CodeRange validCodes = {}, bool skipsCodeCheck = false) const
    {
        return request(target).then(QCoreApplication::instance(), [validCodes, skipsCodeCheck](const HttpResponse &response) {
            return mapResponse<T>(response, validCodes, skipsCodeCheck);
        });
    }

    // As above, accepting exactly one code.
    template <typename T>
        requires std::derived_from<T, ResponseType> && JSONDecodable<T>
    QFuture<T> fetch(const OrvaneAPI &target, qint64 code) const
    {
        return fetch<T>(target, CodeRange{code, code}, false);
    }

    // The checks of fetch on a reply already received.
    template <typename T>
        requires std::derived_from<T, ResponseType> && JSONDecodable<T>
    static T mapResponse(const HttpResponse &response, CodeRange validCodes, bool skipsCodeCheck)
    {
        const QJsonValue body = parseBody(response);
        std::optional<T> reply;
        try {
            reply.emplace(T::decode(body));
        } catch (const DecodingError &) {
            throwForOtherJSON(body);
        }
        if (!skipsCodeCheck)
            checkCode(*reply, validCodes);
        return std::move(*reply);
    }

    // The text shown for a reply that is not JSON at all.
    static QString cloudServerErrorMessage();

private:
    // The body as JSON, a lone value included; a body that is not JSON fails with the HTTP status.
    static QJsonValue parseBody(const HttpResponse &response);
    static std::optional<QJsonValue> scalarJSON(const QByteArray &body);
    [[noreturn]] static void throwForOtherJSON(const QJsonValue &body);
    static void checkCode(const ResponseType &reply, CodeRange validCodes);
    QNetworkAccessManager *session() const;

    QPointer<QNetworkAccessManager> m_session;
    std::chrono::milliseconds m_timeout{20000};
};
