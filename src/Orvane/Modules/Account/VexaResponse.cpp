#include "VexaResponse.h"

VexaResponse VexaResponse::decode(const QJsonValue &value)
{
    if (!value.isObject())
        throw DecodingError(QStringLiteral("the reply is not an object"));
    const QJsonObject object = value.toObject();
    const std::optional<qint64> status = orvane::json::integer(object.value(QStringLiteral("status")));
    const std::optional<qint64> detailCode = orvane::json::integer(object.value(QStringLiteral("detailCode")));
    if (!status || !detailCode)
        throw DecodingError(QStringLiteral("\"status\" or \"detailCode\" is missing or not an integer"));
    const std::optional<QString> message = orvane::json::optionalString(object, QStringLiteral("message"));
    if (!message)
        throw DecodingError(QStringLiteral("\"message\" is missing"));
    const QJsonValue data = object.value(QStringLiteral("data"));
    return VexaResponse(*status, *detailCode, *message,
                        data.isUndefined() || data.isNull() ? std::nullopt : std::optional<QJsonValue>(data));
}
