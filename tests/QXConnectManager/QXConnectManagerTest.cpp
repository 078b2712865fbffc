// The connection manager on one thread: the password and network store, the pool, the current
// record with its default sockets, the capability check and the blocks from the application.
#include "EventLoop.h"
#include "FakeFanFileServer.h"
#include "NetworkingDevice.h"
#include "QXConnect.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXSocketCode.h"
#include "QXUserDefaults.h"

#include "MultyConnectProtocol.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

using orvane::test::waitUntil;

QXUserDefaults &defaults()
{
    return QXUserDefaults::standardUserDefaults();
}

QString name(int i)
{
    return QStringLiteral("Net%1").arg(i, 2, 10, QLatin1Char('0'));
}

class ConnectManagerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *key : {"DeviceDic", "WifiArray", "WifiDic"})
            defaults().removeObjectForKey(QLatin1String(key));
    }

    std::shared_ptr<NetworkingDevice> networkingDevice(const QString &deviceName, const QString &ip)
    {
        return std::make_shared<NetworkingDevice>(deviceName, ip);
    }
};

// --- Remembered networks ---

TEST_F(ConnectManagerTest, WifiListOffersTheTenNewestWhileTheStoreKeepsAll)
{
    QXConnectManager manager;
    for (int i = 1; i <= 12; ++i)
        manager.addWifi(name(i), QStringLiteral("pw%1").arg(i));

    const QList<QXWifi> list = manager.wifiList();
    ASSERT_EQ(list.size(), 10);
    EXPECT_EQ(list.first(), QXWifi::wifiWithName(name(12), QStringLiteral("pw12")));
    EXPECT_EQ(list.last().name, name(3));
    const QVariantList stored = defaults().arrayForKey(QStringLiteral("WifiArray"));
    ASSERT_EQ(stored.size(), 12);
    EXPECT_EQ(stored.first().toMap().value(QStringLiteral("name")).toString(), name(12));
    EXPECT_EQ(stored.last().toMap().value(QStringLiteral("pwd")).toString(), QStringLiteral("pw1"));
    EXPECT_EQ(manager.pwdOfWifi(name(1)), QStringLiteral("pw1"));
}

TEST_F(ConnectManagerTest, AddingAKnownNetworkMovesItToTheFrontWithItsNewPassword)
{
    QXConnectManager manager;
    manager.addWifi(name(1), QStringLiteral("old"));
    manager.addWifi(name(2), QStringLiteral("two"));
    manager.addWifi(name(1), QStringLiteral("new"));
    manager.addWifi(QString(), QStringLiteral("ignored"));
    manager.addWifi(name(3), QString());

    EXPECT_EQ(manager.wifiList(), (QList<QXWifi>{QXWifi::wifiWithName(name(1), QStringLiteral("new")),
                                                 QXWifi::wifiWithName(name(2), QStringLiteral("two"))}));
    EXPECT_EQ(defaults().arrayForKey(QStringLiteral("WifiArray")).size(), 2);
    EXPECT_TRUE(manager.pwdOfWifi(name(3)).isNull());
}

TEST_F(ConnectManagerTest, OlderNetworkDictionaryIsCarriedOverOnceAndCutToTen)
{
    QVariantMap older;
    for (int i = 1; i <= 15; ++i)
        older.insert(name(i), QStringLiteral("pw%1").arg(i));
    defaults().setObject(older, QStringLiteral("WifiDic"));

    QXConnectManager manager;
    const QList<QXWifi> list = manager.wifiList();
    ASSERT_EQ(list.size(), 10);
    EXPECT_EQ(list.first(), QXWifi::wifiWithName(name(1), QStringLiteral("pw1")));
    EXPECT_EQ(defaults().arrayForKey(QStringLiteral("WifiArray")).size(), 10);
    EXPECT_EQ(defaults().dictionaryForKey(QStringLiteral("WifiDic")).size(), 15);

    // The next run finds the new store filled and leaves the rest behind for good.
    QXConnectManager nextRun;
    EXPECT_EQ(nextRun.wifiList().size(), 10);
    EXPECT_TRUE(nextRun.pwdOfWifi(name(15)).isNull());
}

