#include "UnionRun.h"

#include "QXEventLoop.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <memory>

UnionRun *UnionRun::start(QList<Member> members)
{
    Q_ASSERT(QThread::currentThread() == qApp->thread());
    auto *run = new UnionRun(std::move(members));
    qxNextTurn(run, [run] { run->startMembers(); });
    return run;
}

UnionRun::UnionRun(QList<Member> members) : m_members(std::move(members))
{
    for (qsizetype i = 0; i < m_members.size(); ++i)
        m_waiting.append(i);
}

void UnionRun::startMembers()
{
    if (m_members.isEmpty()) {
        emit finished();
        deleteLater();
        return;
    }
    for (auto it = m_waiting.begin(); it != m_waiting.end() && m_running < concurrentCount;) {
        const qsizetype index = *it;
        const void *key = m_members.at(index).key;
        if (key && m_busyKeys.contains(key)) {
            ++it;
            continue;
        }
        it = m_waiting.erase(it);
        if (key)
            m_busyKeys.insert(key);
        ++m_running;
        auto reported = std::make_shared<std::atomic<bool>>(false);
        // Queued even from the GUI thread: a member that ends at once must not start the next
        // one from inside this loop.
        const Done done = [this, index, reported] {
            if (!reported->exchange(true))
                qxNextTurn(this, [this, index] { end(index); });
        };
        m_members.at(index).task(done);
    }
}

void UnionRun::end(qsizetype index)
{
    --m_running;
    ++m_ended;
    m_busyKeys.remove(m_members.at(index).key);
    if (m_ended == m_members.size()) {
        emit finished();
        deleteLater();
        return;
    }
    startMembers();
}
