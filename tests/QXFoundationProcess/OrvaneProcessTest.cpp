#include "OrvaneProcess.h"

#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>

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
