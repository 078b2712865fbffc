#include "ResponseError.h"

ResponseError::ResponseError(Kind kind, qint64 code, const QString &message)
    : m_kind(kind), m_code(code), m_message(message)
{
    m_what = kind == Kind::noData ? QByteArrayLiteral("noData")
                                  : "invalidResponse(" + QByteArray::number(code) + ", \"" + message.toUtf8() + "\")";
}

ResponseError ResponseError::invalidResponse(qint64 code, const QString &message)
{
    return ResponseError(Kind::invalidResponse, code, message);
}

ResponseError ResponseError::noData()
{
    return ResponseError(Kind::noData, 0, QString());
}

TransportError::TransportError(QNetworkReply::NetworkError error, const QString &description)
    : m_error(error), m_description(description),
      m_what("transport error " + QByteArray::number(int(error)) + ": " + description.toUtf8())
{
}

DecodingError::DecodingError(const QString &description)
    : m_description(description), m_what("decoding error: " + description.toUtf8())
{
}
