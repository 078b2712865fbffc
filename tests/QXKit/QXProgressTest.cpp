#include "EventLoop.h"
#include "QXProgress.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(QXProgress, ParentOfFinishedChildrenReachesExactlyOne)
{
    auto parent = std::make_shared<QXProgress>(3);
    std::vector<std::shared_ptr<QXProgress>> children;
    for (int i = 0; i < 3; ++i)
        children.push_back(QXProgress::create(100, parent, 1));

    children[0]->setCompletedUnitCount(50);
    EXPECT_DOUBLE_EQ(parent->fractionCompleted(), 0.5 / 3);
    for (const auto &child : children) {
        for (int unit = 1; unit <= 100; ++unit)
            child->setCompletedUnitCount(unit);
    }
    EXPECT_EQ(parent->fractionCompleted(), 1.0);
    EXPECT_TRUE(parent->isFinished());
    EXPECT_EQ(parent->completedUnitCount(), 3);
}

TEST(QXProgress, EmptyTotalCountsAsNothingDone)
{
    QXProgress progress;
    EXPECT_EQ(progress.fractionCompleted(), 0.0);
    EXPECT_FALSE(progress.isFinished());
}

TEST(QXProgress, ChildrenDrivenFromWorkerThreadsTellTheGuiThread)
{
    auto parent = std::make_shared<QXProgress>(4);
    std::vector<std::shared_ptr<QXProgress>> children;
    for (int i = 0; i < 4; ++i)
        children.push_back(QXProgress::create(1000, parent, 1));

    QObject receiver;
    std::atomic<bool> offGuiThread{false};
    double lastSeen = 0;
    QObject::connect(parent.get(), &QXProgress::fractionCompletedChanged, &receiver, [&](double) {
        if (QThread::currentThread() != receiver.thread())
            offGuiThread = true;
        lastSeen = parent->fractionCompleted();
    });

    std::vector<std::thread> workers;
    for (const auto &child : children) {
        workers.emplace_back([child] {
            for (int unit = 1; unit <= 1000; ++unit)
                child->setCompletedUnitCount(unit);
        });
    }
    for (std::thread &worker : workers)
        worker.join();

    ASSERT_TRUE(orvane::test::waitUntil([&] { return lastSeen == 1.0; }));
    EXPECT_FALSE(offGuiThread);
    EXPECT_EQ(parent->fractionCompleted(), 1.0);
}

TEST(QXProgress, PauseAndResumeReachRunningChildren)
{
    auto parent = std::make_shared<QXProgress>(2);
    auto child = QXProgress::create(10, parent, 1);
    int childPaused = 0;
    int childResumed = 0;
    QObject::connect(child.get(), &QXProgress::paused, [&] { ++childPaused; });
    QObject::connect(child.get(), &QXProgress::resumed, [&] { ++childResumed; });
    parent->pause();
    EXPECT_TRUE(child->isPaused());
    parent->resume();
    EXPECT_FALSE(child->isPaused());
    EXPECT_EQ(childPaused, 1);
    EXPECT_EQ(childResumed, 1);
}

} // namespace
