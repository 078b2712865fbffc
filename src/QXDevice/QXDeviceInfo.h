#pragma once

#include <QList>
#include <QMap>
#include <QString>

// Who a device is, read from its Wi-Fi name "<corp>_<model>_<serial>". A plain value.
class QXDeviceInfo
{
public:
    QXDeviceInfo() = default;
    explicit QXDeviceInfo(const QString &wifiName);
    explicit QXDeviceInfo(qint64 type);

    // Sets the type id and an empty model name, so the "Unknown" fallback no longer shows.
    void updateType(qint64 type);
    void analyzerWifiName(const QString &wifiName);

    // Model code (lower case) to type id.
    static QMap<QString, qint64> typeDic();
    // The known type ids, in the order the device settings list them.
    static QList<qint64> deviceTypeIDs();

    // Unset texts read as "Orvane", "Unknown" and "no sn"; an empty text reads as empty.
    QString corp() const;
    void setCorp(const QString &corp);
    QString name() const;
    void setName(const QString &name);
    QString sn() const;
    void setSn(const QString &sn);
    // The device type id; -1 when the name gives no known model, 0 while unset.
    qint64 Id() const { return m_id; }
    void setId(qint64 id) { m_id = id; }

    QString description() const;

private:
    QString m_corp;
    QString m_name;
    QString m_sn;
    qint64 m_id = 0;
};
