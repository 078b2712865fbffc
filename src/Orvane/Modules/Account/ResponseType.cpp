#include "ResponseType.h"

qint64 JSONValueResponse::responseCode() const
{
    return orvane::json::integer(m_value.toObject().value(QStringLiteral("code"))).value_or(-1);
}

std::optional<QString> JSONValueResponse::responseMessage() const
{
    const QJsonObject object = m_value.toObject();
    for (const QString &key : {QStringLiteral("msg"), QStringLiteral("message")}) {
        const QJsonValue text = object.value(key);
        if (text.isString())
            return text.toString();
    }
    return QString();
}

namespace orvane::json {

std::optional<QString> optionalString(const QJsonObject &object, const QString &key)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return std::nullopt;
    if (!value.isString())
        throw DecodingError(QStringLiteral("\"%1\" is not a text").arg(key));
    return value.toString();
}

QJsonValue dataValue(const ResponseType &reply, const std::optional<QString> &keyPath)
{
    const std::optional<QJsonValue> data = reply.responseData();
    if (!data)
        throw ResponseError::noData();
    return keyPath ? data->toObject().value(*keyPath) : *data;
}

} // namespace orvane::json
