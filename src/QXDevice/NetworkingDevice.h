#pragma once

#include <QMutex>
#include <QString>

// A device as the application lists and addresses it: the name it announced (its Wi-Fi name),
// its address, and the conversion settings and display diameter that follow from the model
// part of the name. Shared between screens, the connection pool and union workers through
// std::shared_ptr and compared by identity; every accessor is safe from any thread.
class NetworkingDevice
{
public:
    NetworkingDevice(const QString &name, const QString &ip);
    NetworkingDevice(const NetworkingDevice &) = delete;
    NetworkingDevice &operator=(const NetworkingDevice &) = delete;

    // Derives resolution, rate and diameter from the model part of the name. Runs once on
    // creation; a later change of the name does not re-run it.
    void calc();

    QString name() const;
    void setName(const QString &name);
    QString ip() const;
    void setIp(const QString &ip);
    QString resolution() const;
    void setResolution(const QString &resolution);
    QString rate() const;
    void setRate(const QString &rate);
    qint64 diameter() const;
    void setDiameter(qint64 diameter);
    bool isMaster() const;
    void setIsMaster(bool isMaster);

private:
    mutable QMutex m_mutex;
    QString m_name;
    QString m_ip;
    QString m_resolution;
    QString m_rate;
    qint64 m_diameter = 0;
    bool m_isMaster = false;
};
