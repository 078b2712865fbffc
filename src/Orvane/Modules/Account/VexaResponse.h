#pragma once

#include "ResponseType.h"

// The other envelope the cloud service may answer with: {"status": <integer>, "detailCode":
// <integer>, "message": <text>, "data": ...}. Status, detail code and message are required.
struct VexaResponse : public ResponseType
{
    VexaResponse(qint64 status, qint64 detailCode, const QString &message, const std::optional<QJsonValue> &data)
        : status(status), detailCode(detailCode), message(message), data(data)
    {
    }

    qint64 status = 0;
    qint64 detailCode = 0;
    QString message;
    std::optional<QJsonValue> data;

    // Throws DecodingError for anything but an object with integers at "status" and
    // "detailCode" and a text at "message". A null "data" counts as none.
    static VexaResponse decode(const QJsonValue &value);

    qint64 responseCode() const override { return status; }
    std::optional<QString> responseMessage() const override { return message; }
    std::optional<QJsonValue> responseData() const override { return data; }
};
