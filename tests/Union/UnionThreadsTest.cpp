#include "EventLoop.h"
#include "Modules/Union/UnionData.h"
#include "Modules/Union/UnionDataUtil.h"

#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

// The notification is sent on the thread that wrote the file, before the write returns; a screen
// on the GUI thread gets it later, queued.
TEST(UnionThreadsTest, WriteOnAWorkerNotifiesThereAndQueuesToTheGuiThread)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("unionList.txt");
    QObject screen;
    QStringList received;
    QObject::connect(UnionDataUtil::notifier(), &UnionDataNotifier::localUnionDataUpdated, &screen,
                     [&](const QString &url) {
                         EXPECT_EQ(QThread::currentThread(), screen.thread());
                         received << url;
                     });
    std::atomic<QThread *> emittedOn = nullptr;
    const auto direct = QObject::connect(UnionDataUtil::notifier(), &UnionDataNotifier::localUnionDataUpdated,
                                         [&](const QString &) { emittedOn = QThread::currentThread(); });
    std::atomic<QThread *> writer = nullptr;
    std::thread worker([&] {
        writer = QThread::currentThread();
        EXPECT_EQ(UnionDataUtil::append(std::make_shared<UnionData>("u", 1, 1, false, path), path), std::nullopt);
        EXPECT_EQ(emittedOn.load(), writer.load());
    });
    worker.join();
    QObject::disconnect(direct);
    EXPECT_TRUE(received.isEmpty());
    EXPECT_TRUE(orvane::test::waitUntil([&] { return !received.isEmpty(); }));
    EXPECT_EQ(received, QStringList{path});
}

} // namespace
