#pragma once

// A fan model on the default connection, a navigation container to push screens on, and
// helpers to read what the fan received.
#include "AnsweringPresenter.h"
#include "Core/NSNavigationController.h"
#include "EventLoop.h"
#include "FakeFanModel.h"
#include "QXConnect.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXFileSocket.h"
#include "QXInsSocket.h"
#include "QXView.h"
#include "Widget/Rows/RowColumnView.h"

#include <QFile>
#include <QHostAddress>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace orvane::test {

inline QXConnectManager &manager()
{
    return QXConnect::connectManager();
}

inline QString text(const char *key)
{
    return qxkit::localizedString(QString::fromLatin1(key));
}

class StoredListsFixture : public ::testing::Test
{
protected:
    explicit StoredListsFixture(const QHostAddress &address = QHostAddress::LocalHost)
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
        m.insSocket()->setReadTimeout(3);
        m.fileSocket()->setPlainPort(files.plainPort());
        m.fileSocket()->setPort(files.plainPort());
        // The list index is written into the status, which exists once the fan has reported one.
        m.device()->configStatusWithData(FakeFanModel::statusReply(0, 0));
        // A converter that copies the source, and fails for names holding "bad".
        m.setFfmpeg_mac([](const QStringList &arguments) {
            const QString input = arguments.value(arguments.indexOf(QStringLiteral("-i")) + 1);
            if (input.contains(QStringLiteral("bad")))
                return 1;
            QFile::remove(arguments.last());
            return QFile::copy(input, arguments.last()) ? 0 : 1;
        });
    }

    void TearDown() override
    {
        navigation.reset();
        bool down = false;
        manager().insSocket()->disconnectWtihBlock([&](qint64, const QVariant &) { down = true; });
        ASSERT_TRUE(waitUntil([&] { return down; }));
        ASSERT_TRUE(waitUntil([] { return manager().fileSocket()->currentIns() == QXFileSocket::Idle; }, 15000));
    }

    // Shows the screen as the root of a navigation container.
    template <typename Screen>
    Screen *showRoot(Screen *screen)
    {
        navigation = std::make_unique<NSNavigationController>(screen);
        navigation->resize(900, 560);
        navigation->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(navigation.get()));
        return screen;
    }

    template <typename Screen>
    Screen *top() const
    {
        navigation->finishTransition();
        return qobject_cast<Screen *>(navigation->topViewController());
    }

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
    AnsweringPresenter presenter;
    QTemporaryDir folder;
    std::unique_ptr<NSNavigationController> navigation;

private:
    QHostAddress m_address;
};

} // namespace orvane::test