TEST_F(ConnectManagerTest, SmallOlderDictionaryIsCarriedOverWhole)
{
    defaults().setObject(QVariantMap{{name(1), QStringLiteral("a")}, {name(2), QStringLiteral("b")},
                                     {name(3), QStringLiteral("c")}},
                         QStringLiteral("WifiDic"));
    QXConnectManager manager;
    EXPECT_EQ(manager.pwdOfWifi(name(3)), QStringLiteral("c"));
    EXPECT_EQ(defaults().arrayForKey(QStringLiteral("WifiArray")).size(), 3);
}

// --- Device passwords ---

TEST_F(ConnectManagerTest, DevicePasswordsAreStoredByNameAndSurviveARestart)
{
    QXConnectManager manager;
    EXPECT_TRUE(manager.pwdOfDevice(QStringLiteral("Orvane_kvi_A1")).isNull());
    manager.addDevice(QStringLiteral("Orvane_kvi_A1"), QStringLiteral("12345678"));
    manager.addDevice(QStringLiteral("Orvane_kvi_B2"), QString());
    manager.addDevice(QString(), QStringLiteral("12345678"));

    EXPECT_EQ(manager.pwdOfDevice(QStringLiteral("Orvane_kvi_A1")), QStringLiteral("12345678"));
    EXPECT_TRUE(manager.pwdOfDevice(QStringLiteral("Orvane_kvi_B2")).isNull());
    EXPECT_EQ(defaults().dictionaryForKey(QStringLiteral("DeviceDic")).size(), 1);
    QXConnectManager nextRun;
    EXPECT_EQ(nextRun.passwordForDeviceName(QStringLiteral("Orvane_kvi_A1")), QStringLiteral("12345678"));
}

// --- Current record and default sockets ---

TEST_F(ConnectManagerTest, NewCurrentDeviceKeepsTheSocketsAndTakesItsPasswordAndAddress)
{
    QXConnectManager manager;
    manager.addDevice(QStringLiteral("Orvane_kve_C3"), QStringLiteral("abcdefgh"));
    const std::shared_ptr<QXInsSocket> ins = manager.insSocket();
    const std::shared_ptr<QXFileSocket> file = manager.fileSocket();
    EXPECT_EQ(manager.device()->typeID(), -1);
    EXPECT_EQ(ins->port(), 8000);
    EXPECT_EQ(file->port(), 8002);
    manager.device()->setTargetMode(QXConnectManager::verifiedMode);

    manager.configDeviceWithWifiName(QStringLiteral("Orvane_kve_C3"));
    const std::shared_ptr<QXDevice> record = manager.device();
    EXPECT_EQ(record->typeID(), 603);
    EXPECT_EQ(record->targetMode(), QXConnectManager::verifiedMode);
    EXPECT_EQ(record->wifiPwd(), QStringLiteral("abcdefgh"));
    EXPECT_EQ(manager.insSocket(), ins);
    EXPECT_EQ(manager.fileSocket(), file);
    EXPECT_EQ(ins->IP(), QStringLiteral("192.168.43.1"));
    EXPECT_EQ(file->IP(), QStringLiteral("192.168.43.1"));
    EXPECT_EQ(file->resolution(), QStringLiteral("720"));
    EXPECT_EQ(manager.fethcDeviceFor(ins.get()), record);
    EXPECT_EQ(manager.fethcDeviceFor(file.get()), record);

    // The password step is on both sockets before anything connects.
    EXPECT_TRUE(ins->shouldVerify());
    EXPECT_EQ(ins->verifyData(), QByteArray("abcdefgh"));
    EXPECT_EQ(ins->wifiName(), QStringLiteral("Orvane_kve_C3"));
    EXPECT_TRUE(file->shouldVerify());
    EXPECT_EQ(file->wifiPwd(), QStringLiteral("abcdefgh"));
}

