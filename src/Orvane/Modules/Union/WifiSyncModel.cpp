#include "WifiSyncModel.h"

#include "QXJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

std::optional<WifiSyncModel::Slave> slaveOf(const QJsonValue &value)
{
    const QJsonObject object = value.toObject();
    const QJsonValue sn = object.value(QLatin1String("sn"));
    const QJsonValue ip = object.value(QLatin1String("ip"));
    const std::optional<qint64> status = orvane::json::integer(object.value(QLatin1String("status")));
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
    const std::optional<qint64> type = orvane::json::integer(object.value(QLatin1String("type")));
    if (!type)
        return std::nullopt;
    model.type = *type;
    // A null value counts as an absent key.
    const QJsonValue status = object.value(QLatin1String("status"));
    if (!status.isUndefined() && !status.isNull()) {
        const std::optional<qint64> value = orvane::json::integer(status);
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
