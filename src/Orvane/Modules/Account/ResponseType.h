#pragma once

#include "QXJson.h"
#include "ResponseError.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <concepts>
#include <optional>

// A value that can be read from JSON: T::decode throws DecodingError when the value does not
// have T's shape.
template <typename T>
concept JSONDecodable = requires(const QJsonValue &value) {
    { T::decode(value) } -> std::same_as<T>;
};

// What every reply of the cloud service offers: its own result code, its message and its data.
class ResponseType
{
public:
    virtual ~ResponseType() = default;
    virtual qint64 responseCode() const = 0;
    virtual std::optional<QString> responseMessage() const = 0;
    virtual std::optional<QJsonValue> responseData() const = 0;
};

// Any JSON value read as a reply: the integer at "code" (-1 without one), the text at "msg" or
// else at "message" (empty without either), and the whole value as data.
class JSONValueResponse : public ResponseType
{
public:
    explicit JSONValueResponse(const QJsonValue &value) : m_value(value) {}

    qint64 responseCode() const override;
    std::optional<QString> responseMessage() const override;
    std::optional<QJsonValue> responseData() const override { return m_value; }

private:
    QJsonValue m_value;
};

namespace orvane::json {

// Reads an optional text field: absent or null give nothing, another type is a DecodingError.
std::optional<QString> optionalString(const QJsonObject &object, const QString &key);
// The value a reply's data holds under the key, or the whole data without a key; noData when
// the reply has no data.
QJsonValue dataValue(const ResponseType &reply, const std::optional<QString> &keyPath);

} // namespace orvane::json

// The reply's data (or its value under one key, not a dotted path) read as T. Throws noData
// when the reply has no data and DecodingError when the value is not a T.
template <JSONDecodable T>
T decode(const ResponseType &reply, const std::optional<QString> &keyPath = std::nullopt)
{
    return T::decode(orvane::json::dataValue(reply, keyPath));
}

// The elements of the array in the reply's data (or under one key) that read as T, in order;
// elements that do not are left out, and anything but an array gives none.
template <JSONDecodable T>
QList<T> decodeArray(const ResponseType &reply, const std::optional<QString> &keyPath = std::nullopt)
{
    QList<T> elements;
    for (const QJsonValue &element : orvane::json::dataValue(reply, keyPath).toArray()) {
        try {
            elements.append(T::decode(element));
        } catch (const DecodingError &) {
        }
    }
    return elements;
}