TEST_F(ConnectManagerTest, ModeWatchFollowsTheCurrentRecord)
{
    QXConnectManager manager;
    manager.addDevice(QStringLiteral("Orvane_kvi_E5"), QStringLiteral("pass1234"));
    manager.setCurrentDeviceName(QStringLiteral("Orvane_kvi_E5"));
    const std::shared_ptr<QXFileSocket> file = manager.fileSocket();
    const std::shared_ptr<QXDevice> first = manager.device();

    manager.configDeviceWithWifiName(QStringLiteral("Orvane_kvi_E5"));
    const std::shared_ptr<QXDevice> current = manager.device();
    current->setMode(QXConnectManager::verifiedMode);
    EXPECT_TRUE(file->shouldVerify());
    EXPECT_EQ(file->wifiPwd(), QStringLiteral("pass1234"));

    // The replaced record no longer speaks for the file socket.
    first->setMode(QXConnectManager::plainMode);
    EXPECT_TRUE(file->shouldVerify());
    current->setMode(QXConnectManager::plainMode);
    EXPECT_FALSE(file->shouldVerify());
    EXPECT_TRUE(file->wifiPwd().isNull());
}

// --- Pool ---

TEST_F(ConnectManagerTest, OneEntryPerAddressKeepsItsFirstRecordAndFollowsTheLatestDevice)
{
    QXConnectManager manager;
    const auto first = networkingDevice(QStringLiteral("Orvane_kvi_F6"), QStringLiteral("192.168.2.60"));
    const auto renamed = networkingDevice(QStringLiteral("Orvane_kvo_G7"), QStringLiteral("192.168.2.60"));
    const std::shared_ptr<QXInsSocket> ins = manager.fetchInsSocketWithDevice(first, QXConnectManager::plainMode);
    const std::shared_ptr<QXFileSocket> file = manager.fetchFileSocketWithDevice(first, QXConnectManager::plainMode);

    EXPECT_EQ(manager.fetchInsSocketWithDevice(renamed, QXConnectManager::plainMode), ins);
    EXPECT_EQ(manager.fetchFileSocketWithDevice(renamed, QXConnectManager::plainMode), file);
    const QXConnectConfig entry = manager.fetchConfigFor(renamed, QXConnectManager::plainMode);
    EXPECT_EQ(entry.device, renamed);
    EXPECT_EQ(entry.realDevice->wifiName(), QStringLiteral("Orvane_kvi_F6"));
    // The conversion settings come from the device handed in last.
    EXPECT_EQ(entry.realDevice->resolution(), QStringLiteral("1300x512"));
    EXPECT_EQ(file->resolution(), QStringLiteral("1300x512"));
    EXPECT_EQ(manager.connectPool().size(), 1);

    EXPECT_EQ(ins->IP(), QStringLiteral("192.168.2.60"));
    EXPECT_EQ(ins->port(), 8000);
    EXPECT_EQ(file->port(), 8002);
    EXPECT_EQ(manager.fethcDeviceFor(ins.get()), entry.realDevice);
    EXPECT_EQ(manager.fethcDeviceFor(file.get()), entry.realDevice);
    EXPECT_NE(manager.fetchInsSocketWithIp(QStringLiteral("192.168.2.61"), QStringLiteral("Orvane_kvi_H8"),
                                           QXConnectManager::plainMode),
              ins);
    EXPECT_EQ(manager.connectPool().size(), 2);
}

TEST_F(ConnectManagerTest, PooledDeviceWithoutStoredPasswordFailsItsFirstRequestBeforeConnecting)
{
    QXConnectManager manager;
    const auto member = networkingDevice(QStringLiteral("Orvane_kvi_J9"), QStringLiteral("127.0.0.1"));
    const std::shared_ptr<QXInsSocket> ins = manager.fetchInsSocketWithDevice(member, QXConnectManager::verifiedMode);
    EXPECT_TRUE(ins->shouldVerify());
    EXPECT_TRUE(ins->verifyData().isNull());

    std::atomic<qint64> code{0};
    QVariant payload;
    ins->sendInsWithType(QXInsCode::status, 0, nullptr,
                         [&](const QXOperationRef &, qint64 failed, const QVariant &data) {
                             payload = data;
                             code = failed;
                         });
    ASSERT_TRUE(waitUntil([&] { return code != 0; }));
    EXPECT_EQ(code.load(), qxCode(QXSocketCode::checkFailed));
    EXPECT_EQ(payload.toString(), QStringLiteral("verifyData为空!"));

    // Once the password is known, the next request carries it.
    manager.addDevice(QStringLiteral("Orvane_kvi_J9"), QStringLiteral("12345678"));
    manager.fetchInsSocketWithDevice(member, QXConnectManager::verifiedMode);
    EXPECT_EQ(ins->verifyData(), QByteArray("12345678"));
}

