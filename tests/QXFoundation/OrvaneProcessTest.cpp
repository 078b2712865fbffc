#include "OrvaneProcess.h"

#include "ChildProcesses.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <optional>

#include <unistd.h>

using namespace orvane::test;

namespace {

QString shell()
{
    return QStandardPaths::findExecutable(QStringLiteral("sh"));
}

int runToStatus(OrvaneProcess &process)
{
    process.launch();
    process.waitUntilExit();
    return process.terminate();
}

} // namespace

TEST(OrvaneProcessTest, ReportsExitCodeAndCollectedText)
{
    OrvaneProcess process(shell(), QStringList{"-c", "printf 'out é'; printf 'err' >&2; exit 3"});
    EXPECT_EQ(runToStatus(process), 3);
    EXPECT_EQ(process.output(), QStringLiteral("out é"));
    EXPECT_EQ(process.error(), QStringLiteral("err"));
    // The text is kept once read.
    EXPECT_EQ(process.output(), QStringLiteral("out é"));

    // Arguments given at launch replace the ones given at construction.
    OrvaneProcess relaunched(shell(), QStringList{"-c", "exit 1"});
    relaunched.launch(QStringList{"-c", "exit 0"});
    relaunched.waitUntilExit();
    EXPECT_EQ(relaunched.terminate(), 0);
}

TEST(OrvaneProcessTest, ChildWritingMoreThanAPipeHoldsStillExits)
{
    // 1 MiB on standard error is far beyond a pipe's buffer: it must be drained while the
    // child runs, or the child and the waiting caller would block each other.
    OrvaneProcess process(shell(), QStringList{"-c", "head -c 1048576 /dev/zero | tr '\\0' a >&2"});
    EXPECT_EQ(runToStatus(process), 0);
    const auto text = process.error();
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->size(), 1048576);
}

TEST(OrvaneProcessTest, ChildReadingStandardInputSeesEndOfFile)
{
    OrvaneProcess process(shell(), QStringList{"-c", "cat; echo done"});
    EXPECT_EQ(runToStatus(process), 0);
    EXPECT_EQ(process.output(), QStringLiteral("done\n"));
}

TEST(OrvaneProcessTest, ProgramsThatCannotRunGiveMinusOne)
{
    OrvaneProcess missing(QStringLiteral("/nonexistent/ffmpeg"), QStringList{"-version"});
    EXPECT_EQ(runToStatus(missing), -1);

    OrvaneProcess noPath(std::nullopt, std::nullopt);
    EXPECT_EQ(runToStatus(noPath), -1);

    OrvaneProcess neverLaunched(shell(), QStringList{"-c", "exit 0"});
    EXPECT_EQ(neverLaunched.terminate(), -1);

    OrvaneProcess killed(shell(), QStringList{"-c", "kill -9 $$"});
    EXPECT_EQ(runToStatus(killed), -1);

    // Terminating a running child stops it.
    OrvaneProcess running(shell(), QStringList{"-c", "sleep 30"});
    running.launch();
    EXPECT_EQ(running.terminate(), -1);
}

TEST(OrvaneProcessTest, InvalidUtf8GivesNoText)
{
    OrvaneProcess process(shell(), QStringList{"-c", "printf '\\377\\376'"});
    EXPECT_EQ(runToStatus(process), 0);
    EXPECT_FALSE(process.output().has_value());
    EXPECT_EQ(process.error(), QString());
}

TEST(OrvaneProcessTest, RunnersOnSeveralThreadsAtOnce)
{
    std::atomic<int> succeeded = 0;
    std::vector<std::unique_ptr<QThread>> threads;
    for (int i = 0; i < 4; ++i) {
        threads.emplace_back(QThread::create([&succeeded, i] {
            OrvaneProcess process(shell(), QStringList{"-c", QStringLiteral("echo %1").arg(i)});
            if (runToStatus(process) == 0 && process.output() == QStringLiteral("%1\n").arg(i))
                ++succeeded;
        }));
        threads.back()->start();
    }
    for (auto &thread : threads)
        thread->wait();
    EXPECT_EQ(succeeded.load(), 4);
}

