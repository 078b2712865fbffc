#include "WifiInfo.h"

WifiInfo::WifiInfo(const QString &name, const std::optional<QString> &password)
    : m_wifiName(name)
    , m_wifiPwd(password)
{
}
