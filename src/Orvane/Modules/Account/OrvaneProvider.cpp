#include "OrvaneProvider.h"

#include "QXLocalized.h"
#include "QXView.h"

#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPromise>

#include <memory>

namespace {

QNetworkAccessManager *sharedSession()
{
    static QPointer<QNetworkAccessManager> session;
    if (!session)
        session = new QNetworkAccessManager(QCoreApplication::instance());
    return session;
}

// Errors below the content range mean the request never got an HTTP answer (refused, timed out,
// aborted, proxy or TLS failure); the content, protocol and server ranges come with a status.
bool isTransportFailure(QNetworkReply::NetworkError error)
{
    return error != QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied;
}

} // namespace

OrvaneProvider::OrvaneProvider(QNetworkAccessManager *session) : m_session(session) {}

QNetworkAccessManager *OrvaneProvider::session() const
{
    return m_session ? m_session.data() : sharedSession();
}

QFuture<HttpResponse> OrvaneProvider::request(const OrvaneAPI &target) const
{
    QNetworkRequest request(target.url());
    for (const auto &[name, value] : target.headers())
        request.setRawHeader(name, value);
    request.setTransferTimeout(int(m_timeout.count()));

    QNetworkReply *reply = target.method() == "GET"
        ? session()->get(request)
        : session()->sendCustomRequest(request, target.method(), target.body());
    auto promise = std::make_shared<QPromise<HttpResponse>>();
    promise->start();
    QObject::connect(reply, &QNetworkReply::finished, reply, [reply, promise] {
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (status.isValid() && !isTransportFailure(reply->error()))
            promise->addResult(HttpResponse{status.toInt(), reply->readAll()});
        else
            promise->setException(TransportError(reply->error(), reply->errorString()));
        promise->finish();
        reply->deleteLater();
    });
    return promise->future();
}

QString OrvaneProvider::cloudServerErrorMessage()
{
    static const QString key = QStringLiteral("cloud_server_error");
    const QString text = qxLocalized(key);
    return text == key ? QStringLiteral("服务器异常,请稍后重试") : text;
}

QJsonValue OrvaneProvider::parseBody(const HttpResponse &response)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(response.data, &error);
    if (error.error == QJsonParseError::NoError)
        return document.isArray() ? QJsonValue(document.array()) : QJsonValue(document.object());
    if (const std::optional<QJsonValue> scalar = scalarJSON(response.data))
        return *scalar;
    throw ResponseError::invalidResponse(response.statusCode, cloudServerErrorMessage());
}

std::optional<QJsonValue> OrvaneProvider::scalarJSON(const QByteArray &body)
{
    // A document must be an object or an array, so a lone value (null, a text, a number, a
    // truth value) is read as the one element of an array around it. Anything that is not
    // exactly one value ("1,2", nothing at all) stays not JSON.
    QJsonParseError error;
    const QJsonDocument wrapped = QJsonDocument::fromJson('[' + body + ']', &error);
    if (error.error != QJsonParseError::NoError || !wrapped.isArray() || wrapped.array().size() != 1)
        return std::nullopt;
    return wrapped.array().first();
}

void OrvaneProvider::throwForOtherJSON(const QJsonValue &body)
{
    const JSONValueResponse reply(body);
    throw ResponseError::invalidResponse(reply.responseCode(), reply.responseMessage().value_or(QString()));
}

void OrvaneProvider::checkCode(const ResponseType &reply, CodeRange validCodes)
{
    const qint64 code = reply.responseCode();
    if (code < validCodes.low || code > validCodes.high)
        throw ResponseError::invalidResponse(code, reply.responseMessage().value_or(QString()));
}
