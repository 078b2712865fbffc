#include "QXUserDefaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString standardSettingsFile()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return dir + QStringLiteral("/Orvane/Orvane.conf");
}

} // namespace

QXUserDefaults &QXUserDefaults::standardUserDefaults()
{
    static QXUserDefaults instance(standardSettingsFile());
    return instance;
}

QXUserDefaults::QXUserDefaults(const QString &fileName)
{
    const QFileInfo info(fileName);
    QDir().mkpath(info.absolutePath());
    QFile::setPermissions(info.absolutePath(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
    restrictFileToOwner();
}

QXUserDefaults::~QXUserDefaults()
{
    synchronize();
}

void QXUserDefaults::registerDefaults(const QVariantMap &defaults)
{
    QMutexLocker lock(&m_mutex);
    for (auto it = defaults.cbegin(); it != defaults.cend(); ++it)
        m_registered.insert(it.key(), it.value());
}

QVariant QXUserDefaults::objectForKey(const QString &key) const
{
    QMutexLocker lock(&m_mutex);
    const QVariant stored = m_settings->value(key);
    return stored.isValid() ? stored : m_registered.value(key);
}

QString QXUserDefaults::stringForKey(const QString &key) const
{
    const QVariant value = objectForKey(key);
    return value.canConvert<QString>() ? value.toString() : QString();
}

QVariantList QXUserDefaults::arrayForKey(const QString &key) const
{
    const QVariant value = objectForKey(key);
    return value.typeId() == QMetaType::QVariantList || value.typeId() == QMetaType::QStringList
        ? value.toList() : QVariantList();
}

QVariantMap QXUserDefaults::dictionaryForKey(const QString &key) const
{
    const QVariant value = objectForKey(key);
    return value.typeId() == QMetaType::QVariantMap ? value.toMap() : QVariantMap();
}

bool QXUserDefaults::boolForKey(const QString &key) const
{
    return objectForKey(key).toBool();
}

qint64 QXUserDefaults::integerForKey(const QString &key) const
{
    return objectForKey(key).toLongLong();
}

bool QXUserDefaults::hasStoredValueForKey(const QString &key) const
{
    QMutexLocker lock(&m_mutex);
    return m_settings->contains(key);
}

void QXUserDefaults::setObject(const QVariant &value, const QString &key)
{
    if (!value.isValid()) {
        removeObjectForKey(key);
        return;
    }
    QMutexLocker lock(&m_mutex);
    m_settings->setValue(key, value);
    m_settings->sync();
    restrictFileToOwner();
}

void QXUserDefaults::removeObjectForKey(const QString &key)
{
    QMutexLocker lock(&m_mutex);
    m_settings->remove(key);
    m_settings->sync();
}

void QXUserDefaults::synchronize()
{
    QMutexLocker lock(&m_mutex);
    m_settings->sync();
    restrictFileToOwner();
}

QString QXUserDefaults::fileName() const
{
    return m_settings->fileName();
}

void QXUserDefaults::restrictFileToOwner() const
{
    if (QFile::exists(m_settings->fileName()))
        QFile::setPermissions(m_settings->fileName(), QFile::ReadOwner | QFile::WriteOwner);
}
