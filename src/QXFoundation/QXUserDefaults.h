#pragma once

#include <QMutex>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

#include <memory>

class QSettings;

// The application's key-value store. Stored values live in a settings file that only the
// owner may read (it holds device passwords); registered defaults live in memory only and
// answer for keys that were never stored. Safe to use from any thread.
class QXUserDefaults
{
public:
    // The process-wide store, backed by the user's settings file.
    static QXUserDefaults &standardUserDefaults();

    // A store backed by the given file; used by tools and tests that need their own.
    explicit QXUserDefaults(const QString &fileName);
    ~QXUserDefaults();
    QXUserDefaults(const QXUserDefaults &) = delete;
    QXUserDefaults &operator=(const QXUserDefaults &) = delete;

    void registerDefaults(const QVariantMap &defaults);

    QVariant objectForKey(const QString &key) const;
    QString stringForKey(const QString &key) const;
    QVariantList arrayForKey(const QString &key) const;
    QVariantMap dictionaryForKey(const QString &key) const;
    bool boolForKey(const QString &key) const;
    qint64 integerForKey(const QString &key) const;
    // True only when the key was stored, whatever the registered defaults hold.
    bool hasStoredValueForKey(const QString &key) const;

    void setObject(const QVariant &value, const QString &key);
    void removeObjectForKey(const QString &key);
    // Writes pending changes to disk now.
    void synchronize();

    QString fileName() const;

private:
    void restrictFileToOwner() const;

    mutable QMutex m_mutex;
    std::unique_ptr<QSettings> m_settings;
    QVariantMap m_registered;
};