// --- Capabilities ---

TEST_F(ConnectManagerTest, FunctionsEightAndTwoFollowTheModelAndOthersTheStatus)
{
    QXConnectManager manager;
    const auto record = std::make_shared<QXDevice>(QStringLiteral("Orvane_kvk_K1"));
    ASSERT_EQ(record->typeID(), 783);
    EXPECT_TRUE(manager.device(record, 8));
    EXPECT_TRUE(manager.device(record, 2));
    EXPECT_FALSE(manager.device(record, 4));
    EXPECT_TRUE(manager.device(record, 0));

    record->configStatusWithData(QByteArray("\x35\xA4\x0A", 3));
    record->editStatus([](QXDeviceStatus &status) { status.setFunctionSet(0x4 | 0x10); });
    EXPECT_TRUE(manager.device(record, 4));
    EXPECT_TRUE(manager.device(record, 0x4 | 0x10));
    EXPECT_FALSE(manager.device(record, 0x4 | 0x20));
    EXPECT_FALSE(manager.device(std::make_shared<QXDevice>(QStringLiteral("Orvane_kvi_L2")), 8));
}

TEST_F(ConnectManagerTest, SocketCapabilitiesComeFromInstructionSocketsOnly)
{
    QXConnectManager manager;
    manager.configDeviceWithWifiName(QStringLiteral("Orvane_kvn_M3"));
    EXPECT_TRUE(manager.deviceForSocket(manager.insSocket().get(), 8));
    EXPECT_TRUE(manager.supportsFunction(8));
    EXPECT_FALSE(manager.deviceForSocket(manager.fileSocket().get(), 8));

    const auto member = networkingDevice(QStringLiteral("Orvane_kvk_N4"), QStringLiteral("192.168.2.70"));
    EXPECT_TRUE(manager.deviceForSocket(manager.fetchInsSocketWithDevice(member, 11).get(), 2));
    EXPECT_FALSE(manager.deviceForSocket(manager.fetchFileSocketWithDevice(member, 11).get(), 2));
    QXInsSocket stranger;
    EXPECT_FALSE(manager.deviceForSocket(&stranger, 0));
    EXPECT_EQ(manager.fethcDeviceFor(&stranger), nullptr);
}

// --- Blocks from the application ---

TEST_F(ConnectManagerTest, ConverterHandedInLateReachesSocketsThatAlreadyExist)
{
    QXConnectManager manager;
    const std::shared_ptr<QXFileSocket> file = manager.fileSocket();
    const std::shared_ptr<QXFileSocket> pooled = manager.fetchFileSocketWithDevice(
        networkingDevice(QStringLiteral("Orvane_kvi_P5"), QStringLiteral("192.168.2.80")), 11);
    ASSERT_FALSE(file->ffmpeg_mac());

    int runs = 0;
    manager.setFfmpeg_mac([&](const QStringList &) { return ++runs; });
    ASSERT_TRUE(file->ffmpeg_mac());
    ASSERT_TRUE(pooled->ffmpeg_mac());
    file->ffmpeg_mac()({});
    pooled->ffmpeg_mac()({});
    EXPECT_EQ(runs, 2);
}

// A device that takes files only on its password port, reached through the default file socket.
class PasswordPortTest : public ConnectManagerTest
{
protected:
    void SetUp() override
    {
        ConnectManagerTest::SetUp();
        ASSERT_TRUE(server.start());
        server.closePlainPort();
        manager.configDeviceWithWifiName(QStringLiteral("Orvane_kvi_U1"));
        manager.device()->updateSocketConfigs({{QStringLiteral("IP"), QStringLiteral("127.0.0.1")}});
        manager.device()->setTargetMode(QXConnectManager::verifiedMode);
        manager.configSocket();
        socket = manager.fileSocket();
        socket->setPlainPort(server.plainPort());
        socket->setPasswordPort(server.passwordPort());

        ASSERT_TRUE(folder.isValid());
        QFile clip(folder.filePath(QStringLiteral("clip.mp4")));
        ASSERT_TRUE(clip.open(QIODevice::WriteOnly));
        clip.write(QByteArray(5000, 'v'));
        file = std::make_shared<QXFile>(clip.fileName(), QStringLiteral("clip"));
        file->setAlreadyTranscoded(true);
    }

