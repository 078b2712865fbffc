// The pool and the password store under concurrent callers, as the union screens use them.
#include "EventLoop.h"
#include "FakeFan.h"
#include "NetworkingDevice.h"
#include "QXConnectManager.h"
#include "QXDevice.h"
#include "QXSocketCode.h"
#include "QXUserDefaults.h"

#include <QSet>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <latch>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr int workers = 16;
constexpr int rounds = 20;

// Runs `task(worker)` on `count` worker threads that start together, and waits for all of them.
// Plain threads, so that the thread sanitizer sees every hand-over.
void runTogether(int count, const std::function<void(int)> &task)
{
    std::latch start(count);
    std::vector<std::thread> threads;
    for (int worker = 0; worker < count; ++worker) {
        threads.emplace_back([&, worker] {
            start.arrive_and_wait();
            task(worker);
        });
    }
    for (std::thread &thread : threads)
        thread.join();
}

// Nine fans at nine addresses; the last address is announced under two names.
std::shared_ptr<NetworkingDevice> member(int i, int worker)
{
    if (i == 8) {
        const QString name = worker % 2 ? QStringLiteral("Orvane_kvi_Twin1") : QStringLiteral("Orvane_kvo_Twin2");
        return std::make_shared<NetworkingDevice>(name, QStringLiteral("192.168.4.9"));
    }
    return std::make_shared<NetworkingDevice>(QStringLiteral("Orvane_kvi_M%1").arg(i), QStringLiteral("192.168.4.%1").arg(i + 1));
}

TEST(ConnectManagerThreads, SixteenWorkersShareOneEntryAndOneSocketPairPerAddress)
{
    QXConnectManager manager;
    QMutex mutex;
    QHash<QString, QSet<QXInsSocket *>> insSeen;
    QHash<QString, QSet<QXFileSocket *>> fileSeen;
    QHash<QString, QSet<QString>> recordNames;

    runTogether(workers, [&](int worker) {
        for (int round = 0; round < rounds; ++round) {
            for (int i = 0; i < 9; ++i) {
                const std::shared_ptr<NetworkingDevice> device = member((i + worker) % 9, worker);
                const std::shared_ptr<QXInsSocket> ins = manager.fetchInsSocketWithDevice(device, 12);
                const std::shared_ptr<QXFileSocket> file = manager.fetchFileSocketWithDevice(device, 12);
                const QXConnectConfig entry = manager.fetchConfigFor(device, 12);
                QMutexLocker lock(&mutex);
                insSeen[device->ip()].insert(ins.get());
                fileSeen[device->ip()].insert(file.get());
                recordNames[device->ip()].insert(entry.realDevice->wifiName());
            }
        }
    });

    const QList<QXConnectConfig> pool = manager.connectPool();
    ASSERT_EQ(pool.size(), 9);
    for (const QXConnectConfig &entry : pool) {
        const QString ip = entry.device->ip();
        EXPECT_EQ(insSeen.value(ip), QSet<QXInsSocket *>{entry.insSocket.get()}) << ip.toStdString();
        EXPECT_EQ(fileSeen.value(ip), QSet<QXFileSocket *>{entry.fileSocket.get()}) << ip.toStdString();
        // One record per address, named once, whichever name arrived first.
        EXPECT_EQ(recordNames.value(ip).size(), 1) << ip.toStdString();
    }
    const QString twinRecord = *recordNames.value(QStringLiteral("192.168.4.9")).cbegin();
    EXPECT_TRUE(twinRecord == QStringLiteral("Orvane_kvi_Twin1") || twinRecord == QStringLiteral("Orvane_kvo_Twin2"));

    // The entry's device follows the latest request; its record keeps its first name.
    const auto latest = std::make_shared<NetworkingDevice>(QStringLiteral("Orvane_kvo_Twin2"), QStringLiteral("192.168.4.9"));
    const QXConnectConfig entry = manager.fetchConfigFor(latest, 12);
    EXPECT_EQ(entry.device, latest);
    EXPECT_EQ(entry.realDevice->wifiName(), twinRecord);
    EXPECT_EQ(entry.realDevice->resolution(), QStringLiteral("1300x512"));
}

TEST(ConnectManagerThreads, NinePasswordsAddedAtOnceAllPersist)
{
    QXUserDefaults::standardUserDefaults().removeObjectForKey(QStringLiteral("DeviceDic"));
    QXConnectManager manager;
    runTogether(9, [&](int worker) {
        const QString name = QStringLiteral("Orvane_kvi_P%1").arg(worker);
        manager.addDevice(name, QStringLiteral("pass%1xyz").arg(worker));
        EXPECT_EQ(manager.pwdOfDevice(name), QStringLiteral("pass%1xyz").arg(worker));
        manager.addWifi(QStringLiteral("Net%1").arg(worker), QStringLiteral("wifi%1").arg(worker));
    });

    EXPECT_EQ(QXUserDefaults::standardUserDefaults().dictionaryForKey(QStringLiteral("DeviceDic")).size(), 9);
    EXPECT_EQ(QXUserDefaults::standardUserDefaults().arrayForKey(QStringLiteral("WifiArray")).size(), 9);
    QXConnectManager nextRun;
    for (int worker = 0; worker < 9; ++worker)
        EXPECT_EQ(nextRun.pwdOfDevice(QStringLiteral("Orvane_kvi_P%1").arg(worker)), QStringLiteral("pass%1xyz").arg(worker));
    EXPECT_EQ(nextRun.wifiList().size(), 9);
}

TEST(ConnectManagerThreads, DefaultSocketsAreMadeOnceWhateverThreadAsksFirst)
{
    QXConnectManager manager;
    QMutex mutex;
    QSet<QXInsSocket *> ins;
    QSet<QXFileSocket *> files;
    QSet<QXDevice *> records;
    runTogether(workers, [&](int) {
        const auto socket = manager.insSocket();
        const auto file = manager.fileSocket();
        const auto record = manager.device();
        QMutexLocker lock(&mutex);
        ins.insert(socket.get());
        files.insert(file.get());
        records.insert(record.get());
    });
    EXPECT_EQ(ins.size(), 1);
    EXPECT_EQ(files.size(), 1);
    EXPECT_EQ(records.size(), 1);
}

TEST(ConnectManagerThreads, PooledSocketMadeOnAWorkerConnectsAfterTheWorkerIsGone)
{
    orvane::test::FakeFan fan;
    ASSERT_NE(fan.port(), 0);
    fan.requirePassword("12345678");
    QXConnectManager manager;
    manager.addDevice(QStringLiteral("Orvane_kvi_W1"), QStringLiteral("12345678"));

    std::shared_ptr<QXInsSocket> socket;
    runTogether(1, [&](int) {
        socket = manager.fetchInsSocketWithDevice(
            std::make_shared<NetworkingDevice>(QStringLiteral("Orvane_kvi_W1"), QStringLiteral("127.0.0.1")), 12);
    });
    ASSERT_TRUE(socket);
    socket->setPort(fan.port());

    std::atomic<qint64> code{0};
    socket->sendInsWithType(
        QXInsCode::status, 0, [&](const QXOperationRef &, qint64 done, const QVariant &) { code = done; },
        [&](const QXOperationRef &, qint64 failed, const QVariant &) { code = -failed; });
    ASSERT_TRUE(orvane::test::waitUntil([&] { return code != 0; }));
    EXPECT_EQ(code.load(), qxCode(QXSocketCode::success));
    EXPECT_EQ(fan.passwordAttempts(), 1);
    EXPECT_EQ(fan.codes(), QList<quint8>{10});
}

} // namespace