TEST(OrvaneProcessTest, FindExecutableHonoursOverride)
{
    qputenv("ORVANE_SH", "/custom/sh");
    EXPECT_EQ(OrvaneProcess::findExecutable(QStringLiteral("sh")), QStringLiteral("/custom/sh"));
    qunsetenv("ORVANE_SH");
    EXPECT_EQ(OrvaneProcess::findExecutable(QStringLiteral("sh")), shell());
    EXPECT_TRUE(OrvaneProcess::findExecutable(QStringLiteral("no-such-tool-here")).isEmpty());
}

TEST(OrvaneProcessTest, ChildWithoutProgressIsKilledWithWhatItStarted)
{
    const StallLimit limit(std::chrono::seconds(2));
    QTemporaryDir dir;
    const QString pidFile = dir.filePath("sleeper");
    // The shell is killed; the sleep it started must not be left behind.
    OrvaneProcess process(shell(), QStringList{"-c", QStringLiteral("sleep 600 & echo $! > '%1'; wait").arg(pidFile)});
    EXPECT_EQ(runToStatus(process), -1);
    const qint64 sleeper = writtenPid(pidFile);
    ASSERT_GT(sleeper, 0);
    EXPECT_TRUE(processEnded(sleeper));
}

TEST(OrvaneProcessTest, ReportedProgressKeepsALongRunGoing)
{
    const StallLimit limit(std::chrono::seconds(1));
    // Three times the limit, with a new frame count every tenth of a second.
    OrvaneProcess advancing(shell(), QStringList{"-c", "for i in $(seq 30); do echo frame=$i; echo speed=1x; "
                                                       "sleep 0.1; done"});
    EXPECT_EQ(runToStatus(advancing), 0);
    EXPECT_TRUE(advancing.output()->startsWith("frame=1\nspeed=1x\n"));
    // The same report over and over is no progress, whatever else changes with the clock.
    OrvaneProcess repeating(shell(), QStringList{"-c", "for i in $(seq 40); do echo frame=7; echo fps=$i; "
                                                        "sleep 0.1; done"});
    EXPECT_EQ(runToStatus(repeating), -1);
}

TEST(OrvaneProcessDeathTest, StopAllEndsEveryRunAndStartsNoMore)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            QTemporaryDir dir;
            const QString pidFile = dir.filePath("child");
            std::atomic<int> status = 0;
            std::unique_ptr<QThread> runner(QThread::create([&] {
                OrvaneProcess process(shell(), QStringList{"-c", QStringLiteral("echo $$ > '%1'; exec sleep 600").arg(pidFile)});
                status = runToStatus(process);
            }));
            runner->start();
            const qint64 child = writtenPid(pidFile);
            OrvaneProcess::stopAll();
            const bool ended = runner->wait(QDeadlineTimer(10000));
            OrvaneProcess later(shell(), QStringList{"-c", "exit 0"});
            const bool refused = runToStatus(later) == -1;
            removePrivateHome();
            _exit(child > 0 && ended && status == -1 && processEnded(child) && refused ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(OrvaneProcessDeathTest, ChildDiesWithTheApplication)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // The killed application is a copy of this test run: it finds the parent's file through the
    // environment, where the parent put it before the copy started.
    std::optional<QTemporaryDir> dir;
    if (qEnvironmentVariableIsEmpty("ORVANE_TEST_CHILD_PID")) {
        dir.emplace();
        qputenv("ORVANE_TEST_CHILD_PID", dir->filePath("child").toUtf8());
    }
    const QString pidFile = qEnvironmentVariable("ORVANE_TEST_CHILD_PID");
    EXPECT_EXIT(
        {
            OrvaneProcess process(shell(), QStringList{"-c", QStringLiteral("echo $$ > '%1'; exec sleep 600").arg(pidFile)});
            process.launch();
            writtenPid(pidFile);
            removePrivateHome();
            ::raise(SIGKILL);
        },
        ::testing::KilledBySignal(SIGKILL), "");
    qunsetenv("ORVANE_TEST_CHILD_PID");
    const qint64 child = writtenPid(pidFile);
    ASSERT_GT(child, 0);
    const bool ended = processEnded(child);
    if (!ended)
        ::kill(pid_t(child), SIGKILL);
    EXPECT_TRUE(ended);
}
