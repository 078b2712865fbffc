#pragma once

#include "QXDeviceFile.h"
#include "QXDeviceInfo.h"
#include "QXDeviceMask.h"
#include "QXDeviceSocketConfig.h"
#include "QXDeviceStatus.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <optional>

// The system's picture of one display device: who it is (from its Wi-Fi name), how to reach
// it, how it is connected and what it last reported.
//
// Shared through std::shared_ptr and compared by identity. Screens read it on the GUI thread
// while socket callbacks replace its status and mask and set single fields on socket
// threads, so every member is safe from any thread: reads return snapshots, and status and
// mask are changed in place only through editStatus()/editMask().
class QXDevice : public QObject
{
    Q_OBJECT
    Q_PROPERTY(qint64 mode READ mode WRITE setMode NOTIFY modeChanged)
    Q_PROPERTY(QString wifiName READ wifiName WRITE setWifiName NOTIFY wifiNameChanged)

public:
    // Identity and settings from the Wi-Fi name (configWithWifiName()).
    explicit QXDevice(const QString &wifiName, QObject *parent = nullptr);
    // Identity and settings from a type id; the Wi-Fi name stays empty.
    explicit QXDevice(qint64 deviceType, QObject *parent = nullptr);
    ~QXDevice() override;

    QXDeviceInfo deviceInfo() const;
    QXDeviceSocketConfig deviceSocketConfig() const;

    // The last decoded status. A record without one reads as a new (all zero) status.
    QXDeviceStatus status() const;
    bool hasStatus() const;
    // Changes the status in place under the record's lock; without a status the change is
    // ignored and false is returned.
    bool editStatus(const std::function<void(QXDeviceStatus &)> &edit);
    void configStatusWithData(QByteArrayView reply);
    void clearStatus();

    // The last decoded mask; a default mask is made on the first read after none.
    QXDeviceMask mask() const;
    void editMask(const std::function<void(QXDeviceMask &)> &edit);
    void configMaskWithData(QByteArrayView reply);
    void clearMask();

    // The device's current play list: always the same object, refilled by each download.
    std::shared_ptr<QXDeviceFile> file() const;
    void configFileWithString(const QString &text);

    QString wifiName() const;
    // Emits wifiNameChanged on every set.
    void setWifiName(const QString &wifiName);
    QString wifiPwd() const;
    void setWifiPwd(const QString &password);
    // 11 plain connection (the device's own hotspot), 12 password-verified; 0 on a new record.
    qint64 mode() const;
    // Emits modeChanged on every set, as the connection manager re-applies the password step.
    void setMode(qint64 mode);
    qint64 targetMode() const;
    void setTargetMode(qint64 mode);

    // Read through to the connection settings.
    QString IP() const;
    qint64 noSafeInsPort() const;
    qint64 safeInsPort() const;
    qint64 noSafeFilePort() const;
    qint64 safeFilePort() const;
    qint64 connectTimeout() const;
    qint64 writeTimeout() const;
    qint64 readTimeout() const;
    // "512" and "1M" when the settings give none.
    QString resolution() const;
    QString rate() const;

    qint64 typeID() const;
    static QList<qint64> typeIDs();
    bool is4G() const;
    // Platform class of the type: 2 for the models at 192.168.2.1 / 192.168.0.1, 1 for those
    // at 192.168.43.1, 0 otherwise.
    quint64 os() const;
    // {"name", "corp", "sn", "Id"} of the identity.
    QVariantMap typeInformation() const;

    // Rebuilds identity and connection settings from the name; earlier settings are lost.
    void configWithWifiName(const QString &wifiName);
    // New type id and fresh connection settings for it.
    void configWithDeviceType(qint64 type);
    // New type id; the connection settings are kept.
    void updateTypeID(qint64 type);
    // Sets the keys present among "IP", "noSafeInsPort", "safeInsPort", "noSafeFilePort",
    // "safeFilePort", "connectTimeout", "writeTimeout", "readTimeout".
    void updateSocketConfigs(const QVariantMap &configs);
    // Sets "resolution" and/or "rate" when present.
    void updateTranslateConfig(const QVariantMap &configs);

    // The record for logging; never carries the password.
    QString description() const;

signals:
    void modeChanged(qint64 mode);
    void wifiNameChanged(const QString &wifiName);

private:
    mutable QMutex m_mutex;
    QXDeviceInfo m_deviceInfo;
    QXDeviceSocketConfig m_deviceSocketConfig;
    std::optional<QXDeviceStatus> m_status;
    mutable std::optional<QXDeviceMask> m_mask;
    const std::shared_ptr<QXDeviceFile> m_file;
    QString m_wifiName;
    QString m_wifiPwd;
    qint64 m_mode = 0;
    qint64 m_targetMode = 0;
};
