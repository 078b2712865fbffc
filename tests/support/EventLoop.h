#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <functional>

namespace orvane::test {

// The moment by which every wait of the running test ends, whatever its own bound: a test whose
// many steps each may wait long sets it, so that it fails by itself, naming the step it stopped
// at, well before the test runner's time-out. Forever unless a test sets it.
inline QDeadlineTimer &testDeadline()
{
    static QDeadlineTimer deadline(QDeadlineTimer::Forever);
    return deadline;
}

// The bound cut to what is left before the test's deadline.
inline int within(int boundMs)
{
    const qint64 left = testDeadline().remainingTime();
    return left < 0 ? boundMs : int(qMin<qint64>(boundMs, left));
}

// Runs the event loop until the condition holds or the time is up; returns the condition.
inline bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 5000)
{
    QDeadlineTimer deadline(within(timeoutMs));
    while (!condition()) {
        if (deadline.hasExpired())
            return condition();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
    return true;
}

// Runs the event loop for the given time, for tests that must show that nothing happens.
inline void spinFor(int ms)
{
    QDeadlineTimer deadline(within(ms));
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
}

} // namespace orvane::test
