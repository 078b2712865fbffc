#include "WifiSyncModel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace {

// A JSON number that is a whole number within 64 bits (2^63 itself is out of range).
std::optional<qint64> integerOf(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (std::trunc(number) != number || number < -9223372036854775808.0 || number >= 9223372036854775808.0)
        return std::nullopt;
    return qint64(number);
}

std::optional<WifiSyncModel::Slave> slaveOf(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    const QJsonValue sn = object.value(QLatin1String("sn"));
    const QJsonValue ip = object.value(QLatin1String("ip"));
    const std::optional<qint64> status = integerOf(object.value(QLatin1String("status")));
    if (!value.isObject() || !sn.isString() || !ip.isString() || !status)
        return std::nullopt;
    return WifiSyncModel::Slave{sn.toString(), ip.toString(), *status};
}

} // namespace

std::optional<WifiSyncModel> WifiSyncModel::decode(QByteArrayView json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toByteArray());
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();
    WifiSyncModel model;
    const std::optional<qint64> type = integerOf(object.value(QLatin1String("type")));
    if (!type)
        return std::nullopt;
    model.type = *type;
    // A null value counts as an absent key.
    const QJsonValue status = object.value(QLatin1String("status"));
    if (!status.isUndefined() && !status.isNull()) {
        const std::optional<qint64> value = integerOf(status);
        if (!value)
            return std::nullopt;
        model.status = *value;
    }
    const QJsonValue slaves = object.value(QLatin1String("slaveList"));
    if (slaves.isUndefined() || slaves.isNull())
        return model;
    if (!slaves.isArray())
        return std::nullopt;
    QList<Slave> list;
    for (const QJsonValue &entry : slaves.toArray()) {
        std::optional<Slave> slave = slaveOf(entry);
        if (!slave)
            return std::nullopt;
        list.append(std::move(*slave));
    }
    model.slaveList = std::move(list);
    return model;
}
