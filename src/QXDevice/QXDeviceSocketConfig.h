#pragma once

#include <QString>

// How to reach one device type: its address on its own hotspot, the ports, the time-outs
// (seconds) and the picture size and bit rate media is converted to. A plain value.
class QXDeviceSocketConfig
{
public:
    // Applies the defaults, then the settings of the type unless it is -1.
    explicit QXDeviceSocketConfig(qint64 deviceType);

    void defaultConfigs();
    // Applies the address, resolution and rate of the type; an unknown type changes nothing.
    void configWithType(qint64 type);

    qint64 typeID() const { return m_typeID; }
    void setTypeID(qint64 typeID) { m_typeID = typeID; }
    QString IP() const { return m_ip; }
    void setIP(const QString &ip) { m_ip = ip; }
    qint64 noSafeInsPort() const { return m_noSafeInsPort; }
    void setNoSafeInsPort(qint64 port) { m_noSafeInsPort = port; }
    qint64 safeInsPort() const { return m_safeInsPort; }
    void setSafeInsPort(qint64 port) { m_safeInsPort = port; }
    qint64 noSafeFilePort() const { return m_noSafeFilePort; }
    void setNoSafeFilePort(qint64 port) { m_noSafeFilePort = port; }
    qint64 safeFilePort() const { return m_safeFilePort; }
    void setSafeFilePort(qint64 port) { m_safeFilePort = port; }
    qint64 connectTimeout() const { return m_connectTimeout; }
    void setConnectTimeout(qint64 seconds) { m_connectTimeout = seconds; }
    qint64 writeTimeout() const { return m_writeTimeout; }
    void setWriteTimeout(qint64 seconds) { m_writeTimeout = seconds; }
    qint64 readTimeout() const { return m_readTimeout; }
    void setReadTimeout(qint64 seconds) { m_readTimeout = seconds; }
    // Null while the type gives none: one number (a square picture) or "<width>x<height>".
    QString resolution() const { return m_resolution; }
    void setResolution(const QString &resolution) { m_resolution = resolution; }
    // Null while the type gives none: "1M" or "2M".
    QString rate() const { return m_rate; }
    void setRate(const QString &rate) { m_rate = rate; }

    QString description() const;

private:
    qint64 m_typeID = 0;
    QString m_ip;
    qint64 m_noSafeInsPort = 0;
    qint64 m_safeInsPort = 0;
    qint64 m_noSafeFilePort = 0;
    qint64 m_safeFilePort = 0;
    qint64 m_connectTimeout = 0;
    qint64 m_writeTimeout = 0;
    qint64 m_readTimeout = 0;
    QString m_resolution;
    QString m_rate;
};
