#include "EventLoop.h"
#include "Modules/Union/UnionData.h"
#include "Modules/Union/UnionDataUtil.h"
#include "Modules/Union/UnionRun.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
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

// Twelve members that end only when the test says so: nine start at once, each end starts the
// next, a member reporting done twice (the second time from another thread) frees one place,
// and the run finishes once, after the last member.
TEST(UnionThreadsTest, ARunHoldsNineMembersAtOnceAndCountsEachEndOnce)
{
    QList<UnionRun::Done> started;
    int running = 0;
    int most = 0;
    QList<UnionRun::Member> members;
    for (int i = 0; i < 12; ++i) {
        members.append({nullptr, [&](const UnionRun::Done &done) {
                            most = std::max(most, ++running);
                            started.append(done);
                        }});
    }
    int finished = 0;
    const QPointer<UnionRun> run = UnionRun::start(members);
    QObject::connect(run, &UnionRun::finished, [&] { ++finished; });
    ASSERT_TRUE(orvane::test::waitUntil([&] { return started.size() == 9; }));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(started.size(), 9);

    const UnionRun::Done first = started.first();
    --running;
    first();
    std::thread([first] { first(); }).join();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(started.size(), 10) << "a second report frees no second place";

    for (int i = 1; i < 12; ++i) {
        ASSERT_GT(started.size(), i);
        --running;
        started.at(i)();
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(finished, i == 11 ? 1 : 0) << i;
    }
    EXPECT_EQ(started.size(), 12);
    EXPECT_EQ(most, 9);
    EXPECT_TRUE(orvane::test::waitUntil([&] { return run.isNull(); }));
}

} // namespace
