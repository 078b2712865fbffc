#pragma once

#include "EventLoop.h"
#include "QXChainedSocketOperation.h"

#include <QList>
#include <QStringList>
#include <QThread>

#include <memory>
#include <mutex>

namespace orvane::test {

// Records every call of the blocks it hands out, from whatever thread they come. The blocks keep
// the record alive, so a late call never reaches a destroyed test object.
class BlockRecorder
{
public:
    struct Call
    {
        QString name;
        qint64 code = 0;
        QVariant payload;
        QXOperationRef operation;
        QString thread;
    };

    QXOperationBlock block(const QString &name)
    {
        auto self = m_state;
        return [self, name](const QXOperationRef &operation, qint64 code, const QVariant &payload) {
            std::lock_guard lock(self->mutex);
            self->calls.append(Call{name, code, payload, operation, QThread::currentThread()->objectName()});
        };
    }
    QXSocketBlock socketBlock(const QString &name)
    {
        auto self = m_state;
        return [self, name](qint64 code, const QVariant &payload) {
            std::lock_guard lock(self->mutex);
            self->calls.append(Call{name, code, payload, nullptr, QThread::currentThread()->objectName()});
        };
    }

    QList<Call> calls() const
    {
        std::lock_guard lock(m_state->mutex);
        return m_state->calls;
    }
    QList<Call> callsNamed(const QString &name) const
    {
        QList<Call> found;
        for (const Call &call : calls()) {
            if (call.name == name)
                found.append(call);
        }
        return found;
    }
    qsizetype count() const { return calls().size(); }
    bool waitFor(qsizetype n, int timeoutMs = 5000) const
    {
        return waitUntil([this, n] { return count() >= n; }, timeoutMs);
    }
    QStringList names() const
    {
        QStringList names;
        for (const Call &call : calls())
            names << call.name;
        return names;
    }

private:
    struct State
    {
        std::mutex mutex;
        QList<Call> calls;
    };
    std::shared_ptr<State> m_state = std::make_shared<State>();
};

} // namespace orvane::test