    // Sends the one file as a list; the code and payload of its single outcome.
    std::pair<qint64, QVariant> upload()
    {
        std::atomic<int> calls{0};
        qint64 code = 0;
        QVariant payload;
        const QXOperationBlock record = [&](const QXOperationRef &, qint64 c, const QVariant &p) {
            code = c;
            payload = p;
            ++calls;
        };
        socket->sendFiles({file}, nullptr, nullptr, record, record);
        EXPECT_TRUE(waitUntil([&] { return calls > 0 && socket->currentIns() == QXFileSocket::Idle; }));
        orvane::test::spinFor(100);
        EXPECT_EQ(calls.load(), 1);
        return {code, payload};
    }

    orvane::test::FakeFanFileServer server;
    QXConnectManager manager;
    std::shared_ptr<QXFileSocket> socket;
    QTemporaryDir folder;
    QXFileRef file;
};

TEST_F(PasswordPortTest, PromptWithoutInputCallbackEndsTheListAndFreesTheSocket)
{
    const auto [code, payload] = upload();
    EXPECT_EQ(code, qxCode(QXSocketCode::notConnected));
    EXPECT_EQ(payload.toString(), QStringLiteral("Socket自动连接失败"));
    EXPECT_TRUE(server.transfers().isEmpty());
}

TEST_F(PasswordPortTest, PasswordTypedAtThePromptIsSentAndRememberedForTheDevice)
{
    QThread *promptThread = nullptr;
    QString shownPrompt;
    manager.setInputCallback([&](const QString &prompt, const QString &, const QString &, QXPasswordAction reply) {
        promptThread = QThread::currentThread();
        shownPrompt = prompt;
        reply(QStringLiteral("12345678"));
    });
    const auto [code, payload] = upload();
    EXPECT_EQ(code, qxCode(QXSocketCode::success));
    EXPECT_EQ(promptThread, QCoreApplication::instance()->thread());
    EXPECT_TRUE(shownPrompt.contains(QStringLiteral("Orvane_kvi_U1")));
    EXPECT_EQ(server.passwords(), QList<QByteArray>{"12345678"});
    ASSERT_EQ(server.transfers().size(), 1);
    EXPECT_EQ(manager.pwdOfDevice(QStringLiteral("Orvane_kvi_U1")), QStringLiteral("12345678"));
}

// --- The accessors every screen uses ---

class MemberScreen : public QXConnect, public MultyConnectProtocol
{
public:
    std::shared_ptr<NetworkingDevice> member;
    std::shared_ptr<NetworkingDevice> device() const override { return member; }
};

class PlainScreen : public QXConnect
{
};

TEST_F(ConnectManagerTest, ScreensForAUnionMemberGetItsPooledSocketsAndOthersTheDefaults)
{
    QXConnectManager &shared = QXConnect::connectManager();
    PlainScreen plain;
    MemberScreen current;
    MemberScreen member;
    member.member = networkingDevice(QStringLiteral("Orvane_kvk_S8"), QStringLiteral("192.168.2.90"));

    EXPECT_EQ(plain.insSocket(), shared.insSocket());
    EXPECT_EQ(current.fileSocket(), shared.fileSocket());
    EXPECT_EQ(plain.currentDevice(), shared.device());

    const std::shared_ptr<QXInsSocket> pooled = member.insSocket();
    EXPECT_NE(pooled, shared.insSocket());
    EXPECT_EQ(pooled->IP(), QStringLiteral("192.168.2.90"));
    EXPECT_NE(member.fileSocket(), shared.fileSocket());
    EXPECT_EQ(member.currentDevice()->wifiName(), QStringLiteral("Orvane_kvk_S8"));
    EXPECT_EQ(member.currentDevice()->targetMode(), QXConnectManager::verifiedMode);
    EXPECT_EQ(member.currentDeviceStatus().functionSet(), 0u);
}

} // namespace
