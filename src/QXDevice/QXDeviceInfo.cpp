#include "QXDeviceInfo.h"

#include "QXLog.h"
#include "private/DescriptionText.h"

#include <QStringList>

namespace {

// Model tokens recognised anywhere inside the model part, with the type they stand for.
constexpr qint64 kvxType = 1001;
constexpr qint64 kvyType = 1002;
constexpr qint64 fourGType = 604;

QString orDefault(const QString &value, const char *fallback)
{
    return value.isNull() ? QString::fromLatin1(fallback) : value;
}

} // namespace

QXDeviceInfo::QXDeviceInfo(const QString &wifiName)
{
    analyzerWifiName(wifiName);
}

QXDeviceInfo::QXDeviceInfo(qint64 type)
{
    updateType(type);
}

void QXDeviceInfo::updateType(qint64 type)
{
    m_id = type;
    m_name = QLatin1String("");
}

void QXDeviceInfo::analyzerWifiName(const QString &wifiName)
{
    if (wifiName.isEmpty()) {
        QXLOG(QStringLiteral("wifi名称为空"));
        m_id = -1;
        return;
    }
    const QStringList parts = wifiName.toLower().split(QLatin1Char('_'));
    if (parts.size() < 2) {
        m_id = -1;
        return;
    }
    m_corp = parts.at(0);
    m_name = parts.at(1);
    if (m_name.contains(QLatin1String("kvx"))) {
        m_name = QStringLiteral("kvl");
        m_id = kvxType;
    } else if (m_name.contains(QLatin1String("kvy"))) {
        m_name = QStringLiteral("kvm");
        m_id = kvyType;
    } else if (const auto types = typeDic(); types.contains(m_name)) {
        m_id = parts.size() > 2 && parts.at(2) == QLatin1String("4g") ? fourGType : types.value(m_name);
    } else {
        QXLOG(QStringLiteral("解析WiFi name失败:%1").arg(m_name));
        m_id = -1;
    }
    QXLOG(QStringLiteral("wifi type:%1").arg(m_id));
    if (parts.size() > 2)
        m_sn = parts.at(2);
}

QMap<QString, qint64> QXDeviceInfo::typeDic()
{
    return {
        {QStringLiteral("kva"), 302},  {QStringLiteral("kvb"), 501},  {QStringLiteral("kvc"), 502},
        {QStringLiteral("kvd"), 503},  {QStringLiteral("kve"), 603},  {QStringLiteral("kvf"), 604},
        {QStringLiteral("kvg"), 651},  {QStringLiteral("kvh"), 652},  {QStringLiteral("kvi"), 653},
        {QStringLiteral("kvj"), 654},  {QStringLiteral("kvk"), 783},  {QStringLiteral("kvl"), 1001},
        {QStringLiteral("kvm"), 1002}, {QStringLiteral("kvn"), 1003}, {QStringLiteral("kvo"), 360},
        {QStringLiteral("kvp"), 2049},
    };
}

QList<qint64> QXDeviceInfo::deviceTypeIDs()
{
    return {302, 502, 501, 503, 603, 604, 651, 652, 653, 654, 783, 1001, 1002, 1003, 360, 2049};
}

QString QXDeviceInfo::corp() const
{
    return orDefault(m_corp, "Orvane");
}

void QXDeviceInfo::setCorp(const QString &corp)
{
    m_corp = corp;
}

QString QXDeviceInfo::name() const
{
    return orDefault(m_name, "Unknown");
}

void QXDeviceInfo::setName(const QString &name)
{
    m_name = name;
}

QString QXDeviceInfo::sn() const
{
    return orDefault(m_sn, "no sn");
}

void QXDeviceInfo::setSn(const QString &sn)
{
    m_sn = sn;
}

QString QXDeviceInfo::description() const
{
    return DescriptionText("QXDeviceInfo").field("corp", corp()).field("name", name()).field("sn", sn()).field("Id", m_id).text();
}
