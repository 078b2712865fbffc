#pragma once

#include "ResponseType.h"

// The cloud service's usual reply: {"code": <integer>, "message": ..., "msg": ..., "data": ...}.
// Only "code" is required. The message a caller sees is "msg"; "message" is kept but not reported.
struct JSONResponse : public ResponseType
{
    qint64 code = 0;
    std::optional<QString> message;
    std::optional<QString> msg;
    std::optional<QJsonValue> data;

    // Throws DecodingError for anything but an object with an integer "code" and texts (or
    // nothing) at "message" and "msg". A null "data" counts as none.
    static JSONResponse decode(const QJsonValue &value);

    qint64 responseCode() const override { return code; }
    std::optional<QString> responseMessage() const override { return msg; }
    std::optional<QJsonValue> responseData() const override { return data; }
};
