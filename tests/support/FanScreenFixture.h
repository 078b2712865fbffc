#pragma once

// A fan model on the default connection for the screens that drive it, with a converter that
// copies its source, a folder for the files a test uploads, and helpers to read what the fan
// received.
#include "EventLoop.h"
#include "FakeFanModel.h"
#include "QXConnect.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXFileSocket.h"
#include "QXInsSocket.h"
#include "QXLocalized.h"
#include "QXQFileInfo.h"
#include "QXView.h"

#include <QFile>
#include <QHostAddress>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace orvane::test {

inline QXConnectManager &manager()
{
    return QXConnect::connectManager();
}

inline QString text(const char *key)
{
    return qxLocalized(key);
}

// The file names of list entries, in order.
inline QStringList fileNames(const QList<QXQFileInfoRef> &entries)
{
    QStringList names;
    for (const QXQFileInfoRef &entry : entries)
        names.append(entry->fileName());
    return names;
}

class FanScreenFixture : public ::testing::Test
{
protected:
    explicit FanScreenFixture(const QHostAddress &address = QHostAddress::LocalHost)
        : fan(address)
        , m_address(address)
    {
    }

    void SetUp() override
    {
        ASSERT_TRUE(files.start(0, 0, m_address));
        QXConnectManager &m = manager();
        m.configDeviceWithWifiName(QStringLiteral("ORVANE_TEST_FAN"));
        m.device()->updateSocketConfigs({{QStringLiteral("IP"), fan.address().toString()}});
        m.insSocket()->setPort(fan.port());
        m.fileSocket()->setPlainPort(files.plainPort());
        m.fileSocket()->setPort(files.plainPort());
        // The made files are no real media: each is taken for a picture that can be read.
        m.fileSocket()->setMediaSizeProbe([](const QString &) { return QSizeF(64, 64); });
        m.setFfmpeg_mac([this](const QStringList &arguments) {
            const QString input = arguments.value(arguments.indexOf(QStringLiteral("-i")) + 1);
            if (!convertible(input))
                return 1;
            QFile::remove(arguments.last());
            return QFile::copy(input, arguments.last()) ? 0 : 1;
        });
    }

    // A subclass lets its screens go first.
    void TearDown() override
    {
        bool down = false;
        manager().insSocket()->disconnectWtihBlock([&](qint64, const QVariant &) { down = true; });
        ASSERT_TRUE(waitUntil([&] { return down; }));
        ASSERT_TRUE(waitUntil([] { return manager().fileSocket()->currentIns() == QXFileSocket::Idle; }, 15000));
    }

    // Runs on the converter's thread before each conversion; false fails that conversion.
    virtual bool convertible(const QString & /*input*/) { return true; }

    // The 16-bit values of the frames of this code the fan received, in order.
    QList<int> valuesOf(quint8 code) const
    {
        QList<int> values;
        for (const FakeFan::Frame &frame : fan.frames()) {
            if (frame.code == code && frame.bytes.size() >= 6)
                values.append(qint16((quint8(frame.bytes.at(4)) << 8) | quint8(frame.bytes.at(5))));
        }
        return values;
    }

    QString makeFile(const QString &name, const QByteArray &content = QByteArray(3000, 'x'))
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    FakeFan fan;
    FakeFanFileServer files;
    FakeFanModel model{fan, files};
    QTemporaryDir folder;

private:
    QHostAddress m_address;
};

} // namespace orvane::test
