#include "JSONResponse.h"

JSONResponse JSONResponse::decode(const QJsonValue &value)
{
    if (!value.isObject())
        throw DecodingError(QStringLiteral("the reply is not an object"));
    const QJsonObject object = value.toObject();
    const std::optional<qint64> code = orvane::json::integer(object.value(QStringLiteral("code")));
    if (!code)
        throw DecodingError(QStringLiteral("\"code\" is missing or not an integer"));
    JSONResponse reply;
    reply.code = *code;
    reply.message = orvane::json::optionalString(object, QStringLiteral("message"));
    reply.msg = orvane::json::optionalString(object, QStringLiteral("msg"));
    const QJsonValue data = object.value(QStringLiteral("data"));
    if (!data.isUndefined() && !data.isNull())
        reply.data = data;
    return reply;
}
