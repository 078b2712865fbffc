#include "QXUserDefaults.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class QXUserDefaultsTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("settings.conf")); }
};

TEST_F(QXUserDefaultsTest, RegisteredDefaultsAnswerUntilAValueIsStoredAndAreNeverWritten)
{
    {
        QXUserDefaults defaults(path());
        defaults.registerDefaults({{QStringLiteral("IsApMode"), QStringLiteral("0")},
                                   {QStringLiteral("Address_IP"), QStringLiteral("192.0.2.1")}});
        EXPECT_EQ(defaults.stringForKey(QStringLiteral("IsApMode")), QStringLiteral("0"));
        EXPECT_FALSE(defaults.hasStoredValueForKey(QStringLiteral("IsApMode")));

        defaults.setObject(QStringLiteral("1"), QStringLiteral("IsApMode"));
        EXPECT_EQ(defaults.stringForKey(QStringLiteral("IsApMode")), QStringLiteral("1"));
        // Removing a stored value falls back to the registered default.
        defaults.setObject(QStringLiteral("7"), QStringLiteral("Address_IP"));
        defaults.removeObjectForKey(QStringLiteral("Address_IP"));
        EXPECT_EQ(defaults.stringForKey(QStringLiteral("Address_IP")), QStringLiteral("192.0.2.1"));
    }
    QXUserDefaults reopened(path());
    EXPECT_EQ(reopened.stringForKey(QStringLiteral("IsApMode")), QStringLiteral("1"));
    EXPECT_FALSE(reopened.objectForKey(QStringLiteral("Address_IP")).isValid());
}

TEST_F(QXUserDefaultsTest, DictionariesAndArraysOfDictionariesSurviveARestart)
{
    const QVariantMap passwords{{QStringLiteral("fan-a"), QStringLiteral("12345678")}};
    const QVariantList networks{QVariantMap{{QStringLiteral("name"), QStringLiteral("HomeNet")},
                                            {QStringLiteral("pwd"), QStringLiteral("secret99")}}};
    {
        QXUserDefaults defaults(path());
        defaults.setObject(passwords, QStringLiteral("DeviceDic"));
        defaults.setObject(networks, QStringLiteral("WifiArray"));
    }
    QXUserDefaults reopened(path());
    EXPECT_EQ(reopened.dictionaryForKey(QStringLiteral("DeviceDic")), passwords);
    EXPECT_EQ(reopened.arrayForKey(QStringLiteral("WifiArray")), networks);
    // A key of another kind reads as empty rather than as a converted value.
    EXPECT_TRUE(reopened.arrayForKey(QStringLiteral("DeviceDic")).isEmpty());
    EXPECT_TRUE(reopened.dictionaryForKey(QStringLiteral("WifiArray")).isEmpty());
}

TEST_F(QXUserDefaultsTest, SettingsFileIsReadableByItsOwnerOnly)
{
    QXUserDefaults defaults(path());
    defaults.setObject(QStringLiteral("12345678"), QStringLiteral("secret"));
    const auto permissions = QFile::permissions(defaults.fileName());
    EXPECT_EQ(permissions & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteGroup | QFile::WriteOther),
              QFile::Permissions());
}

TEST_F(QXUserDefaultsTest, ConcurrentWritersAllPersist)
{
    QXUserDefaults defaults(path());
    std::vector<std::unique_ptr<QThread>> threads;
    for (int i = 0; i < 9; ++i) {
        threads.emplace_back(QThread::create([&defaults, i] {
            defaults.setObject(i, QStringLiteral("key%1").arg(i));
            defaults.objectForKey(QStringLiteral("key0"));
        }));
        threads.back()->start();
    }
    for (auto &thread : threads)
        thread->wait();
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(defaults.integerForKey(QStringLiteral("key%1").arg(i)), i);
}

} // namespace
