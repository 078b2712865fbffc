#pragma once

#include <QString>

#include <optional>

// A Wi-Fi network as the connection screens list it: its name and, once known, its password.
class WifiInfo
{
public:
    WifiInfo(const QString &name, const std::optional<QString> &password);

    QString wifiName() const { return m_wifiName; }
    std::optional<QString> wifiPwd() const { return m_wifiPwd; }
    void setPassword(const std::optional<QString> &password) { m_wifiPwd = password; }

    friend bool operator==(const WifiInfo &, const WifiInfo &) = default;

private:
    QString m_wifiName;
    std::optional<QString> m_wifiPwd;
};
